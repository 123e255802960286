#include "platform/x11_error_trap.h"

namespace brisat {
namespace {

int g_errors = 0;

int CountError(Display*, XErrorEvent*) {
    ++g_errors;
    return 0;
}

} // namespace

TX11ErrorTrap::TX11ErrorTrap(Display* display) : m_display(display) {
    XSync(m_display, False); // earlier requests' errors belong to the previous handler
    g_errors = 0;
    m_previous = XSetErrorHandler(CountError);
}

TX11ErrorTrap::~TX11ErrorTrap() {
    XSync(m_display, False);
    XSetErrorHandler(m_previous);
}

bool TX11ErrorTrap::Failed() {
    XSync(m_display, False);
    return g_errors != 0;
}

} // namespace brisat

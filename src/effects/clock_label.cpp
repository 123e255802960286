#include "effects/clock_label.h"

#include "framework/controls/timer.h"
#include "framework/core/store_if_changed.h"

#include <cctype>
#include <chrono>
#include <ctime>

namespace brisat {
namespace {

// Appends Value with at least Digits digits.
void AppendNumber(std::string& out, int value, size_t digits) {
    const std::string text = std::to_string(value);
    if (text.size() < digits) out.append(digits - text.size(), '0');
    out += text;
}

// How many times the character at Pos repeats, ignoring case.
size_t RunLength(std::string_view format, size_t pos) {
    const char c = char(std::tolower(uint8_t(format[pos])));
    size_t n = 1;
    while (pos + n < format.size() && std::tolower(uint8_t(format[pos + n])) == c)
        ++n;
    return n;
}

} // namespace

TDateTimeParts LocalNow() {
    using namespace std::chrono;
    const system_clock::time_point now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
            local.tm_min,         local.tm_sec,     int(ms)};
}

std::string FormatDateTime(std::string_view format, const TDateTimeParts& t) {
    std::string out;
    size_t pos = 0;
    while (pos < format.size()) {
        const char c = format[pos];
        if (c == '\'' || c == '"') {
            const size_t close = format.find(c, pos + 1);
            const size_t end = close == std::string_view::npos ? format.size() : close;
            out.append(format.substr(pos + 1, end - pos - 1));
            pos = end + 1;
            continue;
        }
        const size_t run = RunLength(format, pos);
        const size_t wide = run >= 2 ? 2 : 1;
        switch (std::tolower(uint8_t(c))) {
        case 'y':
            AppendNumber(out, run >= 4 ? t.Year : t.Year % 100, run >= 4 ? 4 : 2);
            break;
        case 'm':
            AppendNumber(out, t.Month, wide);
            break;
        case 'd':
            AppendNumber(out, t.Day, wide);
            break;
        case 'h':
            AppendNumber(out, t.Hour, wide);
            break;
        case 'n':
            AppendNumber(out, t.Minute, wide);
            break;
        case 's':
            AppendNumber(out, t.Second, wide);
            break;
        case 'z':
            AppendNumber(out, t.Millisecond, run >= 3 ? 3 : 1);
            break;
        default:
            out.append(format.substr(pos, run));
            break;
        }
        pos += run;
    }
    return out;
}

TZeltClock::TZeltClock(TComponent* owner) : TLabel(owner) {
    m_timer = std::make_unique<TTimer>(nullptr);
    m_timer->SetInterval(500);
    m_timer->OnTimer = [this](TComponent&) { UpdateTime(); };
    UpdateTime();
}

TZeltClock::~TZeltClock() = default;

void TZeltClock::SetFormat(const std::string& format) {
    if (StoreIfChanged(m_format, format)) UpdateTime();
}

void TZeltClock::UpdateTime() {
    SetCaption(FormatDateTime(m_format, TimeSource()));
}

} // namespace brisat

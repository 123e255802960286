#include "skin_windows/ks_hook.h"

#include "skin_window_fixture.h"

namespace brisat::test {
namespace {

class HookTest : public SkinWindowTest {
protected:
    // Seen lives as long as the form: the hooks also see the messages of its destruction.
    std::vector<std::string> Seen;
};

TEST_F(HookTest, HookSeesTheOwnersMessages) {
    TKsHook& hook = CreateOwned<TKsHook>(*Form);
    hook.OnBeforeMessage = [this](TMessage& m, bool&) {
        if (m.Msg == WM_USER + 7) Seen.push_back("before");
    };
    hook.SetControl(Form);
    SendMessage(Window(), WM_USER + 7);
    EXPECT_EQ(Seen, std::vector<std::string>{"before"});
}

} // namespace
} // namespace brisat::test

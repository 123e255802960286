#include "skin_windows/ks_hook.h"

#include "skin_window_fixture.h"

#include <stdexcept>

namespace brisat::test {
namespace {

constexpr UINT kProbe = WM_USER + 7;

class HookTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        // The window's own procedure records the probe last.
        Form->WindowProc = [this, old = Form->WindowProc](TMessage& m) {
            if (m.Msg == kProbe) Seen.push_back("window");
            old(m);
        };
    }

    // A hook on the form that records the probe as Name, handling it when Handles is set.
    TKsHook& AddHook(const std::string& name, bool handles = false) {
        TKsHook& hook = CreateOwned<TKsHook>(*Form);
        hook.OnBeforeMessage = [this, name, handles](TMessage& m, bool& handled) {
            if (m.Msg != kProbe) return;
            Seen.push_back(name);
            handled = handles;
        };
        hook.OnAfterMessage = [this, name](TMessage& m) {
            if (m.Msg == kProbe) Seen.push_back(name + " after");
        };
        hook.SetControl(Form);
        return hook;
    }
    std::vector<std::string> Probe() {
        Seen.clear();
        SendMessage(Window(), kProbe);
        return Seen;
    }

    // Lives as long as the form: the hooks also see the messages of its destruction.
    std::vector<std::string> Seen;
};

using Strings = std::vector<std::string>;

TEST_F(HookTest, LatestHookFirstThenWindowThenEveryAfterCallback) {
    AddHook("a");
    AddHook("b");
    EXPECT_EQ(Probe(), (Strings{"b", "a", "window", "b after", "a after"}));
}

TEST_F(HookTest, HandledMessageStopsBeforeEarlierHooksAndTheWindow) {
    AddHook("a");
    AddHook("b", true);
    EXPECT_EQ(Probe(), (Strings{"b", "b after", "a after"}));
}

TEST_F(HookTest, InactiveOrRemovedHooksSeeNothingAndTheLastRemovalUnhooks) {
    TKsHook& a = AddHook("a");
    TKsHook& b = AddHook("b", true);
    b.SetActive(false);
    EXPECT_EQ(Probe(), (Strings{"a", "window", "a after"}));
    a.SetControl(nullptr);
    EXPECT_EQ(Probe(), Strings{"window"});
    b.SetActive(true);
    EXPECT_EQ(Probe(), (Strings{"b", "b after"}));
    b.Free();
    EXPECT_EQ(Probe(), Strings{"window"});
}

TEST_F(HookTest, AHookMayRemoveItselfAndOthersWhileAMessageRuns) {
    TKsHook& a = AddHook("a");
    TKsHook& b = CreateOwned<TKsHook>(*Form);
    b.OnBeforeMessage = [&](TMessage& m, bool&) {
        if (m.Msg != kProbe) return;
        Seen.push_back("b");
        a.SetActive(false);
        b.SetControl(nullptr);
    };
    b.SetControl(Form);
    EXPECT_EQ(Probe(), (Strings{"b", "window"}));
    EXPECT_EQ(Probe(), Strings{"window"});
}

TEST_F(HookTest, ErrorsGoToTheApplicationAndTheMessageGoesOn) {
    std::vector<std::string> errors;
    App->OnException = [&](TComponent&, const std::exception& e) { errors.push_back(e.what()); };
    AddHook("a");
    TKsHook& bad = CreateOwned<TKsHook>(*Form);
    bad.OnBeforeMessage = [](TMessage& m, bool&) {
        if (m.Msg == kProbe) throw std::runtime_error("before");
    };
    bad.OnAfterMessage = [](TMessage& m) {
        if (m.Msg == kProbe) throw std::runtime_error("after");
    };
    bad.SetControl(Form);
    EXPECT_EQ(Probe(), (Strings{"a", "window", "a after"}));
    EXPECT_EQ(errors, (Strings{"before", "after"}));
    App->OnException = nullptr;
}

TEST_F(HookTest, ARecreatedWindowIsHookedAgain) {
    AddHook("a");
    Form->DestroyHandle();
    ASSERT_NE(Form->Handle(), 0u);
    Pump();
    EXPECT_EQ(Probe(), (Strings{"a", "window", "a after"}));
}

TEST_F(HookTest, ComponentHandlesWhatItsHandlerKeepsAndSeesEverythingAfter) {
    struct TProbeComponent : TKsHookComponent {
        using TKsHookComponent::TKsHookComponent;
        std::vector<std::string>* Log = nullptr;
        void MessageHandler(TMessage& m) override {
            if (m.Msg == kProbe) {
                Log->push_back("component");
                m.Result = 42;
            } else {
                TKsHookComponent::MessageHandler(m);
            }
        }
        void AfterMessage(TMessage& m) override {
            if (m.Msg == kProbe) Log->push_back("after");
        }
    };
    auto& c = CreateOwned<TProbeComponent>(*Form);
    c.Log = &Seen;
    c.SetActive(true);
    Seen.clear();
    EXPECT_EQ(SendMessage(Window(), kProbe), 42);
    EXPECT_EQ(Seen, (Strings{"component", "after"}));
    c.SetActive(false);
    EXPECT_EQ(Probe(), Strings{"window"});
}

} // namespace
} // namespace brisat::test

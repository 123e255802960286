// Notification icons owned by windows: add, change and delete reach the platform's tray icon,
// and the icon's events come back as the owner's callback message.
#include "framework/windowing/message_queue.h"
#include "framework/windowing/notify_icon.h"
#include "headless_fixture.h"

namespace brisat {
namespace {

constexpr UINT TrayMessage = WM_USER + 7;

class NotifyIconTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        Owner = AllocateHWnd([this](TMessage& m) {
            if (m.Msg == TrayMessage) Received.push_back({m.WParam, m.LParam});
        });
    }
    void TearDown() override {
        DeallocateHWnd(Owner);
        HeadlessTest::TearDown();
    }
    TNotifyIconData Data(UINT flags) {
        TNotifyIconData data;
        data.Wnd = Owner;
        data.ID = 5;
        data.Flags = flags;
        data.CallbackMessage = TrayMessage;
        data.Icon = {{1, 1, {0xFF112233}}};
        data.Tip = std::string(70, 'x');
        return data;
    }
    // The platform's only icon, nullptr when there is none.
    THeadlessTrayIcon* Icon() {
        return Host->TrayIcons().size() == 1 ? Host->TrayIcons().begin()->second : nullptr;
    }
    uint32_t IconId() { return Host->TrayIcons().begin()->first; }
    void Inject(TPlatformEventKind kind, uint32_t icon) {
        TPlatformEvent e;
        e.Kind = kind;
        e.Window = icon;
        Host->Inject(e);
        Pump();
    }

    HWND Owner = 0;
    std::vector<std::pair<WPARAM, LPARAM>> Received;
};

TEST_F(NotifyIconTest, AddChangeAndDeleteReachThePlatformsIcon) {
    const UINT all = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    EXPECT_FALSE(ShellNotifyIcon(NIM_MODIFY, Data(all)));
    EXPECT_FALSE(ShellNotifyIcon(NIM_DELETE, Data(all)));
    ASSERT_TRUE(ShellNotifyIcon(NIM_ADD, Data(all)));
    EXPECT_FALSE(ShellNotifyIcon(NIM_ADD, Data(all)));
    ASSERT_NE(Icon(), nullptr);
    EXPECT_TRUE(Icon()->Visible());
    EXPECT_EQ(Icon()->Tip(), std::string(63, 'x'));
    ASSERT_EQ(Icon()->Images().size(), 1u);
    EXPECT_EQ(Icon()->Images()[0].Pixels[0], 0xFF112233u);

    // Only the fields named by the flags change.
    TNotifyIconData tip = Data(NIF_TIP);
    tip.Tip = "Player";
    tip.Icon.clear();
    ASSERT_TRUE(ShellNotifyIcon(NIM_MODIFY, tip));
    EXPECT_EQ(Icon()->Tip(), "Player");
    EXPECT_EQ(Icon()->Images().size(), 1u);

    ASSERT_TRUE(ShellNotifyIcon(NIM_DELETE, Data(0)));
    EXPECT_EQ(Icon(), nullptr);
    TNotifyIconData orphan = Data(all);
    orphan.Wnd = 0;
    EXPECT_FALSE(ShellNotifyIcon(NIM_ADD, orphan));
}

TEST_F(NotifyIconTest, TheIconsEventsBecomeTheOwnersCallbackMessage) {
    ASSERT_TRUE(ShellNotifyIcon(NIM_ADD, Data(NIF_MESSAGE | NIF_ICON | NIF_TIP)));
    const uint32_t id = IconId();
    Inject(TPlatformEventKind::TrayActivate, id);
    Inject(TPlatformEventKind::TrayContextMenu, id);
    Inject(TPlatformEventKind::TrayLost, id);
    Inject(TPlatformEventKind::TrayActivate, id + 1); // no such icon
    EXPECT_EQ(Received, (std::vector<std::pair<WPARAM, LPARAM>>{
                            {5, WM_LBUTTONDBLCLK}, {5, WM_RBUTTONUP}, {5, NIN_TRAYLOST}}));
    ASSERT_TRUE(ShellNotifyIcon(NIM_DELETE, Data(0)));
    Inject(TPlatformEventKind::TrayActivate, id);
    EXPECT_EQ(Received.size(), 3u);
}

} // namespace
} // namespace brisat

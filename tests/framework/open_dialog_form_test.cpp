// The built-in file dialog driven by injected input on the headless platform, over a folder
// tree of the test's own; and TOpenDialog falling back to it when no desktop chooser answers.
#include "framework/widgets/button.h"
#include "framework/widgets/combo_box.h"
#include "framework/widgets/edit.h"
#include "framework/widgets/list_box.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/dialogs/open_dialog_classes.h"
#include "framework/dialogs/open_dialog_form.h"
#include "headless_fixture.h"
#include "text_lines.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

using namespace brisat;
namespace fs = std::filesystem;

namespace {

class OpenDialogFormTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        Root =
            (fs::path(testing::TempDir()) / ("brisat_dialog_" + std::to_string(getpid()))).string();
        fs::remove_all(Root);
        fs::create_directories(Root + "/Clips/Old");
        for (const char* file : {"a.avi", "B.MPG", "notes.txt", "Clips/c.avi"})
            std::ofstream(Root + "/" + file) << "x";
        Settings.Filters = ParseFileFilter("Video|*.avi;*.mpg|Everything|*");
        Settings.Folder = Root;
        Settings.Rules.FileMustExist = Settings.Rules.PathMustExist = true;
        Settings.Rules.DefaultExt = "avi";
    }
    void TearDown() override {
        Form.reset();
        HeadlessTest::TearDown();
        fs::remove_all(Root);
    }

    void Open() {
        Form = std::make_unique<TOpenDialogForm>(Settings);
        Form->Show();
        Pump();
    }
    HWND Window() const { return Form->Handle(); }
    // A point of Control in its window's coordinates.
    TPoint At(TControl& control, int32_t x, int32_t y) {
        const TPoint screen = control.ClientToScreen({x, y});
        const TRect window = GetWindowRect(Window());
        return {screen.X - window.Left, screen.Y - window.Top};
    }
    std::vector<std::string> Items() {
        std::vector<std::string> items;
        for (int i = 0; i < Form->FileList().Items().Count(); ++i)
            items.push_back(Form->FileList().Items()[i]);
        return items;
    }
    void ClickItem(const std::string& item, uint32_t modifiers = 0) {
        const int index = Form->FileList().Items().IndexOf(item);
        ASSERT_GE(index, 0) << item;
        const TRect r = Form->FileList().ItemRect(index);
        const TPoint p = At(Form->FileList(), r.Left + 5, (r.Top + r.Bottom) / 2);
        Host->MouseDown(Window(), p.X, p.Y, TPlatformButton::Left, modifiers);
        Host->MouseUp(Window(), p.X, p.Y, TPlatformButton::Left, modifiers);
        Pump();
    }
    // Whether the item shows selected: its row's free right end has the highlight colour.
    bool Highlighted(const std::string& item) {
        const TRect r = Form->FileList().ItemRect(Form->FileList().Items().IndexOf(item));
        const TPoint p = At(Form->FileList(), r.Right - 3, (r.Top + r.Bottom) / 2);
        return PixelAt(Window(), p.X, p.Y) == Rgb(clHighlight);
    }
    void DoubleClickItem(const std::string& item) {
        ClickItem(item);
        ClickItem(item);
    }
    void Type(TEdit& edit, const std::string& text) {
        edit.SetFocus();
        edit.SetText("");
        for (char c : text)
            Host->TypeKey(Window(), 0, std::string(1, c));
        Pump();
    }
    void Key(uint32_t key) {
        Host->TypeKey(Window(), key);
        Pump();
    }

    std::string Root;
    TOpenDialogSettings Settings;
    std::unique_ptr<TOpenDialogForm> Form;
};

TEST_F(OpenDialogFormTest, ListsTheFolderAndMovesThroughFoldersByDoubleClicks) {
    Open();
    EXPECT_EQ(Form->FolderEdit().Text(), Root);
    EXPECT_EQ(Items(), (std::vector<std::string>{"../", "Clips/", "a.avi", "B.MPG"}));

    DoubleClickItem("Clips/");
    EXPECT_EQ(Form->Folder(), Root + "/Clips");
    EXPECT_EQ(Form->FolderEdit().Text(), Root + "/Clips");
    EXPECT_EQ(Items(), (std::vector<std::string>{"../", "Old/", "c.avi"}));

    DoubleClickItem("../");
    EXPECT_EQ(Form->Folder(), Root);

    // Another filter lists again.
    Form->FilterCombo().SetFocus();
    Key(VK_DOWN);
    EXPECT_EQ(Form->FilterCombo().ItemIndex(), 1);
    EXPECT_EQ(Items(), (std::vector<std::string>{"../", "Clips/", "a.avi", "B.MPG", "notes.txt"}));
}

TEST_F(OpenDialogFormTest, ADoubleClickedFileIsChosen) {
    Open();
    DoubleClickItem("B.MPG");
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_EQ(Form->Files(), std::vector<std::string>{Root + "/B.MPG"});
}

TEST_F(OpenDialogFormTest, EnterOpensTheTypedNameOrFolderAndReportsProblems) {
    Open();
    Type(Form->NameEdit(), "Clips");
    Key(VK_RETURN);
    EXPECT_EQ(Form->Folder(), Root + "/Clips");
    EXPECT_EQ(Form->NameEdit().Text(), "");

    Type(Form->NameEdit(), "missing");
    Key(VK_RETURN);
    EXPECT_EQ(Form->ModalResult(), mrNone);
    EXPECT_EQ(Form->Problem(), "File not found: " + Root + "/Clips/missing.avi");

    Type(Form->FolderEdit(), "/nowhere/at/all");
    Key(VK_RETURN);
    EXPECT_EQ(Form->Folder(), Root + "/Clips");
    EXPECT_NE(Form->Problem(), "");

    Type(Form->FolderEdit(), Root);
    Key(VK_RETURN);
    EXPECT_EQ(Form->Folder(), Root);
    EXPECT_EQ(Form->Problem(), "");

    Type(Form->NameEdit(), "*.txt");
    Key(VK_RETURN);
    EXPECT_EQ(Items(), (std::vector<std::string>{"../", "Clips/", "notes.txt"}));

    Type(Form->NameEdit(), "c");
    Key(VK_RETURN);
    EXPECT_EQ(Form->ModalResult(), mrNone);
    Type(Form->NameEdit(), "Clips/c");
    Key(VK_RETURN);
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_EQ(Form->Files(), std::vector<std::string>{Root + "/Clips/c.avi"});
}

TEST_F(OpenDialogFormTest, CtrlClicksCollectSeveralFilesInOrder) {
    Settings.Rules.Multiple = true;
    Open();
    ClickItem("B.MPG");
    EXPECT_EQ(Form->NameEdit().Text(), "B.MPG");
    ClickItem("a.avi", PlatformCtrl);
    EXPECT_EQ(Form->NameEdit().Text(), "\"B.MPG\" \"a.avi\"");
    EXPECT_TRUE(Highlighted("a.avi"));
    EXPECT_TRUE(Highlighted("B.MPG")) << "every chosen file shows selected";
    ClickItem("B.MPG", PlatformCtrl); // out again
    EXPECT_FALSE(Highlighted("B.MPG"));
    EXPECT_TRUE(Highlighted("a.avi"));
    Host->Advance(1000);              // not a double click
    ClickItem("B.MPG", PlatformCtrl); // in again, last
    EXPECT_EQ(Form->NameEdit().Text(), "\"a.avi\" \"B.MPG\"");
    Form->NameEdit().SetFocus();
    Key(VK_RETURN);
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_EQ(Form->Files(), (std::vector<std::string>{Root + "/a.avi", Root + "/B.MPG"}));
}

TEST_F(OpenDialogFormTest, EscapeCancels) {
    Open();
    Key(VK_ESCAPE);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
}

// Without a session bus the desktop's chooser is unavailable and the built-in dialog shows; the
// test answers it from the idle wait of its modal loop. Until the dialog is there the idle wait
// gives the chooser's thread time to fail and wake the loop: the headless platform cannot wait
// without limit.
TEST_F(OpenDialogFormTest, ExecuteFallsBackToTheBuiltInDialog) {
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/brisat-test-bus", 1);
    TOpenDialog dialog;
    dialog.SetFilter("All supportet files|*.AVI;*.MPG;*.MPEG;*.ASF");
    dialog.SetOptions({TOpenOption::ofAllowMultiSelect, TOpenOption::ofFileMustExist});
    dialog.SetInitialDir(Root);
    dialog.SetFileName("ignored.avi");
    bool answered = false;
    Host->OnIdleWait = [&](int32_t) {
        if (answered) return;
        bool shown = false;
        for (HWND top : GetTopLevelWindows())
            if (auto* form = dynamic_cast<TOpenDialogForm*>(FindControl(top))) {
                answered = shown = true;
                form->NameEdit().SetText("\"a.avi\" \"Clips/c.avi\"");
                form->NameEdit().SetFocus();
                Host->TypeKey(top, VK_RETURN);
            }
        if (!shown) std::this_thread::sleep_for(std::chrono::milliseconds(300));
    };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(answered);
    ASSERT_EQ(dialog.Files().Count(), 2);
    EXPECT_EQ(dialog.Files()[0], Root + "/a.avi");
    EXPECT_EQ(dialog.Files()[1], Root + "/Clips/c.avi");
    EXPECT_EQ(dialog.FileName(), Root + "/a.avi");
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

TEST(OpenDialogClassTest, LayoutsSetTheDialogAndWriteOnlyWhatDiffers) {
    RegisterOpenDialogClass();
    const std::string layout = Lines({
        "object OpenDialog2: TOpenDialog",
        "  Filter = 'All supportet files|*.AVI;*.MPG;*.MPEG;*.ASF'",
        "  Options = [ofAllowMultiSelect, ofHideReadOnly, ofEnableSizing]",
        "  Title = 'Open media'",
        "end",
    });
    auto read = TextToComponent(layout);
    auto& dialog = dynamic_cast<TOpenDialog&>(*read);
    EXPECT_EQ(dialog.Filter(), "All supportet files|*.AVI;*.MPG;*.MPEG;*.ASF");
    EXPECT_EQ(dialog.Options(),
              (TOpenOptions{TOpenOption::ofAllowMultiSelect, TOpenOption::ofHideReadOnly,
                            TOpenOption::ofEnableSizing}));
    EXPECT_EQ(dialog.FilterIndex(), 1);
    EXPECT_EQ(ComponentToText(dialog), layout);
}

} // namespace

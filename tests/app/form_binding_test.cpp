// The player's windows bind the components their code uses when they are made: a layout that
// lacks one, or holds it as another class, fails the window's creation with a message naming the
// component and the class expected.
#include "app/color_control_form.h"
#include "app/form_select_url.h"
#include "app/main_form.h"
#include "framework/core/exceptions.h"
#include "player_window_fixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace brisat {
namespace {

// Text with every "object From:" header renamed to "object To:" (at least one must be there).
std::string Renamed(std::string text, const std::string& from, const std::string& to) {
    const std::string header = "object " + from + ":";
    size_t at = text.find(header);
    EXPECT_NE(at, std::string::npos) << header;
    for (; at != std::string::npos; at = text.find(header, at + to.size()))
        text.replace(at, header.size(), "object " + to + ":");
    return text;
}

// Text with the names of two components exchanged, each keeping its class and properties.
std::string Swapped(std::string_view text, const std::string& a, const std::string& b) {
    return Renamed(Renamed(Renamed(std::string(text), a, "Swapping"), b, a), "Swapping", b);
}

using FormBindingTest = PlayerWindowTest;

TEST_F(FormBindingTest, AWindowMissingOrMistypingAComponentIsNotCreated) {
    // The colour dialog's video window, from a main window made after those that must fail.
    TfrmMain* main = nullptr;
    auto video = [&]() -> TDSVideoWindowEx2& {
        if (!main) main = &App->CreateForm<TfrmMain>(Settings());
        return *main->Parts().DSVideoWindowEx1;
    };
    struct TCase {
        const char* Fault;
        std::function<void()> Create;
        std::vector<std::string> Named; // words the message must hold
    };
    const TCase cases[] = {
        {"main window without the previous button",
         [&] {
             App->CreateForm<TfrmMain>(
                 Settings(), Renamed(std::string(FrmMainLayout()), "SpeedButton6", "Previous"));
         },
         {"SpeedButton6", "TSpeedButton"}},
        {"main window whose event log is a splitter",
         [&] {
             App->CreateForm<TfrmMain>(Settings(), Swapped(FrmMainLayout(), "Memo1", "Splitter1"));
         },
         {"Memo1", "TMemo", "TSplitter"}},
        {"colour dialog without the hue bar",
         [&] {
             App->CreateForm<TColorControlForm>(
                 video(), Renamed(std::string(ColorControlFormLayout()), "TrackBar3", "Hue"));
         },
         {"TrackBar3", "TTrackBar"}},
        {"colour dialog whose frame is a label",
         [&] {
             App->CreateForm<TColorControlForm>(
                 video(), Swapped(ColorControlFormLayout(), "Shape1", "Label1"));
         },
         {"Shape1", "TShape", "TLabel"}},
        {"open-URL dialog without its address edit",
         [&] {
             App->CreateForm<TFormSelectURL>(
                 Renamed(std::string(FormSelectURLLayout()), "URL", "Address"));
         },
         {"URL", "TSeSkinEdit"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Fault);
        try {
            c.Create();
            ADD_FAILURE() << "created";
        } catch (const EComponentError& e) {
            for (const std::string& word : c.Named) // as a word: URL, not FormSelectURL
                EXPECT_NE(std::string(e.what()).find(" " + word), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace brisat

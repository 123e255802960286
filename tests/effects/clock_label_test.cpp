#include "effects/clock_label.h"
#include "framework/controls/form.h"
#include "framework/headless_fixture.h"

using namespace brisat;

namespace {

TEST(FormatDateTime, PatternLettersAndLiterals) {
    const TDateTimeParts t{2026, 3, 7, 9, 5, 4, 7};
    const std::pair<const char*, const char*> cases[] = {
        {"hh:nn:ss", "09:05:04"},
        {"h:n:s", "9:5:4"},
        {"HH:NN:SS", "09:05:04"},
        {"yyyy-mm-dd", "2026-03-07"},
        {"d.m.yy", "7.3.26"},
        {"'at' hh \"o'clock\"", "at 09 o'clock"},
        {"ss.zzz", "04.007"},
        {"hh-", "09-"},
        {"", ""},
    };
    for (const auto& [format, expected] : cases)
        EXPECT_EQ(FormatDateTime(format, t), expected) << format;
}

class ClockTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        clock = &CreateOwned<TZeltClock>(*form);
        clock->SetParent(form);
        clock->TimeSource = [this] { return now; };
        form->Show();
    }

    TDateTimeParts now{2026, 12, 10, 23, 59, 58, 0};
    TForm* form = nullptr;
    TZeltClock* clock = nullptr;
};

TEST_F(ClockTest, ShowsTheTimeItIsGivenAndFollowsItEveryHalfSecond) {
    clock->UpdateTime();
    EXPECT_EQ(clock->Caption(), "23:59:58");

    now.Second = 59;
    Host->Advance(499);
    Pump();
    EXPECT_EQ(clock->Caption(), "23:59:58");
    Host->Advance(1);
    Pump();
    EXPECT_EQ(clock->Caption(), "23:59:59");

    clock->SetFormat("h.nn");
    EXPECT_EQ(clock->Caption(), "23.59");
}

} // namespace

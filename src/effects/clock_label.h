// TZeltClock: a label showing the current local time, refreshed every 500 ms, formatted with the
// date-time pattern in Format. GUI thread only.
#pragma once

#include "framework/widgets/label.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace brisat {

class TTimer;

// A local date and time broken into fields (Month 1–12, Day 1–31).
struct TDateTimeParts {
    int Year = 0, Month = 1, Day = 1;
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// The system clock's local time now.
TDateTimeParts LocalNow();

// Formats T with the pattern letters: yyyy or yy year, m or mm month, d or dd day, h or hh hour,
// n or nn minute, s or ss second, z or zzz millisecond (the doubled forms with leading zeros);
// text in '…' or "…" is copied without its quotes, any other character as it is.
std::string FormatDateTime(std::string_view format, const TDateTimeParts& t);

class TZeltClock : public TLabel {
public:
    explicit TZeltClock(TComponent* owner);
    ~TZeltClock() override;
    std::string ClassName() const override { return "TZeltClock"; }

    const std::string& Format() const { return m_format; }
    void SetFormat(const std::string& format);

    // Where the time comes from; LocalNow unless replaced.
    std::function<TDateTimeParts()> TimeSource = LocalNow;

    // Sets the caption to the time now.
    void UpdateTime();

private:
    std::string m_format = "hh:nn:ss";
    std::unique_ptr<TTimer> m_timer;
};

} // namespace brisat

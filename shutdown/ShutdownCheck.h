#pragma once
// The daily power-off as the one-second tick sees it: whether this second opens the countdown,
// and how the preset time moves on once a countdown has closed. Holds the live preset time,
// the number of countdowns of this run, and whether one is open now.

#include <ctime>

#include "shutdown/ShutdownTime.h"

namespace tocklet {

/// time moved on by minutes: a minute past 59 is carried into the hour, and an hour past 23
/// into the next day's hour (22:55 + 10 gives 23:5:0, 23:55 + 10 gives 0:5:0).
ShutdownTime PostponedShutdownTime(const ShutdownTime& time, int minutes);

/// Marks a countdown open for as long as it lives.
class CountdownScope {
public:
    explicit CountdownScope(bool& open) : open_(open) { open_ = true; }
    ~CountdownScope() { open_ = false; }
    CountdownScope(const CountdownScope&) = delete;
    CountdownScope& operator=(const CountdownScope&) = delete;

private:
    bool& open_;
};

class ShutdownCheck {
public:
    /// The preset time; a new one is compared from the next tick on.
    const ShutdownTime& Time() const { return m_time; }
    void SetTime(const ShutdownTime& time) { m_time = time; }

    /// Countdowns opened since the program started.
    int Repeats() const { return m_nShutdownRepeats; }
    bool CountdownOpen() const { return m_bCountdownOpen; }

    /// True when the hour, minute and second of now are exactly the preset time and no
    /// countdown is open: a second countdown never opens over the first.
    bool IsDue(const std::tm& now) const;

    /// Keep the result alive while the countdown is open.
    [[nodiscard]] CountdownScope OpenCountdown() { return CountdownScope(m_bCountdownOpen); }

    /// After a countdown has closed: the first repeat + 1 countdowns of the run move the preset
    /// time on by delayMinutes (true: the time changed and should be shown again); every
    /// countdown is counted.
    bool AfterCountdown(int delayMinutes, int repeat);

private:
    ShutdownTime m_time;
    int m_nShutdownRepeats = 0;
    bool m_bCountdownOpen = false;
};

}  // namespace tocklet

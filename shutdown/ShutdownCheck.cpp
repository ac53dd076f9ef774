#include "shutdown/ShutdownCheck.h"

namespace tocklet {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

ShutdownTime PostponedShutdownTime(const ShutdownTime& time, int minutes) {
    int total = (time.m_nHour * 60 + time.m_nMinute + minutes) % kMinutesPerDay;
    if (total < 0) total += kMinutesPerDay;
    return {total / 60, total % 60, time.m_nSecond};
}

bool ShutdownCheck::IsDue(const std::tm& now) const {
    return !m_bCountdownOpen && now.tm_hour == m_time.m_nHour && now.tm_min == m_time.m_nMinute &&
           now.tm_sec == m_time.m_nSecond;
}

bool ShutdownCheck::AfterCountdown(int delayMinutes, int repeat) {
    const bool postpone = m_nShutdownRepeats <= repeat;
    if (postpone) m_time = PostponedShutdownTime(m_time, delayMinutes);
    ++m_nShutdownRepeats;
    return postpone;
}

}  // namespace tocklet

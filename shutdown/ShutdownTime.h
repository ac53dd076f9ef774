#pragma once
// The daily power-off time: three numbers and their text form "hour:minute:second", each part
// a plain decimal number without leading zeros (21:30:0, 7:5:0), as stored in "CloseHour".

#include <string>
#include <string_view>

namespace tocklet {

struct ShutdownTime {
    int m_nHour = 0;    ///< 0..23 when set by the dialog; -1 when none is armed
    int m_nMinute = 0;  ///< 0..59
    int m_nSecond = 0;  ///< 0..59
    bool operator==(const ShutdownTime&) const = default;
};

/// The time a stored text stands for: the parts before the first ':', between the first and
/// the second, and after the second, each read like atoi (empty or not a number: 0). The
/// installer's "-1:-1:-1" reads as -1, -1, -1, which no clock time ever equals.
ShutdownTime SplitShutdownTime(std::string_view text);

/// "%d:%d:%d" of the three fields.
std::string FormatShutdownTime(const ShutdownTime& time);

}  // namespace tocklet

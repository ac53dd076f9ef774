#pragma once
// What the add-task dialog decides without widgets: which controls each radio enables, how the
// hour and minute spins step and read their edits, and the record a set of choices stores.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tocklet {

/// Control numbers of the add-task dialog.
struct AddTaskIds {
    static constexpr int kHourSpin = 1030;
    static constexpr int kMinuteSpin = 1052;
    static constexpr int kHourEdit = 1074;
    static constexpr int kReminderEdit = 1075;
    static constexpr int kDaily = 1076;
    static constexpr int kOnDate = 1077;
    static constexpr int kWeekly = 1078;
    static constexpr int kSave = 1079;
    static constexpr int kNext = 1080;
    static constexpr int kExit = 1081;
    static constexpr int kMonth = 1083;
    static constexpr int kDay = 1084;
    static constexpr int kMinuteEdit = 1086;
    static constexpr int kMessage = 1095;
    static constexpr int kProgram = 1096;
    static constexpr int kBrowse = 1097;
    static constexpr int kWeekday = 1098;
};

/// The controls disabled when the dialog opens: everything but the two action radios (and the
/// spin arrows, which only matter once their edits are enabled).
const std::vector<int>& InitiallyDisabledControls();

/// The controls a click on one of the five radios enables and disables.
struct Enabling {
    std::vector<int> enabled;
    std::vector<int> disabled;
};
Enabling EnablingAfterClick(int radioId);

/// The texts of the weekday combo, Monday first; each is "星期" and one more character.
const std::vector<std::string_view>& WeekdayEntries();  // UTF-8

struct SpinRange {
    int minimum = 0;
    int maximum = 0;
};
inline constexpr SpinRange kHourRange{0, 23};
inline constexpr SpinRange kMinuteRange{0, 59};
inline constexpr int kHourStart = 10;
inline constexpr int kMinuteStart = 30;

/// One step of a wrapping spin: up from the maximum gives the minimum and down from the
/// minimum the maximum.
int StepSpin(int position, int delta, SpinRange range);

/// The position an edit's text stands for: plain decimal digits within the range; nullopt for
/// anything else (empty, signs, blanks, out of range).
std::optional<int> SpinPositionFromText(std::string_view text, SpinRange range);

/// The weekday digit (1 = Sunday .. 7 = Saturday) of a weekday combo text in code page 936,
/// taken from its third two-byte character as the text reads within 9 bytes; nullopt when that
/// character is none of 日 一 二 三 四 五 六.
std::optional<int> WeekdayDigit(std::string_view gbText);

/// True when month and day name a day that occurs in some year (29 February included).
bool IsCalendarDate(int month, int day);

/// Everything Save reads from the dialog. Radio fields hold the checked radio's number, or 0.
struct AddTaskChoices {
    int checkedAction = 0;    // AddTaskIds::kMessage or kProgram
    int checkedSchedule = 0;  // AddTaskIds::kDaily, kOnDate or kWeekly
    int hour = kHourStart;
    int minute = kMinuteStart;
    std::string monthText;    // code page 936, as the combo shows it
    std::string dayText;      // code page 936
    std::string weekdayText;  // code page 936
    std::string reminderText;
    std::string programPath;
};

/// Why a set of choices makes no task that could ever run.
enum class AddTaskProblem { None, BadDate, BadWeekday, NoProgram };

struct BuiltTask {
    AddTaskProblem problem = AddTaskProblem::None;
    std::string record;  // set when problem is None
};

/// The record Save stores. The action is a message when kMessage is checked and a program
/// otherwise; the schedule is every day for kDaily, a date for kOnDate and a weekday for
/// anything else (kWeekly, or no schedule radio checked).
BuiltTask BuildTaskRecord(const AddTaskChoices& choices);

/// The message that explains a problem to the user (UTF-8).
std::string_view ProblemText(AddTaskProblem problem);

/// True when code page 936 text keeps to the program's text rule that every byte of 0x80 or
/// above starts a two-byte character; the euro sign, one byte 0x80 in the code page, breaks it
/// and would throw every later character out of step.
bool FollowsTwoByteRule(std::string_view gbText);

/// Caption of the dialog's own messages (UTF-8).
inline constexpr std::string_view kAddTaskCaption = "守时鸟向您提示";

/// Messages about a chosen program file (UTF-8).
inline constexpr std::string_view kPathNotGb = " 这个文件的路径含有无法保存的字符,请选择其它文件. ";
inline constexpr std::string_view kPathHasBar =
    " 这个文件的路径含有字符\"|\",无法保存,请选择其它文件. ";

/// The message refusing a chosen path in code page 936 (nullopt: the path can be stored). A
/// path may not hold "|", which separates the record's fields.
std::optional<std::string_view> ProgramPathRefusal(std::string_view gbPath);

/// One entry of a file chooser's filter: its caption and its patterns.
struct FileFilter {
    std::string caption;
    std::vector<std::string> patterns;
};

/// Splits a filter text of caption|patterns pairs ("Text (*.txt)|*.txt|All|*.*||"; patterns
/// separated by ';') into its entries. An empty caption ends the list.
std::vector<FileFilter> SplitFileFilter(std::string_view filter);

/// What a filter shows on a system whose programs carry no ".exe": a pattern list of only
/// "*.exe" means the programs (files that may be executed), "*.*" or "*" means every file.
enum class FilterKind { Programs, Everything, Patterns };
FilterKind KindOfFilter(const FileFilter& filter);

}  // namespace tocklet

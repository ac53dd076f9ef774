#pragma once
// The main panel's stored settings: small REG_SZ values with fixed byte counts in the program's
// key and the CurrentVersion key, the autostart entry, and the clock options of the INI file.
// Failures never reach the caller: each is reported in a message box (default caption, OK
// button, no icon) and the operation goes on with its next value.

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/Colour.h"
#include "platform/IniProfile.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"

namespace tocklet {

inline constexpr COLORREF kDefaultClockColor = Rgb(0, 255, 0);

inline constexpr std::string_view kCurrentVersionKeyRead =
    "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr std::string_view kCurrentVersionKeyWrite =
    "SoftWare\\Microsoft\\Windows\\CurrentVersion";
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kAutostartValue = "ZidezArudiva";
inline constexpr std::uint32_t kAutostartBytes = 128;

inline constexpr std::string_view kIniSection = "option";
inline constexpr std::string_view kIniClockKey = "clock";
inline constexpr std::string_view kIniColorKey = "color";

/// Longest owner and organisation texts taken at start-up (their read buffers less the zero).
inline constexpr std::size_t kOwnerBytes = 29;
inline constexpr std::size_t kOrganizationBytes = 39;

/// The main panel's setting fields.
struct PanelSettings {
    int m_bChimeOn = 0;
    int m_bChimeSound = 0;
    int m_bChimeText = 0;
    int m_bUsePassword = 0;
    std::string m_strPassword;
    int m_nDelayMinutes = 0;  ///< 0..60
    int m_nRepeat = 0;        ///< 0..5
    int m_nLaunchShow = 0;    ///< 0 minimised, otherwise a normal window
    std::string m_strShutdownTime;
    int m_nTaskCount = 0;
    int m_nTasksAdded = 0;
    COLORREF m_clrClock = kDefaultClockColor;
};

/// The texts read at start-up, each empty when its value could not be read.
struct StartupValues {
    bool currentVersionOpened = false;
    std::string owner;         ///< "RegisteredOwner", at most kOwnerBytes
    std::string organization;  ///< "RegisteredOrganization", at most kOrganizationBytes
    std::string clockOpen;     ///< "ClockOpen"
    std::string closeHour;     ///< "CloseHour", at most 10 bytes
    std::string happen;        ///< "happen"
    std::string music;         ///< "music"
    std::string word;          ///< "word"
    std::string firstRunDone;  ///< "new"
    std::string pass;          ///< "pass", at most 11 bytes
    std::string usePas;        ///< "UsePas"
};

/// True when "new" does not hold a non-zero number.
bool IsFirstRun(const StartupValues& values);

/// Copies the start-up texts into the fields: password, protection, chime flags, task count
/// (kept within 0..20, what the task list can hold) and shutdown time.
void ApplyStartupValues(const StartupValues& values, PanelSettings& settings);

/// The panel's banner: organisation, " -- ", owner.
std::string BannerText(const StartupValues& values);

/// The clock colour of an INI colour number 1..6; any other number gives kDefaultClockColor.
COLORREF ClockColorFromNumber(int number);

/// The INI clock options, 0 when missing.
struct ClockOptions {
    int clock = 0;
    int color = 0;
};

class SettingsStore {
public:
    SettingsStore(Registry& reg, Profile& profile, MessageBoxes& boxes)
        : reg_(reg),
          profile_(profile),
          boxes_(boxes),
          cvRead_(reg),
          programRead_(reg),
          runWrite_(reg) {}
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    /// Opens the CurrentVersion and program keys for reading and the Run key for writing
    /// (kept open until CloseStartupKeys) and reads the start-up values.
    StartupValues ReadStartup();

    /// Stores "new" = "1" and the autostart entry naming executablePath.
    void FirstRunWrites(std::string_view executablePath);

    /// Closes the keys ReadStartup opened.
    void CloseStartupKeys();

    /// Reads "Repeat", "Status" and "DelayTime"; a value that cannot be read counts as 0.
    void LoadOptions(PanelSettings& settings);

    /// Writes "ClockOpen", "CloseHour", "happen", "music" and "word", then SaveOptions.
    void SaveSettings(const PanelSettings& settings);

    /// Writes "Repeat", "Status", "DelayTime" and "UsePas"; returns 1.
    int SaveOptions(const PanelSettings& settings);

    /// Reads "clock" and "color" of the INI section "option".
    ClockOptions ReadClockOptions();

private:
    void Say(std::string_view utf8);
    RegStatus Set(const ScopedKey& key, std::string_view name, std::string_view text,
                  std::uint32_t count);

    Registry& reg_;
    Profile& profile_;
    MessageBoxes& boxes_;
    ScopedKey cvRead_;
    ScopedKey programRead_;
    ScopedKey runWrite_;
};

}  // namespace tocklet

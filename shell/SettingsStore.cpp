#include "shell/SettingsStore.h"

#include <algorithm>
#include <vector>

#include "platform/Text.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskStore.h"

namespace tocklet {
namespace {

constexpr std::string_view kInitFailed = " 初 始 化 错 误!";
constexpr std::string_view kFirstRunKeyFailed = "  错误 !  ";
constexpr std::string_view kSetFailed = "Fail to set value";
constexpr std::string_view kRegistryDamaged = " 注册表已经损坏";
constexpr std::string_view kSaveFailed = "  保存数据失败!  ";
constexpr std::string_view kClockOpenFailed = "Fail to set clockopenvalue";
constexpr std::string_view kCloseHourFailed = "Fail to set closehour value";
constexpr std::string_view kHappenFailed = "Fail to set happen value";

constexpr std::uint32_t kCloseHourBytes = 10;
// "pass" holds at most 11 bytes when the program wrote it. A longer, hand-made value is read
// whole rather than as empty: empty would mean "no password set" and open every prompt.
constexpr std::uint32_t kPassReadBytes = 4096;

// The whole value however long, then its text up to the zero byte cut to maxText bytes
// without splitting a two-byte character.
std::string ReadCut(Registry& reg, RegKey key, std::string_view name, std::size_t maxText) {
    std::vector<std::uint8_t> buf(maxText + 1);
    std::uint32_t type = 0;
    auto size = static_cast<std::uint32_t>(buf.size());
    RegStatus st = reg.QueryValue(key, name, &type, buf.data(), &size);
    if (st == kRegMoreData && size > buf.size()) {
        buf.resize(size);
        st = reg.QueryValue(key, name, &type, buf.data(), &size);
    }
    if (st != kRegOk) return {};
    std::string_view text =
        UpToZero(std::string_view(reinterpret_cast<const char*>(buf.data()), size));
    return std::string(CutAtCharBoundary(text, maxText));
}

}  // namespace

bool IsFirstRun(const StartupValues& values) { return AtoiLike(values.firstRunDone) == 0; }

void ApplyStartupValues(const StartupValues& values, PanelSettings& settings) {
    settings.m_strPassword = values.pass;
    settings.m_bUsePassword = AtoiLike(values.usePas);
    settings.m_bChimeOn = AtoiLike(values.clockOpen);
    settings.m_bChimeSound = AtoiLike(values.music);
    settings.m_bChimeText = AtoiLike(values.word);
    settings.m_nTaskCount = std::clamp(AtoiLike(values.happen), 0, kMaxTasks);
    settings.m_strShutdownTime = values.closeHour;
}

std::string BannerText(const StartupValues& values) {
    return values.organization + " -- " + values.owner;
}

COLORREF ClockColorFromNumber(int number) {
    switch (number) {
        case 1:
            return Rgb(255, 0, 0);
        case 2:
            return Rgb(0, 255, 0);
        case 3:
            return Rgb(0, 0, 255);
        case 4:
            return Rgb(255, 255, 0);
        case 5:
            return Rgb(0, 255, 255);
        case 6:
            return Rgb(255, 255, 255);
        default:
            return kDefaultClockColor;
    }
}

void SettingsStore::Say(std::string_view utf8) { boxes_.Show(Gb(utf8)); }

RegStatus SettingsStore::Set(const ScopedKey& key, std::string_view name, std::string_view text,
                             std::uint32_t count) {
    if (key.Get() == 0) return kRegInvalidHandle;
    return SetStringValue(reg_, key.Get(), name, text, count);
}

StartupValues SettingsStore::ReadStartup() {
    CloseStartupKeys();
    StartupValues v;
    v.currentVersionOpened = reg_.OpenKey(RegRoot::LocalMachine, kCurrentVersionKeyRead, kKeyRead,
                                          cvRead_.Out()) == kRegOk;
    if (!v.currentVersionOpened) Say(kInitFailed);
    reg_.OpenKey(RegRoot::LocalMachine, kProgramKeyRead, kKeyRead, programRead_.Out());
    reg_.OpenKey(RegRoot::LocalMachine, kRunKey, kKeyWrite, runWrite_.Out());

    const RegKey cv = cvRead_.Get();
    const RegKey program = programRead_.Get();
    auto read = [&](RegKey key, std::string_view name, std::uint32_t maxBytes) {
        return key == 0 ? std::string() : ReadStringValue(reg_, key, name, maxBytes);
    };
    v.owner = cv == 0 ? std::string() : ReadCut(reg_, cv, "RegisteredOwner", kOwnerBytes);
    v.organization =
        cv == 0 ? std::string() : ReadCut(reg_, cv, "RegisteredOrganization", kOrganizationBytes);
    v.clockOpen = read(program, "ClockOpen", kNumberReadBytes);
    v.closeHour = read(program, "CloseHour", kCloseHourBytes);
    v.happen = read(program, kTaskCountValue, kNumberReadBytes);
    v.music = read(program, "music", kNumberReadBytes);
    v.word = read(program, "word", kNumberReadBytes);
    v.firstRunDone = read(cv, "new", kNumberReadBytes);
    v.pass = read(cv, "pass", kPassReadBytes);
    v.usePas = read(cv, "UsePas", kNumberReadBytes);
    return v;
}

void SettingsStore::FirstRunWrites(std::string_view executablePath) {
    {
        ScopedKey cv(reg_);
        if (reg_.OpenKey(RegRoot::LocalMachine, kCurrentVersionKeyRead, kKeyWrite, cv.Out()) !=
            kRegOk) {
            Say(kFirstRunKeyFailed);
        }
        if (Set(cv, "new", "1", 2) != kRegOk) Say(kSetFailed);
    }
    // A path that does not fit the usual 128 bytes is stored whole with its zero byte: cut,
    // it would name no program at all.
    const auto count =
        std::max(kAutostartBytes, static_cast<std::uint32_t>(executablePath.size() + 1));
    Set(runWrite_, kAutostartValue, executablePath, count);
}

void SettingsStore::CloseStartupKeys() {
    cvRead_.Close();
    programRead_.Close();
    runWrite_.Close();
}

void SettingsStore::LoadOptions(PanelSettings& settings) {
    ScopedKey key(reg_);
    if (reg_.OpenKey(RegRoot::LocalMachine, kProgramKeyRead, kKeyRead, key.Out()) != kRegOk) {
        Say(kRegistryDamaged);
    }
    auto read = [&](std::string_view name, std::uint32_t maxBytes) {
        RegStatus st = kRegInvalidHandle;
        std::string text =
            key.Get() == 0 ? std::string() : ReadStringValue(reg_, key.Get(), name, maxBytes, &st);
        if (st != kRegOk) Say(kRegistryDamaged);
        return AtoiLike(text);
    };
    // Kept within the ranges the panel's sliders can show and set.
    settings.m_nRepeat = std::clamp(read("Repeat", 3), 0, 5);
    settings.m_nLaunchShow = read("Status", 2);
    settings.m_nDelayMinutes = std::clamp(read("DelayTime", 3), 0, 60);
}

void SettingsStore::SaveSettings(const PanelSettings& s) {
    {
        ScopedKey key(reg_);
        if (reg_.OpenKey(RegRoot::LocalMachine, kProgramKeyWrite, kKeyWrite, key.Out()) != kRegOk) {
            Say(kSaveFailed);
        }
        if (Set(key, "ClockOpen", s.m_bChimeOn ? "1" : "0", 1) != kRegOk) Say(kClockOpenFailed);
        if (Set(key, "CloseHour", s.m_strShutdownTime, kCloseHourBytes) != kRegOk) {
            Say(kCloseHourFailed);
        }
        if (Set(key, kTaskCountValue, std::to_string(s.m_nTaskCount + s.m_nTasksAdded),
                kTaskCountBytes) != kRegOk) {
            Say(kHappenFailed);
        }
        if (Set(key, "music", std::to_string(s.m_bChimeSound), 2) != kRegOk) Say(kHappenFailed);
        if (Set(key, "word", std::to_string(s.m_bChimeText), 3) != kRegOk) Say(kHappenFailed);
    }
    SaveOptions(s);
}

int SettingsStore::SaveOptions(const PanelSettings& s) {
    {
        ScopedKey key(reg_);
        if (reg_.OpenKey(RegRoot::LocalMachine, kProgramKeyWrite, kKeyWrite, key.Out()) != kRegOk) {
            Say(kSaveFailed);
        }
        if (Set(key, "Repeat", std::to_string(s.m_nRepeat), 3) != kRegOk) Say(kRegistryDamaged);
        if (Set(key, "Status", std::to_string(s.m_nLaunchShow), 2) != kRegOk) {
            Say(kRegistryDamaged);
        }
        if (Set(key, "DelayTime", std::to_string(s.m_nDelayMinutes), 3) != kRegOk) {
            Say(kRegistryDamaged);
        }
    }
    ScopedKey cv(reg_);
    reg_.OpenKey(RegRoot::LocalMachine, kCurrentVersionKeyWrite, kKeyWrite, cv.Out());
    Set(cv, "UsePas", std::to_string(s.m_bUsePassword), 3);
    return 1;
}

ClockOptions SettingsStore::ReadClockOptions() {
    return {profile_.GetInt(kIniSection, kIniClockKey, 0),
            profile_.GetInt(kIniSection, kIniColorKey, 0)};
}

}  // namespace tocklet

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shell/SettingsMessages.h"

#include <optional>

namespace tocklet {
namespace {

using Step = SettingsFailure::Step;

constexpr std::string_view kInitFailed = " 初 始 化 错 误!";
constexpr std::string_view kFirstRunKeyFailed = "  错误 !  ";
constexpr std::string_view kSetFailed = "Fail to set value";
constexpr std::string_view kRegistryDamaged = " 注册表已经损坏";
constexpr std::string_view kSaveFailed = "  保存数据失败!  ";
constexpr std::string_view kClockOpenFailed = "Fail to set clockopenvalue";
constexpr std::string_view kCloseHourFailed = "Fail to set closehour value";
constexpr std::string_view kHappenFailed = "Fail to set happen value";
constexpr std::string_view kClockColorNotStored = "时钟颜色未能保存,程序重新启动后将恢复原来的颜色";

[[nodiscard]] std::optional<std::string_view> SaveMessage(const SettingsFailure& failure) {
    if (failure.setting == Setting::UsePassword) return std::nullopt;
    if (failure.step == Step::OpenKey) return kSaveFailed;
    switch (failure.setting) {
        case Setting::ChimeOn:
            return kClockOpenFailed;
        case Setting::ShutdownTime:
            return kCloseHourFailed;
        case Setting::TaskCount:
        case Setting::ChimeSound:
        case Setting::ChimeText:
            return kHappenFailed;
        case Setting::Repeat:
        case Setting::LaunchShow:
        case Setting::DelayMinutes:
            return kRegistryDamaged;
        default:
            return std::nullopt;
    }
}

[[nodiscard]] std::optional<std::string_view> FirstRunMessage(const SettingsFailure& failure) {
    if (failure.setting != Setting::FirstRunDone) return std::nullopt;
    return failure.step == Step::OpenKey ? kFirstRunKeyFailed : kSetFailed;
}

template <typename Map>
std::vector<Notice> Messages(const SettingsReport& report, Map map) {
    std::vector<Notice> notices;
    for (const SettingsFailure& failure : report.failures) {
        if (auto text = map(failure)) notices.push_back({*text});
    }
    return notices;
}

}  // namespace

std::vector<Notice> StartupReadMessages(const StartupValues& values) {
    if (values.currentVersionOpened) return {};
    return {{kInitFailed}};
}

std::vector<Notice> FirstRunMessages(const SettingsReport& report) {
    return Messages(report, FirstRunMessage);
}

std::vector<Notice> LoadOptionsMessages(const SettingsReport& report) {
    return Messages(report, [](const SettingsFailure&) {
        return std::optional<std::string_view>(kRegistryDamaged);
    });
}

std::vector<Notice> SaveMessages(const SettingsReport& report) {
    return Messages(report, SaveMessage);
}

std::vector<Notice> ClockColorMessages(const SettingsReport& report) {
    return Messages(report, [](const SettingsFailure& failure) {
        return failure.setting == Setting::ClockColor
                   ? std::optional<std::string_view>(kClockColorNotStored)
                   : std::nullopt;
    });
}

}  // namespace tocklet

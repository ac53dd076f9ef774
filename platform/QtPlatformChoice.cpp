// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/QtPlatformChoice.h"

#include <cstdlib>

namespace tocklet {
namespace {

constexpr const char* kWhyX11 =
    "the Control Panel guard, the always-on-top clock and window placement need X11";

std::string Value(const EnvLookup& env, const std::string& name) {
    return env(name).value_or(std::string());
}

// Qt takes its options with one dash or two, the value as the next argument.
bool AsksForPlatform(const std::vector<std::string>& args) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-platform" || args[i] == "--platform") return true;
    }
    return false;
}

bool IsX11Platform(const std::string& platform) { return platform.rfind("xcb", 0) == 0; }

}  // namespace

std::optional<std::string> ProcessEnv(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

PlatformChoice ChooseQtPlatform(const std::vector<std::string>& args, const EnvLookup& env) {
    const std::string sessionType = Value(env, "XDG_SESSION_TYPE");
    const std::string waylandDisplay = Value(env, "WAYLAND_DISPLAY");
    const bool wayland = sessionType == "wayland" || !waylandDisplay.empty();
    if (!wayland || AsksForPlatform(args)) return {};
    const std::string asked = Value(env, "QT_QPA_PLATFORM");
    if (!asked.empty()) {
        if (IsX11Platform(asked)) return {};
        return {{},
                "QT_QPA_PLATFORM=" + asked + " is kept in this Wayland session, but " + kWhyX11 +
                    " and will not work; unset it to run through XWayland"};
    }
    const std::string display = Value(env, "DISPLAY");
    const std::string session =
        sessionType == "wayland" ? "XDG_SESSION_TYPE=wayland" : "WAYLAND_DISPLAY=" + waylandDisplay;
    if (display.empty()) {
        return {{},
                "the session is Wayland (" + session +
                    ") and no X server is there (DISPLAY is "
                    "unset), so tocklet runs on Wayland; " +
                    kWhyX11 + " and will not work"};
    }
    return {"xcb", "the session is Wayland (" + session +
                       "): running through XWayland (Qt platform xcb, DISPLAY=" + display +
                       ") because " + kWhyX11};
}

QtArguments::QtArguments(int argc, char** argv, const PlatformChoice& choice) {
    for (int i = 0; i < argc; ++i) {
        strings_.emplace_back(argv[i]);
        if (i == 0 && !choice.platform.empty()) {
            strings_.emplace_back("-platform");
            strings_.push_back(choice.platform);
        }
    }
    for (std::string& s : strings_) pointers_.push_back(s.data());
    argc_ = static_cast<int>(strings_.size());
    pointers_.push_back(nullptr);  // argv[argc] is null, as the C runtime gives it
}

namespace {
constexpr const char* kNoSharedMemory = "QT_XCB_NO_MITSHM";
}  // namespace

SocketPaintingForQt::SocketPaintingForQt() {
    if (std::getenv(kNoSharedMemory) != nullptr) return;
    set_ = ::setenv(kNoSharedMemory, "1", 0) == 0;
}

SocketPaintingForQt::~SocketPaintingForQt() {
    if (set_) ::unsetenv(kNoSharedMemory);
}

}  // namespace tocklet

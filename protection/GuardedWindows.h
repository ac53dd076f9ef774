// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Which of the desktop's top-level windows the Control Panel guard closes: a window titled
// exactly "控制面板", and the windows of the desktop's own settings programs, known by their
// window class. An administrator may add classes in a file of their own.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tocklet {

/// The administrator's file of further classes, in each of the administrator's folders.
inline constexpr const char* kGuardedClassesName = "guarded-classes.conf";

/// A window class the guard closes: a whole name, or the start of names (ASCII case ignored).
struct GuardedClass {
    std::string name;
    bool prefix = false;
    bool operator==(const GuardedClass&) const = default;
};

/// The settings programs of the common desktops: GNOME, KDE Plasma, Xfce, MATE, Cinnamon,
/// LXQt (every lxqt-config-* program), Deepin and UKUI.
[[nodiscard]] std::vector<GuardedClass> DesktopSettingsClasses();

/// The classes of a file's text: one a line; blanks around a name are ignored, and so is
/// everything from "#" to the end of the line; a trailing "*" makes the name a prefix. A line
/// with no name left (a lone "*" too, which would close every window) adds nothing.
[[nodiscard]] std::vector<GuardedClass> ParseGuardedClasses(std::string_view text);

/// The classes of every kGuardedClassesName found in folders, in their order; folders without
/// one, or whose file cannot be read, add nothing.
[[nodiscard]] std::vector<GuardedClass> ReadGuardedClasses(
    const std::vector<std::filesystem::path>& folders);

/// A top-level window as the guard sees it: code page 936 title, the two names of its class.
struct WindowLooks {
    std::string_view title;
    std::string_view instanceName;  ///< the first part of WM_CLASS (the program's name)
    std::string_view className;     ///< the second part of WM_CLASS (its class)
};

class GuardedWindows {
public:
    explicit GuardedWindows(std::vector<GuardedClass> classes = DesktopSettingsClasses());

    /// True for the whole title "控制面板" (not one that merely contains it), and for a window
    /// either of whose class names is one of the classes, or begins with a prefix among them.
    [[nodiscard]] bool Matches(const WindowLooks& window) const;

private:
    std::string title_;  ///< "控制面板" in code page 936
    std::vector<GuardedClass> classes_;
};

}  // namespace tocklet

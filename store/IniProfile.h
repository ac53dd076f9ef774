// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The program's INI file: sections of "key=value" lines, read as integers and written as
// strings the way the private-profile functions do it. Section and key names compare without
// regard to ASCII case; everything the program does not change stays byte for byte.

#include <optional>
#include <string>
#include <string_view>

namespace tocklet {

/// The INI file's name; the program keeps it in its configuration folder.
inline constexpr std::string_view kIniFileName = "zidezarudiva.ini";

class Profile {
public:
    Profile() = default;
    virtual ~Profile() = default;
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    /// The number at the start of the key's value (blanks, optional sign, digits; 0 when there
    /// are none); defaultValue when the file, the section or the key is missing or the value is
    /// empty.
    [[nodiscard]] virtual int GetInt(std::string_view section, std::string_view key,
                                     int defaultValue) = 0;

    /// Stores value under section and key, creating the file, section and key when missing;
    /// false when it could not be stored (the file is then as it was).
    [[nodiscard]] virtual bool WriteString(std::string_view section, std::string_view key,
                                           std::string_view value) = 0;
};

/// GetInt's reading of a value text found (or not found) in the file.
[[nodiscard]] int ProfileInt(std::optional<std::string_view> value, int defaultValue);

/// True when the names and value fit on one line of the file: names not empty and ending with
/// a whole character, no line breaks or zero bytes anywhere, no "=" in the key and no "]" in
/// the section.
[[nodiscard]] bool IsWritableProfileEntry(std::string_view section, std::string_view key,
                                          std::string_view value);

/// ASCII case-insensitive equality that leaves two-byte characters alone.
[[nodiscard]] bool ProfileNamesEqual(std::string_view a, std::string_view b);

/// The value of section/key in the INI text (blanks around it and one pair of enclosing quotes
/// removed); nullopt when the section or the key is missing.
[[nodiscard]] std::optional<std::string> IniLookup(std::string_view text, std::string_view section,
                                                   std::string_view key);

/// The INI text with section/key set to value: an existing line keeps everything up to its "=",
/// a missing key is added at the end of its section, a missing section at the end of the text.
/// All other bytes stay as they were. The entry must be writable (IsWritableProfileEntry).
[[nodiscard]] std::string IniSet(std::string_view text, std::string_view section,
                                 std::string_view key, std::string_view value);

/// The INI file at one full path.
class IniFileProfile final : public Profile {
public:
    explicit IniFileProfile(std::string path) : path_(std::move(path)) {}

    [[nodiscard]] int GetInt(std::string_view section, std::string_view key,
                             int defaultValue) override;

    /// Writes a whole new file next to the old one (mode 0600, flushed to disk) and renames it
    /// over the old one, so a crash leaves either the old or the new file.
    [[nodiscard]] bool WriteString(std::string_view section, std::string_view key,
                                   std::string_view value) override;

    [[nodiscard]] const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace tocklet

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The registry as the program sees it: existing keys opened by path under a root, values
// read and written as exact bytes, Win32-like status codes (0 for success).

#include <cstdint>
#include <string>
#include <string_view>

namespace tocklet {

using RegStatus = long;
inline constexpr RegStatus kRegOk = 0;
inline constexpr RegStatus kRegFileNotFound = 2;
inline constexpr RegStatus kRegAccessDenied = 5;
inline constexpr RegStatus kRegInvalidHandle = 6;
inline constexpr RegStatus kRegWriteFault = 29;
inline constexpr RegStatus kRegInvalidParameter = 87;
inline constexpr RegStatus kRegMoreData = 234;

inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyWrite = 0x20006;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
// The other types a .reg file or another tool may store; the program itself never writes them.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegDwordBigEndian = 5;
inline constexpr std::uint32_t kRegLink = 6;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegResourceList = 8;
inline constexpr std::uint32_t kRegFullResourceDescriptor = 9;
inline constexpr std::uint32_t kRegResourceRequirementsList = 10;
inline constexpr std::uint32_t kRegQword = 11;

/// The predefined roots the program names.
enum class RegRoot { LocalMachine, CurrentUser };

/// An open key; 0 is never a valid handle.
using RegKey = std::uint32_t;

class Registry {
public:
    Registry() = default;
    virtual ~Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    /// Opens an existing key (path compared case-insensitively) for reading or writing; never
    /// creates one; kRegFileNotFound when it does not exist.
    [[nodiscard]] virtual RegStatus OpenKey(RegRoot root, std::string_view path,
                                            std::uint32_t access, RegKey* key) = 0;

    /// Copies a value's type and bytes into buffer, which holds *size bytes; sets *size to the
    /// value's byte count; kRegMoreData (nothing copied) when the buffer is too small.
    [[nodiscard]] virtual RegStatus QueryValue(RegKey key, std::string_view name,
                                               std::uint32_t* type, std::uint8_t* buffer,
                                               std::uint32_t* size) = 0;

    /// Stores exactly size bytes of data as the value, durably, through a key opened for writing.
    [[nodiscard]] virtual RegStatus SetValue(RegKey key, std::string_view name, std::uint32_t type,
                                             const std::uint8_t* data, std::uint32_t size) = 0;

    /// Releases the handle.
    [[nodiscard]] virtual RegStatus CloseKey(RegKey key) = 0;
};

/// The stored form of a REG_SZ written with a fixed byte count: the text, its zero byte and
/// zero bytes up to count; only the first count bytes when the text and zero are longer.
[[nodiscard]] std::string StoredString(std::string_view text, std::uint32_t count);

/// Writes text in its stored form with the given byte count.
[[nodiscard]] RegStatus SetStringValue(Registry& reg, RegKey key, std::string_view name,
                                       std::string_view text, std::uint32_t count);

/// Reads a value whole into a buffer of maxBytes and returns its text up to the first zero
/// byte; empty when the value is missing, unreadable or larger than maxBytes.
[[nodiscard]] std::string ReadStringValue(Registry& reg, RegKey key, std::string_view name,
                                          std::uint32_t maxBytes, RegStatus* status = nullptr);

/// Closes the key on scope exit (a zero handle is left alone).
class ScopedKey {
public:
    explicit ScopedKey(Registry& reg) : reg_(reg) {}
    ~ScopedKey() { Close(); }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    [[nodiscard]] RegKey* Out() { return &key_; }
    [[nodiscard]] RegKey Get() const { return key_; }
    void Close() {
        if (key_ != 0 && reg_.CloseKey(key_) != kRegOk) {
            // Only a handle the registry does not know fails to close: gone either way.
        }
        key_ = 0;
    }

private:
    Registry& reg_;
    RegKey key_ = 0;
};

}  // namespace tocklet

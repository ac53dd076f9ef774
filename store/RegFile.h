// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// .reg files, the form the registry is kept in on disk and exchanged in:
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\Software\Example]      creates the key and its parents
//   "name"="text"                              REG_SZ: the bytes as written plus one zero byte
//   @="text"                                   the key's default value
//   "bin"=hex:01,02,ff                         REG_BINARY
//   "sz"=hex(1):30,00,00                       any type by number, exact bytes
//   "n"=dword:0000000a                         REG_DWORD, four bytes little endian
//   "old"=-                                    deletes a value
//   [-HKEY_LOCAL_MACHINE\Software\Old]         deletes a key with its subkeys
//   ; comment
//
// A REGEDIT4 file is code page 936 text: a byte of 0x80 or above starts a two-byte character
// whose second byte is taken as it is, also inside quotes. Inside quotes \\ stands for a
// backslash and \" for a quote. A hex list continues onto the next line after a trailing
// backslash. Lines end in CRLF or LF.
//
// A file starting "Windows Registry Editor Version 5.00" (as regedit writes it: UTF-16LE with a
// byte-order mark; or UTF-8) has the same lines, and its text is converted to code page 936
// when read. Its hex(1), hex(2) and hex(7) data are UTF-16LE text and become the code page 936
// bytes a REGEDIT4 file would hold for the same value, so both forms read to the same bytes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Hive.h"

namespace tocklet {

/// One step of a .reg file, applied in file order.
struct RegOp {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
    Kind kind = Kind::CreateKey;
    std::string key;   ///< full path, root spelled out
    std::string name;  ///< value name; "" is the default value
    RegValue value;    ///< for SetValue

    bool operator==(const RegOp&) const = default;
};

struct RegParseError {
    int line = 0;  ///< 1-based
    std::string reason;
};

/// Parses a whole .reg file, as read from disk, into ops; on failure returns false and fills
/// error with the line and the reason, naming a character that code page 936 cannot hold
/// (ops is then incomplete and must not be applied).
[[nodiscard]] bool ParseRegFile(std::string_view bytes, std::vector<RegOp>* ops,
                                RegParseError* error);

/// Applies ops in order: keys are created with their parents, deleting what does not exist
/// is no error. Every SetValue follows a CreateKey of its key in a parsed list; false, with
/// the ops before it applied, at a key or value that cannot be stored (a list that did not
/// come from ParseRegFile).
[[nodiscard]] bool ApplyRegOps(Hive& hive, const std::vector<RegOp>& ops);

/// The whole hive as a REGEDIT4 file (CRLF line ends), every key in tree order, including
/// keys without values. Parsing the result into an empty hive gives back every key and
/// every value's exact type and bytes.
[[nodiscard]] std::string FormatRegFile(const Hive& hive);

/// The whole hive as a version 5 file for Windows: UTF-16LE with a byte-order mark, CRLF line
/// ends, text data as UTF-16LE; parsing it gives back every key and value. nullopt, with error
/// naming the key or value, when a name or text is not code page 936 text that converts to
/// UTF-16 and back exactly (FormatRegFile carries those).
[[nodiscard]] std::optional<std::string> FormatRegFileVersion5(const Hive& hive,
                                                               std::string* error);

}  // namespace tocklet

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The store commands of tocklet-reg: import, export and query over the registry file.

#include <ostream>
#include <string>

#include "store/HiveRegistry.h"

namespace tocklet {

/// Applies a .reg file ("-" for standard input) in one write: REGEDIT4, or version 5 in UTF-16LE
/// or UTF-8; refuses a file that does not parse or holds a character code page 936 cannot
/// hold, naming its line, and writes nothing then. Returns the exit status.
[[nodiscard]] int RunImportCommand(HiveRegistry& reg, const std::string& file, std::ostream& out,
                                   std::ostream& err);

/// The form `export` writes: REGEDIT4 in code page 936 (every byte kept), or version 5 in
/// UTF-16LE with a byte-order mark, as regedit on Windows writes and reads it.
enum class RegFileVersion { Regedit4, Version5 };

/// Writes the whole registry as a .reg file ("-" for standard output, which is out); a version
/// 5 file is refused, naming the value, when a text in the registry has no UTF-16 form.
[[nodiscard]] int RunExportCommand(HiveRegistry& reg, const std::string& file,
                                   RegFileVersion version, std::ostream& out, std::ostream& err);

/// Prints name, type (as regedit names it), byte count, bytes in hex and the data as text
/// (UTF-8, see RegValueText) of every value of key, or of
/// the one value name ("@" for the default value), one tab-separated line each. key and name
/// are UTF-8 as typed.
[[nodiscard]] int RunQueryCommand(HiveRegistry& reg, const std::string& key,
                                  const std::string* name, std::ostream& out, std::ostream& err);

}  // namespace tocklet

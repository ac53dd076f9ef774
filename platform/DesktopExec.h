// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Command lines of desktop entries (their Exec values): cut, split and started without a shell.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tocklet {

/// The command cut at its first file or address field code (%f, %F, %u or %U): a field code
/// written in double quotes is looked for first and cut at its opening quote; a command
/// without any is kept whole.
[[nodiscard]] std::string CutAtFieldCode(std::string_view command);

/// The words of a command, with the quoting of desktop entries undone, "%%" made "%" and the
/// other field codes dropped; nullopt when a quote is left open.
[[nodiscard]] std::optional<std::vector<std::string>> SplitCommand(std::string_view command);

/// The words that open target with an application's command: the command cut at its field
/// code, split, and target (code page 936) added as one more word, never split itself.
[[nodiscard]] std::optional<std::vector<std::string>> CommandForTarget(std::string_view command,
                                                                       std::string_view target);

/// The program a command's first word names: a word with a slash as it stands, else the first
/// executable file of that name in the folders of pathList (colon-separated); empty when none.
[[nodiscard]] std::string FindProgram(std::string_view word, std::string_view pathList);

/// Starts words[0] (looked up in PATH) with the words as its arguments in the current folder,
/// independent of this process; 0 when it runs, else the errno of what failed.
[[nodiscard]] int StartCommand(const std::vector<std::string>& words);

}  // namespace tocklet

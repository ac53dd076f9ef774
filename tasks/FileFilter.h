// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A file chooser's filter given as caption|patterns pairs, and what each entry shows on a
// system whose programs carry no ".exe".

#include <string>
#include <string_view>
#include <vector>

namespace tocklet {

/// One entry of a file chooser's filter: its caption and its patterns.
struct FileFilter {
    std::string caption;
    std::vector<std::string> patterns;
};

/// Splits a filter text of caption|patterns pairs ("Text (*.txt)|*.txt|All|*.*||"; patterns
/// separated by ';') into its entries. An empty caption ends the list.
[[nodiscard]] std::vector<FileFilter> SplitFileFilter(std::string_view filter);

/// What a filter shows: a pattern list of only "*.exe" means the programs (files that may be
/// executed), "*.*" or "*" means every file.
enum class FilterKind { Programs, Everything, Patterns };
[[nodiscard]] FilterKind KindOfFilter(const FileFilter& filter);

}  // namespace tocklet

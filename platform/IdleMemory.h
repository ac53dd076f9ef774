// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Memory the program holds only while it draws, handed back once nothing of it is shown.

#include <cstddef>
#include <string_view>

namespace tocklet {

/// Whether a mapped file is a font file, by its name (TrueType, OpenType, collections, Type 1,
/// bitmap fonts).
[[nodiscard]] bool IsFontFile(std::string_view path);

/// Drops this process's pages of mapped font files and returns freed heap pages to the
/// system; returns the size in kilobytes of the font mappings let go. The font files stay in
/// the kernel's page cache, so the next drawing maps what it needs again with a page fault.
/// The size is a measurement for benches and tests; trimming cannot fail, so a caller that
/// only wants the memory back ignores it.
std::size_t TrimIdleMemory();

}  // namespace tocklet

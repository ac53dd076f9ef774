// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tasks/FileFilter.h"

namespace tocklet {
namespace {

TEST(FileFilterTest, CaptionsKeepTheirTextAndPatternsDecideTheKind) {
    const auto filters = SplitFileFilter("ExeFiles (*.exe)|*.exe|All Files(*.*)|*.*||");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].caption, "ExeFiles (*.exe)");
    EXPECT_EQ(filters[0].patterns, std::vector<std::string>{"*.exe"});
    EXPECT_EQ(filters[1].caption, "All Files(*.*)");
    EXPECT_EQ(KindOfFilter(filters[0]), FilterKind::Programs);
    EXPECT_EQ(KindOfFilter(filters[1]), FilterKind::Everything);

    const auto more = SplitFileFilter("Text|*.txt; *.log|Programs|*.EXE");
    ASSERT_EQ(more.size(), 2u);
    EXPECT_EQ(more[0].patterns, (std::vector<std::string>{"*.txt", "*.log"}));
    EXPECT_EQ(KindOfFilter(more[0]), FilterKind::Patterns);
    EXPECT_EQ(KindOfFilter(more[1]), FilterKind::Programs);
}

}  // namespace
}  // namespace tocklet

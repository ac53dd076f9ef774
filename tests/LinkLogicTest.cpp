// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The hyperlink's rules: colours, fitting to its text, and what opening failures say.
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "TempDir.h"
#include "controls/LinkLogic.h"

namespace tocklet {
namespace {

TEST(LinkLogic, ColourStates) {
    const COLORREF green = Rgb(0, 255, 0), blue = Rgb(0, 0, 255), red = Rgb(255, 0, 0);
    struct Case {
        bool over, opened;
        COLORREF expected;
    };
    for (const Case& c : {Case{false, false, green}, Case{false, true, blue},
                          Case{true, false, red}, Case{true, true, red}}) {
        EXPECT_EQ(LinkTextColour(green, blue, red, c.over, c.opened), c.expected)
            << c.over << c.opened;
    }
}

TEST(LinkLogic, FitToText) {
    const WindowRect window{100, 50, 200, 71};  // 100 x 21
    struct Case {
        TextAlign align;
        bool vcentre;
        WindowRect expected;
    };
    const Case cases[] = {
        {TextAlign::Left, false, {100, 50, 160, 62}},  // keeps its top-left corner
        {TextAlign::Right, false, {140, 50, 200, 62}},
        {TextAlign::Centre, true, {120, 54, 180, 67}},  // about its centre: (21 - 12) / 2 = 4
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitRectToText(window, 60, 12, c.align, c.vcentre), c.expected);
    }
    // A text wider than the window grows it the same ways.
    EXPECT_EQ(FitRectToText(window, 121, 12, TextAlign::Centre, false),
              (WindowRect{90, 50, 210, 62}));
}

TEST(LinkLogic, ErrorTextForEveryCode) {
    const std::pair<int, const char*> cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30,
         "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
         "being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {4, "Unknown Error (4) occurred."},
        {-5, "Unknown Error (-5) occurred."},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(OpenErrorText(code), std::string("Unable to open hyperlink:\n\n") + text);
    }
}

TEST(LinkLogic, PlatformFailuresAsCodes) {
    const std::pair<int, int> errnos[] = {
        {ENOENT, 2}, {ENOTDIR, 3},  {EACCES, 5},   {EPERM, 5},  {ENOMEM, 8},
        {EMFILE, 0}, {ENOEXEC, 11}, {ETXTBSY, 26}, {EIO, -EIO},
    };
    for (const auto& [error, code] : errnos) EXPECT_EQ(OpenFailureForErrno(error), code) << error;

    testing::TempDir dir;
    std::ofstream(dir.File("here.txt")) << "x";
    const std::string cwd = dir.Path().string();
    EXPECT_EQ(OpenFailureForRefusal("mailto:someone@example.org", cwd), kOpenNoAssociation);
    EXPECT_EQ(OpenFailureForRefusal("here.txt", cwd), kOpenNoAssociation);
    EXPECT_EQ(OpenFailureForRefusal("gone.txt", cwd), kOpenFileNotFound);
    EXPECT_EQ(OpenFailureForRefusal("no/such/folder.txt", cwd), kOpenPathNotFound);
    EXPECT_EQ(OpenFailureForRefusal("", cwd), kOpenFileNotFound);
}

}  // namespace
}  // namespace tocklet

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/LinkLogic.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "store/Text.h"

namespace tocklet {
namespace {

std::string_view FailureText(int code) {
    switch (code) {
        case 0:
            return "The operating system is out\nof memory or resources.";
        case 2:
            return "The specified file was not found.";
        case 3:
            return "The specified path was not found.";
        case 5:
            return "The operating system denied\naccess to the specified file.";
        case 8:
            return "There was not enough memory to complete the operation.";
        case 11:
            return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        case 26:
            return "A sharing violation occurred. ";
        case 27:
            return "The filename association is\nincomplete or invalid.";
        case 28:
            return "The DDE transaction could not\nbe completed because the request timed out.";
        case 29:
            return "The DDE transaction failed.";
        case 30:
            return "The DDE transaction could not\nbe completed because other DDE transactions\n"
                   "were being processed.";
        case 31:
            return "There is no application associated\nwith the given filename extension.";
        case 32:
            return "The specified dynamic-link library was not found.";
        default:
            return {};
    }
}

// An address such as "mailto:x" or "https://x": a scheme of two or more characters and a
// colon (one letter and a colon would be a drive).
bool HasScheme(std::string_view target) {
    const std::size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    if (!std::isalpha(static_cast<unsigned char>(target[0]))) return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(target[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
    }
    return true;
}

}  // namespace

COLORREF LinkTextColour(COLORREF link, COLORREF visited, COLORREF hover, bool mouseOver,
                        bool opened) {
    if (mouseOver) return hover;
    return opened ? visited : link;
}

WindowRect FitRectToText(const WindowRect& window, int textWidth, int textHeight,
                         TextAlign horizontal, bool centredVertically) {
    WindowRect r = window;
    if (centredVertically) {
        const int inset = (r.bottom - r.top - textHeight) / 2;
        r.top += inset;
        r.bottom -= inset;
    } else {
        r.bottom = r.top + textHeight;
    }
    switch (horizontal) {
        case TextAlign::Centre: {
            const int inset = (r.right - r.left - textWidth) / 2;
            r.left += inset;
            r.right -= inset;
            break;
        }
        case TextAlign::Right:
            r.left = r.right - textWidth;
            break;
        case TextAlign::Left:
            r.right = r.left + textWidth;
            break;
    }
    return r;
}

std::string OpenErrorText(int code) {
    std::string text = "Unable to open hyperlink:\n\n";
    const std::string_view known = FailureText(code);
    if (!known.empty()) return text.append(known);
    return text + "Unknown Error (" + std::to_string(code) + ") occurred.";
}

int OpenFailureForErrno(int error) {
    switch (error) {
        case ENOENT:
            return kOpenFileNotFound;
        case ENOTDIR:
        case ELOOP:
        case ENAMETOOLONG:
            return kOpenPathNotFound;
        case EACCES:
        case EPERM:
            return kOpenAccessDenied;
        case ENOMEM:
        case E2BIG:
            return kOpenOutOfMemory;
        case EAGAIN:
        case EMFILE:
        case ENFILE:
            return kOpenOutOfResources;
        case ENOEXEC:
        case ELIBBAD:
        case EISDIR:
            return kOpenBadProgram;
        case ETXTBSY:
            return kOpenSharingViolation;
        default:
            // Shown as an unknown error with the negated errno, which no shell code uses.
            return -error;
    }
}

int OpenFailureForRefusal(std::string_view target, std::string_view currentDir) {
    namespace fs = std::filesystem;
    if (target.empty()) return kOpenFileNotFound;
    if (HasScheme(target)) return kOpenNoAssociation;
    fs::path file(GbToUtf8(target));
    if (file.is_relative()) file = fs::path(GbToUtf8(currentDir)) / file;
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        return fs::is_directory(file.parent_path(), ec) ? kOpenFileNotFound : kOpenPathNotFound;
    }
    if (!std::ifstream(file).is_open()) return kOpenAccessDenied;
    return kOpenNoAssociation;
}

}  // namespace tocklet

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What became of a request to the system about one file: done, or not done and why.

#include <string>
#include <system_error>

namespace tocklet {

/// The result of a request about a file (starting a program, writing an entry). The reason is
/// the system's own English words, for standard error; the caller decides what the user reads.
struct [[nodiscard]] SystemResult {
    std::string path;    ///< the file the request was about
    std::string reason;  ///< empty when it was done, else why not

    [[nodiscard]] bool Ok() const { return reason.empty(); }
    /// "path: reason", as a line on standard error names a failed step.
    [[nodiscard]] std::string Describe() const { return path + ": " + reason; }
};

/// The result of a step on path that ended with errno error (0: it was done).
[[nodiscard]] inline SystemResult ResultOfErrno(std::string path, int error) {
    return {std::move(path), error == 0 ? std::string() : std::generic_category().message(error)};
}

}  // namespace tocklet

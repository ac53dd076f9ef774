// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Playing the program's wave files ("clock.wav", "close.wav") by bare name.

#include <string_view>

namespace tocklet {

class Sound {
public:
    Sound() = default;
    virtual ~Sound() = default;
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    /// Starts playing the named wave file and returns at once, cutting off a sound still
    /// playing; when the file cannot be found or played, plays the desktop theme's bell if
    /// useDefaultWhenMissing, else nothing.
    virtual void PlayAsync(std::string_view name, bool useDefaultWhenMissing) = 0;
};

}  // namespace tocklet

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Sound through libcanberra. Playing runs on a worker thread of its own, so neither opening
// the sound device nor reading the file can hold up the user-interface thread.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/Sound.h"
#include "platform/SoundLookup.h"

struct ca_context;

namespace tocklet {

class CanberraSound final : public Sound {
public:
    /// Told, on the worker thread, of each play request made to libcanberra and its result.
    using Observer = std::function<void(const SoundPlan& plan, SoundSource played, int result)>;

    /// dataDirs: the folders looked in after the current one, in order; driver: a libcanberra
    /// driver name (empty: its default choice; the first player of the process decides it);
    /// observer: for tests.
    explicit CanberraSound(std::vector<std::filesystem::path> dataDirs = ProgramDataDirs(),
                           std::string driver = {}, Observer observer = {});
    /// With one data folder.
    CanberraSound(std::filesystem::path dataDir, std::string driver, Observer observer = {});
    ~CanberraSound() override;

    void PlayAsync(std::string_view name, bool useDefaultWhenMissing) override;

private:
    void Run();
    void Play(const SoundPlan& plan);

    std::vector<std::filesystem::path> dataDirs_;
    std::string driver_;
    Observer observer_;
    std::uint32_t soundId_;
    ca_context* context_ = nullptr;  // shared by the process, never destroyed
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<SoundPlan> queue_;
    bool stopping_ = false;
    std::thread worker_;  // last: starts once everything above exists
};

}  // namespace tocklet

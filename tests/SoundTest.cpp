// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <canberra.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <vector>

#include "TempDir.h"
#include "platform/CanberraSound.h"
#include "platform/SoundLookup.h"

namespace tocklet {
namespace {

namespace fs = std::filesystem;

using testing::TempDir;

// A tenth of a second of silence as a 16-bit mono wave file.
void WriteWave(const fs::path& file) {
    const std::uint32_t rate = 8000;
    const std::uint32_t samples = rate / 10;
    const std::uint32_t dataBytes = samples * 2;
    std::ofstream out(file, std::ios::binary);
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&](std::uint16_t v) {
        out.put(static_cast<char>(v & 0xFF));
        out.put(static_cast<char>(v >> 8));
    };
    out << "RIFF";
    u32(36 + dataBytes);
    out << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out << "data";
    u32(dataBytes);
    for (std::uint32_t i = 0; i < samples; ++i) u16(0);
}

TEST(SoundLookup, CurrentDirectoryComesBeforeTheDataFolder) {
    TempDir cwd, data;
    WriteWave(cwd.Path() / "clock.wav");
    WriteWave(data.Path() / "clock.wav");
    WriteWave(data.Path() / "close.wav");
    SoundPlan clock = PlanSound("clock.wav", false, cwd.Path(), data.Path());
    EXPECT_EQ(clock.source, SoundSource::File);
    EXPECT_EQ(clock.file, cwd.Path() / "clock.wav");
    SoundPlan close = PlanSound("close.wav", false, cwd.Path(), data.Path());
    EXPECT_EQ(close.source, SoundSource::File);
    EXPECT_EQ(close.file, data.Path() / "close.wav");
}

TEST(SoundLookup, MissingFileIsSilenceOrTheBell) {
    TempDir cwd, data;
    fs::create_directory(cwd.Path() / "clock.wav");  // a folder is not a sound
    SoundPlan silent = PlanSound("clock.wav", false, cwd.Path(), data.Path());
    EXPECT_EQ(silent.source, SoundSource::None);
    SoundPlan bell = PlanSound("clock.wav", true, cwd.Path(), data.Path());
    EXPECT_EQ(bell.source, SoundSource::Bell);
    EXPECT_EQ(PlanSound("", true, cwd.Path(), data.Path()).source, SoundSource::Bell);
    EXPECT_EQ(PlanSound("clock.wav", false, {}, {}).source, SoundSource::None);
}

TEST(SoundLookup, FoundFileFallsBackToTheBellOnlyWhenAsked) {
    TempDir cwd;
    WriteWave(cwd.Path() / "clock.wav");
    EXPECT_FALSE(PlanSound("clock.wav", false, cwd.Path(), {}).bellIfUnplayable);
    EXPECT_TRUE(PlanSound("clock.wav", true, cwd.Path(), {}).bellIfUnplayable);
}

TEST(SoundLookup, InstalledDataFolderIsAbsolute) { EXPECT_TRUE(InstalledDataDir().is_absolute()); }

// Plays through libcanberra's ALSA driver into a null sink set up in a temporary HOME, so
// nothing reaches a speaker.
class CanberraSoundTest : public ::testing::Test {
protected:
    struct Request {
        SoundSource planned;
        SoundSource played;
        fs::path file;
        int result;
    };

    void SetUp() override {
        oldHome_ = std::getenv("HOME") ? std::getenv("HOME") : "";
        setenv("HOME", home_.Path().c_str(), 1);
        std::ofstream(home_.Path() / ".asoundrc") << "pcm.!default { type null }\n";
    }
    void TearDown() override { setenv("HOME", oldHome_.c_str(), 1); }

    CanberraSound::Observer Observer() {
        return [this](const SoundPlan& plan, SoundSource played, int result) {
            std::lock_guard lock(mutex_);
            requests_.push_back({plan.source, played, plan.file, result});
            changed_.notify_all();
        };
    }

    std::vector<Request> WaitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::seconds(20),
                          [&] { return requests_.size() >= count; });
        return requests_;
    }

    TempDir home_;
    TempDir data_;
    std::string oldHome_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Request> requests_;
};

TEST_F(CanberraSoundTest, PlaysTheFileFoundAndSkipsAMissingOneSilently) {
    WriteWave(data_.Path() / "tocklet-test-tone.wav");
    {
        CanberraSound sound(data_.Path(), "alsa", Observer());
        sound.PlayAsync("tocklet-no-such-sound.wav", false);  // nothing at all
        sound.PlayAsync("tocklet-test-tone.wav", false);
        auto requests = WaitFor(1);
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].played, SoundSource::File);
        EXPECT_EQ(requests[0].file, data_.Path() / "tocklet-test-tone.wav");
        EXPECT_EQ(requests[0].result, CA_SUCCESS) << ca_strerror(requests[0].result);
    }
    EXPECT_EQ(requests_.size(), 1u);
}

TEST_F(CanberraSoundTest, MissingFileWithDefaultAsksForTheBell) {
    CanberraSound sound(data_.Path(), "alsa", Observer());
    sound.PlayAsync("tocklet-no-such-sound.wav", true);
    auto requests = WaitFor(1);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].planned, SoundSource::Bell);
    EXPECT_EQ(requests[0].played, SoundSource::Bell);
}

TEST_F(CanberraSoundTest, UnplayableFileFallsBackToTheBellOnlyWithDefault) {
    std::ofstream(data_.Path() / "broken.wav") << "not a wave file";
    CanberraSound sound(data_.Path(), "alsa", Observer());
    sound.PlayAsync("broken.wav", false);
    sound.PlayAsync("broken.wav", true);
    auto requests = WaitFor(3);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].played, SoundSource::File);
    EXPECT_NE(requests[0].result, CA_SUCCESS);
    EXPECT_EQ(requests[1].played, SoundSource::File);
    EXPECT_EQ(requests[2].played, SoundSource::Bell);
}

}  // namespace
}  // namespace tocklet

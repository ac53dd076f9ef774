// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "platform/CanberraSound.h"

#include <canberra.h>
#include <dlfcn.h>

#include <atomic>
#include <cstring>
#include <iostream>
#include <optional>
#include <system_error>

namespace tocklet {
namespace {

constexpr const char* kBellEvent = "bell";

// libcanberra is opened with the first sound rather than linked: a program that may not play
// anything for hours need not load it, its codecs and its database library at start.
constexpr const char* kCanberraLibrary = "libcanberra.so.0";

struct CanberraApi {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_set_driver) setDriver = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
};

template <typename Function>
[[nodiscard]] bool Bind(void* library, const char* name, Function& function) {
    void* symbol = dlsym(library, name);
    // dlsym hands functions out as object pointers; copying the bits is the portable cast.
    static_assert(sizeof(symbol) == sizeof(function));
    std::memcpy(&function, &symbol, sizeof(function));
    return symbol != nullptr;
}

// The library for the life of the process (its context is never destroyed, see below), or
// null when it cannot be loaded: then nothing plays, as with a context that cannot be made.
[[nodiscard]] const CanberraApi* Canberra() {
    static const std::optional<CanberraApi> api = []() -> std::optional<CanberraApi> {
        void* library = dlopen(kCanberraLibrary, RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            std::cerr << "tocklet: no sound: " << dlerror() << '\n';
            return std::nullopt;
        }
        CanberraApi a;
        if (Bind(library, "ca_context_create", a.create) &&
            Bind(library, "ca_context_set_driver", a.setDriver) &&
            Bind(library, "ca_context_change_props", a.changeProps) &&
            Bind(library, "ca_context_play", a.play) &&
            Bind(library, "ca_context_cancel", a.cancel)) {
            return a;
        }
        return std::nullopt;
    }();
    return api ? &*api : nullptr;
}

// One context for the life of the process: destroying a context unloads its driver while the
// ALSA driver's playing threads may still be running, which crashes them. The first caller's
// driver choice holds for the process.
[[nodiscard]] ca_context* ProcessContext(const std::string& driver) {
    static ca_context* const context = [&]() -> ca_context* {
        const CanberraApi* ca = Canberra();
        ca_context* c = nullptr;
        if (ca == nullptr || ca->create(&c) != CA_SUCCESS) return nullptr;
        if (!driver.empty()) ca->setDriver(c, driver.c_str());
        ca->changeProps(c, CA_PROP_APPLICATION_NAME, "tocklet", nullptr);
        return c;
    }();
    return context;
}

// Each player plays under an id of its own, so a new sound cuts off only its own last one.
std::uint32_t NextSoundId() {
    static std::atomic<std::uint32_t> next{1};
    return next++;
}

}  // namespace

CanberraSound::CanberraSound(std::vector<std::filesystem::path> dataDirs, std::string driver,
                             Observer observer)
    : dataDirs_(std::move(dataDirs)),
      driver_(std::move(driver)),
      observer_(std::move(observer)),
      soundId_(NextSoundId()),
      worker_([this] { Run(); }) {}

CanberraSound::CanberraSound(std::filesystem::path dataDir, std::string driver, Observer observer)
    : CanberraSound(std::vector<std::filesystem::path>{std::move(dataDir)}, std::move(driver),
                    std::move(observer)) {}

CanberraSound::~CanberraSound() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

void CanberraSound::PlayAsync(std::string_view name, bool useDefaultWhenMissing) {
    std::error_code ec;
    std::filesystem::path currentDir = std::filesystem::current_path(ec);
    SoundPlan plan = PlanSoundIn(name, useDefaultWhenMissing,
                                 ec ? std::filesystem::path() : currentDir, dataDirs_);
    if (plan.source == SoundSource::None) return;
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(plan));
    }
    wake_.notify_one();
}

void CanberraSound::Run() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) break;
        SoundPlan plan = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        Play(plan);
        lock.lock();
    }
    lock.unlock();
    if (context_ != nullptr) Canberra()->cancel(context_, soundId_);
}

void CanberraSound::Play(const SoundPlan& plan) {
    // The sound system is opened at the first sound, not at start: most runs of the program
    // spend hours before their first reminder, and opening it costs time and memory.
    if (context_ == nullptr) context_ = ProcessContext(driver_);
    if (context_ == nullptr) {
        if (observer_) observer_(plan, plan.source, CA_ERROR_NOTAVAILABLE);
        return;
    }
    const CanberraApi& ca = *Canberra();
    ca.cancel(context_, soundId_);
    // A file and an event id in one request would play the event, so the bell is a second try.
    if (plan.source == SoundSource::File) {
        int result =
            ca.play(context_, soundId_, CA_PROP_MEDIA_FILENAME, plan.file.c_str(), nullptr);
        if (observer_) observer_(plan, SoundSource::File, result);
        if (result == CA_SUCCESS || !plan.bellIfUnplayable) return;
    }
    int result = ca.play(context_, soundId_, CA_PROP_EVENT_ID, kBellEvent, nullptr);
    if (observer_) observer_(plan, SoundSource::Bell, result);
}

}  // namespace tocklet

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// A secondary dialog of the panel that is built at its first opening rather than with the
// panel: most runs never open most of them, and building one lays out all its text and
// controls. Once built it lives as long as the panel, so what it keeps between openings is
// kept as before.

#include <functional>
#include <memory>
#include <utility>

namespace tocklet {

template <typename T>
class OnDemand {
public:
    explicit OnDemand(std::function<std::unique_ptr<T>()> make) : make_(std::move(make)) {}

    /// The object, built now if this is its first use.
    [[nodiscard]] T& Get() {
        if (!made_) made_ = make_();
        return *made_;
    }
    T* operator->() { return &Get(); }
    /// True once the object has been built.
    [[nodiscard]] bool Built() const { return made_ != nullptr; }

private:
    std::function<std::unique_ptr<T>()> make_;
    std::unique_ptr<T> made_;
};

}  // namespace tocklet

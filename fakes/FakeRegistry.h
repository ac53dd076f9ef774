// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// An in-memory registry for tests. Keys exist only when the test creates them; key paths and
// value names compare case-insensitively; values keep their exact bytes. Every successful write
// is recorded in order, and opening a key, reading a value or setting a value can be made to
// fail on purpose.

#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/Registry.h"

namespace tocklet::testing {

class FakeRegistry final : public Registry {
public:
    struct StoredValue {
        std::uint32_t type = kRegSz;
        std::string bytes;
    };
    struct Write {
        std::string key;  ///< the path as the writer opened it
        std::string name;
        std::string bytes;
    };

    // ---- set-up ----

    /// Creates an (empty) key under HKEY_LOCAL_MACHINE unless it exists.
    void AddKey(std::string_view path, RegRoot root = RegRoot::LocalMachine) {
        keys_.try_emplace(Fold(root, path));
    }
    /// Stores a value's exact bytes, creating its key; not recorded as a write.
    void Put(std::string_view path, std::string_view name, std::string_view bytes,
             std::uint32_t type = kRegSz, RegRoot root = RegRoot::LocalMachine) {
        keys_[Fold(root, path)][Lower(name)] = {type, std::string(bytes)};
    }
    /// Removes a value (the key stays).
    void Remove(std::string_view path, std::string_view name,
                RegRoot root = RegRoot::LocalMachine) {
        auto k = keys_.find(Fold(root, path));
        if (k != keys_.end()) k->second.erase(Lower(name));
    }

    // ---- failure injection ----

    /// Opening the key with read access (KEY_QUERY_VALUE) fails with status.
    void FailOpenForRead(std::string_view path, RegStatus status = kRegAccessDenied) {
        failOpenRead_[Lower(path)] = status;
    }
    /// Opening the key with write access (KEY_SET_VALUE) fails with status.
    void FailOpenForWrite(std::string_view path, RegStatus status = kRegAccessDenied) {
        failOpenWrite_[Lower(path)] = status;
    }
    /// Setting this value in this key fails with status.
    void FailSet(std::string_view path, std::string_view name, RegStatus status = kRegWriteFault) {
        failSet_[{Lower(path), Lower(name)}] = status;
    }
    /// Reading this value from this key fails with status.
    void FailQuery(std::string_view path, std::string_view name,
                   RegStatus status = kRegAccessDenied) {
        failQuery_[{Lower(path), Lower(name)}] = status;
    }

    // ---- inspection ----

    bool HasKey(std::string_view path, RegRoot root = RegRoot::LocalMachine) const {
        return keys_.count(Fold(root, path)) != 0;
    }
    /// The exact bytes of a value, or nullopt when it is missing.
    std::optional<std::string> Get(std::string_view path, std::string_view name,
                                   RegRoot root = RegRoot::LocalMachine) const {
        auto k = keys_.find(Fold(root, path));
        if (k == keys_.end()) return std::nullopt;
        auto v = k->second.find(Lower(name));
        if (v == k->second.end()) return std::nullopt;
        return v->second.bytes;
    }
    /// Handles opened and not yet closed.
    std::size_t OpenHandles() const { return handles_.size(); }

    std::vector<Write> writes;             ///< successful SetValue calls in order
    std::vector<std::string> openedPaths;  ///< every OpenKey call's path, as given

    // ---- Registry ----

    RegStatus OpenKey(RegRoot root, std::string_view path, std::uint32_t access,
                      RegKey* key) override {
        openedPaths.emplace_back(path);
        *key = 0;
        if ((access & kQueryBit) != 0) {
            if (auto f = failOpenRead_.find(Lower(path)); f != failOpenRead_.end())
                return f->second;
        }
        if ((access & kSetBit) != 0) {
            if (auto f = failOpenWrite_.find(Lower(path)); f != failOpenWrite_.end()) {
                return f->second;
            }
        }
        if (keys_.count(Fold(root, path)) == 0) return kRegFileNotFound;
        RegKey h = nextHandle_++;
        handles_[h] = {Fold(root, path), std::string(path), access};
        *key = h;
        return kRegOk;
    }

    RegStatus QueryValue(RegKey key, std::string_view name, std::uint32_t* type,
                         std::uint8_t* buffer, std::uint32_t* size) override {
        auto h = handles_.find(key);
        if (h == handles_.end()) return kRegInvalidHandle;
        if ((h->second.access & kQueryBit) == 0) return kRegAccessDenied;
        if (auto f = failQuery_.find({Lower(h->second.path), Lower(name)}); f != failQuery_.end()) {
            return f->second;
        }
        const auto& values = keys_.at(h->second.folded);
        auto v = values.find(Lower(name));
        if (v == values.end()) return kRegFileNotFound;
        const auto n = static_cast<std::uint32_t>(v->second.bytes.size());
        if (type) *type = v->second.type;
        if (size == nullptr) return buffer ? kRegInvalidParameter : kRegOk;
        if (buffer == nullptr) {
            *size = n;
            return kRegOk;
        }
        if (*size < n) {
            *size = n;
            return kRegMoreData;
        }
        if (n != 0) std::memcpy(buffer, v->second.bytes.data(), n);
        *size = n;
        return kRegOk;
    }

    RegStatus SetValue(RegKey key, std::string_view name, std::uint32_t type,
                       const std::uint8_t* data, std::uint32_t size) override {
        auto h = handles_.find(key);
        if (h == handles_.end()) return kRegInvalidHandle;
        if ((h->second.access & kSetBit) == 0) return kRegAccessDenied;
        if (auto f = failSet_.find({Lower(h->second.path), Lower(name)}); f != failSet_.end()) {
            return f->second;
        }
        std::string bytes(reinterpret_cast<const char*>(data), size);
        keys_.at(h->second.folded)[Lower(name)] = {type, bytes};
        writes.push_back({h->second.path, std::string(name), std::move(bytes)});
        return kRegOk;
    }

    RegStatus CloseKey(RegKey key) override {
        return handles_.erase(key) != 0 ? kRegOk : kRegInvalidHandle;
    }

private:
    static constexpr std::uint32_t kQueryBit = 0x0001;  // KEY_QUERY_VALUE, part of KEY_READ
    static constexpr std::uint32_t kSetBit = 0x0002;    // KEY_SET_VALUE, part of KEY_WRITE

    struct Handle {
        std::string folded;
        std::string path;
        std::uint32_t access;
    };

    static std::string Lower(std::string_view s) {
        std::string out(s);
        for (char& c : out) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return out;
    }
    static std::string Fold(RegRoot root, std::string_view path) {
        return (root == RegRoot::LocalMachine ? "hklm\\" : "hkcu\\") + Lower(path);
    }

    std::map<std::string, std::map<std::string, StoredValue>> keys_;
    std::map<RegKey, Handle> handles_;
    RegKey nextHandle_ = 100;
    std::map<std::string, RegStatus> failOpenRead_;
    std::map<std::string, RegStatus> failOpenWrite_;
    std::map<std::pair<std::string, std::string>, RegStatus> failSet_;
    std::map<std::pair<std::string, std::string>, RegStatus> failQuery_;
};

}  // namespace tocklet::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "store/Hive.h"

#include <algorithm>
#include <array>
#include <utility>

#include "store/Text.h"

namespace tocklet {
namespace {

struct RootName {
    std::string_view full;
    std::string_view shortName;
};

constexpr std::array<RootName, 5> kRoots{{
    {"HKEY_LOCAL_MACHINE", "HKLM"},
    {"HKEY_CURRENT_USER", "HKCU"},
    {"HKEY_CLASSES_ROOT", "HKCR"},
    {"HKEY_USERS", "HKU"},
    {"HKEY_CURRENT_CONFIG", "HKCC"},
}};

// Bounds as the system registry sets them; they also keep the key tree shallow enough for the
// recursive walks below.
constexpr std::size_t kMaxKeyDepth = 512;
constexpr std::size_t kMaxKeyNameBytes = 255;
constexpr std::size_t kMaxValueNameBytes = 16383;

// A name part must be non-empty text without control bytes whose last character is whole.
bool IsValidPart(std::string_view part) {
    if (part.empty()) return false;
    for (unsigned char c : part) {
        if (c < 0x20) return false;
    }
    std::size_t pos = 0;
    while (pos < part.size()) {
        if (IsLeadByte(static_cast<unsigned char>(part[pos])) && pos + 1 >= part.size()) {
            return false;
        }
        pos += CharBytes(part, pos);
    }
    return true;
}

// Splits at backslashes that are characters of their own (not second bytes).
std::vector<std::string_view> SplitParts(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t sep = FindChar(path, '\\', start);
        if (sep == std::string_view::npos) {
            parts.push_back(path.substr(start));
            return parts;
        }
        parts.push_back(path.substr(start, sep - start));
        start = sep + 1;
    }
}

}  // namespace

std::string FoldName(std::string_view name) {
    std::string out(name);
    std::size_t pos = 0;
    while (pos < out.size()) {
        char& c = out[pos];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        pos += CharBytes(out, pos);
    }
    return out;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldName(a) == FoldName(b);
}

std::string NormalizeKeyPath(std::string_view path) {
    std::vector<std::string_view> parts = SplitParts(path);
    const RootName* root = nullptr;
    for (const RootName& r : kRoots) {
        if (SameName(parts[0], r.full) || SameName(parts[0], r.shortName)) root = &r;
    }
    if (root == nullptr || parts.size() > kMaxKeyDepth) return {};
    std::string out(root->full);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].size() > kMaxKeyNameBytes || !IsValidPart(parts[i])) return {};
        out += '\\';
        out += parts[i];
    }
    return out;
}

bool IsValidValueName(std::string_view name) {
    return name.empty() || (name.size() <= kMaxValueNameBytes && IsValidPart(name));
}

const Hive::Node* Hive::Find(std::string_view path) const {
    std::string normal = NormalizeKeyPath(path);
    if (normal.empty()) return nullptr;
    const Node* node = &top_;
    for (std::string_view part : SplitParts(normal)) {
        std::string folded = FoldName(part);
        auto it = std::find_if(node->children.begin(), node->children.end(),
                               [&](const Node& n) { return n.folded == folded; });
        if (it == node->children.end()) return nullptr;
        node = &*it;
    }
    return node;
}

Hive::Node* Hive::Find(std::string_view path) {
    return const_cast<Node*>(std::as_const(*this).Find(path));
}

bool Hive::KeyExists(std::string_view path) const { return Find(path) != nullptr; }

bool Hive::CreateKey(std::string_view path) {
    std::string normal = NormalizeKeyPath(path);
    if (normal.empty()) return false;
    Node* node = &top_;
    for (std::string_view part : SplitParts(normal)) {
        std::string folded = FoldName(part);
        auto it = std::find_if(node->children.begin(), node->children.end(),
                               [&](const Node& n) { return n.folded == folded; });
        if (it == node->children.end()) {
            node->children.push_back(Node{std::string(part), std::move(folded), {}, {}});
            node = &node->children.back();
        } else {
            node = &*it;
        }
    }
    return true;
}

bool Hive::DeleteKey(std::string_view path) {
    std::string normal = NormalizeKeyPath(path);
    if (normal.empty()) return false;
    std::size_t sep = normal.rfind('\\');
    // The last separator is a character of its own: parts never end in a lead byte.
    Node* parent = sep == std::string::npos ? &top_ : Find(std::string_view(normal).substr(0, sep));
    if (parent == nullptr) return false;
    std::string folded = FoldName(sep == std::string::npos ? normal : normal.substr(sep + 1));
    auto it = std::find_if(parent->children.begin(), parent->children.end(),
                           [&](const Node& n) { return n.folded == folded; });
    if (it == parent->children.end()) return false;
    parent->children.erase(it);
    return true;
}

const RegValue* Hive::GetValue(std::string_view path, std::string_view name) const {
    const Node* node = Find(path);
    if (node == nullptr) return nullptr;
    for (const NamedValue& v : node->values) {
        if (SameName(v.name, name)) return &v.value;
    }
    return nullptr;
}

bool Hive::SetValue(std::string_view path, std::string_view name, RegValue value) {
    if (!IsValidValueName(name)) return false;
    Node* node = Find(path);
    if (node == nullptr) return false;
    for (NamedValue& v : node->values) {
        if (SameName(v.name, name)) {
            v.value = std::move(value);
            return true;
        }
    }
    node->values.push_back(NamedValue{std::string(name), std::move(value)});
    return true;
}

bool Hive::DeleteValue(std::string_view path, std::string_view name) {
    Node* node = Find(path);
    if (node == nullptr) return false;
    auto it = std::find_if(node->values.begin(), node->values.end(),
                           [&](const NamedValue& v) { return SameName(v.name, name); });
    if (it == node->values.end()) return false;
    node->values.erase(it);
    return true;
}

const std::vector<NamedValue>* Hive::Values(std::string_view path) const {
    const Node* node = Find(path);
    return node == nullptr ? nullptr : &node->values;
}

std::vector<std::string> Hive::SubkeyNames(std::string_view path) const {
    std::vector<std::string> names;
    if (const Node* node = Find(path)) {
        for (const Node& child : node->children) names.push_back(child.name);
    }
    return names;
}

void Hive::ForEachKey(
    const std::function<void(const std::string&, const std::vector<NamedValue>&)>& visit) const {
    for (const Node& root : top_.children) Visit(root, root.name, visit);
}

void Hive::Visit(
    const Node& node, const std::string& path,
    const std::function<void(const std::string&, const std::vector<NamedValue>&)>& visit) {
    visit(path, node.values);
    for (const Node& child : node.children) Visit(child, path + '\\' + child.name, visit);
}

}  // namespace tocklet

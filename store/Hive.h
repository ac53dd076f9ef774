// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The registry's contents in memory: a tree of keys addressed by full path from a root
// ("HKEY_LOCAL_MACHINE\Software\..."), each key holding named values of a type and exact bytes.
// Key and value names compare with ASCII case folding (second bytes of two-byte characters are
// never folded) and keep the case they were first written with. Subkeys and values keep their
// insertion order.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tocklet {

/// One stored value: its registry type and its bytes exactly as written.
struct RegValue {
    std::uint32_t type = 0;
    std::string bytes;

    bool operator==(const RegValue&) const = default;
};

struct NamedValue {
    std::string name;  ///< "" is the key's default value
    RegValue value;

    bool operator==(const NamedValue&) const = default;
};

/// The full root names a path may start with.
inline constexpr std::string_view kRootLocalMachine = "HKEY_LOCAL_MACHINE";
inline constexpr std::string_view kRootCurrentUser = "HKEY_CURRENT_USER";

/// Folds ASCII capitals to small letters, leaving the second byte of a two-byte character alone.
[[nodiscard]] std::string FoldName(std::string_view name);

/// True when the two names are equal under FoldName.
[[nodiscard]] bool SameName(std::string_view a, std::string_view b);

/// A path with its root spelled out ("HKLM\x" gives "HKEY_LOCAL_MACHINE\x"), or "" when the
/// path is not valid: an unknown root, an empty part, a control byte, or a lone lead byte at the
/// end of a part.
[[nodiscard]] std::string NormalizeKeyPath(std::string_view path);

/// True when name can be stored as a value name (and written to and read from a .reg file):
/// no control bytes and no lead byte at its end.
[[nodiscard]] bool IsValidValueName(std::string_view name);

class Hive {
public:
    /// True when the key exists.
    [[nodiscard]] bool KeyExists(std::string_view path) const;

    /// Creates the key and its missing parents; false when the path is not valid.
    [[nodiscard]] bool CreateKey(std::string_view path);

    /// Deletes the key with all its subkeys and values; false when it did not exist.
    [[nodiscard]] bool DeleteKey(std::string_view path);

    /// The value, or nullptr when the key or the value does not exist.
    [[nodiscard]] const RegValue* GetValue(std::string_view path, std::string_view name) const;

    /// Stores the value in an existing key, replacing one of the same name in its place; false
    /// when the key does not exist or the name is not valid.
    [[nodiscard]] bool SetValue(std::string_view path, std::string_view name, RegValue value);

    /// Removes the value; false when the key or the value did not exist.
    [[nodiscard]] bool DeleteValue(std::string_view path, std::string_view name);

    /// The key's values in insertion order, or nullptr when the key does not exist.
    [[nodiscard]] const std::vector<NamedValue>* Values(std::string_view path) const;

    /// The names of the key's direct subkeys in insertion order (empty when it does not exist).
    [[nodiscard]] std::vector<std::string> SubkeyNames(std::string_view path) const;

    /// Calls visit for every key, a parent before its children, with the key's full path in
    /// its stored case and its values.
    void ForEachKey(const std::function<void(const std::string& path,
                                             const std::vector<NamedValue>& values)>& visit) const;

    /// True when no key exists.
    [[nodiscard]] bool Empty() const { return top_.children.empty(); }

    bool operator==(const Hive&) const = default;

private:
    struct Node {
        std::string name;
        std::string folded;
        std::vector<Node> children;
        std::vector<NamedValue> values;

        bool operator==(const Node&) const = default;
    };

    [[nodiscard]] const Node* Find(std::string_view path) const;
    [[nodiscard]] Node* Find(std::string_view path);
    static void Visit(
        const Node& node, const std::string& path,
        const std::function<void(const std::string&, const std::vector<NamedValue>&)>& visit);

    Node top_;  // unnamed; its children are the roots
};

}  // namespace tocklet

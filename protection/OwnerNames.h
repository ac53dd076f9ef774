#pragma once
// The registered organisation and owner names of the installation: "RegisteredOrganization"
// and "RegisteredOwner" of the CurrentVersion key, in the stored form of every setting (the
// text, then zero bytes up to a fixed count).

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/Registry.h"

namespace tocklet {

inline constexpr std::string_view kOrganizationValueName = "RegisteredOrganization";
inline constexpr std::string_view kOwnerValueName = "RegisteredOwner";
inline constexpr std::uint32_t kOrganizationStoredBytes = 30;
inline constexpr std::uint32_t kOwnerStoredBytes = 16;

/// What became of writing the two names.
struct OwnerNamesWritten {
    bool keyOpened = false;
    bool organization = false;
    bool owner = false;
};

/// Writes organization (30 bytes), then owner (16 bytes), each attempted whatever became of
/// the other; shows nothing.
using OwnerNamesWriter =
    std::function<OwnerNamesWritten(std::string_view organization, std::string_view owner)>;

/// The writer on the registry: opens the CurrentVersion key for writing and sets both values.
OwnerNamesWritten WriteOwnerNames(Registry& reg, std::string_view organization,
                                  std::string_view owner);

}  // namespace tocklet

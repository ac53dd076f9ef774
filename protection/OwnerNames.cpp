#include "protection/OwnerNames.h"

namespace tocklet {

OwnerNamesWritten WriteOwnerNames(Registry& reg, std::string_view organization,
                                  std::string_view owner) {
    ScopedKey key(reg);
    OwnerNamesWritten written;
    written.keyOpened =
        reg.OpenKey(RegRoot::LocalMachine, "SoftWare\\Microsoft\\Windows\\CurrentVersion",
                    kKeyWrite, key.Out()) == kRegOk;
    written.organization = SetStringValue(reg, key.Get(), kOrganizationValueName, organization,
                                          kOrganizationStoredBytes) == kRegOk;
    written.owner =
        SetStringValue(reg, key.Get(), kOwnerValueName, owner, kOwnerStoredBytes) == kRegOk;
    return written;
}

}  // namespace tocklet

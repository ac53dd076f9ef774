#include "shutdown/RunFlag.h"

#include "platform/Text.h"

namespace tocklet {

RunFlagResult WriteRunFlag(Registry& registry) {
    ScopedKey key(registry);
    if (registry.OpenKey(RegRoot::LocalMachine, "Config", kKeyWrite, key.Out()) != kRegOk) {
        return RunFlagResult::KeyNotOpened;
    }
    return SetStringValue(registry, key.Get(), "run", "0", 2) == kRegOk
               ? RunFlagResult::Written
               : RunFlagResult::ValueNotSet;
}

std::vector<std::string> RunFlagMessages(RunFlagResult result) {
    switch (result) {
        case RunFlagResult::KeyNotOpened:
            return {Gb("  保存数据失败!  "), "Fail to set path value"};
        case RunFlagResult::ValueNotSet:
            return {"Fail to set path value"};
        case RunFlagResult::Written:
            break;
    }
    return {};
}

}  // namespace tocklet

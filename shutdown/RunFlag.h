#pragma once
// The marker written before every power-off request: "run" = "0" (2 bytes) in the existing
// key HKEY_LOCAL_MACHINE "Config". Nothing in the program reads it back.

#include <string>
#include <vector>

#include "platform/Registry.h"

namespace tocklet {

enum class RunFlagResult { Written, KeyNotOpened, ValueNotSet };

/// Opens "Config" for writing and sets "run"; says what happened.
RunFlagResult WriteRunFlag(Registry& registry);

/// The messages (code page 936) the countdown shows, in order, for a write's result: none when
/// written; "  保存数据失败!  " and "Fail to set path value" when the key could not be opened
/// (the write then fails as well); "Fail to set path value" when the value could not be set.
std::vector<std::string> RunFlagMessages(RunFlagResult result);

}  // namespace tocklet

#pragma once
// Where the settings password lives: value "pass" of the CurrentVersion key, plain text in
// the stored form of every setting (the text, then zero bytes up to a fixed count). The
// first-use dialog writes it with 10 bytes, a change with 11.

#include <cstdint>
#include <string_view>

#include "platform/IniProfile.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"

namespace tocklet {

inline constexpr std::string_view kPasswordValueName = "pass";
inline constexpr std::uint32_t kFirstPasswordBytes = 10;
inline constexpr std::uint32_t kChangedPasswordBytes = 11;

/// The first-use store of the password (10 bytes, through the key's write spelling). Shows
/// "  保存数据失败!  " when the key cannot be opened and " 发 生 错 误，请 重 新 确认" when the
/// value cannot be written; true when it was written.
bool StoreFirstPassword(Registry& reg, MessageBoxes& boxes, std::string_view password);

/// Writes a changed password (11 bytes); true when it was written. Shows nothing.
bool WriteChangedPassword(Registry& reg, std::string_view password);

/// The main panel's step after a successful change: writes the password and tells the user
/// " 密码更新成功,请您记住新密码" ("守时鸟提示", question mark), or that it could not be kept
/// beyond this run. Returns what WriteChangedPassword returned.
bool SaveChangedPassword(Registry& reg, MessageBoxes& boxes, std::string_view password);

/// The floating clock's first-use defaults in the INI file: "color" = "2", then "clock" = "1".
void WriteFirstUseClockOptions(Profile& profile);

}  // namespace tocklet

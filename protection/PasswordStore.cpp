#include "protection/PasswordStore.h"

#include "platform/Text.h"
#include "shell/SettingsStore.h"

namespace tocklet {

bool StoreFirstPassword(Registry& reg, MessageBoxes& boxes, std::string_view password) {
    ScopedKey key(reg);
    if (reg.OpenKey(RegRoot::LocalMachine, kCurrentVersionKeyWrite, kKeyWrite, key.Out()) !=
        kRegOk) {
        boxes.Show(Gb("  保存数据失败!  "), Gb("  守时鸟提示您"));
    }
    // Attempted even without a key, so the failure below is the one the user acts on.
    const RegStatus status = key.Get() != 0 ? SetStringValue(reg, key.Get(), kPasswordValueName,
                                                             password, kFirstPasswordBytes)
                                            : kRegInvalidHandle;
    if (status != kRegOk) {
        boxes.Show(Gb(" 发 生 错 误，请 重 新 确认"));
        return false;
    }
    return true;
}

bool WriteChangedPassword(Registry& reg, std::string_view password) {
    ScopedKey key(reg);
    if (reg.OpenKey(RegRoot::LocalMachine, kCurrentVersionKeyRead, kKeyWrite, key.Out()) !=
        kRegOk) {
        return false;
    }
    return SetStringValue(reg, key.Get(), kPasswordValueName, password, kChangedPasswordBytes) ==
           kRegOk;
}

bool SaveChangedPassword(Registry& reg, MessageBoxes& boxes, std::string_view password) {
    if (WriteChangedPassword(reg, password)) {
        boxes.Show(Gb(" 密码更新成功,请您记住新密码"), Gb("守时鸟提示"), MbButtons::Ok,
                   MbIcon::Question);
        return true;
    }
    // Silence here would let the user believe in a password that is gone at the next start.
    boxes.Show(Gb(" 新密码没有保存成功,只在本次运行中有效,\n 下次启动后仍须使用原来的密码 "));
    return false;
}

void WriteFirstUseClockOptions(Profile& profile) {
    profile.WriteString(kIniSection, kIniColorKey, "2");
    profile.WriteString(kIniSection, kIniClockKey, "1");
}

}  // namespace tocklet

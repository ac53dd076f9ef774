// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shell/RegistryMessages.h"

#include "store/Text.h"

namespace tocklet {
namespace {

// File names are UTF-8 on disk; a character code page 936 has no form for is shown as "?",
// so the rest of the name still says which file it is.
std::string ShownPath(const std::string& path) {
    if (auto gb = TryUtf8ToGb(path)) return *gb;
    std::string out;
    std::size_t pos = 0;
    while (pos < path.size()) {
        const std::size_t n = Utf8CharBytes(static_cast<unsigned char>(path[pos]));
        out += TryUtf8ToGb(std::string_view(path).substr(pos, n)).value_or("?");
        pos += n;
    }
    return out;
}

}  // namespace

std::string RegistryProblemMessage(const std::string& path, int line) {
    if (line > 0) {
        return Gb("注册表文件已损坏：\n") + ShownPath(path) + Gb("\n第 ") + std::to_string(line) +
               Gb(" 行有错。\n\n守时鸟不会改动这个文件，本次运行既不读取也不保存设置。\n"
                  "请修复该文件或导入备份，然后重新启动守时鸟。");
    }
    return Gb("无法读取注册表文件：\n") + ShownPath(path) +
           Gb("\n\n守时鸟本次运行既不读取也不保存设置。\n请检查该文件及其权限，然后重新启动守时鸟"
              "。");
}

}  // namespace tocklet

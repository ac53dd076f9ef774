// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The About box: the program icon, its name and version, the release with its licence, and a
// framed block with the project's contact lines.
#include <string>

#include "resources/AboutIds.h"
#include "resources/ImageIds.h"
#include "resources/ProductInfo.h"
#include "resources/Templates.h"
#include "settings/ReleaseInfo.h"

namespace tocklet {

const DialogTemplate& AboutTemplate() {
    using K = ControlKind;
    using S = ControlStyle;
    constexpr int kNone = kNoControlId;
    static const std::string title =
        std::string(kProductName) + "  " + std::string(kProductVersion) + " 版";
    static const std::string homeLine = "主页: " + std::string(HomePage());
    static const std::string mailLine = "信箱: " + std::string(ContactMail());
    // The release this build was made as, and its licence, under the product's own name.
    static const std::string releaseLine =
        "tocklet " + std::string(PackageVersion()) + ", 自由软件, 许可证: " + std::string(kLicence);
    static const DialogTemplate dialog{
        .id = kAboutTemplateId,
        .rect = {0, 0, 235, 88},
        .fontFace = "宋体",
        .fontPointSize = 9,
        .caption = "版本信息",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame,
        .menuId = 0,
        // clang-format off
        .controls = {
            ControlRow(kNone, K::IconImage, "", {11, 14, 21, 20})
                .Resource(kProgramIcon).Named("程序图标"),
            ControlRow(kNone, K::TextLeft, title, {40, 10, 130, 8}).Styled(S::kNoPrefix),
            ControlRow(kNone, K::TextLeft, releaseLine, {40, 21, 186, 8}).Styled(S::kNoPrefix),
            ControlRow(kNone, K::GroupBox, "联系方式", {40, 34, 186, 46}),
            ControlRow(kNone, K::TextLeft, homeLine, {48, 48, 174, 10}).Styled(S::kNoPrefix),
            ControlRow(kNone, K::TextLeft, mailLine, {48, 63, 174, 10}).Styled(S::kNoPrefix),
            ControlRow(kAboutOkId, K::DefPushButton, "确定", {178, 7, 48, 14}),
        }};
    // clang-format on
    return dialog;
}

}  // namespace tocklet

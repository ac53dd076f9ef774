// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The owner editor: what "发送[&S]" stores and says, its byte limits, and its texts between
// openings from the panel.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "PanelHarness.h"
#include "TypeText.h"
#include "protection/ui/UserInfoDlg.h"
#include "settings/SettingsStore.h"

namespace tocklet::testing {
namespace {

QLineEdit* Edit(QWidget* dialog, int id) { return ControlAs<QLineEdit>(dialog, id); }

TEST(UserInfoDlg, SendStoresBothNamesAndConfirmsOnlyWhenBothWereWritten) {
    const std::string done = Gb("  您已经成功地修改了注册表数据！  "),
                      company = "Fail to set company";
    // The texts typed, what cannot be written (the key, or one value), the messages.
    const struct {
        const char *organization, *owner;
        std::string_view broken;
        std::vector<std::string> messages;
    } cases[] = {
        {"一二三四五六七八九十一二三四五", "一二三四五六七八", "", {done}},
        {"", "", "", {done}},
        {"Acme", "Li", "key", {Gb("  保存数据失败!  "), company, company}},
        {"Acme", "Li", "RegisteredOrganization", {company}},
    };
    for (const auto& c : cases) {
        FakeRegistry reg;
        reg.AddKey(kCvKey);
        if (c.broken == "key") reg.FailOpenForWrite(kCvKey);
        if (c.broken != "key" && !c.broken.empty()) reg.FailSet(kCvKey, c.broken);
        FakeMessageBoxes boxes;
        SettingsStore store(reg);
        CUserInfoDlg dialog(
            [&store](auto org, auto owner) { return store.WriteOwnerNames(org, owner); }, boxes);
        Type(Edit(&dialog, kUserInfoOrganizationId), U(c.organization));
        Type(Edit(&dialog, kUserInfoOwnerId), U(c.owner));
        dialog.OnSend();
        EXPECT_EQ(boxes.Texts(), c.messages) << c.organization;
        EXPECT_EQ(boxes.shown.back().caption, c.broken.empty() ? Gb(" 进程提示") : "tocklet");
        EXPECT_EQ(reg.Get(kCvKey, "RegisteredOrganization"),
                  c.broken.empty() ? std::optional(Stored(Gb(c.organization), 30)) : std::nullopt);
        EXPECT_EQ(reg.Get(kCvKey, "RegisteredOwner"),
                  c.broken == "key" ? std::nullopt : std::optional(Stored(Gb(c.owner), 16)));
    }
}

TEST(UserInfoDlg, OpensFromThePanelWithWholeCharactersAndKeepsCancelledTexts) {
    PanelHarness h;
    h.StoreTasks({"1110,30_|x"});
    CMainPanelDlg& p = h.Start();
    // The dialog is built at its first opening and kept for the next.
    EXPECT_EQ(p.findChild<CUserInfoDlg*>(), nullptr);
    CUserInfoDlg* opened = nullptr;
    Soon([&] {
        opened = DialogOf<CUserInfoDlg>(p);
        CUserInfoDlg& dialog = *opened;
        Type(Edit(&dialog, kUserInfoOwnerId), U("a一二三四五六七八"));
        Type(Edit(&dialog, kUserInfoOrganizationId), U("一二三四五六七八九十一二三四五六"));
        ControlAs<QAbstractButton>(&dialog, kUserInfoCancelId)->click();
    });
    ControlAs<QAbstractButton>(&p, kIdUserInfo)->click();
    ASSERT_NE(opened, nullptr);
    CUserInfoDlg& dialog = *opened;
    EXPECT_EQ(dialog.Owner(), Gb("a一二三四五六七"));
    EXPECT_EQ(dialog.Organization(), Gb("一二三四五六七八九十一二三四五"));
    Soon([&] {
        EXPECT_EQ(Edit(&dialog, kUserInfoOwnerId)->text(), U("a一二三四五六七"));
        EXPECT_EQ(DialogOf<CUserInfoDlg>(p), &dialog);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    ControlAs<QAbstractButton>(&p, kIdUserInfo)->click();
    EXPECT_TRUE(h.registry.writes.empty());
}

}  // namespace
}  // namespace tocklet::testing

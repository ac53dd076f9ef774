// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "PasswordTestSupport.h"
#include "controls/DialogBuilder.h"
#include "fakes/FakeMessageBoxes.h"
#include "protection/ui/PasswordGate.h"
#include "protection/ui/PasswordPromptDlg.h"
#include "settings/PanelSettings.h"
#include "store/Text.h"

namespace tocklet {
namespace {

using testing::Click;
using testing::FakeMessageBoxes;
using testing::PromptDriver;
using testing::Type;

class PasswordGateTest : public ::testing::Test {
protected:
    FakeMessageBoxes boxes;
    CPasswordPromptDlg prompt{boxes};
};

TEST_F(PasswordGateTest, AskPasswordRunsThePromptModally) {
    PromptDriver driver(prompt, [](CPasswordPromptDlg& p) {
        Type(ControlAs<QLineEdit>(&p, kPromptEditId), "口令");
        QTest::keyClick(ControlAs<QLineEdit>(&p, kPromptEditId), Qt::Key_Enter);
    });
    EXPECT_EQ(AskPassword(prompt, Gb("口令")), 1);
    EXPECT_TRUE(driver.shown);
    EXPECT_TRUE(prompt.Passed());  // the prompt's own outcome is what AskPassword returned

    PromptDriver refuse(prompt, [](CPasswordPromptDlg& p) { p.reject(); });
    EXPECT_EQ(AskPassword(prompt, "pw"), 0);
}

TEST_F(PasswordGateTest, GateAsksOnlyWhileProtectionIsOn) {
    PanelSettings settings;
    settings.m_strPassword = "pw";
    settings.m_bUsePassword = false;
    {
        PromptDriver never(prompt, [](CPasswordPromptDlg& p) { p.reject(); });
        EXPECT_TRUE(PassGate(settings, prompt));
        EXPECT_FALSE(never.shown);
    }
    settings.m_bUsePassword = true;
    PromptDriver refuse(prompt, [](CPasswordPromptDlg& p) { p.reject(); });
    EXPECT_FALSE(PassGate(settings, prompt));
    EXPECT_TRUE(refuse.shown);
}

TEST_F(PasswordGateTest, ProtectionSwitch) {
    PanelSettings settings;
    settings.m_strPassword = "pw";
    QCheckBox box;
    QObject::connect(&box, &QCheckBox::clicked,
                     [&] { OnUsePasswordClicked(box, settings, prompt); });

    {  // Checking never asks.
        PromptDriver never(prompt, [](CPasswordPromptDlg& p) { p.reject(); });
        box.click();
        EXPECT_FALSE(never.shown);
        EXPECT_TRUE(box.isChecked());
        EXPECT_TRUE(settings.m_bUsePassword);
    }
    {  // Unchecking asks with the check put back; refused, protection stays on.
        bool checkedDuringPrompt = false;
        PromptDriver refuse(prompt, [&](CPasswordPromptDlg& p) {
            checkedDuringPrompt = box.isChecked();
            p.reject();
        });
        box.click();
        EXPECT_TRUE(refuse.shown);
        EXPECT_TRUE(checkedDuringPrompt);
        EXPECT_TRUE(box.isChecked());
        EXPECT_TRUE(settings.m_bUsePassword);
    }
    {  // Accepted, protection goes off.
        PromptDriver accept(prompt, [](CPasswordPromptDlg& p) {
            Type(ControlAs<QLineEdit>(&p, kPromptEditId), "pw");
            Click(&p, kPromptSubmitId);
        });
        box.click();
        EXPECT_TRUE(accept.shown);
        EXPECT_FALSE(box.isChecked());
        EXPECT_FALSE(settings.m_bUsePassword);
    }
}

}  // namespace
}  // namespace tocklet

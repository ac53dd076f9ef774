// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Helpers of the password dialog tests: typing into edits, clicking by number, and acting on
// the prompt from inside its modal loop.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "TypeText.h"
#include "controls/DialogBuilder.h"
#include "protection/ui/PasswordPromptDlg.h"

namespace tocklet::testing {

inline void Click(QWidget* dialog, int id) {
    auto* button = ControlAs<QPushButton>(dialog, id);
    if (button == nullptr) {
        ADD_FAILURE() << "no push button " << id;
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

// Acts on the prompt once its modal loop runs; remembers whether it ever did.
class PromptDriver {
public:
    PromptDriver(CPasswordPromptDlg& prompt, std::function<void(CPasswordPromptDlg&)> act) {
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, &prompt, act] {
            if (!prompt.isVisible()) return timer_.start();
            shown = true;
            act(prompt);
        });
        timer_.start();
    }
    bool shown = false;

private:
    QTimer timer_;
};

}  // namespace tocklet::testing

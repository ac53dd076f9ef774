// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRegistry.h"
#include "platform/MessageBox.h"
#include "tasks/TaskStore.h"
#include "tasks/ui/AddTaskDlg.h"
#include "tasks/ui/MyFileDialog.h"

// Texts in failure messages as text, not as code units.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tocklet {
namespace {

// A folder with a program, a plain file without a dot, a text file and a sub-folder.
class MyFileDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The chooser remembers its history in the user's Qt settings; keep them out of reach.
        static QTemporaryDir config;
        if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
            qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Make("runme", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Make("notes", QFile::ReadOwner | QFile::WriteOwner);
        Make("readme.txt", QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    }

    void Make(const QString& name, QFile::Permissions permissions) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.close();
        ASSERT_TRUE(file.setPermissions(permissions));
    }

    // The names the file list shows, once the folder has been read.
    // Presses the chooser's Open button, as a person accepting the selection does.
    static void PressOpen(QFileDialog* chooser) {
        auto* buttons = chooser->findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        QPushButton* open = buttons->button(QDialogButtonBox::Open);
        ASSERT_NE(open, nullptr);
        QTest::mouseClick(open, Qt::LeftButton);
    }

    // The file list on show: the detail view or the plain list, as the view mode says.
    static QWidget* FileView(QFileDialog& chooser) {
        for (const char* name : {"treeView", "listView"}) {
            auto* view = chooser.findChild<QAbstractItemView*>(name);
            if (view != nullptr && view->isVisible()) return view;
        }
        return nullptr;
    }

    static QStringList Listed(QFileDialog& chooser, int expected) {
        auto* list = chooser.findChild<QListView*>("listView");
        if (list == nullptr) return {"<no list>"};
        QStringList names;
        const bool settled = QTest::qWaitFor(
            [&] {
                names.clear();
                const QAbstractItemModel* model = list->model();
                const QModelIndex root = list->rootIndex();
                for (int r = 0; r < model->rowCount(root); ++r)
                    names << model->index(r, 0, root).data().toString();
                return names.size() == expected;
            },
            5000);
        names.sort();
        if (!settled) names << "<still loading>";
        return names;
    }

    QTemporaryDir dir;
};

TEST_F(MyFileDialogTest, FiltersKeepTheirCaptionsAndShowProgramsOrEverything) {
    CMyFileDialog chooser(nullptr);
    EXPECT_TRUE(chooser.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(chooser.nameFilters(), (QStringList{"ExeFiles (*.exe)", "All Files(*.*)"}));
    chooser.setDirectory(dir.path());
    chooser.show();

    // Programs here carry no ".exe": the first filter shows what may be executed.
    EXPECT_EQ(chooser.CurrentFilterIndex(), 0);
    EXPECT_EQ(Listed(chooser, 2), (QStringList{"runme", "sub"}));

    // The second shows every file, names without a dot included.
    auto* types = chooser.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->itemText(0), "ExeFiles (*.exe)");
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(chooser.CurrentFilterIndex(), 1);
    EXPECT_EQ(Listed(chooser, 4), (QStringList{"notes", "readme.txt", "runme", "sub"}));
    QTest::keyClick(types, Qt::Key_Up);
    EXPECT_EQ(Listed(chooser, 2), (QStringList{"runme", "sub"}));
}

TEST_F(MyFileDialogTest, IsOneHundredFiftyPixelsTallerWithTheListGrowing) {
    QFileDialog usual;
    usual.setOption(QFileDialog::DontUseNativeDialog, true);
    usual.setNameFilters({"ExeFiles (*.exe)", "All Files(*.*)"});
    usual.setDirectory(dir.path());
    usual.show();
    CMyFileDialog chooser(nullptr);
    chooser.setDirectory(dir.path());
    chooser.show();
    QApplication::processEvents();

    EXPECT_EQ(chooser.height(), usual.height() + CMyFileDialog::kExtraHeight);
    EXPECT_EQ(chooser.width(), usual.width());
    QWidget* list = FileView(chooser);
    QWidget* usualList = FileView(usual);
    ASSERT_TRUE(list && usualList);
    EXPECT_EQ(list->height(), usualList->height() + CMyFileDialog::kExtraHeight);
    auto* buttons = chooser.findChild<QDialogButtonBox*>();
    auto* usualButtons = usual.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(buttons && usualButtons);
    EXPECT_EQ(buttons->y(), usualButtons->y() + CMyFileDialog::kExtraHeight);
}

TEST_F(MyFileDialogTest, ChosenPathOrEmptyAfterCancel) {
    CMyFileDialog chooser(nullptr);
    chooser.setDirectory(dir.path());
    QTimer::singleShot(0, &chooser, [&] {
        chooser.selectFile(dir.filePath("runme"));
        PressOpen(&chooser);
    });
    EXPECT_EQ(chooser.DoModal(), kIdOk);
    EXPECT_EQ(chooser.GetPathName(), dir.filePath("runme"));

    QTimer::singleShot(0, &chooser, [&] { chooser.reject(); });
    EXPECT_EQ(chooser.DoModal(), kIdCancel);
    EXPECT_TRUE(chooser.GetPathName().isEmpty());
}

TEST_F(MyFileDialogTest, TheAddTaskButtonOpensItAndTakesThePath) {
    testing::FakeRegistry reg;
    testing::FakeMessageBoxes boxes;
    TaskStore store(reg);
    CAddTaskDlg dlg(store, boxes);
    dlg.OnInitDialog(0);
    const QString program = dir.filePath("runme");
    QTimer::singleShot(0, &dlg, [&] {
        auto* chooser = qobject_cast<CMyFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->parentWidget(), &dlg);
        chooser->selectFile(program);
        PressOpen(chooser);
    });
    dlg.OnBrowse();
    EXPECT_EQ(dlg.ProgramPath(), program.toStdString());

    QTimer::singleShot(0, &dlg, [] {
        if (auto* chooser = QApplication::activeModalWidget()) chooser->close();
    });
    dlg.OnBrowse();
    EXPECT_TRUE(dlg.ProgramPath().empty());
}

}  // namespace
}  // namespace tocklet

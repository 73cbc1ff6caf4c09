// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipboardContents.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "PlainTextBox.h"

#include "../../fuzz/FormChecks.h"

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace velmora::testing {
namespace {

// Every widget shows what the form holds, and the form keeps its rules.
void expectAgreement(const MainWindow& window, const std::string& context)
{
    const MainForm& form = window.form();
    for (Ctl id : checks::kFields) {
        const auto* edit = static_cast<QLineEdit*>(window.widget(id));
        EXPECT_EQ(edit->text().toStdString(), form.control(id).text) << context << ": " << controlName(id);
    }
    for (Ctl id : checks::kLists) {
        const auto* list = static_cast<QComboBox*>(window.widget(id));
        EXPECT_EQ(list->currentIndex(), form.control(id).index) << context << ": " << controlName(id);
    }
    EXPECT_EQ(checks::violation(form), "") << context;
}

class ClipboardTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(GetParam() == 0 ? Layout::Tall : Layout::Compact, platform);
        window->show();
        window->showReport();
        notes = window->reportWindow()->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        ASSERT_NE(notes, nullptr);
    }
    void TearDown() override
    {
        delete window->reportWindow();
        window.reset();
        QGuiApplication::clipboard()->clear();
    }

    void pasteEveryContent(PlainTextBox* box);

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
    QPlainTextEdit* notes = nullptr;
};

// Ctrl+V with an empty clipboard used to kill the program inside Qt's own
// paste; now the plain-text boxes (the report's notes, the site's list of
// cameras) take the plain text and nothing else.
TEST_P(ClipboardTest, PlainTextBoxesPasteOnlyPlainText)
{
    window->showSiteAudit();
    auto* list = window->siteAuditDialog()->findChild<PlainTextBox*>(QStringLiteral("list"));
    for (PlainTextBox* box : {qobject_cast<PlainTextBox*>(notes), list}) {
        ASSERT_NE(box, nullptr);
        pasteEveryContent(box);
    }
}

void ClipboardTest::pasteEveryContent(PlainTextBox* notes)
{
    for (const ClipboardContent& content : clipboardContents()) {
        notes->setPlainText(QStringLiteral("Склад"));
        notes->moveCursor(QTextCursor::End);
        notes->setFocus();
        setClipboard(content);
        const QString expected = QGuiApplication::clipboard()->mimeData()->text();

        QTest::keyClick(notes, Qt::Key_V, Qt::ControlModifier);
        if (!content.hasPlainText) {
            EXPECT_EQ(notes->toPlainText(), QStringLiteral("Склад")) << content.name;
        } else if (expected == controlCharacters()) {
            // Line breaks become the box's own; the text is there.
            EXPECT_TRUE(notes->toPlainText().startsWith(QStringLiteral("Склад1\t2"))) << content.name;
            EXPECT_TRUE(notes->toPlainText().endsWith(QStringLiteral("4"))) << content.name;
        } else {
            // A megabyte is cut to what the box takes.
            const QString fits = expected.left(notes->pasteLimit() - 5);
            EXPECT_EQ(notes->toPlainText(), QStringLiteral("Склад") + fits) << content.name;
        }

        // Undo, select all, cut and paste again: the box stays plain and alive.
        QTest::keyClick(notes, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(notes->toPlainText(), QStringLiteral("Склад")) << content.name;
        setClipboard(content);
        QTest::keyClick(notes, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(notes, Qt::Key_V, Qt::ControlModifier);
        if (!content.hasPlainText) {
            EXPECT_EQ(notes->toPlainText(), QStringLiteral("Склад")) << content.name;
        }
        QTest::keyClick(notes, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(notes, Qt::Key_X, Qt::ControlModifier);
        EXPECT_TRUE(notes->toPlainText().isEmpty()) << content.name;
    }
}

// A drop takes the plain text the drag carries, if any, and nothing else.
TEST_P(ClipboardTest, NotesBoxTakesOnlyPlainTextDrops)
{
    for (const ClipboardContent& content : clipboardContents()) {
        notes->setPlainText(QStringLiteral("Склад"));
        std::unique_ptr<QMimeData> data(content.make());
        const QPoint at = notes->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(notes->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(notes->viewport(), &move);
        QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(notes->viewport(), &drop);
        if (content.hasPlainText)
            EXPECT_TRUE(notes->toPlainText().contains(data->text().left(1))) << content.name;
        else
            EXPECT_EQ(notes->toPlainText(), QStringLiteral("Склад")) << content.name;
    }
}

// The text boxes take what a paste carries as typing; the lists ignore the
// editing keys. Whatever the clipboard holds, the widgets keep showing the form.
TEST_P(ClipboardTest, TextBoxesAndListsSurviveEveryClipboard)
{
    for (const ClipboardContent& content : clipboardContents()) {
        for (Ctl id : checks::kFields) {
            QWidget* w = window->widget(id);
            w->setFocus();
            setClipboard(content);
            const QString before = static_cast<QLineEdit*>(w)->text();
            QTest::keyClick(w, Qt::Key_End);
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
            const std::string context = std::string(content.name) + ", " + std::string(controlName(id));
            if (!content.hasPlainText) {
                EXPECT_EQ(static_cast<QLineEdit*>(w)->text(), before) << context;
            }
            expectAgreement(*window, context + " pasted");
            for (char key : {'Z', 'A', 'X', 'V'}) {
                QTest::keyClick(w, static_cast<Qt::Key>(key), Qt::ControlModifier);
                expectAgreement(*window, context + " Ctrl+" + key);
            }
        }
        for (Ctl id : checks::kLists) {
            QWidget* w = window->widget(id);
            if (!w->isEnabled()) continue;
            setClipboard(content);
            for (auto key : {Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_A})
                QTest::keyClick(w, key, Qt::ControlModifier);
            expectAgreement(*window, std::string(content.name) + ", " + std::string(controlName(id)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, ClipboardTest, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "Tall" : "Compact"; });

} // namespace
} // namespace velmora::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks and keys as the user gives them, through mouse and key events: the
// form answers before the event returns, and the window's pixels, painted a
// moment later from the event loop, are those of a window painted afresh.

#include "FakePlatform.h"
#include "MainWindow.h"
#include "Program.h"
#include "Startup.h"
#include "WrappingWidgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace velmora::testing {
namespace {

// Remembers whether a button could paint while the window asked its question.
class WatchingPlatform : public FakePlatform {
public:
    QWidget* watched = nullptr;
    bool paintedDuringQuestion = false;

    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override
    {
        paintedDuringQuestion = watched && watched->updatesEnabled();
        return FakePlatform::askYesNo(parent, title, text);
    }
};

template <typename T = QWidget>
T* find(MainWindow& w, const char* name)
{
    return w.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// What the screen shows of the window (its backing store), and the window
// painted afresh from its widgets.
QImage shown(MainWindow& w)
{
    return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage paintedAfresh(MainWindow& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Replaces the field's text by keys, as a user types it.
void type(QWidget* field, const char* text)
{
    static_cast<QLineEdit*>(field)->selectAll();
    QTest::keyClicks(field, QString::fromLatin1(text));
}

TEST(ButtonPainting, ClicksAndKeysAnswerAtOnceAndPaintLikeAFreshWindow)
{
    struct Case {
        const char* name;
        const char* control;
        std::function<void(QWidget*)> act;
        std::function<std::string(MainWindow&)> changed; // what the action changes in the form
    };
    const auto motion = [](MainWindow& w) { return std::to_string(w.form().control(Ctl::Check1).value); };
    const auto channel = [](MainWindow& w) { return w.form().control(Ctl::Label46).text; };
    const auto count = [](MainWindow& w) { return w.form().control(Ctl::Label24).text; };
    const auto depth = [](MainWindow& w) { return w.form().control(Ctl::Label34).text; };
    const Case cases[] = {
        {"mouse on the motion box", "Check1", [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); },
         motion},
        {"space on the motion box", "Check1", [](QWidget* b) { QTest::keyClick(b, Qt::Key_Space); }, motion},
        {"mouse on add channel", "Command3", [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); }, count},
        {"mouse on previous channel", "Command2", [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); },
         channel},
        {"space on next channel", "Command1", [](QWidget* b) { QTest::keyClick(b, Qt::Key_Space); }, channel},
        {"typing a bitrate whose figures wrap", "Text1", [](QWidget* f) { type(f, "9999998"); }, depth},
        {"typing a bitrate of tiny figures", "Text1", [](QWidget* f) { type(f, "1E-30"); }, depth},
        {"typing the bitrate back", "Text1", [](QWidget* f) { type(f, "1616.01"); }, depth},
    };
    FakePlatform platform;
    std::unique_ptr<MainWindow> w(startProgram(platform));
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->activateWindow();
    QApplication::processEvents();
    ASSERT_FALSE(shown(*w).isNull()) << "the platform cannot show the window's pixels";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* control = find(*w, c.control);
        ASSERT_TRUE(control && control->isEnabled());
        control->setFocus();
        QApplication::processEvents();
        const std::string before = c.changed(*w);
        c.act(control);
        EXPECT_NE(c.changed(*w), before) << "the form has not answered when the event returns";
        EXPECT_TRUE(control->updatesEnabled());
        QApplication::processEvents();
        EXPECT_EQ(shown(*w), paintedAfresh(*w)) << "the window shows something other than its widgets";
    }
}

TEST(ButtonPainting, AButtonIsPaintedReleasedWhileItsQuestionIsOpen)
{
    WatchingPlatform platform;
    platform.answer = false;
    std::unique_ptr<MainWindow> w(startProgram(platform));
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    QApplication::processEvents();
    auto* copy = find<QPushButton>(*w, "Command6");
    ASSERT_TRUE(copy && copy->isEnabled());
    platform.watched = copy;
    QTest::mouseClick(copy, Qt::LeftButton);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_TRUE(platform.paintedDuringQuestion);
    EXPECT_TRUE(copy->updatesEnabled());
}

TEST(ButtonPainting, AListBuildsItsPopupWhenOpenedWithTheListsFont)
{
    FakePlatform platform;
    std::unique_ptr<MainWindow> w(startProgram(platform));
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    QApplication::processEvents();
    for (const char* name : {"Combo1", "Combo4", "Combo9"}) {
        SCOPED_TRACE(name);
        auto* list = find<QComboBox>(*w, name);
        ASSERT_TRUE(list);
        EXPECT_TRUE(list->findChildren<QWidget*>().isEmpty()) << "a popup built before it was wanted";
        list->setEnabled(false);
        list->setEnabled(true);
        EXPECT_TRUE(list->findChildren<QWidget*>().isEmpty()) << "disabling the list built its popup";
        list->showPopup();
        QApplication::processEvents();
        EXPECT_EQ(list->view()->font(), list->font());
        EXPECT_EQ(list->view()->model()->rowCount(), list->count());
        list->hidePopup();
        QApplication::processEvents();
    }
}

// A label skips painting where its text is not, so its idea of where the
// text's pixels can be must hold for every text it shows, in both layouts.
TEST(ButtonPainting, EveryLabelsPixelsLieWhereItSaysItsTextIs)
{
    const QString bitrates[] = {"1616.01", "9999998", "0.0001", "1E-30", "", "2,5", "123456789"};
    for (const int height : {1080, 768}) {
        FakePlatform platform;
        platform.height = height;
        MainWindow w(chooseLayout(height), platform);
        w.show();
        auto* bitrate = find<QLineEdit>(w, "Text1");
        for (const QString& typed : bitrates) {
            bitrate->selectAll();
            bitrate->insert(typed);
            QApplication::processEvents();
            for (auto* label : w.findChildren<TextLabel*>()) {
                if (label->isHidden()) continue;
                SCOPED_TRACE(label->objectName().toStdString() + " showing " + label->text().toStdString());
                QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
                QRect inked;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if (qAlpha(image.pixel(x, y)) != 0) inked |= QRect(x, y, 1, 1);
                EXPECT_TRUE(label->inkRect().contains(inked) || inked.isNull())
                    << "ink " << label->inkRect().x() << "," << label->inkRect().y() << " "
                    << label->inkRect().width() << "x" << label->inkRect().height() << ", pixels "
                    << inked.x() << "," << inked.y() << " " << inked.width() << "x" << inked.height()
                    << " of " << label->width() << "x" << label->height();
            }
        }
    }
}

} // namespace
} // namespace velmora::testing

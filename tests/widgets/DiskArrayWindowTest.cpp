// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"
#include "MainWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace velmora::testing {
namespace {

struct Program {
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;

    explicit Program(int height = 1080, QString decimal = ".")
    {
        platform.height = height;
        platform.decimal = std::move(decimal);
        window.reset(new MainWindow(chooseLayout(height), platform));
        window->show();
    }
    DiskArrayWindow* openDialog()
    {
        window->showDiskArray();
        return window->diskArrayWindow();
    }
};

template <typename T = QWidget>
T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

// The user selects everything in the field and types the text.
void type(QWidget* window, const char* field, const QString& text)
{
    auto* edit = child<QLineEdit>(window, field);
    ASSERT_NE(edit, nullptr) << field;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Every control of the main window as the user sees it.
std::vector<std::string> shown(const MainWindow& w)
{
    std::vector<std::string> out;
    for (int i = 0; i < kControlCount; ++i) {
        const Control& c = w.form().control(static_cast<Ctl>(i));
        out.push_back(std::string(controlName(static_cast<Ctl>(i))) + "=" + c.text + "|" +
                      std::to_string(c.index) + "|" + std::to_string(c.visible) + std::to_string(c.enabled));
    }
    return out;
}

TEST(DiskArrayWindow, AFixedWindowInTheProgramsFontsThatNeverBlocks)
{
    Program p;
    DiskArrayWindow* dialog = p.openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "Form4");
    EXPECT_EQ(dialog->windowTitle(), "Дисковый массив");
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->size(), QSize(8400 / 15, 9480 / 15));
    // Beyond the original windows: the desktop's palette, not the program's white.
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    struct Case {
        const char* name;
        double points;
        bool underline;
        QColor colour;
    };
    const Case cases[] = {
        {"arrayHeading", 11.25, true, QColor(192, 0, 0)},
        {"disksCaption", 9.75, false, Qt::black},
        {"usableSize", 9.75, false, Qt::black},
        {"message", 9.0, false, QColor(192, 0, 0)},
        {"disks", 9.0, false, Qt::black},
    };
    for (const Case& c : cases) {
        QWidget* w = child(dialog, c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), c.points) << c.name;
        EXPECT_TRUE(w->font().bold()) << c.name;
        EXPECT_EQ(w->font().underline(), c.underline) << c.name;
        EXPECT_EQ(w->palette().color(QPalette::Active, w->foregroundRole()), c.colour) << c.name;
        EXPECT_TRUE(dialog->rect().contains(w->geometry())) << c.name;
    }
    // The main window stays usable while the dialog is open.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // A second "Дисковый массив…" brings the same dialog forward.
    EXPECT_EQ(p.openDialog(), dialog);
}

TEST(DiskArrayWindow, BadInputMarksTheFieldUntilMended)
{
    Program p;
    DiskArrayWindow* dialog = p.openDialog();
    auto* size = child<QLineEdit>(dialog, "diskSize");
    auto* apply = child<QPushButton>(dialog, "apply");
    const QColor white = size->palette().color(QPalette::Base);
    for (const char* bad : {"", "abc", "-4", "1E39", "99999999999999999999999"}) {
        type(dialog, "diskSize", QString::fromUtf8(bad));
        EXPECT_EQ(size->text(), QString::fromUtf8(bad));
        EXPECT_NE(size->palette().color(QPalette::Base), white) << bad;
        EXPECT_EQ(child<QLabel>(dialog, "usableSize")->text(), "") << bad;
        EXPECT_EQ(child<QLabel>(dialog, "message")->text(), "Объём диска: больше 0 и не больше 1000 ТБ.")
            << bad;
        EXPECT_FALSE(apply->isEnabled()) << bad;
    }
    type(dialog, "diskSize", "4");
    EXPECT_EQ(size->palette().color(QPalette::Base), white);
    EXPECT_EQ(child<QLabel>(dialog, "usableSize")->text(), "3.46 Тбайт");
    EXPECT_TRUE(apply->isEnabled());
}

// "Применить" is the user's typing in the disk-size field and picking
// "Тбайт": every control of the window ends as if the user had done that,
// and only the field, the unit and the depth with its word change.
TEST(DiskArrayWindow, ApplyEqualsTypingTheSizeByHand)
{
    struct Case {
        int height;
        const char* decimal;
    };
    for (const Case& c : {Case{1080, "."}, Case{768, ","}}) {
        Program applied(c.height, c.decimal);
        Program typed(c.height, c.decimal);
        for (Program* p : {&applied, &typed}) {
            p->window->form().userEdit(Ctl::Text1, "3000");
            p->window->form().userSelect(Ctl::Combo5, 1);
            p->window->refresh();
        }
        const std::vector<std::string> before = shown(*applied.window);

        DiskArrayWindow* dialog = applied.openDialog();
        type(dialog, "disks", "4");
        child<QComboBox>(dialog, "array")->setCurrentIndex(static_cast<int>(ArrayLevel::Raid5));
        QTest::mouseClick(child<QPushButton>(dialog, "apply"), Qt::LeftButton);

        type(typed.window.get(), "Text2", "10.37");
        child<QComboBox>(typed.window.get(), "Combo5")->setCurrentIndex(0);

        const std::vector<std::string> after = shown(*applied.window);
        EXPECT_EQ(after, shown(*typed.window)) << c.decimal;
        EXPECT_EQ(applied.window->form().hddsize, typed.window->form().hddsize);
        EXPECT_EQ(applied.window->form().depthdays, typed.window->form().depthdays);
        for (std::size_t i = 0; i < after.size(); ++i) {
            const Ctl id = static_cast<Ctl>(i);
            if (id == Ctl::Text2 || id == Ctl::Combo5 || id == Ctl::Label34 || id == Ctl::Label35) continue;
            EXPECT_EQ(after[i], before[i]) << c.decimal;
        }
        EXPECT_EQ(applied.window->form().control(Ctl::Text2).text, "10.37");
        EXPECT_TRUE(applied.window->diskArrayWindow()->isVisible()); // stays open for the next try
    }
}

// After "Применить" the window's depth, figure and word, is the one the
// dialog showed, in either separator.
TEST(DiskArrayWindow, AfterApplyTheWindowShowsTheDialogsDepth)
{
    struct Case {
        const char* decimal;
        const char* bitrate;
        const char* disks;
        const char* size;
        ArrayLevel level;
    };
    const Case cases[] = {
        {".", "3000", "4", "4", ArrayLevel::Raid5},      {",", "3000", "4", "4", ArrayLevel::Raid5},
        {",", "1616.01", "6", "8,5", ArrayLevel::Raid6}, {".", "20000", "3", "2.5", ArrayLevel::Raid1},
        {",", "90000", "2", "0,5", ArrayLevel::Raid0},   {".", "250000", "8", "18", ArrayLevel::Raid10},
    };
    for (const Case& c : cases) {
        Program p(1080, c.decimal);
        p.window->form().userEdit(Ctl::Text1, c.bitrate);
        p.window->refresh();
        DiskArrayWindow* dialog = p.openDialog();
        type(dialog, "disks", c.disks);
        type(dialog, "diskSize", QString::fromUtf8(c.size));
        child<QComboBox>(dialog, "array")->setCurrentIndex(static_cast<int>(c.level));
        const QString depth = child<QLabel>(dialog, "depth")->text();
        QTest::mouseClick(child<QPushButton>(dialog, "apply"), Qt::LeftButton);
        const MainForm& f = p.window->form();
        EXPECT_EQ(depth.toStdString(), f.control(Ctl::Label34).text + " " + f.control(Ctl::Label35).text)
            << c.decimal << " " << c.size;
    }
}

// The longest messages the dialog gives show whole, above the buttons.
TEST(DiskArrayWindow, EveryMessageShowsWhole)
{
    struct Case {
        const char* disks;
        const char* size;
        const char* spares;
        ArrayLevel level;
    };
    const Case cases[] = {
        {"5", "4", "2", ArrayLevel::Raid10},   // the odd RAID 10 and the input warning
        {"3", "4", "1", ArrayLevel::Raid6},    // too few besides the spares and the warning
        {"3", "0.001", "2", ArrayLevel::Jbod}, // too small, idle spares and the warning
    };
    for (const Case& c : cases) {
        Program p;
        p.window->form().userEdit(Ctl::Text1, "9999998");
        p.window->refresh();
        DiskArrayWindow* dialog = p.openDialog();
        type(dialog, "disks", c.disks);
        type(dialog, "diskSize", c.size);
        type(dialog, "spares", c.spares);
        type(dialog, "inputLimit", "9999.5");
        type(dialog, "headroom", "12.5");
        child<QComboBox>(dialog, "array")->setCurrentIndex(static_cast<int>(c.level));
        auto* message = child<QLabel>(dialog, "message");
        EXPECT_GE(message->text().count(QLatin1Char('\n')), 1) << c.disks;
        EXPECT_LE(message->heightForWidth(message->width()), message->height()) << c.disks;
        EXPECT_TRUE(dialog->rect().contains(message->geometry())) << c.disks;
        EXPECT_LE(message->geometry().bottom(), child(dialog, "apply")->geometry().top()) << c.disks;
    }
}

TEST(DiskArrayWindow, CloseKeepsWhatWasTypedAndGoesWithTheMainWindow)
{
    Program p;
    DiskArrayWindow* dialog = p.openDialog();
    type(dialog, "disks", "6");
    type(dialog, "inputLimit", "12,5");
    QTest::keyClick(child(dialog, "inputLimit"), Qt::Key_Escape); // Escape works as "Закрыть"
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(p.window->diskArrayWindow(), nullptr);
    EXPECT_EQ(p.window->form().control(Ctl::Text2).text, "1"); // nothing applied

    dialog = p.openDialog();
    EXPECT_EQ(child<QLineEdit>(dialog, "disks")->text(), "6");
    EXPECT_EQ(child<QLineEdit>(dialog, "inputLimit")->text(), "12,5");
    const QPointer<DiskArrayWindow> guard(dialog);
    p.window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull() || !guard->isVisible());
}

} // namespace
} // namespace velmora::testing

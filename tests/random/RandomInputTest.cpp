// SPDX-License-Identifier: GPL-3.0-or-later
// Random real input on the real windows: clicks, double clicks, wheel turns
// and keys at random points of every open window, the clipboard switched
// among awkward contents, questions answered at random, windows closed and
// opened again. After every event the program must be alive, every widget
// of the main window must show what the form holds, no result may read NaN
// or infinity, and the form's invariants must hold.
//
// VELMORA_RANDOM_EVENTS sets the events per seed (default 2500),
// VELMORA_RANDOM_SEEDS the number of seeds (default 8), VELMORA_RANDOM_FIRST_SEED
// the first seed, and VELMORA_RANDOM_MINUTES keeps drawing new seeds for that
// long (scripts/random-input.sh runs this on a real X server).

#include "../widgets/ClipboardContents.h"
#include "MainWindow.h"
#include "Program.h"
#include "QtPlatform.h"

#include "../../fuzz/FormChecks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <random>
#include <string>

namespace velmora::testing {
namespace {

int envInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Where a crash leaves its last words: the seed and the event under way.
char gLastEvent[512] = "no event yet";

extern "C" void sayLastEventAndDie(int sig)
{
    const char head[] = "\nrandom input: the program died during ";
    (void)!write(2, head, sizeof head - 1);
    (void)!write(2, gLastEvent, std::strlen(gLastEvent));
    (void)!write(2, "\n", 1);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// The real system but for what must stay inside the test: the screen height
// and separator are the seed's, the shell never opens anything, the printer
// is a PDF file or none, and every file the program asks for lies in a
// temporary folder. Questions are real message boxes.
class RandomPlatform : public QtPlatform {
public:
    RandomPlatform(int height, QString decimal, QString folder)
        : height_(height), decimal_(std::move(decimal)), folder_(std::move(folder))
    {
    }
    bool printerPresent = false;
    std::mt19937* random = nullptr;

    int screenHeight() override { return height_; }
    QString decimalSeparator() override { return decimal_; }
    void openUrl(const QUrl&) override {}
    std::unique_ptr<QPagedPaintDevice> defaultPrinter(const QString&) override
    {
        if (!printerPresent) return nullptr;
        return std::make_unique<QPdfWriter>(folder_ + "/printer.pdf");
    }
    QString askPdfPath(QWidget*) override { return pick(QStringLiteral("page.pdf")); }
    QString askSavePath(QWidget*, const QString&, const QString& suggested, const QString&) override
    {
        return pick(QFileInfo(suggested).fileName());
    }

private:
    QString pick(const QString& name)
    {
        if (random && (*random)() % 2) return {};
        return folder_ + "/" + (name.isEmpty() ? QStringLiteral("file") : name);
    }

    int height_;
    QString decimal_;
    QString folder_;
};

// Qt keys a user presses, with the modifiers that go with them.
struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

const KeyPress kKeys[] = {
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Return, Qt::NoModifier, "Enter"},
    {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
    {Qt::Key_Escape, Qt::NoModifier, "Escape"},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_Down, Qt::AltModifier, "Alt+Down"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    {Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
    {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Menu, Qt::NoModifier, "Menu"},
    {Qt::Key_F4, Qt::AltModifier, "Alt+F4"},
};

// Characters typed as text.
const char kTyped[] = "0123456789.,-+eE&Hx nфЫ";

class RandomRun {
public:
    RandomRun(unsigned seed, int events)
        : seed_(seed), events_(events), random_(seed), answers_(seed ^ 0x5bd1e995u)
    {
        platform_ = std::make_unique<RandomPlatform>(
            seed % 2 ? 768 : 1080, seed % 4 >= 2 ? QStringLiteral(",") : QStringLiteral("."), folder_.path());
        platform_->random = &answers_;
        qputenv("HOME", folder_.path().toUtf8());
    }

    ~RandomRun()
    {
        watcher_.stop();
        // Deleting one window may take others with it (a list's popup).
        QList<QPointer<QWidget>> open;
        for (QWidget* w : QApplication::topLevelWidgets()) open.append(w);
        for (const QPointer<QWidget>& w : open) delete w.data();
        QApplication::processEvents();
    }

    // Runs every event; the first broken rule, with the seed and the events
    // that led there, or empty.
    std::string run()
    {
        main_ = startProgram(*platform_);
        watcher_.setInterval(0);
        QObject::connect(&watcher_, &QTimer::timeout, [this] { watch(); });
        watcher_.start();
        settle();
        for (int n = 0; n < events_; ++n) {
            const std::string what = nextEvent();
            if (std::string broken = check(); !broken.empty()) return failure(n + 1, broken);
            (void)what;
        }
        return {};
    }

    // How many events of each kind ran, for the log.
    std::string tally() const
    {
        std::string out;
        for (const auto& [kind, n] : kinds_) out += kind + " " + std::to_string(n) + ", ";
        return out;
    }

private:
    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    void note(const std::string& what)
    {
        ++kinds_[what.substr(0, what.find(' '))];
        log_.push_back(what);
        if (log_.size() > 40) log_.pop_front();
        ++done_;
        std::snprintf(gLastEvent, sizeof gLastEvent, "seed %u, event %d: %s", seed_, done_, what.c_str());
    }

    void settle()
    {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }

    std::vector<QWidget*> windows() const
    {
        std::vector<QWidget*> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !(w->windowType() == Qt::Popup) && !w->isModal()) open.push_back(w);
        return open;
    }

    static std::string nameOf(const QWidget* w)
    {
        if (!w) return "-";
        QString name = w->objectName();
        if (name.isEmpty()) name = QString::fromLatin1(w->metaObject()->className());
        return name.toStdString();
    }

    // Puts the mouse where a user would click: on the deepest widget under the point.
    std::pair<QWidget*, QPoint> under(QWidget* window, QPoint at) const
    {
        QWidget* target = window->childAt(at);
        if (!target) target = window;
        return {target, target->mapFrom(window, at)};
    }

    std::string nextEvent()
    {
        const std::vector<QWidget*> open = windows();
        if (open.empty()) {
            note("start the program again");
            main_ = startProgram(*platform_);
            settle();
            return "start";
        }
        QWidget* window = open[static_cast<std::size_t>(below(static_cast<int>(open.size())))];
        const int kind = below(100);
        std::string what;
        if (kind < 28) {
            const QPoint at(below(window->width()), below(window->height()));
            auto [target, local] = under(window, at);
            const bool twice = kind < 5;
            const Qt::MouseButton button = kind % 7 == 0 ? Qt::RightButton : Qt::LeftButton;
            what = std::string(twice ? "double click " : "click ") +
                   (button == Qt::RightButton ? "right " : "") + nameOf(window) + " at " +
                   std::to_string(at.x()) + "," + std::to_string(at.y()) + " on " + nameOf(target);
            note(what);
            QApplication::setActiveWindow(window);
            QPointer<QWidget> guard(target);
            if (twice)
                QTest::mouseDClick(target, button, {}, local);
            else
                QTest::mouseClick(target, button, {}, local);
            if (button == Qt::RightButton && guard) {
                QContextMenuEvent menu(QContextMenuEvent::Mouse, local, guard->mapToGlobal(local));
                QApplication::sendEvent(guard, &menu);
            }
        } else if (kind < 36) {
            const QPoint at(below(window->width()), below(window->height()));
            auto [target, local] = under(window, at);
            const int delta = below(2) ? 120 : -120;
            what = "wheel " + std::to_string(delta) + " " + nameOf(window) + " at " + std::to_string(at.x()) +
                   "," + std::to_string(at.y()) + " on " + nameOf(target);
            note(what);
            QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        } else if (kind < 52) {
            const KeyPress& k = kKeys[below(std::size(kKeys))];
            QWidget* target = window->focusWidget() ? window->focusWidget() : window;
            what = std::string("key ") + k.name + " to " + nameOf(target) + " in " + nameOf(window);
            note(what);
            QApplication::setActiveWindow(window);
            QTest::keyClick(target, k.key, k.modifiers);
        } else if (kind < 84) {
            QPointer<QWidget> target = window->focusWidget() ? window->focusWidget() : window;
            const QString typed = QString::fromUtf8(kTyped);
            const QChar c = typed[below(static_cast<int>(typed.size()))];
            what = "type '" + QString(c).toStdString() + "' into " + nameOf(target) + " in " + nameOf(window);
            note(what);
            QApplication::setActiveWindow(window);
            // As a keyboard sends it: a key with its text (QTest's own typing knows ASCII only).
            const int key = c.unicode() < 128 ? int(QChar(c).toUpper().unicode()) : int(Qt::Key_unknown);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            if (target) {
                QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
                QApplication::sendEvent(target, &release);
            }
        } else if (kind < 90) {
            const auto& content =
                clipboardContents()[static_cast<std::size_t>(below(clipboardContents().size()))];
            what = std::string("clipboard: ") + content.name;
            note(what);
            setClipboard(content);
        } else if (kind < 93) {
            platform_->printerPresent = !platform_->printerPresent;
            what = platform_->printerPresent ? "printer plugged in" : "printer gone";
            note(what);
        } else if (kind < 97) {
            // Never the program's last window, nor the compact one, which ends the program.
            const bool last = open.size() == 1;
            const bool ends = window == main_ && main_->windowLayout() == Layout::Compact;
            what = "close " + nameOf(window) + (last || ends ? " (kept)" : "");
            note(what);
            if (!last && !ends) window->close();
        } else if (main_) {
            const Ctl opener = below(2) ? Ctl::Command5 : Ctl::Image2;
            what = std::string("open again through ") + std::string(controlName(opener));
            note(what);
            if (QWidget* w = main_->widget(opener)) {
                QApplication::setActiveWindow(main_);
                QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
            }
        } else {
            what = "start the program again";
            note(what);
            main_ = startProgram(*platform_);
        }
        settle();
        return what;
    }

    // Answers whatever waits for the user: a popup, a message box, a file
    // dialog, any other modal window. The answer runs from a timer of its own,
    // so that an answer which itself opens a modal window is answered in turn.
    void watch()
    {
        if (answering_) return;
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* modal = QApplication::activeModalWidget();
        if (!popup && !modal) return;
        answering_ = true;
        QTimer::singleShot(0, [this, popup = QPointer<QWidget>(popup), modal = QPointer<QWidget>(modal)] {
            answering_ = false;
            answer(popup, modal);
        });
    }

    void answer(QWidget* popup, QWidget* modal)
    {
        const int pick = static_cast<int>(answers_() % 100);
        if (popup) {
            if (pick < 50) {
                const QPoint at(static_cast<int>(answers_() % std::max(1, popup->width())),
                                static_cast<int>(answers_() % std::max(1, popup->height())));
                auto [target, local] = under(popup, at);
                note("click into popup " + nameOf(popup) + " on " + nameOf(target));
                QTest::mouseClick(target, Qt::LeftButton, {}, local);
            } else {
                note("Escape to popup " + nameOf(popup));
                QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Escape);
                if (QApplication::activePopupWidget() == popup) popup->close();
            }
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            QAbstractButton* no = box->button(QMessageBox::No);
            if (pick < 40 && yes) {
                note("answer Yes");
                yes->click();
            } else if (pick < 80 && no) {
                note("answer No");
                no->click();
            } else {
                note("answer Escape");
                QTest::keyClick(box, Qt::Key_Escape);
            }
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            // A file dialog is never accepted: nothing is written outside the test's folder.
            note("reject " + nameOf(dialog));
            dialog->reject();
            return;
        }
        if (modal) {
            note("close modal " + nameOf(modal));
            modal->close();
        }
    }

    std::string check() const
    {
        if (!main_) return {};
        const MainForm& form = main_->form();
        for (int i = 0; i < kControlCount; ++i) {
            const Ctl id = static_cast<Ctl>(i);
            QWidget* w = main_->widget(id);
            if (!w) continue;
            const Control& c = form.control(id);
            const std::string name(controlName(id));
            const QString text = QString::fromStdString(c.text);
            if (w->isHidden() == c.visible) return name + " visible " + std::to_string(!w->isHidden());
            if (w->isEnabled() != c.enabled) return name + " enabled " + std::to_string(w->isEnabled());
            if (auto* list = qobject_cast<QComboBox*>(w)) {
                if (list->count() != static_cast<int>(c.entries.size()))
                    return name + " has " + std::to_string(list->count()) + " entries";
                if (list->currentIndex() != c.index)
                    return name + " shows position " + std::to_string(list->currentIndex()) + ", the form " +
                           std::to_string(c.index);
            } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
                if (box->isChecked() != (c.value != 0))
                    return name + " checked " + std::to_string(box->isChecked());
            } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                if (edit->text() != text)
                    return name + " shows \"" + edit->text().left(60).toStdString() + "\", the form \"" +
                           text.left(60).toStdString() + "\"";
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                if (button->text() != text) return name + " reads " + button->text().toStdString();
            } else if (auto* label = qobject_cast<QLabel*>(w); label && id != Ctl::Image2) {
                if (label->text() != text)
                    return name + " shows \"" + label->text().toStdString() + "\", the form \"" + c.text +
                           "\"";
            }
        }
        for (QWidget* window :
             {static_cast<QWidget*>(main_.data()), static_cast<QWidget*>(main_->reportWindow())}) {
            if (!window) continue;
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                const QString t = label->text();
                if (t.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
                    t.contains(QLatin1String("inf"), Qt::CaseInsensitive))
                    return nameOf(window) + "." + nameOf(label) + " shows " + t.toStdString();
            }
        }
        return checks::violation(form);
    }

    std::string failure(int events, const std::string& broken) const
    {
        std::string out =
            "seed " + std::to_string(seed_) + ": after " + std::to_string(events) +
            " events (the shortest failing prefix: every earlier event passed the checks): " + broken +
            "\nthe last events:\n";
        for (const std::string& e : log_) out += "  " + e + "\n";
        out += "again: VELMORA_RANDOM_FIRST_SEED=" + std::to_string(seed_) +
               " VELMORA_RANDOM_SEEDS=1 VELMORA_RANDOM_EVENTS=" + std::to_string(events);
        return out;
    }

    unsigned seed_;
    int events_;
    std::mt19937 random_;
    std::mt19937 answers_;
    QTemporaryDir folder_;
    std::unique_ptr<RandomPlatform> platform_;
    QPointer<MainWindow> main_;
    QTimer watcher_;
    bool answering_ = false;
    std::deque<std::string> log_;
    std::map<std::string, int> kinds_;
    int done_ = 0;
};

class RandomInputTest : public ::testing::TestWithParam<int> {};

TEST_P(RandomInputTest, WindowsStaySoundUnderRandomInput)
{
    std::signal(SIGSEGV, sayLastEventAndDie);
    std::signal(SIGABRT, sayLastEventAndDie);
    const int events = envInt("VELMORA_RANDOM_EVENTS", 2500);
    const int minutes = envInt("VELMORA_RANDOM_MINUTES", 0);
    auto seed = static_cast<unsigned>(envInt("VELMORA_RANDOM_FIRST_SEED", 1) + GetParam());
    QElapsedTimer clock;
    clock.start();
    long total = 0;
    do {
        RandomRun run(seed, events);
        const std::string broken = run.run();
        ASSERT_EQ(broken, "");
        if (qEnvironmentVariableIsSet("VELMORA_RANDOM_TALLY"))
            std::printf("seed %u: %s\n", seed, run.tally().c_str());
        total += events;
        seed += 1000;
    } while (minutes > 0 && clock.elapsed() < minutes * 60000LL);
    std::printf("random input: %ld events clean in %.1f s\n", total, clock.elapsed() / 1000.0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomInputTest, ::testing::Range(0, envInt("VELMORA_RANDOM_SEEDS", 8)));

} // namespace
} // namespace velmora::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-drive: builds the real windows on the offscreen platform through the
// program's own start-up, performs a script of user actions on the real
// widgets (read from standard input) and prints what the widgets show.

#include "MainWindow.h"
#include "Platform.h"
#include "Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

using namespace velmora;

namespace {

// The screen a script sees unless it says otherwise: the tall layout.
constexpr int kFullHdHeight = 1080;
// A screen height beyond any real screen is refused.
constexpr int kTallestScreen = 1000000;

std::string escaped(const QString& text)
{
    std::string out;
    for (char c : text.toStdString()) {
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

void emitLine(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The platform as a script sees it: message boxes answered as told and
// reported, the shell's "open" reported, printing into a PDF file or no printer.
class DrivePlatform : public Platform {
public:
    int height = kFullHdHeight;
    QString decimal = ".";
    QString printTo;
    // The answer every message box gets; a box without Cancel gets "no" for it.
    enum class Told { Yes, No, Cancel } answer = Told::Yes;
    bool yes() const { return answer == Told::Yes; }

    int screenHeight() override { return height; }
    QString decimalSeparator() override { return decimal; }
    bool askYesNo(QWidget*, const QString& title, const QString& text) override
    {
        emitLine("box\t" + escaped(title) + "\t" + escaped(text) + "\t" + (yes() ? "yes" : "no"));
        return yes();
    }
    void tell(QWidget*, const QString& title, const QString& text) override
    {
        emitLine("box\t" + escaped(title) + "\t" + escaped(text) + "\t" + (yes() ? "yes" : "no"));
    }
    Answer askYesNoCancel(QWidget*, const QString& title, const QString& text) override
    {
        static constexpr const char* kWords[] = {"yes", "no", "cancel"};
        emitLine("box\t" + escaped(title) + "\t" + escaped(text) + "\t" + kWords[static_cast<int>(answer)]);
        return answer == Told::Yes ? Answer::Yes : answer == Told::No ? Answer::No : Answer::Cancel;
    }
    // The text every later question for a line of text gets (`answer text`);
    // none: the question is cancelled.
    std::optional<QString> typed;
    std::optional<QString> askText(QWidget*, const QString& title, const QString&,
                                   const QString& offered) override
    {
        const bool cancels = !typed || answer == Told::Cancel;
        emitLine("ask\t" + escaped(title) + "\t" + escaped(offered) + "\t" +
                 (cancels ? std::string("cancel") : escaped(*typed)));
        return cancels ? std::nullopt : typed;
    }
    void openUrl(const QUrl& url) override { emitLine("open\t" + url.toString().toStdString()); }
    std::unique_ptr<QPagedPaintDevice> defaultPrinter(const QString&) override
    {
        if (printTo.isEmpty()) return nullptr;
        return std::make_unique<QPdfWriter>(printTo);
    }
    void pagePrinted() override { emitLine("printed\t" + printTo.toStdString()); }
    QString askPdfPath(QWidget*) override { return {}; } // a script has no file dialog
    // The measuring program built beside the driver: a script measures a clip as the window does.
    QString measureProgram() override
    {
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/velmora-measure");
        return QFileInfo(program).isExecutable() ? program : QString();
    }
    // The file a script command picked, handed to the next file dialog instead of showing one.
    QString pickedPath;
    QString askSavePath(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::exchange(pickedPath, QString());
    }
    QString askOpenPath(QWidget*, const QString&, const QString&) override
    {
        return std::exchange(pickedPath, QString());
    }
    // A dropped file travels as an absolute address; the script reads the name it gave.
    QString droppedAbsolute, droppedAsGiven;
    std::string scriptName(const QString& path) const
    {
        return (!droppedAbsolute.isEmpty() && path == droppedAbsolute ? droppedAsGiven : path).toStdString();
    }
    void planSaved(const QString& path) override { emitLine("saved\t" + scriptName(path)); }
    void planOpened(const QString& path) override { emitLine("opened\t" + scriptName(path)); }
};

class Driver {
public:
    explicit Driver(DrivePlatform& platform) : platform_(platform) {}

    void start()
    {
        main_ = startProgram(platform_);
        main_->activateWindow(); // the desktop gives a new window the focus
        settle();
    }

    void run(const std::string& line);

private:
    struct Target {
        QWidget* widget = nullptr;
        QWidget* window = nullptr;
        bool isWindow = false;
        std::optional<QPoint> line; // a drawn line of the main window: its middle
    };

    // What a command acts on: nothing (its words are the argument), any
    // name, a window, or a control of a window.
    enum class Scope { Nothing, AnyName, Window, Control };
    struct Command {
        std::string_view name;
        Scope scope;
        // name, argument and target; for Scope::Nothing the argument is the rest of the line.
        void (Driver::*act)(const std::string& name, const std::string& argument, const Target& target);
    };
    static const Command kCommands[];

    void answerCommand(const std::string&, const std::string& argument, const Target&);
    void saveCommand(const std::string&, const std::string& argument, const Target&);
    void openCommand(const std::string&, const std::string& argument, const Target&);
    void dropCommand(const std::string&, const std::string& argument, const Target&);
    void dumpCommand(const std::string&, const std::string&, const Target&);
    void getCommand(const std::string& name, const std::string&, const Target& target);
    void closeCommand(const std::string&, const std::string&, const Target& target);
    void selectCommand(const std::string& name, const std::string& argument, const Target& target);
    void checkCommand(const std::string& name, const std::string& argument, const Target& target);
    void setCommand(const std::string& name, const std::string& argument, const Target& target);
    void clickCommand(const std::string&, const std::string&, const Target& target);
    void leaveCommand(const std::string& name, const std::string&, const Target& target);
    void hoverCommand(const std::string&, const std::string&, const Target& target);
    void menuCommand(const std::string&, const std::string& argument, const Target&);
    void placeCommand(const std::string&, const std::string&, const Target& target);
    void place(const QString& name, QWidget* w);

    void error(const std::string& message) { emitLine("error\t" + message); }
    void settle();
    bool ended() const { return ended_; }
    QWidget* windowNamed(const std::string& name) const;
    std::optional<Target> resolve(const std::string& name);
    void get(const std::string& name, const Target& target);
    void clickOn(QWidget* w);
    bool takeFocus(QWidget* w, Qt::FocusReason reason);
    void hover(QWidget* window, QWidget* w, std::optional<QPoint> point = std::nullopt);

    DrivePlatform& platform_;
    QPointer<MainWindow> main_;
    bool ended_ = false;
};

namespace {

// A table's rows, one a line, its shown cells between " | ".
QString tableText(const QTableWidget& table)
{
    QStringList rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table.columnCount(); ++c)
            if (!table.isColumnHidden(c)) cells << (table.item(r, c) ? table.item(r, c)->text() : QString());
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows.join(QLatin1Char('\n'));
}

} // namespace

void Driver::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // A measurement started by the script runs to its end before the next
    // command (the dialog's own watchdog bounds the wait).
    while (main_ && ((main_->measureDialog() && main_->measureDialog()->running()) ||
                     (main_->siteAuditDialog() && main_->siteAuditDialog()->running())))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (ended_) return;
    bool anyOpen = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) anyOpen = true;
    if (!anyOpen) {
        ended_ = true;
        emitLine("ended");
    }
}

QWidget* Driver::windowNamed(const std::string& name) const
{
    if (name == "Main") return main_;
    if (!main_) {
        // The tall window is gone; its report and About windows may still be open.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName().toStdString() == name) return w;
        return nullptr;
    }
    if (name == "Form2") return main_->aboutWindow();
    if (name == "Form3") return main_->reportWindow();
    if (name == "Form4") return main_->diskArrayWindow();
    if (name == "Form5") return main_->measureDialog();
    if (name == "Form6") return main_->siteAuditDialog();
    if (name == "Form7") return main_->siteSummaryDialog();
    return nullptr;
}

std::optional<Driver::Target> Driver::resolve(const std::string& name)
{
    if (name == "Main" || name == "Form2" || name == "Form3" || name == "Form4" || name == "Form5" ||
        name == "Form6" || name == "Form7") {
        QWidget* window = windowNamed(name);
        return Target{window, window, true, std::nullopt};
    }
    const auto dot = name.find('.');
    if (dot != std::string::npos) {
        const std::string windowName = name.substr(0, dot);
        const std::string control = name.substr(dot + 1);
        if (windowName != "Form2" && windowName != "Form3" && windowName != "Form4" &&
            windowName != "Form5" && windowName != "Form6" && windowName != "Form7") {
            error("unknown name: " + name);
            return std::nullopt;
        }
        QWidget* window = windowNamed(windowName);
        if (!window) {
            error(windowName + " is not open: " + name);
            return std::nullopt;
        }
        auto* w = window->findChild<QWidget*>(QString::fromStdString(control));
        if (!w) {
            error("unknown name: " + name);
            return std::nullopt;
        }
        return Target{w, window, false, std::nullopt};
    }
    const std::optional<Ctl> id = controlByName(name);
    if (!id && name.starts_with("Line") && main_) {
        for (const LineDef& line : layoutTable(main_->windowLayout()).lines)
            if (line.name == name) {
                const QPoint middle(twipsToPixels((line.x1 + line.x2) / 2),
                                    twipsToPixels((line.y1 + line.y2) / 2));
                return Target{nullptr, main_, false, middle};
            }
        error("the layout in use has no " + name);
        return std::nullopt;
    }
    if (!id) {
        error("unknown name: " + name);
        return std::nullopt;
    }
    if (!main_) {
        error("the main window is closed: " + name);
        return std::nullopt;
    }
    QWidget* w = main_->widget(*id);
    if (!w) {
        error("the layout in use has no " + name);
        return std::nullopt;
    }
    return Target{w, main_, false, std::nullopt};
}

void Driver::get(const std::string& name, const Target& t)
{
    std::string text;
    bool visible = false;
    bool enabled = true;
    if (t.isWindow) {
        visible = t.widget && t.widget->isVisible();
    } else if (t.line) {
        visible = true; // a drawn line is always there
    } else {
        QWidget* w = t.widget;
        if (auto* list = qobject_cast<QComboBox*>(w))
            text = std::to_string(list->currentIndex());
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            text = box->isChecked() ? "1" : "0";
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            text = escaped(edit->echoMode() == QLineEdit::Normal ? edit->text() : edit->displayText());
        else if (auto* notes = qobject_cast<QPlainTextEdit*>(w))
            text = escaped(notes->toPlainText());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = escaped(button->text());
        else if (auto* label = qobject_cast<QLabel*>(w))
            text = escaped(label->text());
        else if (auto* table = qobject_cast<QTableWidget*>(w))
            text = escaped(tableText(*table));
        visible = w->isVisibleTo(t.window);
        enabled = w->isEnabled();
    }
    emitLine(name + "\t" + text + "\t" + (visible ? "1" : "0") + "\t" + (enabled ? "1" : "0"));
}

// A click as the pointer gives it: press and release in the middle of the
// widget, delivered like real input (focus moves, disabled widgets ignore it).
void Driver::clickOn(QWidget* w)
{
    QPointer<QWidget> guard(w);
    if (!takeFocus(w, Qt::MouseFocusReason) || !guard) return;
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    if (!guard) return;
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// Before the user works a control its window becomes the active one (a click
// on an inactive window activates it, as on a desktop), and a control that
// takes the focus gets it, as real input gives it before the control sees
// the action. False when the control went away meanwhile.
bool Driver::takeFocus(QWidget* w, Qt::FocusReason reason)
{
    QPointer<QWidget> guard(w);
    if (QApplication::activeWindow() != w->window()) {
        w->window()->activateWindow();
        QApplication::processEvents();
        if (!guard) return false;
    }
    const Qt::FocusPolicy wanted = reason == Qt::MouseFocusReason ? Qt::ClickFocus : Qt::TabFocus;
    if (w->isEnabled() && (w->focusPolicy() & wanted) == wanted) w->setFocus(reason);
    return !guard.isNull();
}

// The pointer moves to the middle of the control; whatever lies there gets the
// move. `w` null: the bare surface of the window.
void Driver::hover(QWidget* window, QWidget* w, std::optional<QPoint> point)
{
    QPoint at(2, 2); // the top-left corner of a window is bare surface
    if (point)
        at = *point;
    else if (w)
        at = w->mapTo(window, QPoint(w->width() / 2, w->height() / 2));
    QWidget* under = window->childAt(at);
    QWidget* receiver = under ? under : window;
    const QPointF local = receiver->mapFrom(window, at);
    QMouseEvent move(QEvent::MouseMove, local, receiver->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(receiver, &move);
}

// Every command the driver knows, with what it acts on.
const Driver::Command Driver::kCommands[] = {
    {"answer", Scope::Nothing, &Driver::answerCommand}, {"dump", Scope::Nothing, &Driver::dumpCommand},
    {"save", Scope::Nothing, &Driver::saveCommand},     {"open", Scope::Nothing, &Driver::openCommand},
    {"drop", Scope::Nothing, &Driver::dropCommand},     {"select", Scope::Control, &Driver::selectCommand},
    {"check", Scope::Control, &Driver::checkCommand},   {"set", Scope::Control, &Driver::setCommand},
    {"click", Scope::Control, &Driver::clickCommand},   {"leave", Scope::Control, &Driver::leaveCommand},
    {"hover", Scope::Control, &Driver::hoverCommand},   {"close", Scope::Window, &Driver::closeCommand},
    {"get", Scope::AnyName, &Driver::getCommand},       {"menu", Scope::Nothing, &Driver::menuCommand},
    {"place", Scope::Window, &Driver::placeCommand},
};

void Driver::run(const std::string& rawLine)
{
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') return;

    const auto firstSpace = line.find(' ');
    const std::string word = line.substr(0, firstSpace);
    std::string rest = firstSpace == std::string::npos ? std::string() : line.substr(firstSpace + 1);

    if (ended()) {
        error("the program has ended");
        return;
    }
    const Command* command = nullptr;
    for (const Command& c : kCommands)
        if (c.name == word) command = &c;
    if (!command) {
        error("unknown command: " + word);
        return;
    }
    if (command->scope == Scope::Nothing) {
        (this->*command->act)({}, rest, Target{});
        return;
    }

    std::string name = rest;
    std::string argument;
    if (const auto space = rest.find(' '); space != std::string::npos) {
        name = rest.substr(0, space);
        argument = rest.substr(space + 1);
    }
    if (name == "Form" && command->act == &Driver::hoverCommand) {
        if (main_) hover(main_, nullptr);
        settle();
        return;
    }
    const std::optional<Target> target = resolve(name);
    if (!target) return;

    if (command->scope == Scope::Window && !target->isWindow) {
        error("not a window: " + name);
        return;
    }
    if (command->scope == Scope::Control) {
        if (target->isWindow) {
            error("not a control: " + name);
            return;
        }
        if (target->line) {
            // A drawn line is part of the bare window: the pointer can move over it, nothing more.
            if (command->act == &Driver::hoverCommand)
                hover(target->window, nullptr, target->line);
            else if (command->act != &Driver::clickCommand)
                error("not a control that takes this: " + name);
            settle();
            return;
        }
    }
    (this->*command->act)(name, argument, *target);
}

void Driver::answerCommand(const std::string&, const std::string& argument, const Target&)
{
    constexpr std::string_view kText = "text ";
    if (argument.starts_with(kText))
        platform_.typed = QString::fromStdString(argument.substr(kText.size()));
    else if (argument == "text")
        platform_.typed = QString();
    else if (argument == "yes")
        platform_.answer = DrivePlatform::Told::Yes;
    else if (argument == "no")
        platform_.answer = DrivePlatform::Told::No;
    else if (argument == "cancel")
        platform_.answer = DrivePlatform::Told::Cancel;
    else
        error("answer takes yes, no, cancel or text TEXT: " + argument);
}

// "Сохранить план как…" with FILE picked in the file dialog.
void Driver::saveCommand(const std::string&, const std::string& argument, const Target&)
{
    if (!main_) return error("the main window is closed");
    if (argument.empty()) return error("save takes a file name");
    platform_.pickedPath = QString::fromStdString(argument);
    main_->plans().savePlanAs();
    platform_.pickedPath.clear();
    settle();
}

// "Открыть план…": the question about unsaved changes, then FILE picked in the file dialog.
void Driver::openCommand(const std::string&, const std::string& argument, const Target&)
{
    if (!main_) return error("the main window is closed");
    if (argument.empty()) return error("open takes a file name");
    platform_.pickedPath = QString::fromStdString(argument);
    main_->plans().openPlan();
    platform_.pickedPath.clear();
    settle();
}

// FILE dragged from a file manager and dropped on the bare surface of the main window.
void Driver::dropCommand(const std::string&, const std::string& argument, const Target&)
{
    if (!main_) return error("the main window is closed");
    if (argument.empty()) return error("drop takes a file name");
    const QString given = QString::fromStdString(argument);
    platform_.droppedAsGiven = given;
    platform_.droppedAbsolute = QFileInfo(given).absoluteFilePath();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(platform_.droppedAbsolute)});
    const QPointF at(2, 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_, &enter);
    if (enter.isAccepted()) {
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main_, &drop);
    }
    settle();
}

void Driver::dumpCommand(const std::string&, const std::string&, const Target&)
{
    if (!main_) {
        error("the main window is closed");
        return;
    }
    for (int i = 0; i < kControlCount; ++i) {
        const Ctl id = static_cast<Ctl>(i);
        if (QWidget* w = main_->widget(id))
            get(std::string(controlName(id)), Target{w, main_, false, std::nullopt});
    }
}

void Driver::getCommand(const std::string& name, const std::string&, const Target& target)
{
    get(name, target);
}

void Driver::closeCommand(const std::string&, const std::string&, const Target& target)
{
    if (target.widget) target.widget->close();
    settle();
}

void Driver::selectCommand(const std::string& name, const std::string& argument, const Target& target)
{
    if (auto* table = qobject_cast<QTableWidget*>(target.widget)) {
        char* end = nullptr;
        const long row = std::strtol(argument.c_str(), &end, 10);
        if (argument.empty() || *end != '\0' || row < 0 || row >= table->rowCount())
            return error("position outside the list " + name + ": " + argument);
        if (takeFocus(table, Qt::MouseFocusReason)) table->selectRow(static_cast<int>(row));
        return settle();
    }
    auto* list = qobject_cast<QComboBox*>(target.widget);
    if (!list) return error("not a list: " + name);
    char* end = nullptr;
    const long position = std::strtol(argument.c_str(), &end, 10);
    if (argument.empty() || *end != '\0' || position < 0 || position >= list->count())
        return error("position outside the list " + name + ": " + argument);
    if (list->isEnabled() && takeFocus(list, Qt::MouseFocusReason))
        list->setCurrentIndex(static_cast<int>(position));
    settle();
}

void Driver::checkCommand(const std::string& name, const std::string& argument, const Target& target)
{
    auto* box = qobject_cast<QCheckBox*>(target.widget);
    if (!box) return error("not a check box: " + name);
    if (argument != "0" && argument != "1") return error("check takes 0 or 1: " + argument);
    if (box->isChecked() != (argument == "1")) clickOn(box);
    settle();
}

void Driver::setCommand(const std::string& name, const std::string& argument, const Target& target)
{
    if (auto* edit = qobject_cast<QLineEdit*>(target.widget)) {
        if (!edit->isEnabled() || edit->isReadOnly() || !takeFocus(edit, Qt::TabFocusReason)) return settle();
        const QString text = QString::fromStdString(argument);
        edit->selectAll();
        const bool changes = !(edit->text().isEmpty() && text.isEmpty());
        if (changes)
            edit->insert(text); // one edit, one change notification
        else
            emit edit->textEdited(text); // pasting nothing over nothing is still one edit
    } else if (auto* notes = qobject_cast<QPlainTextEdit*>(target.widget)) {
        QString text = QString::fromStdString(argument);
        // The site list takes its lines and TABs written as \n and \t.
        if (name == "Form6.list")
            text.replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                .replace(QStringLiteral("\\t"), QStringLiteral("\t"));
        notes->setPlainText(text);
    } else {
        return error("not a text box: " + name);
    }
    settle();
}

void Driver::clickCommand(const std::string&, const std::string&, const Target& target)
{
    clickOn(target.widget);
    settle();
}

void Driver::leaveCommand(const std::string& name, const std::string&, const Target& target)
{
    QWidget* w = target.widget;
    if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w))
        return error("not a text box: " + name);
    if (w->hasFocus()) w->clearFocus();
    settle();
}

// The user right-clicks the bare surface of the main window and picks the
// entry with these words from its context menu.
void Driver::menuCommand(const std::string&, const std::string& argument, const Target&)
{
    if (!main_) return error("the main window is closed");
    if (QApplication::activeWindow() != main_) {
        main_->activateWindow();
        QApplication::processEvents();
        if (!main_) return settle();
    }
    const QPoint at(2, 2); // bare surface in both layouts
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, main_->mapToGlobal(at));
    QApplication::sendEvent(main_, &rightClick);
    QApplication::processEvents();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        error("no context menu");
        return settle();
    }
    // "Регистраторы > Склад": an entry of a submenu, opened as the keyboard opens it.
    constexpr std::string_view kInto = " > ";
    const auto into = argument.find(kInto);
    const std::string words = argument.substr(0, into);
    const auto entry = [](QMenu* in, const std::string& wanted) -> QAction* {
        QAction* found = nullptr;
        for (QAction* action : in->actions())
            if (!action->isSeparator() && action->text().remove('&').toStdString() == wanted) found = action;
        return found && found->isEnabled() && found->isVisible() ? found : nullptr;
    };
    QAction* chosen = entry(menu, words);
    if (chosen && into != std::string::npos) {
        QMenu* sub = chosen->menu();
        if (sub) {
            menu->setActiveAction(chosen);
            QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
            QApplication::sendEvent(menu, &right);
            QApplication::processEvents();
        }
        chosen = sub && sub->isVisible() ? entry(sub, argument.substr(into + kInto.size())) : nullptr;
        if (chosen) menu = sub;
    }
    if (!chosen) {
        for (auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget()); open;
             open = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            open->close();
        error("no menu entry: " + argument);
        return settle();
    }
    // Picked as the keyboard picks it: the entry highlighted, then Return.
    menu->setActiveAction(chosen);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(menu, &enter);
    settle();
}

void Driver::hoverCommand(const std::string&, const std::string&, const Target& target)
{
    hover(target.window, target.widget);
    settle();
}

// Where a window's controls stand and how they look: every control in the
// window's order, then the main window's drawn lines, all in pixels.
void Driver::placeCommand(const std::string&, const std::string&, const Target& target)
{
    QWidget* window = target.widget;
    if (!window) return error("the window is not open");
    if (window == main_) {
        for (int i = 0; i < kControlCount; ++i)
            if (QWidget* w = main_->widget(static_cast<Ctl>(i))) place(w->objectName(), w);
        for (const LineDef& line : layoutTable(main_->windowLayout()).lines)
            emitLine("line\t" + std::string(line.name) + "\t" + std::to_string(twipsToPixels(line.x1)) + " " +
                     std::to_string(twipsToPixels(line.y1)) + " " + std::to_string(twipsToPixels(line.x2)) +
                     " " + std::to_string(twipsToPixels(line.y2)) + "\t" + std::to_string(line.pixels));
        return;
    }
    for (QWidget* w : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->objectName().isEmpty()) place(w->objectName(), w);
}

// place NAME LEFT TOP WIDTH HEIGHT FONT COLOUR: the font as family, points and
// weight, the colour of the control's text.
void Driver::place(const QString& name, QWidget* w)
{
    const QRect r = w->geometry();
    const QFont& f = w->font();
    std::string font = f.family().toStdString() + " " + QString::number(f.pointSizeF()).toStdString();
    if (f.bold()) font += " bold";
    if (f.underline()) font += " underline";
    const QColor colour = w->palette().color(QPalette::Active, w->foregroundRole());
    emitLine("place\t" + name.toStdString() + "\t" + std::to_string(r.x()) + " " + std::to_string(r.y()) +
             " " + std::to_string(r.width()) + " " + std::to_string(r.height()) + "\t" + font + "\t" +
             colour.name().toStdString());
}

[[noreturn]] void usage(const char* why)
{
    std::fprintf(
        stderr,
        "velmora-drive: %s\nusage: velmora-drive [--screen-height N] [--decimal .|,] [--print-to FILE]\n",
        why);
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[])
{
    DrivePlatform platform;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) usage(("missing value for " + flag).c_str());
        const std::string value = argv[++i];
        if (flag == "--screen-height") {
            char* end = nullptr;
            const long h = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || h < 0 || h > kTallestScreen) usage("bad screen height");
            platform.height = static_cast<int>(h);
        } else if (flag == "--decimal") {
            if (value != "." && value != ",") usage("the decimal separator is . or ,");
            platform.decimal = QString::fromStdString(value);
        } else if (flag == "--print-to") {
            platform.printTo = QString::fromStdString(value);
        } else {
            usage(("unknown flag " + flag).c_str());
        }
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        QFile::setPermissions(runtime.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    // Qt's own notices (the offscreen platform cannot raise windows) are not
    // part of what a script reads.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "velmora-drive: %s\n", message.toLocal8Bit().constData());
    });
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    Driver driver(platform);
    driver.start();
    std::string line;
    while (std::getline(std::cin, line)) driver.run(line);
    return 0;
}

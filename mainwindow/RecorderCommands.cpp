// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecorderCommands.h"

#include "MenuTexts.h"
#include "PlanSession.h"
#include "Platform.h"
#include "TextDoor.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace velmora {

RecorderCommands::RecorderCommands(QWidget& window, Platform& platform, PlanSession& session,
                                   std::function<void()> shown, std::function<void()> summary)
    : QObject(&window), window_(window), platform_(platform), session_(session), shown_(std::move(shown)),
      summary_(std::move(summary))
{
    // The keys step through the recorders with the menu closed, from any control.
    const auto key = [this](const QKeySequence& keys, int by) {
        auto* action = new QAction(&window_);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, by] { step(by); });
        window_.addAction(action);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

void RecorderCommands::fillMenu(QMenu* menu)
{
    using namespace menutexts;
    menu->clear();
    // One of them is shown at a time: the entries are marked as choices are.
    auto* choices = new QActionGroup(menu);
    choices->setExclusive(true);
    for (int i = 0; i < session_.recorderCount(); ++i) {
        // "&1 Склад": the number is the entry's key; an "&" of the name stays a character.
        QString name = QString::fromStdString(session_.recorderName(i));
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
        QAction* entry = menu->addAction(number + QLatin1Char(' ') + name);
        entry->setCheckable(true);
        entry->setActionGroup(choices);
        entry->setChecked(i == session_.recorderShown());
        connect(entry, &QAction::triggered, this, [this, i] { show(i); });
    }
    menu->addSeparator();
    menu->addAction(qtText(kAddRecorder), this, [this] { add(); })
        ->setEnabled(session_.recorderCount() < kMaxRecorders);
    menu->addAction(qtText(kRenameRecorder), this, [this] { rename(); });
    menu->addAction(qtText(kRemoveRecorder), this, [this] { remove(); })
        ->setEnabled(session_.recorderCount() > 1);
    menu->addSeparator();
    menu->addAction(qtText(kSiteSummary), this, [this] { summary_(); });
}

void RecorderCommands::show(int index)
{
    if (index == session_.recorderShown() || index < 0 || index >= session_.recorderCount()) return;
    session_.showRecorder(index);
    shown_();
}

void RecorderCommands::step(int by)
{
    const int count = session_.recorderCount();
    if (count < 2) return;
    show((session_.recorderShown() + by + count) % count);
}

void RecorderCommands::add()
{
    if (!session_.addRecorder()) return;
    shown_();
}

void RecorderCommands::rename()
{
    using namespace menutexts;
    const int index = session_.recorderShown();
    const std::optional<QString> given =
        platform_.askText(&window_, qtText(kRenameTitle), qtText(kRenameLabel),
                          QString::fromStdString(session_.recorderName(index)));
    if (!given) return;
    RecorderNameProblem problem = RecorderNameProblem::None;
    if (session_.renameRecorder(index, given->toStdString(), &problem)) {
        shown_();
        return;
    }
    QString why;
    switch (problem) {
    case RecorderNameProblem::None: return;
    case RecorderNameProblem::Empty:
    case RecorderNameProblem::EndBlank: why = qtText(kNameEmpty); break;
    case RecorderNameProblem::TooLong: why = qtText(kNameTooLong).arg(kMaxRecorderNameLength); break;
    case RecorderNameProblem::Control: why = qtText(kNameControl); break;
    case RecorderNameProblem::Taken: why = qtText(kNameTaken).arg(given->trimmed()); break;
    }
    platform_.tell(&window_, qtText(kRenameTitle), why);
}

void RecorderCommands::remove()
{
    using namespace menutexts;
    const int index = session_.recorderShown();
    if (session_.recorderCount() < 2) return;
    if (session_.recorderSetUp(index) &&
        !platform_.askYesNo(
            &window_, qtText(kRemoveTitle),
            qtText(kRemoveQuestion).arg(QString::fromStdString(session_.recorderName(index)))))
        return;
    session_.removeRecorder(index);
    shown_();
}

} // namespace velmora

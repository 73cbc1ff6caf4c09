// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildWindows.h"

#include "AboutWindow.h"
#include "DiskArrayWindow.h"
#include "HelpWindow.h"
#include "MeasureDialog.h"
#include "Pictures.h"
#include "PlanSession.h"
#include "ReportWindow.h"
#include "SiteAuditDialog.h"
#include "WindowKit.h"

#include <QPlainTextEdit>

namespace velmora {

namespace {

template <typename Window>
Window* dressed(Window* window, const char* name, QWidget& over)
{
    if (name) window->setObjectName(QLatin1String(name));
    window->setWindowIcon(domeCameraIcon());
    placeCentred(*window, &over);
    return window;
}

} // namespace

void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

ReportWindow* makeReportWindow(QWidget& over, Platform& platform, PlanSession& session,
                               std::function<void()> notesChanged)
{
    auto* report = dressed(new ReportWindow(platform), "Form3", over);
    report->setNotes(QString::fromStdString(session.notes()));
    // The report may outlive the main window: the notes go to the session while both are there.
    QObject::connect(report->notesBox(), &QPlainTextEdit::textChanged, &over,
                     [report, &session, changed = std::move(notesChanged)] {
                         session.setNotes(report->notes().toStdString());
                         changed();
                     });
    return report;
}

AboutWindow* makeAboutWindow(QWidget& over, Platform& platform)
{
    return dressed(new AboutWindow(platform), "Form2", over);
}

QWidget* makeHelpWindow(QWidget& over)
{
    return dressed(new HelpWindow(&over), nullptr, over);
}

DiskArrayWindow* makeDiskArrayWindow(QWidget& over, PlanSession& session, std::function<void()> applied)
{
    auto* dialog = dressed(new DiskArrayWindow(session.diskArray(), &over), "Form4", over);
    QObject::connect(dialog, &DiskArrayWindow::diskSizeApplied, dialog,
                     [&session, applied = std::move(applied)](const QString& size) {
                         session.applyDiskSize(size.toStdString());
                         applied();
                     });
    return dialog;
}

MeasureDialog* makeMeasureDialog(QWidget& over, Platform& platform, PlanSession& session,
                                 std::function<void()> changed)
{
    auto* dialog = new MeasureDialog(platform, session, &over);
    dialog->setWindowIcon(domeCameraIcon());
    QObject::connect(dialog, &MeasureDialog::rateApplied, &over, std::move(changed));
    return dialog;
}

SiteAuditDialog* makeSiteAuditDialog(QWidget& over, Platform& platform, PlanSession& session,
                                     std::function<void()> changed)
{
    auto* dialog = new SiteAuditDialog(platform, session, &over);
    dialog->setWindowIcon(domeCameraIcon());
    QObject::connect(dialog, &SiteAuditDialog::channelsFilled, &over, std::move(changed));
    return dialog;
}

} // namespace velmora

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// The windows the main window opens, each made when first asked for, with
// the program's name and the drawn camera, centred over the main window
// (later showings keep where the user put it).
namespace velmora {

class AboutWindow;
class DiskArrayWindow;
class MeasureDialog;
class SiteAuditDialog;
class PlanSession;
class Platform;
class ReportWindow;

// Shows `window` and brings it to the front.
void bringToFront(QWidget& window);

// The report ("Form3"). The notes live in the session: the box shows them
// and hands back every change, `notesChanged` running after each.
ReportWindow* makeReportWindow(QWidget& over, Platform& platform, PlanSession& session,
                               std::function<void()> notesChanged);
// The About window ("Form2").
AboutWindow* makeAboutWindow(QWidget& over, Platform& platform);
// The help (F1): a window of the main window's, closed with it.
QWidget* makeHelpWindow(QWidget& over);
// "Дисковый массив…" ("Form4"), a window of the main window's working on the
// session's disk-array fields; its "Применить" goes to the session, `applied`
// running after it.
DiskArrayWindow* makeDiskArrayWindow(QWidget& over, PlanSession& session, std::function<void()> applied);

// "Измерить поток камеры…" and "Измерить камеры объекта…", windows of the
// main window's working on the session, placed where the desktop puts them;
// `changed` runs after a dialog put something into the session's form.
MeasureDialog* makeMeasureDialog(QWidget& over, Platform& platform, PlanSession& session,
                                 std::function<void()> changed);
SiteAuditDialog* makeSiteAuditDialog(QWidget& over, Platform& platform, PlanSession& session,
                                     std::function<void()> changed);

} // namespace velmora

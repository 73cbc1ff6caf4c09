// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPagedPaintDevice;

namespace velmora {

// Qt's printing support lives in a module of its own, velmora-print, loaded
// the first time a page is printed: the window starts without it (some 0.3 MB
// of resident memory and the loader's work at every start).

// The module's one entry: the system's default printer at high resolution,
// its job named `jobName`, or null when there is no default printer. The
// caller owns the device.
using DefaultPrinterEntry = QPagedPaintDevice* (*)(const QString& jobName);
inline constexpr char kDefaultPrinterEntry[] = "velmoraDefaultPrinter";

// The module's file name, and where it is looked for: beside the program (the
// build tree) and in the program's library folder (an installed program).
inline constexpr char kPrintModuleFile[] = "velmora-print.so";
QString printModulePath(const QString& programDir);

// Loads the module at `path` (once per path; it stays loaded) and returns its
// entry, or null with `why` telling what went wrong.
DefaultPrinterEntry loadPrintModule(const QString& path, QString* why);

} // namespace velmora

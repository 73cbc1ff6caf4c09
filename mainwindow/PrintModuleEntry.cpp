// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-print: the printing module, the only part of the program that
// links Qt's printing support. The window loads it on the first print.

#include "PrintModule.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <type_traits>

extern "C" Q_DECL_EXPORT QPagedPaintDevice* velmoraDefaultPrinter(const QString& jobName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    auto* printer = new QPrinter(info, QPrinter::HighResolution);
    printer->setDocName(jobName);
    return printer;
}

// The entry has the type the loader expects.
static_assert(std::is_same_v<decltype(&velmoraDefaultPrinter), velmora::DefaultPrinterEntry>);

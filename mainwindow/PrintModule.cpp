// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintModule.h"

#include <QFileInfo>
#include <QLibrary>

namespace velmora {

QString printModulePath(const QString& programDir)
{
    const QString beside = programDir + QLatin1Char('/') + QLatin1String(kPrintModuleFile);
    if (QFileInfo::exists(beside)) return beside;
    return QFileInfo(programDir + QStringLiteral("/" VELMORA_MODULE_DIR_FROM_PROGRAM "/") +
                     QLatin1String(kPrintModuleFile))
        .absoluteFilePath();
}

DefaultPrinterEntry loadPrintModule(const QString& path, QString* why)
{
    // Never unloaded: the printers it made may outlive any one print.
    QLibrary module(path);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    if (!module.load()) {
        if (why) *why = module.errorString();
        return nullptr;
    }
    auto entry = reinterpret_cast<DefaultPrinterEntry>(module.resolve(kDefaultPrinterEntry));
    if (!entry && why) *why = module.errorString();
    return entry;
}

} // namespace velmora

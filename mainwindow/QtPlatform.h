// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Platform.h"

namespace velmora {

// The real system: the primary screen, the system locale, real message
// boxes, the system's default printer and the desktop's web browser.
class QtPlatform : public Platform {
public:
    int screenHeight() override;
    QString decimalSeparator() override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void tell(QWidget* parent, const QString& title, const QString& text) override;
    void openUrl(const QUrl& url) override;
    std::unique_ptr<QPagedPaintDevice> defaultPrinter(const QString& jobName) override;
    QString askPdfPath(QWidget* parent) override;
    QString askSavePath(QWidget* parent, const QString& title, const QString& suggested,
                        const QString& filter) override;
    QString measureProgram() override;
    QString askVideoPath(QWidget* parent) override;
    QString askOpenPath(QWidget* parent, const QString& title, const QString& filter) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) override;
    // In the user's settings (QSettings: ~/.config/velmora/velmora.conf).
    QVariant setting(QLatin1StringView key) override;
    void keepSetting(QLatin1StringView key, const QVariant& value) override;

    // The printing module defaultPrinter() loads (PrintModule.h).
    virtual QString printModule();
};

} // namespace velmora

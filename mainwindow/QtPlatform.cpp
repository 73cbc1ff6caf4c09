// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPlatform.h"

#include "MenuTexts.h"
#include "PrintModule.h"
#include "WindowKit.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>

#include <cstdio>

namespace velmora {

int QtPlatform::screenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 0;
    // In logical pixels: the height the desktop gives a program it scales, so
    // 1080 device pixels at 150 % count as 720 and get the compact window.
    return screen->geometry().height();
}

QString QtPlatform::decimalSeparator()
{
    return QLocale::system().decimalPoint();
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::tell(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtPlatform::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url); // the result is not examined
}

std::unique_ptr<QPagedPaintDevice> QtPlatform::defaultPrinter(const QString& jobName)
{
    const QString module = printModule();
    QString why;
    const DefaultPrinterEntry entry = loadPrintModule(module, &why);
    if (!entry) {
        // Printing goes as with no printer (the page can still be saved as PDF);
        // the reason is said where a developer looks.
        std::fprintf(stderr, "velmora: the printing module %s could not be loaded: %s\n",
                     qUtf8Printable(module), qUtf8Printable(why));
        return nullptr;
    }
    return std::unique_ptr<QPagedPaintDevice>(entry(jobName));
}

QString QtPlatform::printModule()
{
    return printModulePath(QCoreApplication::applicationDirPath());
}

QString QtPlatform::askPdfPath(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, qtText(menutexts::kSavePageTitle),
                                        QDir::home().filePath(QStringLiteral("velmora.pdf")),
                                        QStringLiteral("PDF (*.pdf)"));
}

QString QtPlatform::askSavePath(QWidget* parent, const QString& title, const QString& suggested,
                                const QString& filter)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    // A name typed without an extension gets the filter's ("*.pdf" gives "pdf").
    static const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)"));
    if (const auto match = extension.match(filter); match.hasMatch())
        dialog.setDefaultSuffix(match.captured(1));
    dialog.selectFile(QFileInfo(suggested).isAbsolute() ? suggested : QDir::home().filePath(suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPlatform::askOpenPath(QWidget* parent, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, QDir::homePath(), filter);
}

std::optional<QString> QtPlatform::askText(QWidget* parent, const QString& title, const QString& label,
                                           const QString& text)
{
    bool ok = false;
    const QString given = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    return ok ? std::optional<QString>(given) : std::nullopt;
}

Platform::Answer QtPlatform::askYesNoCancel(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(qtText(menutexts::kAnswerYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(qtText(menutexts::kAnswerNo), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(qtText(menutexts::kAnswerCancel), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no) return Answer::No;
    return Answer::Cancel;
}

QString QtPlatform::measureProgram()
{
    // Installed and built beside the program.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/velmora-measure");
}

QString QtPlatform::askVideoPath(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, qtText(menutexts::kRecordingTitle), QDir::homePath(),
                                        qtText(menutexts::kRecordingFilter));
}

QVariant QtPlatform::setting(QLatin1StringView key)
{
    // The user's settings file: ~/.config/velmora/velmora.conf.
    return QSettings(QStringLiteral("velmora"), QStringLiteral("velmora")).value(key);
}

void QtPlatform::keepSetting(QLatin1StringView key, const QVariant& value)
{
    QSettings(QStringLiteral("velmora"), QStringLiteral("velmora")).setValue(key, value);
}

} // namespace velmora

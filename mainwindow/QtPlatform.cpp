#include "QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

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

std::unique_ptr<QPagedPaintDevice> QtPlatform::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QString QtPlatform::askPdfPath(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить страницу как PDF"),
                                        QDir::home().filePath(QStringLiteral("velmora.pdf")),
                                        QStringLiteral("PDF (*.pdf)"));
}

QString QtPlatform::askSavePath(QWidget* parent, const QString& title, const QString& suggested,
                                const QString& filter)
{
    const QString start = QFileInfo(suggested).isAbsolute() ? suggested : QDir::home().filePath(suggested);
    return QFileDialog::getSaveFileName(parent, title, start, filter);
}

QString QtPlatform::measureProgram()
{
    // Installed and built beside the program.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/velmora-measure");
}

QString QtPlatform::askVideoPath(QWidget* parent)
{
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Запись камеры"), QDir::homePath(),
        QStringLiteral(
            "Видео (*.mp4 *.mkv *.avi *.mov *.ts *.m2ts *.mts *.h264 *.264 *.h265 *.265 *.hevc *.mjpeg);;"
            "Все файлы (*)"));
}

} // namespace velmora

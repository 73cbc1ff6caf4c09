// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-icons OUTDIR: writes the window icon as files for the installation,
// from the same drawing the program uses: OUTDIR/SIZE.png for each size given
// after OUTDIR, and OUTDIR/scalable.svg.

#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: velmora-icons OUTDIR [SIZE...]\n", stderr);
        return 2;
    }
    const QDir out(arguments.at(1));
    if (!out.mkpath(QStringLiteral("."))) return 1;

    const QIcon icon = velmora::domeCameraIcon();
    for (const QString& size : arguments.mid(2)) {
        const int pixels = size.toInt();
        if (pixels <= 0 || !icon.pixmap(QSize(pixels, pixels), 1.0).save(out.filePath(size + ".png"))) {
            std::fprintf(stderr, "velmora-icons: cannot write the %s pixel icon\n", qPrintable(size));
            return 1;
        }
    }

    // The scalable icon's own drawing size; it scales from there.
    constexpr int svgSide = 48;
    QSvgGenerator svg;
    svg.setFileName(out.filePath(QStringLiteral("scalable.svg")));
    svg.setSize(QSize(svgSide, svgSide));
    svg.setViewBox(QRectF(0, 0, svgSide, svgSide));
    svg.setTitle(QStringLiteral("Velmora"));
    svg.setDescription(QStringLiteral("A ceiling dome camera"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    velmora::paintDomeIcon(painter, svgSide);
    return painter.end() ? 0 : 1;
}

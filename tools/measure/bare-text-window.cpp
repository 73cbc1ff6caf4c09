// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-bare-text-window: the memory floor the start-up is measured
// against, the empty fixed-size window with one line of Russian text: what
// any Qt window that shows Cyrillic costs (the font configuration, FreeType,
// HarfBuzz, one font file, Qt's text code).

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    // The size of the program's tall window, in pixels; the line stands where a caption would.
    constexpr int width = 587;
    constexpr int height = 683;
    constexpr int margin = 24;
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(width, height);
    QLabel line(QStringLiteral("Общий объём архива за день: 16.64 Гбайт"), &window);
    line.move(margin, margin);
    window.show();
    return QApplication::exec();
}

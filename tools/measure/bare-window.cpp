// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-bare-window: the floor the start-up is measured against, an empty
// Qt Widgets window of a fixed size and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    // The size of the program's tall window, in pixels.
    constexpr int width = 587;
    constexpr int height = 683;
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(width, height);
    window.show();
    return QApplication::exec();
}

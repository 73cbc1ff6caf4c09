// velmora-bare-window: the floor the start-up is measured against, an empty
// Qt Widgets window of a fixed size and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(587, 683);
    window.show();
    return QApplication::exec();
}

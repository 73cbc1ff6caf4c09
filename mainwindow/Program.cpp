#include "Program.h"

#include "MainWindow.h"
#include "Platform.h"
#include "WindowKit.h"

namespace velmora {

MainWindow* startProgram(Platform& platform)
{
    const Layout layout = chooseLayout(platform.screenHeight());
    auto* window = new MainWindow(layout, platform);
    window->setAttribute(Qt::WA_DeleteOnClose);
    placeCentred(*window);
    window->show();
    if (QWidget* field = window->widget(Ctl::Text1)) field->setFocus();
    return window;
}

} // namespace velmora

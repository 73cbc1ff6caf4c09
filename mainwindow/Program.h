#pragma once

class QWidget;

namespace velmora {

class MainWindow;
class Platform;

// Start-up: the layout by the screen height (read once), the main window
// initialised and then shown with the bitrate field focused. Under 950 pixels
// the compact window is the only one ever created.
MainWindow* startProgram(Platform& platform);

} // namespace velmora

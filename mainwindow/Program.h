// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace velmora {

class MainWindow;
class Platform;

// Start-up: Qt's own texts in Russian, the layout by the screen height (read
// once), the main window initialised and then shown with the bitrate field
// focused. Under 950 pixels the compact window is the only one ever created.
MainWindow* startProgram(Platform& platform);

// Qt's own texts (message box buttons, the file dialog, the text boxes'
// context menus) in Russian, from the translations installed with Qt.
// Installed once per process, the file read when Qt first asks for a text;
// false where the translations are not installed, and then Qt speaks English.
bool loadQtTranslations();

} // namespace velmora

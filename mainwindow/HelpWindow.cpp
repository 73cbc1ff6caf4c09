// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpWindow.h"

#include "MenuTexts.h"
#include "TextDoor.h"
#include "WindowKit.h"

#include <QFile>
#include <QShortcut>
#include <QUrl>

// The manual lives in a static library: its resource is registered by hand.
static void registerHelpPage()
{
    Q_INIT_RESOURCE(help);
}

namespace velmora {

namespace {

// The manual, built into the program.
constexpr char kHelpPage[] = "qrc:/help/velmora-help.html";
// Room for the manual's lines at the desktop's font, in pixels.
constexpr int kHelpWidth = 720;
constexpr int kHelpHeight = 640;

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    registerHelpPage();
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(qtText(menutexts::kHelpTitle));
    setOpenLinks(true);
    setOpenExternalLinks(false);
    resize(kHelpWidth, kHelpHeight);
    // The desktop's colours; its links too, unless a theme left them hard to
    // read on its base (the default blue on a dark one).
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Link, QPalette::LinkVisited})
        colours.setColor(role, legibleOn(colours.color(role), colours.color(QPalette::Base)));
    setPalette(colours);
    // Escape closes it, as it does the program's dialogs.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    const QUrl page{QString::fromLatin1(kHelpPage)};
    if (QFile::exists(QLatin1Char(':') + page.path()))
        setSource(page);
    else
        setPlainText(qtText(menutexts::kHelpMissing));
}

} // namespace velmora

#include "menubar-app/ui/PanelMenu.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include <algorithm>

namespace menubar {

QPoint panelMenuPosition(const QRect &item, const QSize &menu, const QRect &screen, const QRect &workArea)
{
    const QPoint centre = item.center();
    // Along the panel, the menu starts at the item and stays on the screen.
    const int x = std::max(screen.left(), std::min(item.left(), screen.right() + 1 - menu.width()));
    const int y = std::max(screen.top(), std::min(item.top(), screen.bottom() + 1 - menu.height()));
    if (centre.x() < workArea.left())
        return {std::max(item.right(), workArea.left() - 1) + 1, y};
    if (centre.x() > workArea.right())
        return {std::min(item.left(), workArea.right() + 1) - menu.width(), y};
    if (centre.y() < workArea.top() || (centre.y() <= workArea.bottom() && centre.y() < screen.center().y()))
        return {x, std::max(item.bottom(), workArea.top() - 1) + 1};
    return {x, std::min(item.top(), workArea.bottom() + 1) - menu.height()};
}

QPalette panelMenuPalette(bool darkPanel)
{
    const QColor window = darkPanel ? QColor(0x2f, 0x2f, 0x2f) : QColor(0xf6, 0xf5, 0xf4);
    const QColor text = darkPanel ? QColor(0xee, 0xee, 0xec) : QColor(0x2e, 0x34, 0x36);
    const QColor disabled = darkPanel ? QColor(0x91, 0x91, 0x91) : QColor(0x92, 0x95, 0x95);
    QPalette palette(text, window, window.lighter(130), window.darker(130), window.darker(115), text, window);
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        palette.setColor(role, window);
    palette.setColor(QPalette::Highlight, darkPanel ? QColor(0x21, 0x5d, 0x9c) : QColor(0x35, 0x84, 0xe4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    // Styles etch disabled text with the light colour: the same as the window, nothing is drawn under it.
    palette.setColor(QPalette::Disabled, QPalette::Light, window);
    return palette;
}

void openMenuBesidePanel(QMenu &menu, const QRect &item)
{
    const QScreen *screen = QGuiApplication::screenAt(item.center());
    const QPoint position =
        screen ? panelMenuPosition(item, menu.sizeHint(), screen->geometry(), screen->availableGeometry())
               : item.topLeft();
    if (menu.isVisible())
        menu.move(position);
    else
        menu.popup(position);
}

} // namespace menubar

#pragma once

#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>

class QMenu;

namespace menubar {

// Where and in which colours the item's menu opens when the application opens it itself, from the panel.

// Where a menu of this size opens for an item at this place (or for a click at this point, as a 1x1
// rectangle): beside the panel's area, which lies outside the screen's work area, so that it covers
// neither the item nor the panel. Where the work area takes in the item, beside the item: below it in
// the upper half of the screen, above it in the lower half.
QPoint panelMenuPosition(const QRect &item, const QSize &menu, const QRect &screen, const QRect &workArea);

// The colours of a panel's own menus: on a dark panel a whole dark palette (Xfce's and Breeze Dark's menus
// are near #2f2f2f), disabled entries grey and flat rather than etched; on a light one a light palette.
QPalette panelMenuPalette(bool darkPanel);

// Opens the menu beside the panel for an item at this place, or moves it there when the tray has just opened
// it where the click was.
void openMenuBesidePanel(QMenu &menu, const QRect &item);

} // namespace menubar

#pragma once

#include <functional>

class QObject;

namespace platform {

// Whether a tray host is there now to show an item: on macOS the menu bar always is; on Linux a
// StatusNotifierItem host registered with the session bus's watcher, or an XEmbed tray manager on X11.
// Asked without QSystemTrayIcon on purpose: Qt decides once per process, on its first look, which
// protocol its items use, so a look taken before the panel is up would never use the panel's host.
bool isTrayHostAvailable();

// Whether an item made now is an XEmbed one, which the tray places itself: on Linux an XEmbed tray manager
// is there and no StatusNotifierItem host; never on macOS.
bool isTrayItemXEmbed();

// Whether the tray opens an item's menu by itself on a plain click. macOS does; Linux trays open it
// only on a right click and report a left click as an activation.
bool trayOpensMenuOnClick();

// Calls back, while the context lives, each time a StatusNotifierItem watcher starts on the session bus
// (Linux; never on macOS).
void whenTrayWatcherStarts(QObject *context, std::function<void()> started);

} // namespace platform

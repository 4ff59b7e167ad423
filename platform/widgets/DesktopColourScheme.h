#pragma once

#include <QByteArrayView>
#include <QObject>

#include <optional>

namespace platform {

// Whether the panel that shows the item is dark, as far as the desktop says so: first what the panel states
// about itself (Xfce's panel), then the light or dark appearance the desktop asks of applications (Plasma,
// GNOME). A panel may be dark while Qt's palette and the desktop's preference say light or nothing (Xfce
// 4.18's default), so both come before the palette.
class DesktopColourScheme : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // None while neither the panel nor the desktop states anything or can be asked: the palette decides then.
    std::optional<bool> prefersDark() const { return m_panelDark ? m_panelDark : m_desktopDark; }
    // The desktop's preference for applications.
    void setPrefersDark(std::optional<bool> prefersDark);
    // What the panel states about itself.
    void setPanelDark(std::optional<bool> panelDark);

signals:
    void changed();

private:
    void update(std::optional<bool> &statement, std::optional<bool> value);

    std::optional<bool> m_panelDark;
    std::optional<bool> m_desktopDark;
};

// Keeps the scheme up to date with the desktop, asking without blocking: on Linux Xfce's panel settings
// (xfconf, only where they are served already, and only on the desktop whose panel they describe: the
// colon-separated desktop names, as XDG_CURRENT_DESKTOP gives them, name XFCE) and the freedesktop settings
// portal's "color-scheme" on the session bus; on macOS nothing, since the menu bar tints template images
// itself.
void followDesktopColourScheme(DesktopColourScheme &scheme, QByteArrayView currentDesktop);

} // namespace platform

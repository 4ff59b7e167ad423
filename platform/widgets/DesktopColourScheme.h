#pragma once

#include <QObject>

#include <optional>

namespace platform {

// The light or dark appearance that the desktop asks of applications, where it states one. A panel may be
// dark while Qt's palette says light (Xfce's default), so this comes before the palette.
class DesktopColourScheme : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // None while the desktop states no preference or cannot be asked: the palette decides then.
    std::optional<bool> prefersDark() const { return m_prefersDark; }
    void setPrefersDark(std::optional<bool> prefersDark);

signals:
    void changed();

private:
    std::optional<bool> m_prefersDark;
};

// Keeps the scheme up to date with the desktop, asking without blocking: on Linux the freedesktop settings
// portal's "color-scheme" on the session bus; on macOS nothing, since the menu bar tints template images itself.
void followDesktopColourScheme(DesktopColourScheme &scheme);

} // namespace platform

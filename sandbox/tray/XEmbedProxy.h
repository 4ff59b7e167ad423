#pragma once

#include <QDBusConnection>
#include <QObject>

class QSocketNotifier;
struct _XDisplay; // Xlib's Display

namespace sandbox {

// Stands in for Plasma's xembedsniproxy: an XEmbed system tray on the X display that hands every icon docked
// with it to the StatusNotifierItem watcher on the bus, once, when it docks. An icon docked while no watcher
// runs is never shown.
class XEmbedProxy : public QObject
{
    Q_OBJECT

public:
    explicit XEmbedProxy(QDBusConnection bus, QObject *parent = nullptr);
    ~XEmbedProxy() override;

    // Takes the tray selection of the display's default screen.
    bool start();
    int dockedIcons() const { return m_docked; }

private:
    void readEvents();

    QDBusConnection m_bus;
    _XDisplay *m_display = nullptr;
    unsigned long m_window = 0;
    QSocketNotifier *m_events = nullptr;
    int m_docked = 0;
};

} // namespace sandbox

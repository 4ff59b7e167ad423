#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace platform {

// The direction in which the installer moves onto a page.
enum class PaneDirection { Forward = 0, Backward = 1 };

// A page that a plug-in adds to the installer. The host shows contentView(), asks title(),
// calls willEnterPane() on every entry to the page, and follows setNextEnabled() for its
// Next button.
class InstallerPane : public QObject
{
    Q_OBJECT

public:
    explicit InstallerPane(QObject *parent = nullptr);
    // Deletes the content view unless a host has taken it into a page.
    ~InstallerPane() override;

    virtual QString title() const;
    virtual void willEnterPane(PaneDirection direction);

    void setNextEnabled(bool enabled);
    bool isNextEnabled() const { return m_nextEnabled; }

    // The page's widgets. The pane owns the view until the host takes it into its own page,
    // which then owns it.
    QWidget *contentView() const { return m_contentView; }
    void setContentView(QWidget *view) { m_contentView = view; }

signals:
    void nextEnabledChanged(bool enabled);

private:
    QPointer<QWidget> m_contentView;
    bool m_nextEnabled = true;
};

} // namespace platform

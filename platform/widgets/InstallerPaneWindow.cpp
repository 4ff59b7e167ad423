#include "platform/widgets/InstallerPaneWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace platform {

InstallerPaneWindow::InstallerPaneWindow(std::unique_ptr<InstallerPane> pane, const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_pane(std::move(pane))
{
    setWindowTitle(title);
    setAccessibleName(title);

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(m_pane->title());
    heading->setObjectName(QStringLiteral("paneTitleLabel"));
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    layout->addWidget(heading);
    if (QWidget *view = m_pane->contentView()) {
        // Level with the page's own left edge.
        if (const QLayout *pageLayout = view->layout())
            heading->setContentsMargins(pageLayout->contentsMargins().left(), 0, 0, 0);
        layout->addWidget(view);
    }

    // Made after the page's controls, so that Tab reaches them last. Not Now puts the page off, as closing the
    // window does; Done takes its place once the page is through.
    m_notNowButton = new QPushButton(tr("Not Now"));
    m_notNowButton->setObjectName(QStringLiteral("notNowButton"));
    m_doneButton = new QPushButton(tr("Done"));
    m_doneButton->setObjectName(QStringLiteral("doneButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_notNowButton);
    buttons->addWidget(m_doneButton);
    layout->addLayout(buttons);
    connect(m_notNowButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_doneButton, &QPushButton::clicked, this, &QDialog::accept);

    connect(m_pane.get(), &InstallerPane::nextEnabledChanged, this, &InstallerPaneWindow::followNextEnabled);
    m_pane->willEnterPane(PaneDirection::Forward);
    followNextEnabled(m_pane->isNextEnabled());
}

InstallerPaneWindow::~InstallerPaneWindow() = default;

void InstallerPaneWindow::followNextEnabled(bool enabled)
{
    m_notNowButton->setVisible(!enabled);
    m_doneButton->setVisible(enabled);
    m_doneButton->setDefault(enabled);
    // The page's own button is disabled by then; the keyboard goes on from here.
    if (enabled)
        m_doneButton->setFocus();
}

} // namespace platform

#include "platform/installer-host/SetupAssistant.h"

#include "platform/AlertPresenter.h"
#include "platform/widgets/InstallerPanePage.h"
#include "platform/widgets/InstallerPluginLoader.h"

#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

namespace platform {

namespace {

QWizardPage *textPage(const QString &title, const QString &text)
{
    auto *page = new QWizardPage;
    page->setTitle(title);
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label);
    layout->addStretch();
    return page;
}

} // namespace

SetupAssistant::SetupAssistant(std::unique_ptr<InstallerPane> pane, QWidget *parent)
    : QWizard(parent)
{
    setWindowTitle(tr("Kelvane OS Agent Setup"));
    setOption(QWizard::NoBackButtonOnStartPage);
    setPage(WelcomePageId,
            textPage(tr("Welcome"), tr("This assistant registers this machine with your backup server as a node of "
                                       "Kelvane OS Agent and installs the agent's configuration.\n\n"
                                       "Have the server's address, your login and your password at hand.")));
    setPage(PanePageId, new InstallerPanePage(std::move(pane)));
    setPage(FinishPageId, textPage(tr("Registration complete"),
                                   tr("This machine is registered with the backup server.\n\nThe menu-bar "
                                      "application Kelvane OS Agent has been restarted; it starts the agent and "
                                      "shows its state in the menu bar.")));
    connect(this, &QWizard::currentIdChanged, this, &SetupAssistant::pageEntered);
}

InstallerPanePage *SetupAssistant::panePage() const
{
    return static_cast<InstallerPanePage *>(page(PanePageId));
}

int SetupAssistant::run()
{
    return exec() == QDialog::Accepted ? kSetupFinished : kSetupCancelled;
}

void SetupAssistant::pageEntered(int id)
{
    const qsizetype length = visitedIds().size();
    const PaneDirection direction = length >= m_historyLength ? PaneDirection::Forward : PaneDirection::Backward;
    m_historyLength = length;
    if (id == PanePageId)
        panePage()->enterPane(direction);
}

QStringList setupPluginCandidates(const QString &applicationDirectory, const QString &installedDirectory,
                                  const QString &buildTreeDirectory, const QString &fileName)
{
    return {QDir::cleanPath(QDir(applicationDirectory).filePath(installedDirectory + u'/' + fileName)),
            QDir(buildTreeDirectory).filePath(fileName)};
}

int runSetupAssistant(const QStringList &pluginCandidates, AlertPresenter &alerts)
{
    std::unique_ptr<InstallerPane> pane;
    try {
        pane = InstallerPluginLoader(pluginCandidates).createPane();
    } catch (const InstallerPluginError &error) {
        alerts.runModal({QObject::tr("The registration plug-in can't be loaded, so this machine can't be "
                                     "registered."),
                         error.message(),
                         AlertStyle::Critical,
                         {}});
        return kSetupPluginUnavailable;
    }
    SetupAssistant assistant(std::move(pane));
    return assistant.run();
}

} // namespace platform

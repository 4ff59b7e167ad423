#pragma once

#include "platform/widgets/InstallerPane.h"

#include <QStringList>
#include <QWizard>

#include <memory>

namespace platform {

class AlertPresenter;
class InstallerPanePage;

inline constexpr int kSetupFinished = 0;
inline constexpr int kSetupCancelled = 1;
inline constexpr int kSetupPluginUnavailable = 2;

// The setup assistant that installs the Enroller: a welcome page, the plug-in's page and a
// finish page. It tells the plug-in's page of every entry and the direction of the move.
class SetupAssistant : public QWizard
{
    Q_OBJECT

public:
    enum PageId { WelcomePageId, PanePageId, FinishPageId };

    explicit SetupAssistant(std::unique_ptr<InstallerPane> pane, QWidget *parent = nullptr);

    InstallerPanePage *panePage() const;

    // Runs the assistant modally: kSetupFinished on Finish, kSetupCancelled otherwise.
    int run();

private:
    void pageEntered(int id);

    // The wizard's history grows on a move forward and shrinks on a move back.
    qsizetype m_historyLength = 0;
};

// Where the assistant looks for the plug-in: where an installation puts it (a directory relative to
// the executable's), then the build tree it was built in.
QStringList setupPluginCandidates(const QString &applicationDirectory, const QString &installedDirectory,
                                  const QString &buildTreeDirectory, const QString &fileName);

// Loads the plug-in and runs the assistant. A missing or broken plug-in is shown as a critical
// alert and ends with kSetupPluginUnavailable.
int runSetupAssistant(const QStringList &pluginCandidates, AlertPresenter &alerts);

} // namespace platform

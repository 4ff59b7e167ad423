#include "platform/installer-host/SetupAssistant.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    platform::MessageBoxAlertPresenter alerts;
    return platform::runSetupAssistant(
        platform::setupPluginCandidates(
            QCoreApplication::applicationDirPath(), QStringLiteral(KELVANE_INSTALLED_PLUGIN_DIRECTORY),
            QStringLiteral(KELVANE_BUILD_TREE_PLUGIN_DIRECTORY), QStringLiteral(KELVANE_PLUGIN_FILE_NAME)),
        alerts);
}

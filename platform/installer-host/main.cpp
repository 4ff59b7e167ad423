#include "platform/Translations.h"
#include "platform/installer-host/SetupAssistant.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    platform::installTranslations(QLocale::system().uiLanguages());
    platform::MessageBoxAlertPresenter alerts;
    return platform::runSetupAssistant(
        platform::setupPluginCandidates(
            QCoreApplication::applicationDirPath(), QStringLiteral(KELVANE_INSTALLED_PLUGIN_DIRECTORY),
            QStringLiteral(KELVANE_BUILD_TREE_PLUGIN_DIRECTORY), QStringLiteral(KELVANE_PLUGIN_FILE_NAME)),
        alerts);
}

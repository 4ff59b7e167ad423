#include "menubar-app/service/NotificationHelper.h"

#include "common/AgentPaths.h"
#include "platform/AlertPresenter.h"
#include "platform/UrlOpener.h"

#include <QUrl>

namespace menubar {

NotificationHelper::NotificationHelper(platform::AlertPresenter &alerts, platform::UrlOpener &urlOpener)
    : m_alerts(alerts)
    , m_urlOpener(urlOpener)
{}

void NotificationHelper::displayDiskAccessRequestWindow()
{
    const platform::Alert alert{
        tr("Missing full disk access"),
        tr("Kelvane OS Agent requires full disk access for this service:\n\n- Kelvane OS Agent\n\n"
           "Do you want to enable required permission now?"),
        platform::AlertStyle::Critical,
        {tr("Yes"), tr("No")},
    };
    if (m_alerts.runModal(alert) != platform::kAlertFirstButtonReturn)
        return;

    const QUrl settings(contract::toQString(contract::kFullDiskAccessSettingsUrl));
    if (!settings.isValid())
        return;
    // Whether the settings came up is not ours to report: the user sees it or not.
    (void)m_urlOpener.openUrl(settings);
}

} // namespace menubar

#include "installer-pane/ui/UiHelper.h"

#include "installer-pane/registration/RegistrationFields.h"
#include "platform/AlertPresenter.h"

namespace installer {

UiHelper::UiHelper(platform::AlertPresenter &alerts)
    : m_alerts(alerts)
{}

QString UiHelper::trim(const QString &text)
{
    return RegistrationFields::trimmedValue(text);
}

void UiHelper::showErrorMessage(const QString &message) const
{
    m_alerts.runModal({message, QString(), platform::AlertStyle::Critical, {}});
}

void UiHelper::showInformationMessage(const QString &message) const
{
    m_alerts.runModal({message, QString(), platform::AlertStyle::Informational, {}});
}

} // namespace installer

#include "installer-pane/ui/UiHelper.h"

#include "platform/AlertPresenter.h"

#include <QLineEdit>

namespace installer {

UiHelper::UiHelper(platform::AlertPresenter &alerts)
    : m_alerts(alerts)
{}

bool UiHelper::isEmpty(const QLineEdit *field)
{
    return field == nullptr || field->text().isEmpty();
}

QString UiHelper::trim(const QString &text)
{
    // QString::trimmed() strips exactly QChar::isSpace(): category Z, U+0009 to U+000D and U+0085.
    return text.trimmed();
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

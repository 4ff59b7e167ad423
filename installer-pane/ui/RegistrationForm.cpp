#include "installer-pane/ui/RegistrationForm.h"

#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/ui/UiHelper.h"
#include "platform/AlertPresenter.h"

#include <QMetaObject>
#include <QSysInfo>

namespace installer {

RegistrationForm::RegistrationForm(QWidget *parent)
    : QWidget(parent)
{}

void RegistrationForm::setServices(FormServices services)
{
    m_services = std::move(services);
}

void RegistrationForm::whenLoaded()
{
    if (!m_nameTextField)
        return;
    // An empty host name leaves the field empty, so that validation asks for a name.
    m_nameTextField->setText(m_services.hostName ? m_services.hostName() : QSysInfo::machineHostName());
}

bool RegistrationForm::reportFirstEmptyField(std::initializer_list<RequiredField> fields) const
{
    for (const RequiredField &required : fields) {
        if (UiHelper::isEmpty(required.field)) {
            showErrorMessage(required.emptyMessage);
            return false;
        }
    }
    return true;
}

QString RegistrationForm::trimmedText(const QLineEdit *field)
{
    return field ? UiHelper::trim(field->text()) : QString();
}

void RegistrationForm::submit(const std::function<void(AgentRegistration &)> &registerWith,
                              const QString &successMessage, QAbstractButton *actionButton)
{
    // The registration blocks this thread until it ends, alerts included, as the installer expects.
    try {
        if (!validateFields())
            return;
        const std::unique_ptr<AgentRegistration> registration =
            m_services.newRegistration ? m_services.newRegistration() : nullptr;
        if (!registration)
            return; // nothing registered, so nothing to report as a success
        registerWith(*registration);
        showInformationMessage(successMessage);
        if (actionButton)
            actionButton->setEnabled(false);
        if (m_parentPane)
            QMetaObject::invokeMethod(m_parentPane, "enableNextButton");
    } catch (const RegistrationError &error) {
        showErrorMessage(error.reason());
    }
}

void RegistrationForm::showErrorMessage(const QString &message) const
{
    if (m_services.alerts)
        UiHelper(*m_services.alerts).showErrorMessage(message);
}

void RegistrationForm::showInformationMessage(const QString &message) const
{
    if (m_services.alerts)
        UiHelper(*m_services.alerts).showInformationMessage(message);
}

} // namespace installer

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

void RegistrationForm::applyManagedSettings(const ManagedSettings &managed)
{
    setManaged(m_addressTextField, managed.serverAddress);
    setManaged(m_loginTextField, managed.login);
    setManaged(m_nameTextField, managed.nodeName);
}

void RegistrationForm::setManaged(QLineEdit *field, const std::optional<QString> &value)
{
    if (!field)
        return;
    if (value)
        field->setText(*value);
    // Read-only rather than disabled: the value can still be reached with Tab, read out and copied.
    field->setReadOnly(value.has_value());
    field->setAccessibleDescription(value ? tr("Set by your organisation") : QString());
    // Drawn on the window's colour, as a field that cannot be typed into; an empty palette inherits again.
    QPalette palette;
    if (value)
        palette.setColor(QPalette::Base, field->palette().color(QPalette::Window));
    field->setPalette(palette);
}

bool RegistrationForm::validateFields()
{
    const std::optional<RegistrationField> empty = RegistrationFields::firstEmptyField(typedValues());
    if (empty)
        showErrorMessage(RegistrationFields::emptyFieldMessage(*empty));
    return !empty;
}

RegistrationValues RegistrationForm::typedValues() const
{
    return {std::nullopt, textOf(m_addressTextField), textOf(m_loginTextField), textOf(m_passwordTextField),
            textOf(m_nameTextField)};
}

QString RegistrationForm::textOf(const QLineEdit *field)
{
    return field ? field->text() : QString();
}

void RegistrationForm::submit(QAbstractButton *actionButton)
{
    // The registration blocks this thread until it ends, alerts included, as the installer expects.
    try {
        if (!validateFields())
            return;
        const std::unique_ptr<AgentRegistration> registration =
            m_services.newRegistration ? m_services.newRegistration() : nullptr;
        if (!registration)
            return; // nothing registered, so nothing to report as a success
        const RegistrationValues values = RegistrationFields::trimmed(typedValues());
        RegistrationFields::registerWith(*registration, values);
        showInformationMessage(RegistrationFields::successMessage(values));
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

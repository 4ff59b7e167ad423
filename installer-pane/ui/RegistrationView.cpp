#include "installer-pane/ui/RegistrationView.h"

#include "installer-pane/registration/AgentRegistration.h"

namespace installer {

RegistrationView::RegistrationView(QWidget *parent)
    : RegistrationForm(parent)
{}

void RegistrationView::registerClick(QObject *)
{
    submit(
        [this](AgentRegistration &registration) {
            const QString address = trimmedText(addressTextField());
            const QString login = trimmedText(loginTextField());
            const QString password = trimmedText(passwordTextField());
            const QString name = trimmedText(nameTextField());
            registration.registerWithAddress(address, login, password, name);
        },
        tr("Registration success"), m_registerButton);
}

bool RegistrationView::validateFields()
{
    return reportFirstEmptyField({
        {addressTextField(), tr("Node address field can't be empty")},
        {loginTextField(), tr("Login field can't be empty")},
        {passwordTextField(), tr("Password field can't be empty")},
        {nameTextField(), tr("Name field can't be empty")},
    });
}

} // namespace installer

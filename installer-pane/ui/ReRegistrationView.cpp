#include "installer-pane/ui/ReRegistrationView.h"

#include "installer-pane/registration/AgentRegistration.h"

namespace installer {

ReRegistrationView::ReRegistrationView(QWidget *parent)
    : RegistrationForm(parent)
{}

void ReRegistrationView::reRegisterClick(QObject *)
{
    submit(
        [this](AgentRegistration &registration) {
            const QString agentGuid = trimmedText(m_agentGuidTextField);
            const QString address = trimmedText(addressTextField());
            const QString login = trimmedText(loginTextField());
            const QString password = trimmedText(passwordTextField());
            const QString name = trimmedText(nameTextField());
            registration.reRegisterWithAgentGuid(agentGuid, address, login, password, name);
        },
        tr("Re-registration success"), m_reRegisterButton);
}

bool ReRegistrationView::validateFields()
{
    return reportFirstEmptyField({
        {m_agentGuidTextField, tr("Agent GUID field can't be empty")},
        {addressTextField(), tr("Node address field can't be empty")},
        {loginTextField(), tr("Login field can't be empty")},
        {passwordTextField(), tr("Password field can't be empty")},
        {nameTextField(), tr("Name field can't be empty")},
    });
}

} // namespace installer

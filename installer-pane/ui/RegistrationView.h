#pragma once

#include "installer-pane/ui/RegistrationForm.h"

namespace installer {

// The form that registers this machine as a new agent node: node address, login, password and
// node name.
class RegistrationView : public RegistrationForm
{
    Q_OBJECT

public:
    explicit RegistrationView(QWidget *parent = nullptr);

    // The action of registerButton; the sender is not used.
    void registerClick(QObject *sender);

    QAbstractButton *registerButton() const { return m_registerButton; }
    void setRegisterButton(QAbstractButton *button) { m_registerButton = button; }

private:
    QPointer<QAbstractButton> m_registerButton;
};

} // namespace installer

#pragma once

#include "installer-pane/ui/RegistrationForm.h"

namespace installer {

// The form that registers this machine again under the GUID of an agent the server already knows.
class ReRegistrationView : public RegistrationForm
{
    Q_OBJECT

public:
    explicit ReRegistrationView(QWidget *parent = nullptr);

    // The action of reRegisterButton; the sender is not used.
    void reRegisterClick(QObject *sender);

    QLineEdit *agentGuidTextField() const { return m_agentGuidTextField; }
    void setAgentGuidTextField(QLineEdit *field) { m_agentGuidTextField = field; }
    QAbstractButton *reRegisterButton() const { return m_reRegisterButton; }
    void setReRegisterButton(QAbstractButton *button) { m_reRegisterButton = button; }

protected:
    RegistrationValues typedValues() const override;

private:
    QPointer<QLineEdit> m_agentGuidTextField;
    QPointer<QAbstractButton> m_reRegisterButton;
};

} // namespace installer

#include "installer-pane/ui/ReRegistrationView.h"

namespace installer {

ReRegistrationView::ReRegistrationView(QWidget *parent)
    : RegistrationForm(parent)
{}

void ReRegistrationView::reRegisterClick(QObject *)
{
    submit(m_reRegisterButton);
}

RegistrationValues ReRegistrationView::typedValues() const
{
    RegistrationValues values = RegistrationForm::typedValues();
    values.agentGuid = textOf(m_agentGuidTextField);
    return values;
}

} // namespace installer

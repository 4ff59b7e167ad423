// The pane's form switching: both forms in the container's one cell, the checked radio button's shown.
#include "installer-pane/ui/RegistrationPane.h"

#include "installer-pane/ui/ReRegistrationView.h"
#include "installer-pane/ui/RegistrationView.h"

#include <QGridLayout>

namespace installer {

void RegistrationPane::addToContainer(QWidget *form)
{
    if (!form || !m_containerView)
        return;
    if (form->parentWidget() != m_containerView)
        form->setParent(m_containerView);
    // Both forms share one cell, so the hidden flags alone decide which one is seen.
    if (auto *grid = qobject_cast<QGridLayout *>(m_containerView->layout()); grid && grid->indexOf(form) < 0)
        grid->addWidget(form, 0, 0);
    form->raise();
}

void RegistrationPane::showCheckedForm()
{
    if (m_reRegisterButton && m_reRegisterButton->isChecked()) {
        radioChange(m_reRegisterButton);
        return;
    }
    if (m_registerButton)
        m_registerButton->setChecked(true);
    if (m_registrationView)
        m_registrationView->setHidden(false);
    if (m_reRegistrationView)
        m_reRegistrationView->setHidden(true);
}

void RegistrationPane::radioChange(QObject *sender)
{
    if (!sender)
        return; // a missing radio button must not match a missing sender
    const bool registration = sender == m_registerButton.data();
    if (!registration && sender != m_reRegisterButton.data())
        return;
    if (m_registrationView)
        m_registrationView->setHidden(!registration);
    if (m_reRegistrationView)
        m_reRegistrationView->setHidden(registration);
}

} // namespace installer

#include "installer-pane/ui/RegistrationView.h"

namespace installer {

RegistrationView::RegistrationView(QWidget *parent)
    : RegistrationForm(parent)
{}

void RegistrationView::registerClick(QObject *)
{
    submit(m_registerButton);
}

} // namespace installer

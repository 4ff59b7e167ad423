#pragma once

#include "installer-pane/registration/ManagedSettings.h"
#include "installer-pane/registration/RegistrationFields.h"
#include "installer-pane/ui/FormServices.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace installer {

// What the two registration forms share: the fields both have, the back-reference to the pane
// and the course of a click. Every reference is non-owning, connected after the interface file
// has made the controls, and may be missing: a missing field counts as empty, a missing button
// or pane is skipped.
class RegistrationForm : public QWidget
{
    Q_OBJECT

public:
    explicit RegistrationForm(QWidget *parent = nullptr);

    void setServices(FormServices services);

    // Puts this machine's host name into the name field, replacing whatever it held.
    void whenLoaded();

    // Puts each managed value into its field and makes that field read-only; a field without one becomes
    // editable again and keeps its text. Called after whenLoaded(), so a managed node name wins over the
    // host name.
    void applyManagedSettings(const ManagedSettings &managed);

    // The first empty field, in the fixed order of RegistrationFields, is reported and ends the check.
    bool validateFields();

    QLineEdit *addressTextField() const { return m_addressTextField; }
    void setAddressTextField(QLineEdit *field) { m_addressTextField = field; }
    QLineEdit *loginTextField() const { return m_loginTextField; }
    void setLoginTextField(QLineEdit *field) { m_loginTextField = field; }
    QLineEdit *passwordTextField() const { return m_passwordTextField; }
    void setPasswordTextField(QLineEdit *field) { m_passwordTextField = field; }
    QLineEdit *nameTextField() const { return m_nameTextField; }
    void setNameTextField(QLineEdit *field) { m_nameTextField = field; }

    // Not QObject::parent(), which is the enclosing view: any object with an invokable
    // enableNextButton() will do.
    QObject *parentPane() const { return m_parentPane; }
    void setParentPane(QObject *pane) { m_parentPane = pane; }

protected:
    // The form's values as typed; a missing field reads as empty.
    virtual RegistrationValues typedValues() const;
    static QString textOf(const QLineEdit *field);

    // Validates, registers the trimmed values through a new registration, reports the outcome and, on
    // success, disables the form's button and tells the pane. Runs to its end on the calling thread.
    void submit(QAbstractButton *actionButton);

private:
    static void setManaged(QLineEdit *field, const std::optional<QString> &value);
    void showErrorMessage(const QString &message) const;
    void showInformationMessage(const QString &message) const;

    FormServices m_services;
    QPointer<QLineEdit> m_addressTextField;
    QPointer<QLineEdit> m_loginTextField;
    QPointer<QLineEdit> m_passwordTextField;
    QPointer<QLineEdit> m_nameTextField;
    QPointer<QObject> m_parentPane;
};

} // namespace installer

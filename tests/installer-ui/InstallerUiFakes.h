#pragma once

#include "AlertPresenter.h"
#include "ReRegistrationView.h"
#include "RegistrationError.h"
#include "RegistrationPane.h"
#include "RegistrationView.h"

enum class Form { New, Re };
inline const QString kHostName = QStringLiteral("studio-mac.local");

// Records every alert; onShow looks at the page while the alert is up.
struct FakeAlerts : platform::AlertPresenter
{
    int runModal(const platform::Alert &alert) override
    {
        shown.append({alert.messageText, int(alert.style)});
        if (onShow)
            onShow();
        return platform::kAlertFirstButtonReturn;
    }
    QList<std::pair<QString, int>> shown; // message, style
    std::function<void()> onShow;
};

// Every registration made for a click records its call here and ends as scripted.
struct RegistrationScript
{
    int made = 0;
    QList<QStringList> calls;
    QString failWith; // a RegistrationError's reason
};

struct FakeRegistration : installer::AgentRegistration
{
    explicit FakeRegistration(RegistrationScript &script)
        : script(script)
    {}
    void registerWithAddress(const QString &a, const QString &l, const QString &p, const QString &n) override
    {
        record({"register", a, l, p, n});
    }
    void reRegisterWithAgentGuid(const QString &g, const QString &a, const QString &l, const QString &p,
                                 const QString &n) override
    {
        record({"reRegister", g, a, l, p, n});
    }
    void record(const QStringList &call)
    {
        script.calls.append(call);
        if (!script.failWith.isEmpty())
            throw installer::RegistrationError(script.failWith);
    }
    RegistrationScript &script;
};

inline installer::FormServices fakeServices(RegistrationScript &script, std::shared_ptr<FakeAlerts> alerts,
                                            const QString &hostName = kHostName)
{
    return {[&script]() -> std::unique_ptr<installer::AgentRegistration> {
                ++script.made;
                return std::make_unique<FakeRegistration>(script);
            },
            std::move(alerts), [hostName] { return hostName; }};
}

inline installer::RegistrationForm *formOf(const installer::RegistrationPane &pane, Form which)
{
    return which == Form::New ? static_cast<installer::RegistrationForm *>(pane.registrationView())
                              : pane.reRegistrationView();
}

inline QAbstractButton *actionButtonOf(const installer::RegistrationPane &pane, Form which)
{
    return which == Form::New ? pane.registrationView()->registerButton()
                              : pane.reRegistrationView()->reRegisterButton();
}

// The form's fields in the order it checks and reads them.
inline QList<QLineEdit *> fieldsOf(const installer::RegistrationPane &pane, Form which)
{
    const installer::RegistrationForm *form = formOf(pane, which);
    QList<QLineEdit *> fields{form->addressTextField(), form->loginTextField(), form->passwordTextField(),
                              form->nameTextField()};
    if (which == Form::Re)
        fields.prepend(pane.reRegistrationView()->agentGuidTextField());
    return fields;
}

// Fills the form, "x" where no value is given, and clicks its button as a user would.
inline void registerThrough(const installer::RegistrationPane &pane, Form which, const QStringList &values = {})
{
    const QList<QLineEdit *> fields = fieldsOf(pane, which);
    for (qsizetype i = 0; i < fields.size(); ++i)
        fields[i]->setText(values.value(i, QStringLiteral("x")));
    actionButtonOf(pane, which)->click();
}

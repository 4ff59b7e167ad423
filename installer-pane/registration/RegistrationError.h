#pragma once

#include <QString>

#include <exception>

namespace installer {

// Every failure of the installer pane: named "Error", with the text to show the user as reason.
class RegistrationError : public std::exception
{
public:
    explicit RegistrationError(QString reason);

    const QString &reason() const { return m_reason; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_reason;
    QByteArray m_what;
};

} // namespace installer

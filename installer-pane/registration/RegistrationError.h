#pragma once

#include <QString>

#include <exception>
#include <optional>

namespace installer {

// Every failure of the installer pane: named "Error", with the text to show the user as reason. When
// the daemon's registration run failed, its exit status comes along (a signal's number negated), so
// that callers can tell the outcomes apart without reading the text.
class RegistrationError : public std::exception
{
public:
    explicit RegistrationError(QString reason, std::optional<qint32> daemonStatus = std::nullopt);

    const QString &reason() const { return m_reason; }
    std::optional<qint32> daemonStatus() const { return m_daemonStatus; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_reason;
    std::optional<qint32> m_daemonStatus;
    QByteArray m_what;
};

} // namespace installer

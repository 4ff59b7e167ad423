#pragma once

#include <QString>

#include <exception>
#include <optional>

namespace menubar {

// A failed run of another program: the runner's own failures carry their message as the domain
// and code 0; the operating system's carry its domain, errno and strerror text.
class ProcessError : public std::exception
{
public:
    ProcessError(QString domain, long long code, std::optional<QString> message = std::nullopt);

    static ProcessError missingData();
    static ProcessError failedToDecodeOutput();
    static ProcessError posix(int errorNumber, const QString &message);

    const QString &domain() const { return m_domain; }
    long long code() const { return m_code; }

    // As the system log shows such an error: Error Domain=<domain> Code=<code> "<message>".
    QString description() const;
    const char *what() const noexcept override;

private:
    QString m_domain;
    long long m_code;
    std::optional<QString> m_message;
    QByteArray m_what;
};

} // namespace menubar

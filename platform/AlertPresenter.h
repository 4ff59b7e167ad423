#pragma once

#include <QString>
#include <QStringList>

namespace platform {

enum class AlertStyle { Warning = 0, Informational = 1, Critical = 2 };

// Answers count buttons by the order they were added: the first is 1000, the second 1001.
inline constexpr int kAlertFirstButtonReturn = 1000;
inline constexpr int kAlertSecondButtonReturn = 1001;
// The alert went away without any button being chosen.
inline constexpr int kAlertNoButton = 0;

struct Alert
{
    QString messageText;
    QString informativeText;
    AlertStyle style = AlertStyle::Warning;
    QStringList buttons; // empty: one default "OK" button
};

// Shows a modal alert and returns once the user has answered.
class AlertPresenter
{
public:
    virtual ~AlertPresenter() = default;
    virtual int runModal(const Alert &alert) = 0;
};

} // namespace platform

#pragma once

#include <QCoreApplication>
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

// Shows a modal alert and returns once the user has answered. Escape answers with the button titled
// cancelButtonTitle(), or with the only button of a one-button alert, and is otherwise ignored.
class AlertPresenter
{
    Q_DECLARE_TR_FUNCTIONS(platform::AlertPresenter)

public:
    virtual ~AlertPresenter() = default;
    virtual int runModal(const Alert &alert) = 0;

    // "Cancel" in the program's language: one text, so that the button a caller titles so and the one
    // Escape looks for stay the same word in every language.
    static QString cancelButtonTitle() { return tr("Cancel"); }
};

} // namespace platform

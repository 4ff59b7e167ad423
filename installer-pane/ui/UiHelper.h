#pragma once

#include <QString>

class QLineEdit;

namespace platform {
class AlertPresenter;
}

namespace installer {

// Field helpers and the two result alerts of the registration forms.
class UiHelper
{
public:
    explicit UiHelper(platform::AlertPresenter &alerts);

    // A missing field counts as empty; blanks are text, so they do not.
    static bool isEmpty(const QLineEdit *field);
    // Removes white space and line breaks (Unicode Z, U+0009 to U+000D, U+0085) from both ends.
    static QString trim(const QString &text);

    void showErrorMessage(const QString &message) const;
    void showInformationMessage(const QString &message) const;

private:
    platform::AlertPresenter &m_alerts;
};

} // namespace installer

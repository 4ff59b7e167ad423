#pragma once

#include <QString>

namespace platform {
class AlertPresenter;
}

namespace installer {

// The two result alerts of the registration forms, and the trim rule of their fields.
class UiHelper
{
public:
    explicit UiHelper(platform::AlertPresenter &alerts);

    // Removes white space and line breaks (Unicode Z, U+0009 to U+000D, U+0085) from both ends.
    static QString trim(const QString &text);

    void showErrorMessage(const QString &message) const;
    void showInformationMessage(const QString &message) const;

private:
    platform::AlertPresenter &m_alerts;
};

} // namespace installer

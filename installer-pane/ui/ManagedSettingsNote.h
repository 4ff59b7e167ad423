#pragma once

#include "installer-pane/registration/ManagedSettings.h"

#include <QLabel>
#include <QPointer>
#include <QString>

namespace installer {

// The note above the registration forms: the values an administrator set, each on a line of its own under the
// label's own text as heading, or why their settings were ignored; hidden while there is nothing to say.
class ManagedSettingsNote
{
public:
    QLabel *label() const { return m_label; }
    // Takes the label's text as the heading and hides it until a value is managed.
    void setLabel(QLabel *label);
    void show(const ManagedSettings &managed);

private:
    QPointer<QLabel> m_label;
    QString m_heading;
};

} // namespace installer

#include "installer-pane/ui/ManagedSettingsNote.h"

#include <QCoreApplication>
#include <QStringList>

#include <utility>

namespace installer {

void ManagedSettingsNote::setLabel(QLabel *label)
{
    m_label = label;
    m_heading = label ? label->text() : QString();
    if (label)
        label->hide();
}

void ManagedSettingsNote::show(const ManagedSettings &managed)
{
    if (!m_label)
        return;
    // Read before acting; each value on a line of its own, so that a comma in one is only a comma. The texts are
    // the page's own, as the interface file and the catalogues have them.
    QStringList note;
    if (!managed.error.isEmpty()) {
        note << QCoreApplication::translate("installer::RegistrationPane",
                                            "Your organisation's settings for this page were ignored: %1")
                    .arg(managed.error);
    } else if (!managed.isEmpty()) {
        note << m_heading;
        for (const auto &[label, value] :
             {std::pair{QCoreApplication::translate("RegistrationPane", "Node address:"), managed.serverAddress},
              std::pair{QCoreApplication::translate("RegistrationPane", "Login:"), managed.login},
              std::pair{QCoreApplication::translate("RegistrationPane", "Node name:"), managed.nodeName}}) {
            if (value)
                note << label + QLatin1Char(' ') + *value;
        }
    }
    if (!note.isEmpty()) // a hidden label keeps its text: it is still read out as a name
        m_label->setText(note.join(QLatin1Char('\n')));
    m_label->setVisible(!note.isEmpty());
}

} // namespace installer

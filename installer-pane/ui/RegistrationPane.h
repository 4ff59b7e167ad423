#pragma once

#include "installer-pane/ui/FormServices.h"
#include "installer-pane/ui/ManagedSettingsNote.h"
#include "platform/widgets/InstallerPane.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

namespace Ui {
class RegistrationPane;
}

namespace installer {

class ReRegistrationView;
class RegistrationView;

// The plug-in's own strings table, compiled into its resources: the English one, and one for each
// language we ship ("de": ":/enroller/enroller_strings_de.qm").
inline constexpr char kPaneStringsTable[] = ":/enroller/enroller_strings.qm";
QString paneStringsTable(const QString &language);

// The installer page on which the user registers this machine, as a new agent node or again
// under an existing agent's GUID. Two radio buttons pick the form shown in the container; the
// installer's Next button stays disabled until a form has succeeded. Values that an administrator
// set are filled in on every entry, read-only, and listed in a note above the forms.
class RegistrationPane : public platform::InstallerPane
{
    Q_OBJECT

public:
    // Loads the interface file into a new content view and hands the services to both forms.
    // stringsTable: the compiled strings table that title() looks up.
    explicit RegistrationPane(const FormServices &services,
                              const QString &stringsTable = QString::fromLatin1(kPaneStringsTable),
                              QObject *parent = nullptr);
    ~RegistrationPane() override;

    QString title() const override;
    void willEnterPane(platform::PaneDirection direction) override;

    // The action of both radio buttons; any other sender is ignored.
    void radioChange(QObject *sender);
    // Called by name by a form after its registration succeeded.
    Q_INVOKABLE void enableNextButton();
    // The key's value in this plug-in's strings table, or the key itself when it has no entry.
    QString getLocalizedString(const QString &key) const;

    QWidget *containerView() const { return m_containerView; }
    void setContainerView(QWidget *view) { m_containerView = view; }
    RegistrationView *registrationView() const;
    void setRegistrationView(RegistrationView *view);
    ReRegistrationView *reRegistrationView() const;
    void setReRegistrationView(ReRegistrationView *view);
    QAbstractButton *registerButton() const { return m_registerButton; }
    void setRegisterButton(QAbstractButton *button) { m_registerButton = button; }
    QAbstractButton *reRegisterButton() const { return m_reRegisterButton; }
    void setReRegisterButton(QAbstractButton *button) { m_reRegisterButton = button; }
    QLabel *managedNoteLabel() const { return m_managedNote.label(); }
    // Its text is the heading above the managed values; hidden until an entry finds one.
    void setManagedNoteLabel(QLabel *label) { m_managedNote.setLabel(label); }

private:
    void connectInterface(const Ui::RegistrationPane &ui, const FormServices &services);
    void addToContainer(QWidget *form);
    void showCheckedForm();
    void applyManagedSettings();

    QTranslator m_strings;
    QPointer<QWidget> m_containerView;
    QPointer<RegistrationView> m_registrationView;
    QPointer<ReRegistrationView> m_reRegistrationView;
    QPointer<QAbstractButton> m_registerButton;
    QPointer<QAbstractButton> m_reRegisterButton;
    ManagedSettingsNote m_managedNote;
    std::shared_ptr<ManagedSettingsReader> m_managedSettings;
    // A form succeeded while this pane lived; a later entry keeps Next enabled for it.
    bool m_registered = false;
};

} // namespace installer

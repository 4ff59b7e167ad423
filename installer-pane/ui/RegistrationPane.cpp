#include "installer-pane/ui/RegistrationPane.h"

#include "installer-pane/ui/ReRegistrationView.h"
#include "installer-pane/ui/RegistrationView.h"
#include "ui_RegistrationPane.h"

#include <QGridLayout>

namespace installer {

namespace {

// The strings table keeps its keys under one context, named after a bundle's default table.
constexpr char kStringsContext[] = "Localizable";

} // namespace

QString paneStringsTable(const QString &language)
{
    if (language == QLatin1String("en"))
        return QString::fromLatin1(kPaneStringsTable);
    return QStringLiteral(":/enroller/enroller_strings_%1.qm").arg(language);
}

RegistrationPane::RegistrationPane(const FormServices &services, const QString &stringsTable, QObject *parent)
    : InstallerPane(parent)
    , m_managedSettings(services.managedSettings)
{
    // Without a table every key stands for itself.
    if (!stringsTable.isEmpty())
        (void)m_strings.load(stringsTable);

    auto *view = new QWidget;
    Ui::RegistrationPane ui;
    ui.setupUi(view);
    setContentView(view);
    connectInterface(ui, services);
}

RegistrationPane::~RegistrationPane() = default;

void RegistrationPane::connectInterface(const Ui::RegistrationPane &ui, const FormServices &services)
{
    // Outlets, as the interface file names them.
    setContainerView(ui.containerView);
    setRegistrationView(ui.registrationView);
    setReRegistrationView(ui.reRegistrationView);
    setRegisterButton(ui.registerRadioButton);
    setReRegisterButton(ui.reRegisterRadioButton);
    setManagedNoteLabel(ui.managedNoteLabel);
    m_managedNoteHeading = ui.managedNoteLabel->text();
    ui.managedNoteLabel->hide(); // until an entry finds a managed value

    RegistrationView *form = ui.registrationView;
    form->setServices(services);
    form->setAddressTextField(ui.addressTextField);
    form->setLoginTextField(ui.loginTextField);
    form->setPasswordTextField(ui.passwordTextField);
    form->setNameTextField(ui.nameTextField);
    form->setRegisterButton(ui.registerButton);

    ReRegistrationView *reForm = ui.reRegistrationView;
    reForm->setServices(services);
    reForm->setAgentGuidTextField(ui.agentGuidTextField);
    reForm->setAddressTextField(ui.reAddressTextField);
    reForm->setLoginTextField(ui.reLoginTextField);
    reForm->setPasswordTextField(ui.rePasswordTextField);
    reForm->setNameTextField(ui.reNameTextField);
    reForm->setReRegisterButton(ui.reRegisterButton);

    // Actions, each with its sender.
    for (QAbstractButton *radio : {static_cast<QAbstractButton *>(ui.registerRadioButton),
                                   static_cast<QAbstractButton *>(ui.reRegisterRadioButton)}) {
        connect(radio, &QAbstractButton::clicked, this, [this, radio] { radioChange(radio); });
    }
    QAbstractButton *registerButton = ui.registerButton;
    connect(registerButton, &QAbstractButton::clicked, form,
            [form, registerButton] { form->registerClick(registerButton); });
    QAbstractButton *reRegisterButton = ui.reRegisterButton;
    connect(reRegisterButton, &QAbstractButton::clicked, reForm,
            [reForm, reRegisterButton] { reForm->reRegisterClick(reRegisterButton); });
}

RegistrationView *RegistrationPane::registrationView() const
{
    return m_registrationView;
}

void RegistrationPane::setRegistrationView(RegistrationView *view)
{
    m_registrationView = view;
}

ReRegistrationView *RegistrationPane::reRegistrationView() const
{
    return m_reRegistrationView;
}

void RegistrationPane::setReRegistrationView(ReRegistrationView *view)
{
    m_reRegistrationView = view;
}

QString RegistrationPane::title() const
{
    return getLocalizedString(QStringLiteral("PaneTitle"));
}

QString RegistrationPane::getLocalizedString(const QString &key) const
{
    // Only the plug-in's own table: the host's translators know nothing of this page.
    const QString value = m_strings.translate(kStringsContext, key.toUtf8().constData());
    return value.isEmpty() ? key : value;
}

void RegistrationPane::willEnterPane(platform::PaneDirection)
{
    // Every entry, forward or back, leaves the page in the same agreement: the checked radio
    // button's form shown, the host name in both name fields unless the node name is managed, the
    // managed values read-only, Next enabled only after a success.
    if (m_registrationView)
        m_registrationView->setParentPane(this);
    if (m_reRegistrationView)
        m_reRegistrationView->setParentPane(this);
    addToContainer(m_registrationView);
    addToContainer(m_reRegistrationView); // after the other, so that it lies on top
    showCheckedForm();
    if (m_registrationView)
        m_registrationView->whenLoaded();
    if (m_reRegistrationView)
        m_reRegistrationView->whenLoaded();
    applyManagedSettings();
    setNextEnabled(m_registered);
}

void RegistrationPane::applyManagedSettings()
{
    // Read once for both forms, so that they never disagree.
    const ManagedSettings managed = m_managedSettings ? m_managedSettings->read() : ManagedSettings{};
    if (m_registrationView)
        m_registrationView->applyManagedSettings(managed);
    if (m_reRegistrationView)
        m_reRegistrationView->applyManagedSettings(managed);
    if (!m_managedNoteLabel)
        return;
    // Above the forms, read before acting; each value on a line of its own, so that a comma in one is only a comma.
    QStringList note;
    if (!managed.error.isEmpty()) {
        note << tr("Your organisation's settings for this page were ignored: %1").arg(managed.error);
    } else if (!managed.isEmpty()) {
        note << m_managedNoteHeading;
        // The fields' own names, as the interface file has them.
        for (const auto &[label, value] :
             {std::pair{QCoreApplication::translate("RegistrationPane", "Node address:"), managed.serverAddress},
              std::pair{QCoreApplication::translate("RegistrationPane", "Login:"), managed.login},
              std::pair{QCoreApplication::translate("RegistrationPane", "Node name:"), managed.nodeName}}) {
            if (value)
                note << label + QLatin1Char(' ') + *value;
        }
    }
    if (!note.isEmpty()) // a hidden label keeps its text: it is still read out as a name
        m_managedNoteLabel->setText(note.join(QLatin1Char('\n')));
    m_managedNoteLabel->setVisible(!note.isEmpty());
}

void RegistrationPane::addToContainer(QWidget *form)
{
    if (!form || !m_containerView)
        return;
    if (form->parentWidget() != m_containerView)
        form->setParent(m_containerView);
    // Both forms share one cell, so the hidden flags alone decide which one is seen.
    if (auto *grid = qobject_cast<QGridLayout *>(m_containerView->layout()); grid && grid->indexOf(form) < 0)
        grid->addWidget(form, 0, 0);
    form->raise();
}

void RegistrationPane::showCheckedForm()
{
    if (m_reRegisterButton && m_reRegisterButton->isChecked()) {
        radioChange(m_reRegisterButton);
        return;
    }
    if (m_registerButton)
        m_registerButton->setChecked(true);
    if (m_registrationView)
        m_registrationView->setHidden(false);
    if (m_reRegistrationView)
        m_reRegistrationView->setHidden(true);
}

void RegistrationPane::radioChange(QObject *sender)
{
    if (!sender)
        return; // a missing radio button must not match a missing sender
    const bool registration = sender == m_registerButton.data();
    if (!registration && sender != m_reRegisterButton.data())
        return;
    if (m_registrationView)
        m_registrationView->setHidden(!registration);
    if (m_reRegistrationView)
        m_reRegistrationView->setHidden(registration);
}

void RegistrationPane::enableNextButton()
{
    m_registered = true;
    setNextEnabled(true);
}

} // namespace installer

#include "installer-pane/ui/RegistrationPane.h"

#include "installer-pane/ui/ReRegistrationView.h"
#include "installer-pane/ui/RegistrationView.h"
#include "ui_RegistrationPane.h"

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
    // Read once for both forms and the note, so that they never disagree.
    const ManagedSettings managed = m_managedSettings ? m_managedSettings->read() : ManagedSettings{};
    if (m_registrationView)
        m_registrationView->applyManagedSettings(managed);
    if (m_reRegistrationView)
        m_reRegistrationView->applyManagedSettings(managed);
    m_managedNote.show(managed);
}

void RegistrationPane::enableNextButton()
{
    m_registered = true;
    setNextEnabled(true);
}

} // namespace installer

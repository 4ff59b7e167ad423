#include "AgentPaths.h"
#include "InstallerPanePage.h"
#include "InstallerPluginLoader.h"
#include "PlatformFakes.h"
#include "ReRegistrationView.h"
#include "RegistrationError.h"
#include "RegistrationPane.h"
#include "RegistrationView.h"
#include "SetupAssistant.h"

#include <QLayout>
#include <QLibraryInfo>
#include <QTest>
#include <QTimer>

using platform::PaneDirection;

namespace {

enum class Form { New, Re };
const QString kHostName = "studio-mac.local";

// Records its call; the value "down" makes it fail as a registration that cannot reach the server.
struct Registration : installer::AgentRegistration
{
    using S = const QString &;
    explicit Registration(QList<QStringList> &calls)
        : calls(calls)
    {}
    void registerWithAddress(S a, S l, S p, S n) override { record({"register", a, l, p, n}); }
    void reRegisterWithAgentGuid(S g, S a, S l, S p, S n) override { record({"reRegister", g, a, l, p, n}); }
    void record(const QStringList &call)
    {
        calls.append(call);
        if (call.contains("down"))
            throw installer::RegistrationError("Can't connect to server");
    }
    QList<QStringList> &calls;
};

// The pane from the real interface file on fakes: every click makes a new registration. It notes every entry.
struct RecordingPane : installer::RegistrationPane
{
    explicit RecordingPane(const QString &hostName,
                           std::shared_ptr<FakeAlertPresenter> alerts = std::make_shared<FakeAlertPresenter>())
        : RegistrationPane({[this] {
                                ++made;
                                return std::make_unique<Registration>(calls);
                            },
                            alerts, [hostName] { return hostName; }},
                           QString())
        , alerts(alerts)
    {}
    void willEnterPane(PaneDirection direction) override
    {
        entries << direction;
        RegistrationPane::willEnterPane(direction);
    }
    QAbstractButton *actionButton(Form which) const
    {
        return which == Form::New ? registrationView()->registerButton() : reRegistrationView()->reRegisterButton();
    }
    // Fills the form's fields in the order it reads them, "x" where no value is given, and clicks its button.
    void registerThrough(Form which, const QStringList &values = {})
    {
        const installer::RegistrationForm *form = registrationView();
        QList<QLineEdit *> fields;
        if (which == Form::Re) {
            fields << reRegistrationView()->agentGuidTextField();
            form = reRegistrationView();
        }
        fields << form->addressTextField() << form->loginTextField() << form->passwordTextField()
               << form->nameTextField();
        for (qsizetype i = 0; i < fields.size(); ++i)
            fields[i]->setText(values.value(i, "x"));
        actionButton(which)->click();
    }
    QString shownAndNames() const
    {
        return QString(registrationView()->isHidden() ? "" : "new") + (reRegistrationView()->isHidden() ? "" : "re") +
               '|' + registrationView()->nameTextField()->text() + '|' + reRegistrationView()->nameTextField()->text();
    }

    std::shared_ptr<FakeAlertPresenter> alerts;
    int made = 0;
    QList<QStringList> calls;
    QList<PaneDirection> entries;
};

// The setup assistant on the recording pane, on the pane's page.
struct Assistant : platform::SetupAssistant
{
    explicit Assistant(const QString &hostName = kHostName)
        : SetupAssistant(std::make_unique<RecordingPane>(hostName))
    {
        restart();
        next();
    }
    RecordingPane &pane() const { return *static_cast<RecordingPane *>(panePage()->pane()); }
    bool nextEnabled() const { return button(QWizard::NextButton)->isEnabled(); }
};

} // namespace

Q_DECLARE_METATYPE(Form)

class RegistrationPaneTest : public QObject
{
    Q_OBJECT

private slots:
    void clickChecksRegistersAndReports_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QString>("typed"); // the fields' texts, separated by commas
        QTest::addColumn<QStringList>("call");
        QTest::addColumn<QString>("alert");
        QTest::newRow("new: all empty") << Form::New << ",,," << QStringList() << "Node address field can't be empty";
        QTest::newRow("new: login on empty") << Form::New << "a,,," << QStringList() << "Login field can't be empty";
        QTest::newRow("new: name empty") << Form::New << "a,l,p," << QStringList() << "Name field can't be empty";
        QTest::newRow("re: all empty") << Form::Re << ",,,," << QStringList() << "Agent GUID field can't be empty";
        QTest::newRow("re: address on") << Form::Re << "g,,l,,n" << QStringList()
                                        << "Node address field can't be empty";
        QTest::newRow("re: password on") << Form::Re << "g,a,l,," << QStringList() << "Password field can't be empty";
        QTest::newRow("new: white space around every value")
            << Form::New << " \tbackup.example.com\n,\n admin ,\t p a\"ss \r\n,  node 1\t"
            << QStringList{"register", "backup.example.com", "admin", "p a\"ss", "node 1"} << "Registration success";
        QTest::newRow("new: a field of blanks arrives empty")
            << Form::New << "host,   ,pw,n" << QStringList{"register", "host", "", "pw", "n"} << "Registration success";
        QTest::newRow("re: GUID first") << Form::Re << " G-1 ,\taddr,login\n, p\t,\u00a0name\u2003"
                                        << QStringList{"reRegister", "G-1", "addr", "login", "p", "name"}
                                        << "Re-registration success";
        QTest::newRow("new: failure") << Form::New << "a,l,down,n" << QStringList{"register", "a", "l", "down", "n"}
                                      << "Can't connect to server";
    }

    // Validation stops at the first empty field. On success the alert comes first, then the button is
    // disabled and Next enabled; otherwise the button stays for another try, on a new registration.
    void clickChecksRegistersAndReports()
    {
        QFETCH(Form, form);
        QFETCH(QString, typed);
        QFETCH(QStringList, call);
        QFETCH(QString, alert);
        Assistant assistant;
        RecordingPane &pane = assistant.pane();
        QAbstractButton *button = pane.actionButton(form);
        QStringList duringAlerts;
        pane.alerts->whileShown = [&] {
            duringAlerts << QString("button %1, Next %2").arg(button->isEnabled()).arg(assistant.nextEnabled());
        };
        if (form == Form::Re)
            pane.reRegisterButton()->click();
        pane.registerThrough(form, typed.split(','));
        button->click(); // a second try, which a disabled button does not take
        const bool ok = alert.endsWith("success");
        const int tries = ok ? 1 : 2;
        QCOMPARE(pane.alerts->shown, QStringList(tries, (ok ? "informational " : "critical ") + alert + "||"));
        QCOMPARE(pane.calls, QList<QStringList>(call.isEmpty() ? 0 : tries, call));
        QCOMPARE(pane.made, pane.calls.size());
        QCOMPARE(duringAlerts, QStringList(tries, "button 1, Next 0"));
        QCOMPARE(button->isEnabled(), !ok);
        QVERIFY(pane.actionButton(form == Form::New ? Form::Re : Form::New)->isEnabled());
        pane.reRegisterButton()->click(); // switching forms keeps Next
        pane.registerButton()->click();
        QCOMPARE(assistant.nextEnabled(), ok);
    }

    void missingReferenceSkipsItsStep()
    {
        RecordingPane pane(kHostName);
        pane.willEnterPane(PaneDirection::Forward);
        installer::RegistrationView *form = pane.registrationView();
        for (QLineEdit *field : form->findChildren<QLineEdit *>())
            field->setText("x");
        QLineEdit *login = form->loginTextField();
        form->setLoginTextField(nullptr); // counts as empty
        form->registerClick(nullptr);
        form->setLoginTextField(login);
        form->setParentPane(nullptr);
        form->registerClick(nullptr);
        QVERIFY(!pane.isNextEnabled());
        form->setParentPane(&pane);
        form->setRegisterButton(nullptr);
        form->registerClick(nullptr);
        QVERIFY(pane.isNextEnabled());
        const QString success = "informational Registration success||";
        QCOMPARE(pane.alerts->shown, (QStringList{"critical Login field can't be empty||", success, success}));
    }

    // On every entry the page shows the checked form, puts the host name in both name fields, adds nothing to
    // the container and keeps Next for a form that has succeeded.
    void everyEntryBringsThePageIntoAgreement()
    {
        Assistant assistant;
        RecordingPane &pane = assistant.pane();
        QCOMPARE(pane.shownAndNames(), "new|" + kHostName + '|' + kHostName);
        QVERIFY(!assistant.nextEnabled());
        QCOMPARE(assistant.currentPage()->title(), "PaneTitle"); // the pane's, without a strings table
        QCOMPARE(Assistant("").pane().shownAndNames(), "new||");
        const int layoutItems = pane.containerView()->layout()->count();
        pane.reRegisterButton()->click();
        for (bool succeeded : {false, true}) {
            if (succeeded)
                pane.registerThrough(Form::Re);
            pane.registrationView()->nameTextField()->setText("typed");
            pane.reRegistrationView()->nameTextField()->setText("typed");
            pane.registrationView()->raise(); // the interface file's order must not matter
            succeeded ? assistant.next() : assistant.back();
            succeeded ? assistant.back() : assistant.next();
            QCOMPARE(pane.shownAndNames(), "re|" + kHostName + '|' + kHostName);
            QCOMPARE(pane.containerView()->layout()->count(), layoutItems);
            QCOMPARE(assistant.nextEnabled(), succeeded);
        }
        QCOMPARE(pane.entries,
                 (QList<PaneDirection>{PaneDirection::Forward, PaneDirection::Forward, PaneDirection::Backward}));
    }

    void radioChangeShowsTheChosenForm()
    {
        RecordingPane pane(kHostName);
        pane.willEnterPane(PaneDirection::Forward);
        pane.reRegisterButton()->click();
        QCOMPARE(pane.shownAndNames().section('|', 0, 0), "re");
        pane.registerButton()->click();
        QCOMPARE(pane.shownAndNames().section('|', 0, 0), "new");
        pane.reRegisterButton()->click();
        pane.radioChange(pane.actionButton(Form::New)); // other senders are ignored,
        pane.setRegisterButton(nullptr);
        pane.radioChange(nullptr); // a null one even when a radio button's reference is missing
        QCOMPARE(pane.shownAndNames().section('|', 0, 0), "re");
    }

    void exitStatusTellsFinishFromCancel()
    {
        for (const auto &[button, status] : {std::pair(QWizard::FinishButton, platform::kSetupFinished),
                                             std::pair(QWizard::CancelButton, platform::kSetupCancelled)}) {
            Assistant assistant;
            QTimer::singleShot(0, &assistant, [&assistant, button] {
                assistant.pane().registerThrough(Form::New);
                assistant.next();
                assistant.button(button)->click();
            });
            QCOMPARE(assistant.run(), status);
        }
    }

    void loadsThePluginWithItsStringsTable()
    {
        platform::InstallerPluginLoader loader({"/nonexistent/plugins/libenroller.so", KELVANE_ENROLLER_PLUGIN});
        const std::unique_ptr<platform::InstallerPane> pane = loader.createPane();
        QCOMPARE(pane->title(), "Agent Registration");
        QCOMPARE(static_cast<installer::RegistrationPane *>(pane.get())->getLocalizedString("NoSuchKey"), "NoSuchKey");
    }

    void unavailablePluginIsReportedWithItsStatus()
    {
        const QString qtTest = QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Test.so.6"; // no factory
        for (const QString &candidate : {QString("/nonexistent/libenroller.so"), QString(__FILE__), qtTest}) {
            FakeAlertPresenter alerts;
            QCOMPARE(platform::runSetupAssistant({candidate}, alerts), platform::kSetupPluginUnavailable);
            QCOMPARE(alerts.shown.size(), 1);
            QVERIFY(alerts.shown[0].startsWith("critical The registration plug-in can't be loaded"));
        }
    }

    void launchdJobsMatchTheAgentContract()
    {
        const QString menuBarApp = "/Applications/Kelvane OS Agent.app/Contents/MacOS/Kelvane OS Agent";
        for (const auto &[label, program] : {std::pair(contract::kServiceLabel, contract::kDaemonExecutable),
                                             std::pair(contract::kGuiAgentLabel, std::string_view())}) {
            QFile plist(KELVANE_PACKAGING_DIR "/" + contract::toQString(label) + ".plist");
            QVERIFY(plist.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(plist.readAll());
            QVERIFY(text.contains("<key>Label</key>\n    <string>" + contract::toQString(label) + "</string>"));
            QVERIFY(text.contains("<key>ProgramArguments</key>\n    <array>\n        <string>" +
                                  (program.empty() ? menuBarApp : contract::toQString(program)) + "</string>"));
        }
    }
};

QTEST_MAIN(RegistrationPaneTest)
#include "tst_registrationpane.moc"

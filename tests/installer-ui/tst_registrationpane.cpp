#include "installer-pane/registration/ManagedSettingsReader.h"
#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/ui/ReRegistrationView.h"
#include "installer-pane/ui/RegistrationPane.h"
#include "installer-pane/ui/RegistrationView.h"
#include "platform/LogSink.h"
#include "platform/installer-host/SetupAssistant.h"
#include "platform/widgets/InstallerPanePage.h"
#include "platform/widgets/InstallerPluginLoader.h"
#include "tests/support/PlatformFakes.h"

#include <QLayout>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using platform::PaneDirection;

namespace {

enum class Form { New, Re };
const QString kHostName = "studio-mac.local";

// Counts itself and records its call; the value "down" makes it fail as a registration that cannot reach the
// server.
struct Registration : installer::AgentRegistration
{
    using S = const QString &;
    Registration(QList<QStringList> &calls, int &made)
        : calls(calls)
    {
        ++made;
    }
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
    explicit RecordingPane(const QString &hostName, std::shared_ptr<installer::ManagedSettingsReader> managed = {},
                           std::shared_ptr<FakeAlertPresenter> alerts = std::make_shared<FakeAlertPresenter>())
        : RegistrationPane({[this] { return std::make_unique<Registration>(calls, made); }, alerts,
                            [hostName] { return hostName; }, managed},
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
    // Picks the form, fills its fields in the order it reads them, "x" where no value is given, and clicks.
    void registerThrough(Form which, const QStringList &values = {})
    {
        const installer::RegistrationForm *form = registrationView();
        QList<QLineEdit *> fields;
        if (which == Form::Re) {
            reRegisterButton()->click();
            fields << reRegistrationView()->agentGuidTextField();
            form = reRegistrationView();
        }
        fields << form->addressTextField() << form->loginTextField() << form->passwordTextField()
               << form->nameTextField();
        for (qsizetype i = 0; i < fields.size(); ++i)
            fields[i]->setText(values.value(i, "x"));
        actionButton(which)->click();
    }
    // "address|login|name" of a form, each followed by '*' while it is read-only.
    static QString managedFields(const installer::RegistrationForm *form)
    {
        QStringList fields;
        for (const QLineEdit *field : {form->addressTextField(), form->loginTextField(), form->nameTextField()})
            fields << field->text() + (field->isReadOnly() ? "*" : "");
        return fields.join('|');
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
    explicit Assistant(const QString &hostName = kHostName,
                       std::shared_ptr<installer::ManagedSettingsReader> managed = {})
        : SetupAssistant(std::make_unique<RecordingPane>(hostName, managed))
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
        QTest::addColumn<QString>("alert"); // for a row named after a field: that field is the first empty one
        QTest::newRow("new: all empty") << Form::New << ",,," << QStringList() << "Node address field can't be empty";
        QTest::newRow("new: login") << Form::New << "a,,," << QStringList() << "Login field can't be empty";
        QTest::newRow("new: name") << Form::New << "a,l,p," << QStringList() << "Name field can't be empty";
        QTest::newRow("re: all empty") << Form::Re << ",,,," << QStringList() << "Agent GUID field can't be empty";
        QTest::newRow("re: password") << Form::Re << "g,a,l,," << QStringList() << "Password field can't be empty";
        QTest::newRow("new: white space trimmed, a field of blanks arrives empty")
            << Form::New << " \tbackup.example.com\n,   ,\t p a\"ss \r\n,  node 1\t"
            << QStringList{"register", "backup.example.com", "", "p a\"ss", "node 1"} << "Registration success";
        QTest::newRow("re: GUID first") << Form::Re << " G-1 ,\taddr,login\n, p\t,\u00a0name\u2003"
                                        << QStringList{"reRegister", "G-1", "addr", "login", "p", "name"}
                                        << "Re-registration success";
        const QString v(40000, u'v'), vs = QStringList(5, v).join(','); // past QLineEdit's default limit
        QTest::newRow("new: long values arrive whole")
            << Form::New << vs.section(',', 1) << QStringList{"register", v, v, v, v} << "Registration success";
        QTest::newRow("re: long values arrive whole")
            << Form::Re << vs << QStringList{"reRegister", v, v, v, v, v} << "Re-registration success";
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
        pane.registerThrough(form, typed.split(','));
        button->click(); // a second try, which a disabled button does not take
        const bool ok = alert.endsWith("success");
        const int tries = ok ? 1 : 2;
        QCOMPARE(pane.alerts->shown, QStringList(tries, (ok ? "informational " : "critical ") + alert + "||"));
        QCOMPARE(pane.calls, QList<QStringList>(call.isEmpty() ? 0 : tries, call));
        QCOMPARE(pane.made, pane.calls.size());
        QCOMPARE(duringAlerts, QStringList(tries, "button 1, Next 0"));
        QCOMPARE(button->isEnabled(), !ok);
        QCOMPARE(assistant.nextEnabled(), ok);
    }

    // Forms set in place of the interface file's join the container's one cell on entry.
    void formSetInPlaceJoinsTheContainer()
    {
        RecordingPane pane(kHostName);
        auto *form = new installer::RegistrationView; // the container's once added, as the other
        auto *reForm = new installer::ReRegistrationView;
        pane.setRegistrationView(form);
        pane.setReRegistrationView(reForm);
        pane.willEnterPane(PaneDirection::Forward);
        pane.containerView()->layout()->activate();
        QCOMPARE(form->parentWidget(), pane.containerView());
        QCOMPARE(reForm->parentWidget(), pane.containerView());
        const QRect cell = form->geometry();
        pane.reRegisterButton()->click();
        pane.containerView()->layout()->activate();
        QCOMPARE(reForm->geometry(), cell);
    }

    // A missing button, pane or container skips only its own step; a missing field counts as empty.
    void missingReferenceSkipsItsStep()
    {
        RecordingPane pane(kHostName);
        installer::RegistrationView *form = pane.registrationView();
        for (QLineEdit *field : form->findChildren<QLineEdit *>())
            field->setText("x");
        form->setRegisterButton(nullptr);
        form->registerClick(nullptr);
        QVERIFY(pane.isNextEnabled());
        form->setParentPane(nullptr);
        form->registerClick(nullptr);
        form->setLoginTextField(nullptr);
        form->registerClick(nullptr);
        const QString success = "informational Registration success||";
        QCOMPARE(pane.alerts->shown, (QStringList{success, success, "critical Login field can't be empty||"}));
        pane.setContainerView(nullptr); // entered without one, the forms stay where they are
        pane.willEnterPane(PaneDirection::Forward);
        QVERIFY(form->parentWidget());
        pane.setReRegistrationView(nullptr); // the other radio button still hides this form
        pane.reRegisterButton()->click();
        QVERIFY(form->isHidden());
    }

    // A radio button shows its form at once. On every entry the page shows the checked form, puts the host name
    // in both name fields, adds nothing to the container and keeps Next for a form that has succeeded.
    void pageShowsTheCheckedFormOnEveryEntry()
    {
        Assistant assistant;
        RecordingPane &pane = assistant.pane();
        QCOMPARE(pane.shownAndNames(), "new|" + kHostName + '|' + kHostName);
        QVERIFY(!assistant.nextEnabled());
        QCOMPARE(assistant.currentPage()->title(), "PaneTitle"); // the key itself, without a strings table
        QCOMPARE(Assistant("").pane().shownAndNames(), "new||");
        const int layoutItems = pane.containerView()->layout()->count();
        pane.reRegisterButton()->click();
        QCOMPARE(pane.shownAndNames().section('|', 0, 0), "re");
        for (bool succeeded : {false, true}) {
            if (succeeded)
                pane.registerThrough(Form::Re);
            pane.registrationView()->nameTextField()->setText("typed");
            pane.reRegistrationView()->nameTextField()->setText("typed");
            // Away and back: past the page once it has succeeded, else to the page before it.
            assistant.button(succeeded ? QWizard::NextButton : QWizard::BackButton)->click();
            assistant.button(succeeded ? QWizard::BackButton : QWizard::NextButton)->click();
            QCOMPARE(pane.shownAndNames(), "re|" + kHostName + '|' + kHostName);
            QCOMPARE(pane.containerView()->layout()->count(), layoutItems);
            QCOMPARE(assistant.nextEnabled(), succeeded);
        }
        QCOMPARE(pane.entries,
                 (QList<PaneDirection>{PaneDirection::Forward, PaneDirection::Forward, PaneDirection::Backward}));
        pane.registerButton()->click();
        QCOMPARE(pane.shownAndNames().section('|', 0, 0), "new");
    }

    void managedSettingsFillTheFormsReadOnly_data()
    {
        QTest::addColumn<QByteArray>("file");      // the settings file; "none": no file, "pipe": a named pipe
        QTest::addColumn<QString>("shown");        // address|login|name of both forms, and the note when it is shown
        QTest::addColumn<QStringList>("warnings"); // @ stands for the file's path; the last one voids the file
        const QString host = '|' + kHostName, ignored = "Managed settings in @ ignored: ",
                      noted = "|Your organisation has filled in some of these fields; they can't be changed here.";
        QTest::newRow("none") << QByteArray("none") << "|" + host << QStringList();
        QTest::newRow("all three keys, trimmed, each on a line of its own")
            << QByteArray("[General]\nServerAddress=\" backup.example.com:7443\\t\"\nLogin=fleet\n"
                          "NodeName=\"Reception, desk 2\"\n")
            << "backup.example.com:7443*|fleet*|Reception, desk 2*" + noted +
                   "/Node address: backup.example.com:7443/Login: fleet/Node name: Reception, desk 2"
            << QStringList();
        QTest::newRow("address only: the host name stays")
            << QByteArray("ServerAddress=b:1") << "b:1*|" + host + noted + "/Node address: b:1" << QStringList();
        QTest::newRow("keys escaped as QSettings escapes them")
            << QByteArray("%4Cogin=fleet\nNode%U004Eame=n") << "|fleet*|n*" + noted + "/Login: fleet/Node name: n"
            << QStringList();
        QTest::newRow("wrong types and empty: none of it")
            << QByteArray("ServerAddress=a, b\nLogin=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x2a)\nNodeName=\" \"")
            << "|" + host
            << QStringList{ignored + "ServerAddress is not a string; Login is not a string; NodeName is empty"};
        QTest::newRow("an address with a space, not UTF-8, a control character")
            << QByteArray("ServerAddress=backup example.com\nLogin=fl\377et\nNodeName=\"a\\tb\"") << "|" + host
            << QStringList{ignored + "ServerAddress holds white space; Login is not UTF-8 text; NodeName holds a "
                                     "control character"};
        QTest::newRow("unreadable: a pipe, never waited on")
            << QByteArray("pipe") << "|" + host << QStringList{ignored + "it is not a regular file"};
        QTest::newRow("unreadable: too large") << QByteArray(64 * 1024 + 1, '\n') << "|" + host
                                               << QStringList{ignored + "the file is larger than 65536 bytes"};
        QTest::newRow("not a settings file") << QByteArray("[General\nServerAddress=b:1") << "|" + host
                                             << QStringList{ignored + "the file is not in the settings format"};
    }

    // Every entry reads the file again, in memory: no temporary directory is needed; each warning reaches the log
    // once, and a fault that voids the file is noted on the page. When the file goes, the fields can be typed into
    // again and keep their text.
    void managedSettingsFillTheFormsReadOnly()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QFETCH(QStringList, warnings);
        QTemporaryDir dir;
        const QByteArray temporary = qgetenv("TMPDIR");
        qputenv("TMPDIR", "/nonexistent");
        const auto restore = qScopeGuard([&temporary] { qputenv("TMPDIR", temporary); });
        const QString path = dir.filePath("osagent.conf");
        QFile settings(path);
        QVERIFY(file == "none" || (file == "pipe" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                                  : settings.open(QIODevice::WriteOnly) && settings.write(file)));
        settings.close();
        auto log = std::make_shared<platform::CapturingLogSink>();
        Assistant assistant(kHostName, std::make_shared<installer::ManagedSettingsReader>(
                                           [path] { return installer::readManagedSettingsFile(path); }, log));
        RecordingPane &pane = assistant.pane();
        const auto fields = [&pane] {
            const QString fields = RecordingPane::managedFields(pane.registrationView());
            const QString note = pane.managedNoteLabel()->text().replace('\n', '/');
            return RecordingPane::managedFields(pane.reRegistrationView()) == fields
                       ? fields + (pane.managedNoteLabel()->isHidden() ? "" : '|' + note)
                       : "the forms differ";
        };
        warnings.replaceInStrings("@", path);
        if (shown == "|" + ('|' + kHostName) && !warnings.isEmpty())
            shown += "|Your organisation's settings for this page were ignored: " + warnings.last();
        for (int entry = 0; entry < 2; ++entry) {
            QCOMPARE(fields(), shown);
            assistant.back();
            assistant.next();
        }
        QStringList logged;
        for (const platform::CapturingLogSink::Entry &entry : log->entries())
            logged << platform::logLevelName(entry.level) + ' ' + entry.message;
        QCOMPARE(logged, warnings.replaceInStrings(QRegularExpression("^"), "warning "));

        QVERIFY(QFile::remove(path) || file == "none");
        assistant.back();
        assistant.next();
        QCOMPARE(fields(), shown.section('|', 0, 1).remove('*') + '|' + kHostName);
    }

    void loadsThePluginOrReportsItsAbsence()
    {
        platform::InstallerPluginLoader loader({"/nonexistent/plugins/libenroller.so", KELVANE_ENROLLER_PLUGIN});
        QCOMPARE(loader.createPane()->title(), "Agent Registration"); // from the plug-in's strings table
        const QString qtTest = QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Test.so.6"; // no factory
        for (const QString &candidate : {QString("/nonexistent/libenroller.so"), QString(__FILE__), qtTest}) {
            FakeAlertPresenter alerts;
            QCOMPARE(platform::runSetupAssistant({candidate}, alerts), platform::kSetupPluginUnavailable);
            QVERIFY(alerts.shown.value(0).startsWith("critical The registration plug-in can't be loaded"));
        }
    }
};

QTEST_MAIN(RegistrationPaneTest)
#include "tst_registrationpane.moc"

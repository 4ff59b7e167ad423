#include "InstallerUiFakes.h"

#include <QLayout>
#include <QTest>

using platform::AlertStyle;
using platform::PaneDirection;

Q_DECLARE_METATYPE(Form)
Q_DECLARE_METATYPE(PaneDirection)

namespace {

constexpr int kCritical = int(AlertStyle::Critical);
constexpr int kInformational = int(AlertStyle::Informational);

// The pane from the real interface file on fakes, entered once.
struct Page
{
    explicit Page(const QString &hostName = kHostName)
        : pane(fakeServices(script, alerts, hostName), QString())
    {
        pane.willEnterPane(PaneDirection::Forward);
    }
    bool reShown() const { return !pane.reRegistrationView()->isHidden() && pane.registrationView()->isHidden(); }
    // The forms in the container, bottom to top.
    QList<QObject *> forms() const
    {
        QList<QObject *> forms = pane.containerView()->children();
        forms.removeIf([](QObject *child) { return !qobject_cast<installer::RegistrationForm *>(child); });
        return forms;
    }

    RegistrationScript script;
    std::shared_ptr<FakeAlerts> alerts = std::make_shared<FakeAlerts>();
    installer::RegistrationPane pane;
};

} // namespace

class RegistrationPaneTest : public QObject
{
    Q_OBJECT

private slots:
    void reportsOnlyTheFirstEmptyField_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QList<int>>("empty");
        QTest::addColumn<QString>("message");
        QTest::newRow("new: all") << Form::New << QList<int>{0, 1, 2, 3} << "Node address field can't be empty";
        QTest::newRow("new: login on") << Form::New << QList<int>{1, 2, 3} << "Login field can't be empty";
        QTest::newRow("new: name") << Form::New << QList<int>{3} << "Name field can't be empty";
        QTest::newRow("re: all") << Form::Re << QList<int>{0, 1, 2, 3, 4} << "Agent GUID field can't be empty";
        QTest::newRow("re: address, password") << Form::Re << QList<int>{1, 3} << "Node address field can't be empty";
        QTest::newRow("re: password, name") << Form::Re << QList<int>{3, 4} << "Password field can't be empty";
    }

    void reportsOnlyTheFirstEmptyField()
    {
        QFETCH(Form, form);
        QFETCH(QList<int>, empty);
        QFETCH(QString, message);
        Page page;
        QStringList values{"a", "b", "c", "d", "e"};
        for (int index : empty)
            values[index].clear();
        registerThrough(page.pane, form, values);
        QCOMPARE(page.alerts->shown, (QList<std::pair<QString, int>>{{message, kCritical}}));
        QCOMPARE(page.script.made, 0);
        QVERIFY(actionButtonOf(page.pane, form)->isEnabled());
    }

    void passesTrimmedValuesInFieldOrder_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("call");
        QTest::newRow("new: white space around every value")
            << Form::New << QStringList{" \tbackup.example.com\n", "\n admin ", "\t p a\"ss \r\n", "  node 1\t"}
            << QStringList{"register", "backup.example.com", "admin", "p a\"ss", "node 1"};
        QTest::newRow("new: a field of blanks arrives empty")
            << Form::New << QStringList{"host", "   ", "pw", "n"} << QStringList{"register", "host", "", "pw", "n"};
        QTest::newRow("re: GUID first") << Form::Re
                                        << QStringList{" G-1 ", "\taddr", "login\n", " p\t", "\u00a0name\u2003"}
                                        << QStringList{"reRegister", "G-1", "addr", "login", "p", "name"};
    }

    void passesTrimmedValuesInFieldOrder()
    {
        QFETCH(Form, form);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, call);
        Page page;
        registerThrough(page.pane, form, typed);
        QCOMPARE(page.script.calls, QList<QStringList>{call});
    }

    void successAlertComesBeforeButtonAndNext_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QString>("message");
        QTest::newRow("new") << Form::New << "Registration success";
        QTest::newRow("re") << Form::Re << "Re-registration success";
    }

    void successAlertComesBeforeButtonAndNext()
    {
        QFETCH(Form, form);
        QFETCH(QString, message);
        Page page;
        QList<bool> duringAlert; // button, Next
        page.alerts->onShow = [&] {
            duringAlert = {actionButtonOf(page.pane, form)->isEnabled(), page.pane.isNextEnabled()};
        };
        registerThrough(page.pane, form);
        QCOMPARE(page.alerts->shown, (QList<std::pair<QString, int>>{{message, kInformational}}));
        QCOMPARE(duringAlert, (QList<bool>{true, false}));
        QVERIFY(!actionButtonOf(page.pane, form)->isEnabled());
        QVERIFY(actionButtonOf(page.pane, form == Form::New ? Form::Re : Form::New)->isEnabled());
        QVERIFY(page.pane.isNextEnabled());
        page.pane.radioChange(page.pane.reRegisterButton()); // switching forms keeps Next
        page.pane.radioChange(page.pane.registerButton());
        QVERIFY(page.pane.isNextEnabled());
    }

    void failureShowsOnlyTheReasonAndAllowsAnotherRun_data() { successAlertComesBeforeButtonAndNext_data(); }

    void failureShowsOnlyTheReasonAndAllowsAnotherRun()
    {
        QFETCH(Form, form);
        Page page;
        page.script.failWith = "Can't connect to server";
        registerThrough(page.pane, form);
        actionButtonOf(page.pane, form)->click();
        const std::pair<QString, int> alert{"Can't connect to server", kCritical};
        QCOMPARE(page.alerts->shown, (QList<std::pair<QString, int>>{alert, alert}));
        QCOMPARE(page.script.made, 2);
        QVERIFY(actionButtonOf(page.pane, form)->isEnabled());
        QVERIFY(!page.pane.isNextEnabled());
    }

    void missingFormReferenceSkipsItsStep_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<bool>("nextEnabled");
        QTest::newRow("pane") << "pane"
                              << "Registration success" << false;
        QTest::newRow("action button") << "button"
                                       << "Registration success" << true;
        QTest::newRow("login field counts as empty") << "login"
                                                     << "Login field can't be empty" << false;
    }

    void missingFormReferenceSkipsItsStep()
    {
        QFETCH(QString, missing);
        QFETCH(QString, alert);
        QFETCH(bool, nextEnabled);
        Page page;
        installer::RegistrationView *form = page.pane.registrationView();
        for (QLineEdit *field : fieldsOf(page.pane, Form::New))
            field->setText("x");
        if (missing == "pane")
            form->setParentPane(nullptr);
        else if (missing == "button")
            form->setRegisterButton(nullptr);
        else
            form->setLoginTextField(nullptr);
        form->registerClick(nullptr);
        QCOMPARE(page.alerts->shown.value(0).first, alert);
        QCOMPARE(page.pane.isNextEnabled(), nextEnabled);
    }

    void firstEntryShowsTheNewFormWithHostNameAndNextDisabled_data()
    {
        QTest::addColumn<QString>("hostName");
        QTest::newRow("host name") << kHostName;
        QTest::newRow("no host name leaves the field empty") << "";
    }

    void firstEntryShowsTheNewFormWithHostNameAndNextDisabled()
    {
        QFETCH(QString, hostName);
        Page page(hostName);
        QVERIFY(!page.reShown() && !page.pane.registrationView()->isHidden());
        QVERIFY(page.pane.registerButton()->isChecked());
        QCOMPARE(page.pane.registrationView()->nameTextField()->text(), hostName);
        QCOMPARE(page.pane.reRegistrationView()->nameTextField()->text(), hostName);
        QVERIFY(!page.pane.isNextEnabled());
    }

    void radioChangeShowsTheChosenForm_data()
    {
        QTest::addColumn<QString>("senders"); // r, R: the radio buttons; b: a form's button; 0: null
        QTest::addColumn<bool>("reShown");
        QTest::newRow("re radio") << "R" << true;
        QTest::newRow("re, then new radio") << "Rr" << false;
        QTest::newRow("other sender ignored") << "Rb" << true;
        QTest::newRow("null sender ignored, even without a radio button") << "R-0" << true;
    }

    void radioChangeShowsTheChosenForm()
    {
        QFETCH(QString, senders);
        QFETCH(bool, reShown);
        Page page;
        for (QChar sender : senders) {
            if (sender == u'r' || sender == u'R')
                (sender == u'r' ? page.pane.registerButton() : page.pane.reRegisterButton())->click();
            else if (sender == u'b')
                page.pane.radioChange(actionButtonOf(page.pane, Form::New));
            else if (sender == u'-')
                page.pane.setRegisterButton(nullptr);
            else
                page.pane.radioChange(nullptr);
        }
        QCOMPARE(page.reShown(), reShown);
        QCOMPARE(page.pane.registrationView()->isHidden(), reShown);
    }

    void reentryBringsThePageIntoAgreement_data()
    {
        QTest::addColumn<PaneDirection>("direction");
        QTest::addColumn<Form>("chosen");
        QTest::addColumn<bool>("succeeded");
        QTest::newRow("back, nothing done") << PaneDirection::Backward << Form::New << false;
        QTest::newRow("back after a registration") << PaneDirection::Backward << Form::New << true;
        QTest::newRow("back onto the re form") << PaneDirection::Backward << Form::Re << false;
        QTest::newRow("forward after a re-registration") << PaneDirection::Forward << Form::Re << true;
    }

    void reentryBringsThePageIntoAgreement()
    {
        QFETCH(PaneDirection, direction);
        QFETCH(Form, chosen);
        QFETCH(bool, succeeded);
        Page page;
        (chosen == Form::Re ? page.pane.reRegisterButton() : page.pane.registerButton())->click();
        if (succeeded)
            registerThrough(page.pane, chosen);
        formOf(page.pane, Form::New)->nameTextField()->setText("typed");
        formOf(page.pane, Form::Re)->nameTextField()->setText("typed");
        const int layoutItems = page.pane.containerView()->layout()->count();
        page.pane.registrationView()->raise(); // the interface file's order must not matter

        page.pane.willEnterPane(direction);

        QCOMPARE(formOf(page.pane, Form::New)->nameTextField()->text(), kHostName);
        QCOMPARE(formOf(page.pane, Form::Re)->nameTextField()->text(), kHostName);
        QCOMPARE(page.forms(), (QList<QObject *>{page.pane.registrationView(), page.pane.reRegistrationView()}));
        QCOMPARE(page.pane.containerView()->layout()->count(), layoutItems);
        QCOMPARE(page.reShown(), chosen == Form::Re);
        QCOMPARE(page.pane.registrationView()->isHidden(), chosen == Form::Re);
        QCOMPARE(page.pane.isNextEnabled(), succeeded);
    }

    void missingPaneReferenceSkipsItsStep()
    {
        Page page;
        installer::ReRegistrationView *reForm = page.pane.reRegistrationView();
        reForm->nameTextField()->setText("typed");
        page.pane.setContainerView(nullptr);
        page.pane.setReRegistrationView(nullptr);
        page.pane.willEnterPane(PaneDirection::Backward);
        QCOMPARE(reForm->nameTextField()->text(), QString("typed"));
        QCOMPARE(page.pane.registrationView()->nameTextField()->text(), kHostName);
    }

    void titleComesFromThePluginsOwnStringsTable_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QString shipped = QString::fromLatin1(installer::kPaneStringsTable);
        QTest::newRow("the table's title") << shipped << "PaneTitle"
                                           << "Agent Registration";
        QTest::newRow("no table") << ""
                                  << "PaneTitle"
                                  << "PaneTitle";
        QTest::newRow("unreadable table") << "/nonexistent/strings.qm"
                                          << "PaneTitle"
                                          << "PaneTitle";
        QTest::newRow("key without an entry") << shipped << "NoSuchKey"
                                              << "NoSuchKey";
    }

    void titleComesFromThePluginsOwnStringsTable()
    {
        QFETCH(QString, table);
        QFETCH(QString, key);
        QFETCH(QString, value);
        RegistrationScript script;
        installer::RegistrationPane pane(fakeServices(script, std::make_shared<FakeAlerts>()), table);
        QCOMPARE(pane.getLocalizedString(key), value);
        QCOMPARE(pane.title(), pane.getLocalizedString("PaneTitle"));
    }
};

QTEST_MAIN(RegistrationPaneTest)
#include "tst_registrationpane.moc"

#include "EnrollerPlugin.h"
#include "InstallerPanePage.h"
#include "InstallerPluginLoader.h"
#include "InstallerUiFakes.h"
#include "SetupAssistant.h"

#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using platform::PaneDirection;
using platform::SetupAssistant;

namespace {

// The real pane, noting every entry.
struct RecordingPane : installer::RegistrationPane
{
    RecordingPane(RegistrationScript &script)
        : RegistrationPane(fakeServices(script, std::make_shared<FakeAlerts>()), QString())
    {}
    void willEnterPane(PaneDirection direction) override
    {
        entries.append(direction);
        RegistrationPane::willEnterPane(direction);
    }
    QList<PaneDirection> entries;
};

// An assistant on the recording pane, on its welcome page.
struct Assistant
{
    Assistant()
        : pane(new RecordingPane(script))
        , wizard(std::unique_ptr<RecordingPane>(pane))
    {
        wizard.restart();
    }
    bool nextEnabled() const { return wizard.button(QWizard::NextButton)->isEnabled(); }

    RegistrationScript script;
    RecordingPane *pane;
    SetupAssistant wizard;
};

} // namespace

class SetupAssistantTest : public QObject
{
    Q_OBJECT

private slots:
    void loadsThePluginWithItsStringsTable()
    {
        platform::InstallerPluginLoader loader({"/nonexistent/plugins/libenroller.so", KELVANE_ENROLLER_PLUGIN});
        SetupAssistant assistant(loader.createPane());
        QCOMPARE(assistant.panePage()->title(), QString("Agent Registration"));
    }

    void pluginBuildsTheRealRegistrationOnGivenDependencies()
    {
        QTemporaryDir dir;
        installer::EnrollerDependencies dependencies;
        for (QString *path : {&dependencies.paths.stagingDirectory, &dependencies.paths.stagedConfigFile,
                              &dependencies.paths.installedConfigDirectory, &dependencies.paths.installedConfigFile,
                              &dependencies.paths.launchctl, &dependencies.paths.pkexec})
            *path = dir.filePath("unused");
        dependencies.paths.daemonExecutable = "/nonexistent/qmx-osagent";
        auto alerts = std::make_shared<FakeAlerts>();
        dependencies.alerts = alerts;
        const std::unique_ptr<platform::InstallerPane> plugin =
            platform::InstallerPluginLoader({KELVANE_ENROLLER_PLUGIN}).createPane(&dependencies);
        auto *pane = plugin->contentView();
        for (QLineEdit *field : pane->findChild<QWidget *>("registrationView")->findChildren<QLineEdit *>())
            field->setText("x");
        pane->findChild<QAbstractButton *>("registerButton")->click();
        QCOMPARE(alerts->shown.size(), 1);
        QVERIFY2(alerts->shown[0].first.startsWith("Can't run process '/nonexistent/qmx-osagent'"),
                 qPrintable(alerts->shown[0].first));
    }

    void unavailablePluginIsReportedWithItsStatus_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<QString>("detail");
        QTest::newRow("missing") << "/nonexistent/libenroller.so"
                                 << "/nonexistent/libenroller.so";
        QTest::newRow("not a library") << "text"
                                       << "did not load";
        QTest::newRow("library without the factory")
            << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Test.so.6"
            << "createInstallerPane";
    }

    void unavailablePluginIsReportedWithItsStatus()
    {
        QFETCH(QString, candidate);
        QFETCH(QString, detail);
        QTemporaryDir dir;
        if (candidate == "text") {
            QFile file(candidate = dir.filePath("libenroller.so"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("text") == 4);
        }
        FakeAlerts alerts;
        QCOMPARE(platform::runSetupAssistant({candidate}, alerts), platform::kSetupPluginUnavailable);
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(alerts.shown[0].second, int(platform::AlertStyle::Critical));
    }

    void nextFollowsThePaneAndEveryEntryReachesIt()
    {
        Assistant assistant;
        assistant.wizard.next();
        QCOMPARE(assistant.wizard.currentPage()->title(), assistant.pane->title());
        assistant.wizard.next(); // held by the pane
        QCOMPARE(assistant.wizard.currentId(), int(SetupAssistant::PanePageId));
        QVERIFY(!assistant.nextEnabled());
        assistant.pane->reRegisterButton()->click();
        registerThrough(*assistant.pane, Form::Re);
        QVERIFY(assistant.nextEnabled());
        assistant.wizard.next();
        assistant.wizard.back();
        assistant.wizard.back();
        assistant.wizard.next();

        QCOMPARE(assistant.pane->entries,
                 (QList<PaneDirection>{PaneDirection::Forward, PaneDirection::Backward, PaneDirection::Forward}));
        QVERIFY(assistant.nextEnabled());
        QVERIFY(!assistant.pane->reRegistrationView()->isHidden());
    }

    void exitStatusTellsFinishFromCancel_data()
    {
        QTest::addColumn<QWizard::WizardButton>("button");
        QTest::addColumn<int>("status");
        QTest::newRow("finish") << QWizard::FinishButton << platform::kSetupFinished;
        QTest::newRow("cancel") << QWizard::CancelButton << platform::kSetupCancelled;
    }

    void exitStatusTellsFinishFromCancel()
    {
        QFETCH(QWizard::WizardButton, button);
        QFETCH(int, status);
        Assistant assistant;
        QTimer::singleShot(0, &assistant.wizard, [&assistant, button] {
            assistant.wizard.next();
            registerThrough(*assistant.pane, Form::New);
            assistant.wizard.next();
            assistant.wizard.button(button)->click();
        });
        QCOMPARE(assistant.wizard.run(), status);
    }
};

QTEST_MAIN(SetupAssistantTest)
#include "tst_setupassistant.moc"

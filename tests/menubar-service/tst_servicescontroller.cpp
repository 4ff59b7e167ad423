#include "LogSink.h"
#include "ServiceFakes.h"
#include "ServicesController.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using menubar::ServicesController;
using namespace std::chrono_literals;

namespace {

const QString kSelf = "Kelvane_OS_Agent.ServicesController";
const QString kStopped = "COMM\nlaunchd\nqmx-osagentd\n";
const QString kRunning = "COMM\nlaunchd\nqmx-osagent\n";
const QStringList kProbe{"/fake/ps", "-axco", "comm"};
const QString kStartCommand =
    "launchctl start com.kelvane.osagent; sleep 3; sudo launchctl list | grep com.kelvane.osagent";
const QString kStopCommand = "launchctl stop com.kelvane.osagent";
const QString kMissingData = R"x(Error Domain=Missing data Code=0 "(null)")x";

struct Rig
{
    QTemporaryDir dir;
    FakeProcessRunner runner;
    platform::CapturingLogSink log;
    FakeAlertPresenter alerts;
    FakeUrlOpener urls;
    std::unique_ptr<ServicesController> controller;

    QString configFile() const { return dir.filePath(".qmx-osagent.cfg"); }
    void start(std::chrono::milliseconds interval = 60s)
    {
        contract::AgentPaths paths;
        paths.installedConfigFile = configFile();
        paths.ps = kProbe.first();
        controller = std::make_unique<ServicesController>(
            ServicesController::Dependencies{runner, log, alerts, urls, paths, interval});
    }
    QStringList messages(platform::LogLevel level) const
    {
        QStringList lines;
        for (const auto &entry : log.entries())
            if (entry.level == level)
                lines.append(entry.message);
        return lines;
    }
};

// Runs the status updates queued so far.
void settle()
{
    QCoreApplication::processEvents();
}

} // namespace

class ServicesControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void probeMatchesOnlyTheWholeName_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("running");
        QTest::newRow("name alone") << "COMM\nqmx-osagent\n" << true;
        QTest::newRow("blanks around") << "COMM\n   qmx-osagent  \n" << true;
        QTest::newRow("tabs around") << "COMM\n\tqmx-osagent\t\n" << true;
        QTest::newRow("unicode spaces around") << QString("\u00A0qmx-osagent\u3000") << true;
        QTest::newRow("path prefix") << "COMM\n/usr/local/bin/qmx-osagent\n" << false;
        QTest::newRow("longer name") << "COMM\nqmx-osagentd\n" << false;
        QTest::newRow("capitals") << "COMM\nQMX-OSAGENT\n" << false;
        QTest::newRow("carriage return") << "COMM\r\nqmx-osagent\r\n" << false;
        QTest::newRow("name inside a line") << "COMM\nrun qmx-osagent\n" << false;
        QTest::newRow("header and empty lines") << "COMM\n\n\n" << false;
    }

    void probeMatchesOnlyTheWholeName()
    {
        QFETCH(QString, table);
        QFETCH(bool, running);
        QCOMPARE(ServicesController::processTableContains(table, "qmx-osagent"), running);
    }

    void jobListDecidesThePrompt_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("running");
        QTest::addColumn<qint64>("code");
        QTest::addColumn<bool>("prompt");
        QTest::newRow("started") << "4321\t0\tcom.kelvane.osagent\n" << true << qint64(0) << false;
        QTest::newRow("no disk access") << "-\t6\tcom.kelvane.osagent\n" << false << qint64(6) << true;
        QTest::newRow("other failure") << "-\t78\tcom.kelvane.osagent\n" << false << qint64(78) << false;
        QTest::newRow("running despite status 6") << "4321\t6\tcom.kelvane.osagent\n" << true << qint64(6) << false;
        QTest::newRow("blank before pid") << " 12\t6\tcom.kelvane.osagent\n" << false << qint64(6) << true;
        QTest::newRow("letter after pid") << "12a\t6\tcom.kelvane.osagent\n" << false << qint64(6) << true;
        QTest::newRow("plus sign") << "+12\t6\tcom.kelvane.osagent\n" << true << qint64(6) << false;
        QTest::newRow("sign alone") << "+\t6\tx\n" << false << qint64(6) << true;
        QTest::newRow("non-ASCII digit") << QString("\u0663\t6\tx\n") << false << qint64(6) << true;
        QTest::newRow("pid past 64 bits") << "9223372036854775808\t6\tx" << false << qint64(6) << true;
        QTest::newRow("lowest 64-bit value") << "-9223372036854775808\t6\tx" << true << qint64(6) << false;
        QTest::newRow("status dash") << "-\t-\tcom.kelvane.osagent\n" << false << qint64(0) << false;
        QTest::newRow("first line decides") << "-\t6\tcom.kelvane.osagent\n4321\t0\tcom.kelvane.osagent.x\n"
                                            << false << qint64(6) << true;
        QTest::newRow("no tab") << "com.kelvane.osagent\n" << false << qint64(0) << false;
    }

    void jobListDecidesThePrompt()
    {
        QFETCH(QString, output);
        QFETCH(bool, running);
        QFETCH(qint64, code);
        QFETCH(bool, prompt);
        QCOMPARE(ServicesController::parseStartServiceOutput(output), (menubar::StartServiceResult{running, code}));

        Rig rig;
        rig.runner.tables = {kRunning, kStopped};
        rig.runner.rootOutput = output;
        rig.start();
        settle();
        QStringList iconDuringPrompt;
        rig.alerts.whileShown = [&] { // a real modal alert runs the event loop, so the queued refresh shows
            settle();
            iconDuringPrompt << rig.controller->iconName();
        };
        rig.controller->startService();
        QCOMPARE(iconDuringPrompt, prompt ? QStringList{"StopMenuBarExtraIcon"} : QStringList());
    }

    void commandsReachTheRunnerOnlyFromTheOppositeState_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QString>("command");
        QTest::newRow("start") << false << false << false << kStartCommand;
        QTest::newRow("failed start") << false << false << true << kStartCommand;
        QTest::newRow("stop") << true << true << false << kStopCommand;
        QTest::newRow("failed stop") << true << true << true << kStopCommand;
        QTest::newRow("start while running") << true << false << false << QString();
        QTest::newRow("stop while stopped") << false << true << false << QString();
    }

    void commandsReachTheRunnerOnlyFromTheOppositeState()
    {
        QFETCH(bool, running);
        QFETCH(bool, stop);
        QFETCH(bool, fails);
        QFETCH(QString, command);
        Rig rig;
        rig.runner.tables = {running ? kRunning : kStopped};
        rig.runner.rootOutput = fails ? std::nullopt : std::optional<QString>("-\t6\tcom.kelvane.osagent\n");
        rig.start();
        settle();
        rig.runner.calls.clear();
        rig.log.clear();
        QSignalSpy willChange(rig.controller.get(), &ServicesController::objectWillChange);

        stop ? rig.controller->stopService() : rig.controller->startService();
        const QList<QStringList> acted{kProbe, {"root", command}, kProbe};
        QCOMPARE(rig.runner.calls, command.isEmpty() ? QList<QStringList>{kProbe} : acted);
        const QStringList failure{kSelf + " Failed exectute " + kMissingData};
        QCOMPARE(rig.messages(platform::LogLevel::Error), fails ? failure : QStringList());
        QCOMPARE(rig.log.entries().size(), fails ? 1 : 0);
        QCOMPARE(rig.alerts.shown.size(), command == kStartCommand && !fails ? 1 : 0);
        settle();
        QCOMPARE(willChange.size(), command.isEmpty() ? 0 : 2); // a refresh is queued after every command
    }

    void changesLogAndEveryCheckNotifies()
    {
        Rig rig;
        rig.runner.tables = {kRunning, kRunning, kStopped};
        rig.start(10ms);
        QStringList seen; // each observer reads the value when notified
        auto *controller = rig.controller.get();
        connect(controller, &ServicesController::objectWillChange, this, [&] { seen << "will"; });
        connect(controller, &ServicesController::isServiceRunningChanged, this,
                [&] { seen << QString("running=%1").arg(controller->isServiceRunning()); });
        connect(controller, &ServicesController::iconNameChanged, this, [&] { seen << controller->iconName(); });
        QCOMPARE(controller->isServiceRunning(), true);
        QCOMPARE(controller->iconName(), QString("MenuBarExtraIcon"));

        QTRY_VERIFY(seen.size() >= 12);
        const QStringList unchanged{"will", "running=1", "will", "MenuBarExtraIcon"};
        const QStringList changed{"will", "running=0", "will", "StopMenuBarExtraIcon"};
        QCOMPARE(seen.mid(0, 12), unchanged + unchanged + changed);
        QCOMPARE(rig.messages(platform::LogLevel::Info),
                 (QStringList{kSelf + " starting", kSelf + " qmx-osagent: stoped"}));
    }

    void unreadableTableCountsAsStoppedAndLogsEachCheck()
    {
        Rig rig;
        rig.runner.tables = {std::nullopt};
        rig.start(10ms);
        QCOMPARE(rig.controller->iconName(), QString("MenuBarExtraIcon")); // until the queued update runs
        QTRY_VERIFY(rig.runner.calls.size() >= 3);
        QCOMPARE(rig.controller->iconName(), QString("StopMenuBarExtraIcon"));
        QCOMPARE(rig.messages(platform::LogLevel::Error),
                 QStringList(rig.runner.calls.size(), kSelf + " Failed execute process " + kMissingData));
    }

    void configFileDecidesTheStartAtLaunch_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("starts");
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("file") << "file" << true;
        QTest::newRow("directory") << "directory" << true;
        QTest::newRow("link to a file") << "link" << true;
        QTest::newRow("dangling link") << "dangling" << false;
    }

    void configFileDecidesTheStartAtLaunch()
    {
        QFETCH(QString, entry);
        QFETCH(bool, starts);
        Rig rig;
        rig.runner.tables = {kStopped};
        const QString target = rig.dir.filePath("target");
        if (entry == "file" || entry == "link")
            QFile(entry == "file" ? rig.configFile() : target).open(QIODevice::WriteOnly);
        if (entry == "directory")
            QVERIFY(QDir(rig.dir.path()).mkdir(".qmx-osagent.cfg"));
        if (entry == "link" || entry == "dangling")
            QVERIFY(QFile::link(target, rig.configFile()));
        rig.start();
        QCOMPARE(rig.runner.calls.contains(QStringList{"root", kStartCommand}), starts);
    }

    void destructionLogsStoppingAndDropsPendingUpdate()
    {
        Rig rig;
        rig.start(1ms);
        rig.controller.reset();
        settle();
        QCOMPARE(rig.messages(platform::LogLevel::Info), (QStringList{kSelf + " starting", kSelf + " stopping"}));
    }
};

QTEST_GUILESS_MAIN(ServicesControllerTest)
#include "tst_servicescontroller.moc"

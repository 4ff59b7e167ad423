#include "tests/support/ControllerFakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using menubar::ServicesController;
using namespace std::chrono_literals;

namespace {

const QString kSelf = "Kelvane_OS_Agent.ServicesController ";
const QStringList kProbe{"/bin/ps", "-axco", "comm"};
const QString kStop = "launchctl stop com.kelvane.osagent";
const QString kMissingData = R"x(Error Domain=Missing data Code=0 "(null)")x";
const QString kPrompt = "critical Missing full disk access|Kelvane OS Agent requires full disk access for this "
                        "service:\n\n- Kelvane OS Agent\n\nDo you want to enable required permission now?|Yes/No";

} // namespace

class ServicesControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void probeMatchesOnlyTheWholeName_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("running");
        QTest::newRow("blanks around") << "COMM\n   qmx-osagent  \n" << true;
        QTest::newRow("tabs around") << "COMM\n\tqmx-osagent\t\n" << true;
        QTest::newRow("path prefix") << "COMM\n/usr/local/bin/qmx-osagent\n" << false;
        QTest::newRow("longer name") << "COMM\nqmx-osagentd\n" << false;
        QTest::newRow("capitals") << "COMM\nQMX-OSAGENT\n" << false;
        QTest::newRow("carriage return") << "COMM\r\nqmx-osagent\r\n" << false;
        QTest::newRow("header and empty lines") << "COMM\n\n\n" << false;
        QTest::newRow("NUL after the name") << QString::fromUtf8("COMM\nqmx-osagent\0\n", 18) << false;
    }

    void probeMatchesOnlyTheWholeName()
    {
        QFETCH(QString, table);
        QTEST(ServicesController::processTableContains(table, "qmx-osagent"), "running");
    }

    void commandsRunOnlyFromTheOppositeState_data()
    {
        using platform::kAlertFirstButtonReturn, platform::kAlertSecondButtonReturn;
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("running");   // as the command's own probe sees it
        QTest::addColumn<QString>("output"); // of the command; none: it fails
        QTest::addColumn<int>("answer");     // to the Full Disk Access prompt, if it comes
        QTest::addColumn<QString>("parsed"); // the output read as a job list (its edge cases: fuzz_joblist)
        QTest::addColumn<QString>("calls");  // after the first check: "ps" a probe, "root" the command as root
        QTest::addColumn<QString>("prompt"); // "", "shown" or "shown, settings opened"
        const int yes = kAlertFirstButtonReturn, no = kAlertSecondButtonReturn;
        const auto row = [](const char *name, const char *action, bool running, const QString &output, int answer,
                            const char *parsed, const char *calls, const char *prompt = "") {
            QTest::newRow(name) << QString(action) << running << output << answer << QString(parsed) << QString(calls)
                                << QString(prompt);
        };
        row("started", "start", false, "4321\t0\tx\n", yes, "true 0", "ps root ps");
        row("no disk access, Yes", "start", false, "-\t6\tx\n", yes, "false 6", "ps root ps", "shown, settings opened");
        row("other failure", "start", false, "-\t78\tx\n", yes, "false 78", "ps root ps");
        row("running despite status 6", "start", false, "4321\t6\tx\n", yes, "true 6", "ps root ps");
        row("first line decides", "start", false, "-\t6\tx\n4321\t0\tx\n", no, "false 6", "ps root ps", "shown");
        row("failed start", "start", false, QString(), yes, "false 0", "ps root ps");
        row("ten mebibytes of digits are no process ID", "start", false, QString(10 << 20, '9') + "\t78\tx", yes,
            "false 78", "ps root ps");
        row("stop", "stop", true, "", yes, "false 0", "ps root ps");
        row("start while running", "start", true, "", yes, "false 0", "ps");
        row("stop while stopped", "stop", false, "", yes, "false 0", "ps");
    }

    void commandsRunOnlyFromTheOppositeState()
    {
        QFETCH(QString, action);
        QFETCH(bool, running);
        QFETCH(QString, output);
        QFETCH(int, answer);
        QFETCH(QString, parsed);
        QFETCH(QString, calls);
        QFETCH(QString, prompt);
        const menubar::StartServiceResult result = ServicesController::parseStartServiceOutput(output);
        QCOMPARE(QString("%1 %2").arg(result.isServiceRunning ? "true" : "false").arg(result.lastErrorCode), parsed);
        ControllerFakes fakes;
        fakes.tables = {running ? kRunningTable : kStoppedTable};
        fakes.rootOutput = output.isNull() ? std::nullopt : std::optional(output);
        fakes.alerts.answer = answer;
        auto controller = std::make_unique<ServicesController>(fakes.dependencies(60s));
        QCoreApplication::processEvents(); // the first check, on the loop's first turn
        QCoreApplication::processEvents(); // and its update, queued by it
        fakes.alerts.whileShown = [&] {
            QCoreApplication::processEvents(); // as a real modal alert does: the refresh is queued before it
            QCOMPARE(controller->iconName(), "StopMenuBarExtraIcon");
        };
        if (action == "stop")
            controller->stopService();
        else
            controller->startService();

        QList<QStringList> expected{kProbe};
        for (const QString &call : calls.split(' '))
            expected << (call == "ps" ? kProbe : QStringList{"root", action == "stop" ? kStop : kStartCommand});
        QCOMPARE(fakes.calls, expected);
        const bool prompts = !prompt.isEmpty();
        QCOMPARE(fakes.alerts.shown, prompts ? QStringList{kPrompt} : QStringList());
        const QUrl settings("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles");
        QCOMPARE(fakes.urls.opened, prompt.endsWith("settings opened") ? QList<QUrl>{settings} : QList<QUrl>());
        controller.reset(); // with updates still queued, which must be dropped
        QCoreApplication::processEvents();
        QStringList log{"I " + kSelf + "starting"};
        if (!running)
            log << "I " + kSelf + "qmx-osagent: stoped";
        if (output.isNull())
            log << "E " + kSelf + "Failed exectute " + kMissingData;
        QCOMPARE(fakes.log, log << "I " + kSelf + "stopping");
    }

    // An unreadable process table counts as stopped; a change logs; an unchanged check logs nothing
    // of its own and still notifies.
    void everyCheckNotifiesAndChangesLog()
    {
        ControllerFakes fakes;
        fakes.tables = {std::nullopt, std::nullopt, kRunningTable};
        ServicesController controller(fakes.dependencies(10ms));
        QStringList seen; // each observer reads the value when notified
        connect(&controller, &ServicesController::objectWillChange, this, [&] { seen << "will"; });
        connect(&controller, &ServicesController::isServiceRunningChanged, this,
                [&] { seen << QString("running=%1").arg(controller.isServiceRunning()); });
        connect(&controller, &ServicesController::iconNameChanged, this, [&] { seen << controller.iconName(); });
        QCOMPARE(controller.isServiceRunning(), true); // until the queued update runs
        QCOMPARE(controller.iconName(), "MenuBarExtraIcon");

        QTRY_VERIFY(seen.size() >= 12);
        const QStringList stopped{"will", "running=0", "will", "StopMenuBarExtraIcon"};
        QCOMPARE(seen.mid(0, 12), stopped + stopped + QStringList({"will", "running=1", "will", "MenuBarExtraIcon"}));
        const QString probeFailed = "E " + kSelf + "Failed execute process " + kMissingData;
        QCOMPARE(fakes.log, (QStringList{"I " + kSelf + "starting", probeFailed, "I " + kSelf + "qmx-osagent: stoped",
                                         probeFailed, "I " + kSelf + "qmx-osagent: running"}));
    }

    // The first check, and on an enrolled machine the start, which ends in a pause of seconds, wait for the event
    // loop's first turn, so that the item can be shown meanwhile; the start follows the first check, and the machine
    // counts as enrolled at once, so that no registration is offered.
    void enrolledMachineStartsTheDaemonOnceTheLoopTurns()
    {
        QTemporaryDir dir;
        QFile config(dir.filePath(".qmx-osagent.cfg"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        ControllerFakes fakes;
        fakes.rootOutput = "4321\t0\tcom.kelvane.osagent\n";
        ServicesController controller(fakes.dependencies(1h, config.fileName()));
        connect(&controller, &ServicesController::iconNameChanged, this, [&] {
            fakes.calls.append({"published", controller.iconName()});
        });
        QVERIFY(fakes.calls.isEmpty()); // nothing runs before the loop turns: the item is shown first
        QVERIFY(controller.isEnrolled());

        const QStringList stopped{"published", "StopMenuBarExtraIcon"};
        QTRY_COMPARE(fakes.calls,
                     (QList<QStringList>{kProbe, kProbe, {"root", kStartCommand}, kProbe, stopped, stopped}));
    }
};

QTEST_GUILESS_MAIN(ServicesControllerTest)
#include "tst_servicescontroller.moc"

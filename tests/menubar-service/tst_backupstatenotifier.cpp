#include "menubar-app/service/BackupStateNotifier.h"
#include "platform/LogSink.h"
#include "platform/UserNotifier.h"

#include <QTest>

using namespace menubar;

const QString kSelf = "Kelvane_OS_Agent.BackupStateNotifier ";

struct RecordingNotifier : platform::UserNotifier
{
    QStringList shown; // "title|body|action"
    void notify(const Notification &notification) override
    {
        shown << notification.title + '|' + notification.body + '|' + notification.actionTitle;
    }
};

class BackupStateNotifierTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void notifiesWhenBackupsStopAndResume_data()
    {
        // The events, in order: a check finding the daemon running (run) or not (down), or not on an unenrolled
        // machine (unenrolled); the application's start (start), the user's stop (stop), status 6 (fda), the
        // notification's action chosen (action).
        QTest::addColumn<QString>("events");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("titles"); // shown, in order; "start" for a start asked for
        const QString stopped = "Backups have stopped";
        const QString resumed = "Backups have resumed";
        QTest::newRow("ran, then two checks find it down") << "run down down down" << true << QStringList{stopped};
        QTest::newRow("one check down is no news") << "run down run down run" << true << QStringList{};
        QTest::newRow("stopped by the user") << "run stop down down down" << true << QStringList{};
        QTest::newRow("started by the user after a stop, not coming up")
            << "run stop down start down down" << true << QStringList{stopped};
        QTest::newRow("started, one check down, then up") << "run down start down run" << true << QStringList{};
        QTest::newRow("never ran, never started") << "down down down" << true << QStringList{};
        QTest::newRow("a second notice only after running in between")
            << "run down down down down run down down" << true << QStringList{stopped, resumed, stopped};
        QTest::newRow("status 6 has its own prompt") << "start fda down down" << true << QStringList{};
        QTest::newRow("not enrolled") << "run unenrolled unenrolled" << true << QStringList{};
        QTest::newRow("turned off") << "run down down run" << false << QStringList{};
        QTest::newRow("the action starts backups") << "run down down action" << true << QStringList{stopped, "start"};
        QTest::newRow("the action of a resumed notice does nothing")
            << "run down down run action" << true << QStringList{stopped, resumed};
    }

    void notifiesWhenBackupsStopAndResume()
    {
        QFETCH(QString, events);
        QFETCH(bool, enabled);
        QFETCH(QStringList, titles);
        RecordingNotifier notifier;
        platform::CapturingLogSink log;
        BackupStateNotifier decision({notifier, log, [enabled] { return enabled; }});
        QStringList happened;
        connect(&decision, &BackupStateNotifier::startBackupsRequested, this, [&] { happened << "start"; });
        for (const QString &event : events.split(' ')) {
            const qsizetype before = notifier.shown.size();
            if (event == "run" || event == "down" || event == "unenrolled")
                decision.statusChecked(event == "run", event != "unenrolled");
            else if (event == "start")
                decision.startRequested();
            else if (event == "stop")
                decision.stopRequested();
            else if (event == "fda")
                decision.fullDiskAccessMissing();
            else
                emit notifier.actionInvoked();
            for (const QString &shown : notifier.shown.mid(before))
                happened << shown.section('|', 0, 0);
        }
        QCOMPARE(happened, titles);
        if (!enabled) // why no notice came, for whoever reads the log
            QCOMPARE(log.entries().value(0).message, kSelf + "backups stopped; notifications are off");
    }

    // The state in words, since when, and the one action.
    void theNoticeSaysSinceWhen()
    {
        RecordingNotifier notifier;
        platform::CapturingLogSink log;
        QDateTime now(QDate(2026, 12, 9), QTime(14, 5));
        BackupStateNotifier decision({notifier, log, [] { return true; }, [&now] { return now; }});
        decision.statusChecked(true, true);
        decision.statusChecked(false, true);
        now = now.addSecs(5);
        decision.statusChecked(false, true);
        QCOMPARE(notifier.shown,
                 QStringList{"Backups have stopped|The Kelvane OS Agent service has not been running since 9 Dec 2026 "
                             "14:05:00: this computer is not being backed up.|Start Backups"});
        QCOMPARE(log.entries().constLast().message, kSelf + "backups stopped");
    }
};

QTEST_GUILESS_MAIN(BackupStateNotifierTest)
#include "tst_backupstatenotifier.moc"

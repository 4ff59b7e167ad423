#include "platform/widgets/TrayActivationPoint.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <climits>

using platform::TrayActivationPoint;

// The host's call and Qt's report of it come in either order; the point answers the report with the call's
// point in either, and with none where it has nothing or no place to go by.
class TrayActivationPointTest : public QObject
{
    Q_OBJECT

    static constexpr int kNoCall = INT_MAX;

private slots:
    void answersWithTheHostsPoint_data()
    {
        QTest::addColumn<bool>("following");
        QTest::addColumn<int>("callAt"); // ms after the question; negative: before it
        QTest::addColumn<QPoint>("hostPoint");
        QTest::addColumn<QVariant>("answer"); // none: invalid
        const QPoint on(300, 200);
        QTest::newRow("the call first") << true << -1 << on << QVariant(on);
        QTest::newRow("the report first") << true << 20 << on << QVariant(on);
        QTest::newRow("a call long before: another item's") << true << -600 << on << QVariant();
        QTest::newRow("no call within the wait") << true << kNoCall << on << QVariant();
        QTest::newRow("a host that knows no place") << true << -1 << QPoint(0, 0) << QVariant();
        QTest::newRow("off every screen") << true << -1 << QPoint(-5, 90000) << QVariant();
    }

    void answersWithTheHostsPoint()
    {
        QFETCH(bool, following);
        QFETCH(int, callAt);
        QFETCH(QPoint, hostPoint);
        QFETCH(QVariant, answer);
        TrayActivationPoint point;
        point.setFollowing(following);
        if (callAt < 0) {
            point.activatedAt(hostPoint);
            QTest::qWait(-callAt);
        } else if (callAt != kNoCall) {
            QTimer::singleShot(callAt, &point, [&] { point.activatedAt(hostPoint); });
        }
        QList<QVariant> answers;
        point.whenKnown(this, [&](std::optional<QPoint> at) { answers << (at ? QVariant(*at) : QVariant()); });
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 1000);
        QCOMPARE(answers.constFirst(), answer);
        // Taken: a second report finds nothing, and the first is answered once.
        point.setFollowing(false);
        point.whenKnown(this, [&](std::optional<QPoint> at) { answers << (at ? QVariant(*at) : QVariant()); });
        QCOMPARE(answers, (QList<QVariant>{answer, QVariant()}));
    }

    // Nothing read: the report is answered at once, not after the wait.
    void answersAtOnceWhenNothingIsRead()
    {
        TrayActivationPoint point;
        bool answered = false;
        point.whenKnown(this, [&](std::optional<QPoint> at) { answered = !at; });
        QVERIFY(answered);
    }
};

QTEST_MAIN(TrayActivationPointTest)
#include "tst_trayactivationpoint.moc"

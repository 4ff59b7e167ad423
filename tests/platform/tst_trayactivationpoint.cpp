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
        QTest::newRow("nothing read") << false << kNoCall << on << QVariant();
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
        const auto ask = [&] {
            point.whenKnown(this, [&](std::optional<QPoint> at) { answers << (at ? QVariant(*at) : QVariant()); });
        };
        ask();
        // At once when the point has come or none is read; then no more.
        QCOMPARE(answers.size(), (callAt < 0 && answer.isValid()) || !following ? 1 : 0);
        QTest::qWait(int(TrayActivationPoint::kWaitForPoint.count()) + 50);
        QCOMPARE(answers, QList<QVariant>{answer});
        // Taken: a second report finds nothing.
        point.setFollowing(false);
        ask();
        QCOMPARE(answers, (QList<QVariant>{answer, QVariant()}));
    }

    // The menu that asked may be gone by the time the point comes.
    void noAnswerOnceTheAskerIsGone()
    {
        TrayActivationPoint point;
        point.setFollowing(true);
        int answers = 0;
        {
            QObject asker;
            point.whenKnown(&asker, [&](std::optional<QPoint>) { ++answers; });
        }
        point.activatedAt(QPoint(300, 200));
        QCOMPARE(answers, 0);
    }
};

QTEST_MAIN(TrayActivationPointTest)
#include "tst_trayactivationpoint.moc"

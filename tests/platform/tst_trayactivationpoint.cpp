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
        QTest::addColumn<QVariantList>("answered"); // none: invalid; no answer at all: the asker is gone by then
        const QPoint on(300, 200);
        const QVariantList none{QVariant()};
        QTest::newRow("the call first") << true << -1 << on << QVariantList{on};
        QTest::newRow("the report first") << true << 20 << on << QVariantList{on};
        QTest::newRow("a call long before: another item's") << true << -600 << on << none;
        QTest::newRow("no call within the wait") << true << kNoCall << on << none;
        QTest::newRow("a host that knows no place") << true << -1 << QPoint(0, 0) << none;
        QTest::newRow("off every screen") << true << -1 << QPoint(-5, 90000) << none;
        QTest::newRow("nothing read") << false << kNoCall << on << none;
        // The menu that asked may be gone by the time the point comes.
        QTest::newRow("the asker gone first") << true << 20 << on << QVariantList();
    }

    void answersWithTheHostsPoint()
    {
        QFETCH(bool, following);
        QFETCH(int, callAt);
        QFETCH(QPoint, hostPoint);
        QFETCH(QVariantList, answered);
        TrayActivationPoint point;
        point.setFollowing(following);
        if (callAt < 0) {
            point.activatedAt(hostPoint);
            QTest::qWait(-callAt);
        } else if (callAt != kNoCall) {
            QTimer::singleShot(callAt, &point, [&] { point.activatedAt(hostPoint); });
        }
        QList<QVariant> answers;
        auto asker = std::make_unique<QObject>();
        const auto ask = [&] {
            point.whenKnown(asker.get(),
                            [&](std::optional<QPoint> at) { answers << (at ? QVariant(*at) : QVariant()); });
        };
        ask();
        if (answered.isEmpty())
            asker.reset();
        // At once when the point has come or none is read; then no more.
        QCOMPARE(answers.size(), (callAt < 0 && answered.value(0).isValid()) || !following ? 1 : 0);
        QTest::qWait(int(TrayActivationPoint::kWaitForPoint.count()) + 50);
        QCOMPARE(answers, answered);
        // Taken: a second report finds nothing.
        point.setFollowing(false);
        ask();
        QCOMPARE(answers, answered + QVariantList{QVariant()});
    }
};

QTEST_MAIN(TrayActivationPointTest)
#include "tst_trayactivationpoint.moc"

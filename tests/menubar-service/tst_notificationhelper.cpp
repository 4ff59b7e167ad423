#include "NotificationHelper.h"
#include "ServiceFakes.h"

#include <QTest>

class NotificationHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void opensSettingsOnlyOnYes_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Yes") << 1000 << true;
        QTest::newRow("No") << 1001 << false;
        QTest::newRow("closed without a button") << 0 << false;
    }

    void opensSettingsOnlyOnYes()
    {
        QFETCH(int, answer);
        QFETCH(bool, opens);
        FakeAlertPresenter alerts;
        alerts.answer = answer;
        FakeUrlOpener urls; // reports failure, which must be ignored
        menubar::NotificationHelper(alerts, urls).displayDiskAccessRequestWindow();
        const QList<QUrl> expected{QUrl("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles")};
        QCOMPARE(urls.opened, opens ? expected : QList<QUrl>());
        QCOMPARE(alerts.shown.size(), 1);
        const platform::Alert &alert = alerts.shown.first();
        QCOMPARE(alert.messageText, QString("Missing full disk access"));
        QCOMPARE(alert.informativeText,
                 QString("Kelvane OS Agent requires full disk access for this service:\n\n"
                         "- Kelvane OS Agent\n\nDo you want to enable required permission now?"));
        QCOMPARE(alert.style, platform::AlertStyle::Critical);
        QCOMPARE(alert.buttons, QStringList({"Yes", "No"}));
    }
};

QTEST_GUILESS_MAIN(NotificationHelperTest)
#include "tst_notificationhelper.moc"

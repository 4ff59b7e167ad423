#include "AppMenu.h"
#include "MainApp.h"
#include "MenuFakes.h"
#include "ShowAboutView.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

using menubar::BundleInfo;

namespace {

QByteArray plist(const QByteArray &entries)
{
    return "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict>" + entries + "</dict></plist>";
}

// Hands the About window to `inspect` once its modal loop runs, then closes it as its close button would.
void whenAboutShows(std::function<void(QWidget *)> inspect)
{
    QTimer::singleShot(0, [inspect] {
        QWidget *window = QApplication::activeModalWidget();
        QVERIFY(window && window->isVisible());
        inspect(window);
        window->close();
    });
}

} // namespace

class AboutViewTest : public QObject
{
    Q_OBJECT

private slots:
    void showsBundleValuesOrPlaceholders_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("nameAndVersion");
        const QByteArray name = "<key>CFBundleName</key><string>Kelvane OS Agent</string>";
        const QByteArray version = "<key>CFBundleShortVersionString</key><string>1.2.3</string>";
        QTest::newRow("both keys") << plist(name + version) << "Kelvane OS Agent|Version: 1.2.3";
        QTest::newRow("no version") << plist(name) << "Kelvane OS Agent|Version: ?";
        QTest::newRow("no name") << plist(version) << "?|Version: 1.2.3";
        QTest::newRow("version not a string")
            << plist(name + "<key>CFBundleShortVersionString</key><real>1.2</real>") << "Kelvane OS Agent|Version: ?";
        QTest::newRow("keys only in a nested dict")
            << plist("<key>Other</key><dict>" + name + version + "</dict>") << "?|Version: ?";
        QFile generated(":/Info.plist");
        QVERIFY(generated.open(QIODevice::ReadOnly));
        QTest::newRow("the program's own Info.plist")
            << generated.readAll() << "Kelvane OS Agent|Version: " KELVANE_VERSION;
        QTest::newRow("not a property list") << QByteArray("CFBundleName=Kelvane") << "?|Version: ?";
    }

    void showsBundleValuesOrPlaceholders()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, nameAndVersion);
        QStringList shown;
        whenAboutShows([&shown](QWidget *window) {
            for (const char *name : {"appNameLabel", "versionLabel", "copyrightLabel"})
                shown.append(window->findChild<QLabel *>(name)->text());
        });
        menubar::ShowAboutView(BundleInfo::fromPlist(document));
        QCOMPARE(shown.mid(0, 2).join(u'|'), nameAndVersion);
        const QString year = QString::number(QDate::currentDate().year());
        QVERIFY2(shown.value(2).startsWith(QStringLiteral("\u00A9 ") + year + u' '), qPrintable(shown.value(2)));
    }

    // Through the menu's entry, as the user reaches it: each opening is a new modal window.
    void closingReturnsFromTheEntryAndReopeningBuildsANewWindow()
    {
        ControllerFakes fakes;
        menubar::MainApp app({fakes.dependencies(), BundleInfo::fromPlist(plist({})), [] {}, [] { return true; }});
        QList<QPointer<QWidget>> windows;
        for (int opening = 1; opening <= 2; ++opening) {
            whenAboutShows([&windows](QWidget *window) {
                QCOMPARE(window->windowModality(), Qt::ApplicationModal);
                QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
                windows.append(window);
            });
            app.menu().aboutAction()->trigger();
            QCOMPARE(windows.size(), opening);
            QVERIFY(windows.last().isNull()); // dropped once the loop ended
        }
    }
};

QTEST_MAIN(AboutViewTest)
#include "tst_aboutview.moc"

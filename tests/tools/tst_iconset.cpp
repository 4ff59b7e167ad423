#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The icon set from which iconutil makes the bundle's icon, and the images of one size each for the resources.
class IconSetTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    int runTool(const QString &source, const QStringList &sides = {}) const
    {
        const QString output = m_dir.filePath(sides.isEmpty() ? "AppIcon.iconset" : "AppIcon");
        return QProcess::execute(KELVANE_ICONSET_TOOL, QStringList{source, output} + sides);
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(runTool(KELVANE_APP_ICON), 0);
        QCOMPARE(runTool(KELVANE_APP_ICON, {"22", "160"}), 0);
    }

    // iconutil refuses a set that lacks one of these names or has a wrong size under it; Qt takes a resource's
    // image at the size it finds in it.
    void drawsEverySizeAskedFor_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("side");
        QTest::newRow("16") << "AppIcon.iconset/icon_16x16.png" << 16;
        QTest::newRow("16@2x") << "AppIcon.iconset/icon_16x16@2x.png" << 32;
        QTest::newRow("32") << "AppIcon.iconset/icon_32x32.png" << 32;
        QTest::newRow("32@2x") << "AppIcon.iconset/icon_32x32@2x.png" << 64;
        QTest::newRow("128") << "AppIcon.iconset/icon_128x128.png" << 128;
        QTest::newRow("128@2x") << "AppIcon.iconset/icon_128x128@2x.png" << 256;
        QTest::newRow("256") << "AppIcon.iconset/icon_256x256.png" << 256;
        QTest::newRow("256@2x") << "AppIcon.iconset/icon_256x256@2x.png" << 512;
        QTest::newRow("512") << "AppIcon.iconset/icon_512x512.png" << 512;
        QTest::newRow("512@2x") << "AppIcon.iconset/icon_512x512@2x.png" << 1024;
        QTest::newRow("resource 22") << "AppIcon/22.png" << 22;
        QTest::newRow("resource 160") << "AppIcon/160.png" << 160;
    }

    void drawsEverySizeAskedFor()
    {
        QFETCH(QString, name);
        QFETCH(int, side);
        const QImage image(m_dir.filePath(name));
        QCOMPARE(image.size(), QSize(side, side));
        // The tile fills the middle; the corners outside its rounding stay clear.
        QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    void refusesWhatIsNotAnSvg() { QVERIFY(runTool(m_dir.filePath("missing.svg")) != 0); }
};

QTEST_GUILESS_MAIN(IconSetTest)
#include "tst_iconset.moc"

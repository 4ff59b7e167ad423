#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The icon set from which iconutil makes the bundle's icon.
class IconSetTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    int runTool(const QString &source) const
    {
        return QProcess::execute(KELVANE_ICONSET_TOOL, {source, m_dir.filePath("AppIcon.iconset")});
    }

private slots:
    void initTestCase() { QCOMPARE(runTool(KELVANE_APP_ICON), 0); }

    // iconutil refuses a set that lacks one of these names or has a wrong size under it.
    void drawsEverySizeIconutilExpects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("side");
        QTest::newRow("16") << "icon_16x16.png" << 16;
        QTest::newRow("16@2x") << "icon_16x16@2x.png" << 32;
        QTest::newRow("32") << "icon_32x32.png" << 32;
        QTest::newRow("32@2x") << "icon_32x32@2x.png" << 64;
        QTest::newRow("128") << "icon_128x128.png" << 128;
        QTest::newRow("128@2x") << "icon_128x128@2x.png" << 256;
        QTest::newRow("256") << "icon_256x256.png" << 256;
        QTest::newRow("256@2x") << "icon_256x256@2x.png" << 512;
        QTest::newRow("512") << "icon_512x512.png" << 512;
        QTest::newRow("512@2x") << "icon_512x512@2x.png" << 1024;
    }

    void drawsEverySizeIconutilExpects()
    {
        QFETCH(QString, name);
        QFETCH(int, side);
        const QImage image(m_dir.filePath("AppIcon.iconset/" + name));
        QCOMPARE(image.size(), QSize(side, side));
        // The tile fills the middle; the corners outside its rounding stay clear.
        QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    void refusesWhatIsNotAnSvg() { QVERIFY(runTool(m_dir.filePath("missing.svg")) != 0); }
};

QTEST_GUILESS_MAIN(IconSetTest)
#include "tst_iconset.moc"

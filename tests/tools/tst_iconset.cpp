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
        for (const int side : {16, 32, 128, 256, 512}) {
            const QString name = QString("AppIcon.iconset/icon_%1x%1").arg(side);
            QTest::addRow("%d", side) << name + ".png" << side;
            QTest::addRow("%d@2x", side) << name + "@2x.png" << 2 * side;
        }
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

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
        for (const int side : {16, 32, 128, 256, 512}) {
            const QString name = QString("icon_%1x%1").arg(side);
            QTest::addRow("%d", side) << name + ".png" << side;
            QTest::addRow("%d@2x", side) << name + "@2x.png" << 2 * side;
        }
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

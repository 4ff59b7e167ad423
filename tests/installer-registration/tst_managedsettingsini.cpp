#include "installer-pane/registration/ManagedSettingsIni.h"

#include <QDir>
#include <QSettings>
#include <QTest>

// The settings file parsed in memory reads as QSettings reads it from a file: the fuzz target's seeds (the edges
// of the format among them: a byte-order mark, a ';' in quotes, "@String(", hexadecimal digits in either case),
// each a row here, so that every build compares the two and not only a fuzzing run.
class ManagedSettingsIniTest : public QObject
{
    Q_OBJECT

private slots:
    void readsAsQSettingsDoes_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(KELVANE_INI_CORPUS);
        const QStringList seeds = corpus.entryList(QDir::Files);
        QVERIFY(seeds.size() >= 7);
        for (const QString &seed : seeds)
            QTest::newRow(qPrintable(seed)) << corpus.filePath(seed);
    }

    void readsAsQSettingsDoes()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const installer::IniSettings ours = installer::parseIniSettings(file.readAll());
        const QSettings theirs(path, QSettings::IniFormat);
        QCOMPARE(ours.wellFormed, theirs.status() == QSettings::NoError);
        QStringList keys = theirs.allKeys();
        keys.sort();
        QCOMPARE(ours.values.keys(), keys);
        for (const QString &key : keys) {
            const QVariant mine = ours.values.value(key), read = theirs.value(key);
            const bool list = read.typeId() == QMetaType::QVariantList || read.typeId() == QMetaType::QStringList;
            if (read.typeId() == QMetaType::QString)
                QCOMPARE(mine, read);
            else // a list, or any "@Type(…)" but "@String(…)": not a string, whatever QSettings makes of it
                QCOMPARE(mine.typeId(), int(list ? QMetaType::QStringList : QMetaType::UnknownType));
        }
    }
};

QTEST_GUILESS_MAIN(ManagedSettingsIniTest)
#include "tst_managedsettingsini.moc"

#include "platform/widgets/MessageBoxAlertPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class AlertPresenterTest : public QObject
{
    Q_OBJECT

private slots:
    void answersByPositionOfKey_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("keys"); // typed one after another
        QTest::addColumn<int>("answer");
        using platform::kAlertFirstButtonReturn, platform::kAlertSecondButtonReturn;
        const auto row = [](const char *name, const char *buttons, const char *keys, int answer) {
            QTest::newRow(name) << QString(buttons).split('/', Qt::SkipEmptyParts) << keys << answer;
        };
        row("Return picks the first even when it is Yes", "Yes/No/Cancel", "Return", kAlertFirstButtonReturn);
        // Escape on Cancel: tst_translations, with Cancel in the language shown.
        row("Escape ignored without Cancel", "Yes/No", "Escape", platform::kAlertNoButton);
        row("single default button", "", "Return", kAlertFirstButtonReturn);
        // Every answer can be given from the keyboard: Tab to a button, Space to press it.
        row("Tab and Space pick No", "Yes/No", "Tab Space", kAlertSecondButtonReturn);
    }

    void answersByPositionOfKey()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QString, keys);
        QStringList leftToRight;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QList<QAbstractButton *> shown = box->buttons();
            std::sort(shown.begin(), shown.end(), [](QAbstractButton *a, QAbstractButton *b) {
                return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
            });
            for (QAbstractButton *button : shown)
                leftToRight.append(button->text());
            const QHash<QString, Qt::Key> named{
                {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape}, {"Tab", Qt::Key_Tab}, {"Space", Qt::Key_Space}};
            QVERIFY(QTest::qWaitForWindowActive(box)); // keys go where the focus is
            for (const QString &key : keys.split(' '))
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, named.value(key));
            if (box->isVisible()) // the key was ignored: leave some other way so the test ends
                box->done(0);
        });
        platform::MessageBoxAlertPresenter presenter;
        QTEST(presenter.runModal({"message", "details", platform::AlertStyle::Warning, buttons}), "answer");
        QCOMPARE(leftToRight, buttons.isEmpty() ? QStringList{"OK"} : buttons);
    }
};

QTEST_MAIN(AlertPresenterTest)
#include "tst_alertpresenter.moc"

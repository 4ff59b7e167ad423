#include "AlertPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace platform;

namespace {

// Acts on the alert once it is up, as a user would.
void whenAlertShows(std::function<void(QMessageBox *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        act(box);
    });
}

void pressKey(QMessageBox *box, Qt::Key key)
{
    QTest::keyClick(box, key);
    if (box->isVisible()) // the key was ignored: leave some other way so the test ends
        box->done(0);
}

} // namespace

class AlertPresenterTest : public QObject
{
    Q_OBJECT

private slots:
    void answersByPositionOfKeyOrClick_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("action"); // a key name or the title of the button to click
        QTest::addColumn<int>("answer");
        QTest::newRow("Return picks the first") << QStringList{"Cancel", "Close"} << "Return" << 1000;
        QTest::newRow("Return picks the first even when it is Yes") << QStringList{"Yes", "No"} << "Return" << 1000;
        QTest::newRow("click on the second") << QStringList{"Cancel", "Close"} << "Close" << 1001;
        QTest::newRow("Escape picks Cancel, wherever it is") << QStringList{"Close", "Cancel"} << "Escape" << 1001;
        QTest::newRow("Escape ignored without Cancel") << QStringList{"Yes", "No"} << "Escape" << kAlertNoButton;
        QTest::newRow("single default button") << QStringList{} << "Return" << 1000;
    }

    void answersByPositionOfKeyOrClick()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QString, action);
        QFETCH(int, answer);

        whenAlertShows([action](QMessageBox *box) {
            if (action == "Return") {
                pressKey(box, Qt::Key_Return);
            } else if (action == "Escape") {
                pressKey(box, Qt::Key_Escape);
            } else {
                for (QAbstractButton *button : box->buttons()) {
                    if (button->text() == action)
                        button->click();
                }
            }
        });
        MessageBoxAlertPresenter presenter;
        QCOMPARE(presenter.runModal({"message", "details", AlertStyle::Warning, buttons}), answer);
    }

    void keepsButtonsInTheOrderAdded()
    {
        QList<QString> leftToRight;
        whenAlertShows([&leftToRight](QMessageBox *box) {
            QList<QAbstractButton *> buttons = box->buttons();
            std::sort(buttons.begin(), buttons.end(), [](QAbstractButton *a, QAbstractButton *b) {
                return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
            });
            for (QAbstractButton *button : buttons)
                leftToRight.append(button->text());
            box->done(0);
        });
        MessageBoxAlertPresenter presenter;
        presenter.runModal({"message", {}, AlertStyle::Critical, {"Yes", "No", "Cancel"}});
        QCOMPARE(leftToRight, (QList<QString>{"Yes", "No", "Cancel"}));
    }
};

QTEST_MAIN(AlertPresenterTest)
#include "tst_alertpresenter.moc"

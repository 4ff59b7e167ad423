#include "installer-pane/registration/ManagedSettingsReader.h"
#include "installer-pane/ui/RegistrationPane.h"
#include "installer-pane/ui/RegistrationView.h"
#include "menubar-app/service/NotificationHelper.h"
#include "menubar-app/ui/AppMenu.h"
#include "platform/Translations.h"
#include "platform/widgets/InstallerPaneWindow.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"
#include "tests/support/ControllerFakes.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWizard>

using namespace std::chrono_literals;

// What a person reads, in the language the system prefers: the menu, an alert and the registration page.
class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); } // back to the source texts

    void languageIsTheFirstPreferredOneWeShip_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("language");
        QTest::newRow("English first") << QStringList{"en-GB", "fr-FR"} << "en";
        QTest::newRow("one we lack, then one we have") << QStringList{"sv-SE", "ja-JP"} << "ja";
        QTest::newRow("only ones we lack") << QStringList{"sv-SE", "pt-BR"} << "en";
    }

    void languageIsTheFirstPreferredOneWeShip()
    {
        QFETCH(QStringList, preferred);
        QTEST(platform::chooseLanguage(preferred), "language");
    }

    void textsSpeakTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("preferred");
        QTest::addColumn<QStringList>("menu"); // the six entries under the registration entry, "---" a separator
        QTest::addColumn<QString>("prompt");   // the Full Disk Access alert: message|buttons
        QTest::addColumn<QStringList>("page"); // title, radio button, empty-address alert, managed
        QTest::addColumn<QString>("qt");       // Qt's own: the setup assistant's Next
        QTest::addColumn<QString>("window");   // the registration entry, on top while not enrolled|Done
        const auto row = [](const char *name, const char *preferred, const QString &menu, const char *prompt,
                            const QString &page, const char *qt, const char *window) {
            QTest::newRow(name) << preferred << menu.split('|') << prompt << page.split('|') << qt << window;
        };
        row("German", "de-DE",
            "Dienst von Kelvane OS Agent starten|Dienst von Kelvane OS Agent stoppen|---|Über Kelvane OS Agent|"
            "Protokollordner der Anwendung öffnen|Beenden",
            "Festplattenvollzugriff fehlt|Ja/Nein",
            "Agent-Registrierung|Neuer Agent-Knoten|Das Feld „Knotenadresse“ darf nicht leer sein|"
            "Anmeldename: fleet\nKnotenname: desk",
            "&Weiter >", "Diesen Computer registrieren…|Fertig");
        row("Japanese", "ja-JP",
            "Kelvane OS Agent サービスを開始|Kelvane OS Agent サービスを停止|---|Kelvane OS Agent について|"
            "アプリケーションのログフォルダを開く|終了",
            "フルディスクアクセスがありません|はい/いいえ",
            "エージェントの登録|新しいエージェントノード|「ノードアドレス」を入力してください|"
            "ログイン： fleet\nノード名： desk",
            "次へ(&N) >", "このコンピュータを登録…|完了");
    }

    void textsSpeakTheChosenLanguage()
    {
        QFETCH(QString, preferred);
        const QString language = platform::installTranslations({preferred});
        const qsizetype translators = qApp->findChildren<QTranslator *>().size();
        platform::installTranslations({preferred}); // as each new registration page does
        QCOMPARE(qApp->findChildren<QTranslator *>().size(), translators);

        ControllerFakes fakes;
        menubar::ServicesController controller(fakes.dependencies(1h));
        platform::MessageBoxAlertPresenter presenter; // a real one, for the quit confirmation below
        int quits = 0;
        menubar::AppMenu menu({&controller, presenter, fakes.urls, "/var/log/agent", [] {}, [&quits] { ++quits; }});
        QStringList entries;
        for (const QAction *action : menu.actions())
            entries << (action->isSeparator() ? "---" : action->text());
        QTEST(entries.mid(2), "menu");

        menubar::NotificationHelper(fakes.alerts, fakes.urls).displayDiskAccessRequestWindow();
        const QStringList shown = fakes.alerts.shown.value(0).section(' ', 1).split('|'); // message|details|buttons
        QTEST(shown.value(0) + '|' + shown.value(2), "prompt");

        auto alerts = std::make_shared<FakeAlertPresenter>();
        const installer::ManagedSettingsSource source{"profile", {{"Login", "fleet"}, {"NodeName", "desk"}}, {}};
        const auto managed = std::make_shared<installer::ManagedSettingsReader>([source] { return source; }, nullptr);
        installer::RegistrationPane pane({{}, alerts, {}, managed}, installer::paneStringsTable(language));
        pane.willEnterPane(platform::PaneDirection::Forward);
        pane.registrationView()->registerButton()->click();
        const QStringList page{pane.title(), pane.registerButton()->text(),
                               alerts->shown.value(0).section(' ', 1).section('|', 0, 0),
                               pane.managedNoteLabel()->text().section('\n', -2)};
        QTEST(page, "page");
        const platform::InstallerPaneWindow window(std::make_unique<platform::InstallerPane>(), QString());
        QTEST(entries.value(0) + '|' + window.doneButton()->text(), "window");

        QWizard wizard;
        QTEST(wizard.buttonText(QWizard::NextButton), "qt");

        // Escape still answers the quit confirmation with its first button, whatever that is called here.
        bool escapeAnswered = false;
        QTimer::singleShot(0, [&escapeAnswered] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QTest::keyClick(box, Qt::Key_Escape);
            escapeAnswered = !box->isVisible();
            if (!escapeAnswered)
                box->done(0); // the key was ignored: leave some other way so that the test ends
        });
        menu.exitAction()->trigger();
        QVERIFY(escapeAnswered);
        QCOMPARE(quits, 0);
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"

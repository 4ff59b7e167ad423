#include "installer-pane/registration/ManagedSettingsReader.h"
#include "installer-pane/ui/RegistrationPane.h"
#include "installer-pane/ui/RegistrationView.h"
#include "menubar-app/ui/AboutView.h"
#include "menubar-app/ui/BundleInfo.h"
#include "platform/widgets/InstallerPaneWindow.h"
#include "tests/support/PlatformFakes.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTest>

namespace {

// The controls a person acts on or needs read out, by their role.
bool needsName(QAccessible::Role role)
{
    return role == QAccessible::PushButton || role == QAccessible::RadioButton || role == QAccessible::CheckBox ||
           role == QAccessible::EditableText || role == QAccessible::ComboBox || role == QAccessible::Graphic ||
           role == QAccessible::StaticText;
}

// "class objectName" for every element of the tree that needs a name and has none, and every field that is
// read-only without saying why.
QStringList unnamedIn(QAccessibleInterface *node)
{
    const bool unexplained = node->role() == QAccessible::EditableText && node->state().readOnly &&
                             node->text(QAccessible::Description) != "Set by your organisation"; // not the placeholder
    QStringList unnamed;
    if (needsName(node->role()) && (node->text(QAccessible::Name).trimmed().isEmpty() || unexplained))
        unnamed << QString("%1 %2").arg(node->object()->metaObject()->className(), node->object()->objectName());
    for (int i = 0; i < node->childCount(); ++i)
        unnamed << unnamedIn(node->child(i));
    return unnamed;
}

// With managed values, so that the note and the read-only fields are read out too; they stay in the Tab order.
std::unique_ptr<installer::RegistrationPane> newPane()
{
    const installer::ManagedSettingsSource source{"test", {{"ServerAddress", "b:1"}, {"Login", "l"}}, {}};
    const auto managed = std::make_shared<installer::ManagedSettingsReader>([source] { return source; }, nullptr);
    return std::make_unique<installer::RegistrationPane>(
        installer::FormServices{{}, std::make_shared<FakeAlertPresenter>(), [] { return "mac"; }, managed}, QString());
}

} // namespace

// What a screen reader and a keyboard need of the registration page and the About window.
class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlNamedAndVisitedInTheOrderSeen_data()
    {
        QTest::addColumn<bool>("reRegistration");
        QTest::addColumn<QStringList>("order");
        const auto row = [](const char *name, bool reRegistration, const QString &order) {
            QTest::newRow(name) << reRegistration << order.split(' ');
        };
        row("new registration", false,
            "registerRadioButton addressTextField loginTextField passwordTextField nameTextField registerButton "
            "notNowButton");
        row("re-registration", true,
            "reRegisterRadioButton agentGuidTextField reAddressTextField reLoginTextField rePasswordTextField "
            "reNameTextField reRegisterButton notNowButton");
        // In the application's window after a success: the form's button is disabled, Done takes Not Now's place.
        row("window, registered", false,
            "registerRadioButton addressTextField loginTextField passwordTextField nameTextField doneButton");
    }

    // Every control of the page has a name, in the window that hosts it outside the installer (which holds the
    // installer's view whole). Tab makes one stop for the pair of radio buttons (the arrow keys move within it),
    // then goes through the shown form in reading order.
    void everyControlNamedAndVisitedInTheOrderSeen()
    {
        QFETCH(bool, reRegistration);
        QFETCH(QStringList, order);
        platform::InstallerPaneWindow window(newPane(), "Kelvane OS Agent");
        auto &pane = *static_cast<installer::RegistrationPane *>(window.pane());
        if (reRegistration)
            pane.reRegisterButton()->click();
        if (order.contains("doneButton")) {
            pane.registrationView()->registerButton()->setEnabled(false);
            pane.enableNextButton();
        }
        window.show();
        QCOMPARE(unnamedIn(QAccessible::queryAccessibleInterface(&window)), QStringList());
        menubar::AboutView about(menubar::BundleInfo::mainBundle());
        QCOMPARE(unnamedIn(QAccessible::queryAccessibleInterface(&about)), QStringList());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        (reRegistration ? pane.reRegisterButton() : pane.registerButton())->setFocus();
        QStringList visited;
        for (int step = 0; step < 12 && !visited.contains(QApplication::focusWidget()->objectName()); ++step) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTEST(visited, "order");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"

// The stand-in pkexec's question: "pkexec-dialog COMMAND" exits 0 when the user allows it.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Authentication Required"));
    box.setIcon(QMessageBox::Warning);
    box.setText(QStringLiteral("Authentication is needed to run a command as the super user."));
    box.setInformativeText(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    QPushButton *allow = box.addButton(QStringLiteral("Allow"), QMessageBox::AcceptRole);
    box.setDefaultButton(allow);
    box.exec();
    return box.clickedButton() == allow ? 0 : 1;
}

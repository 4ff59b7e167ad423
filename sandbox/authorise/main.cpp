// Stand-in for pkexec in the sandbox: "pkexec PROGRAM ARGS...". Copied to SANDBOX/bin/pkexec.
// It blocks its caller as a real authorisation does: it asks with a dialog naming the command, or
// answers by itself when SANDBOX/authorise holds "allow" or "cancel". Allowed commands run without
// elevation, with SANDBOX/bin first on the command path, and are appended to SANDBOX/authorise.log.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>
#include <unistd.h>

namespace {

bool askUser(const QString &command)
{
    int argc = 1;
    char name[] = "pkexec";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Authentication Required"));
    box.setIcon(QMessageBox::Warning);
    box.setText(QStringLiteral("Authentication is needed to run a command as the super user."));
    box.setInformativeText(command);
    box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    QPushButton *allow = box.addButton(QStringLiteral("Allow"), QMessageBox::AcceptRole);
    box.setDefaultButton(allow);
    box.exec();
    return box.clickedButton() == allow;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 127;
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return 127;
    self[length] = '\0';
    const QString bin = QFileInfo(QString::fromLocal8Bit(self)).absolutePath();
    const QString root = QFileInfo(bin).absolutePath();

    QStringList command;
    for (int i = 1; i < argc; ++i)
        command.append(QString::fromLocal8Bit(argv[i]));

    QFile answerFile(root + QStringLiteral("/authorise"));
    const QString answer =
        answerFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(answerFile.readAll()).trimmed() : QString();
    const bool allowed = answer.isEmpty() ? askUser(command.join(QLatin1Char(' '))) : answer == QLatin1String("allow");
    if (!allowed) {
        fprintf(stderr, "Error executing command as another user: Request dismissed\n");
        return 126;
    }

    QFile log(root + QStringLiteral("/authorise.log"));
    if (log.open(QIODevice::Append))
        log.write((command.join(QLatin1Char(' ')) + QLatin1Char('\n')).toUtf8());
    log.close();

    const QByteArray path = QFile::encodeName(bin) + ':' + qgetenv("PATH");
    setenv("PATH", path.constData(), 1);
    execv(argv[1], argv + 1);
    perror("pkexec");
    return 127;
}

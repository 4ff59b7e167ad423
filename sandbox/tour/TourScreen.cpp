// What the tour shows and keeps of a walk: screenshots, the alerts it answers, the tray's menu opened, and the
// root commands in the sandbox's authorisation log.
#include "sandbox/tour/Tour.h"

#include "sandbox/SandboxSession.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace sandbox {

namespace {

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

void Tour::keepEarlierScreenshots() const
{
    // The sandbox is laid out afresh each run; a walk's pictures outlive it until the next run's replace them.
    if (QDir(m_shots).isEmpty())
        return;
    const QString kept = m_box.root() + QStringLiteral("-screenshots-before");
    QDir(kept).removeRecursively();
    if (QDir().rename(m_shots, kept))
        say(QStringLiteral("The screenshots of the run before: %1").arg(kept));
}

QString Tour::rootCommandSummary()
{
    return QStringLiteral("the staging directory taken into root's own and checked, the configuration installed "
                          "(0600), the daemon's job started");
}

qsizetype Tour::rootCommandCount() const
{
    QFile log(m_box.authoriseLog());
    return log.open(QIODevice::ReadOnly) ? log.readAll().count('\n') : 0;
}

void Tour::shoot(QWidget *widget, const QString &name)
{
    QApplication::processEvents();
    const QString file =
        QStringLiteral("%1/%2-%3.png").arg(m_shots).arg(++m_shotCount, 2, 10, QLatin1Char('0')).arg(name);
    widget->grab().save(file);
}

void Tour::shootScreen(const QString &name, const QString &geometry)
{
    const QString file =
        QStringLiteral("%1/%2-%3.png").arg(m_shots).arg(++m_shotCount, 2, 10, QLatin1Char('0')).arg(name);
    runTool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                                       geometry, QStringLiteral("+repage"), file});
}

void Tour::answerAlertsAutomatically()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        m_alerts.append(box->text());
        say(QStringLiteral("      alert: \"%1\"").arg(box->text()));
        shoot(box, QStringLiteral("alert"));
        box->defaultButton()->click();
    });
    timer->start(100);
}

bool Tour::openTrayMenu(const QString &programClass)
{
    // The application's item, embedded in trayer: a small window of that program.
    const QStringList windows =
        runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                            QStringLiteral("--classname"), programClass})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &window : windows) {
        const QString shell = runTool(QStringLiteral("xdotool"),
                                      {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        const auto value = [&shell](const char *key) {
            return shell.section(QLatin1String(key) + QLatin1Char('='), 1).section(QLatin1Char('\n'), 0, 0).toInt();
        };
        if (value("WIDTH") > 40)
            continue;
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QString::number(value("X") + 11), QString::number(value("Y") + 21),
                 QStringLiteral("click"), QStringLiteral("3")});
        // The menu may be this program's own: its events must be handled meanwhile.
        SandboxSession::waitUntil([] { return false; }, 700);
        return true;
    }
    return false;
}

} // namespace sandbox

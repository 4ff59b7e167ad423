#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

namespace installer {

// One job of the caller's launchd domain, as its launchctl reports it: "launchctl list LABEL" (launchctl(1),
// "list [-x] [label]": https://keith.github.io/xcode-man-pages/launchctl.1.html) prints the job's dictionary,
// which holds the key "PID" while the job has a process, as scripts read it with "launchctl list LABEL | grep
// PID". It addresses the caller's own domain, as "stop" and "start" do. The prefix goes between launchctl and
// the subcommand, as GuiAgentSession's does.
class LaunchdJob
{
public:
    LaunchdJob(QString launchctl, QStringList prefix, QString label);

    // Asks until the job has no process, after 10 ms, then twice as long each time up to every 100 ms, for up to
    // `bound`; false when one is still there.
    // launchd's "stop" returns once the signal is sent, and a "start" while the old process is still
    // exiting is ignored: a restart must wait in between.
    bool waitUntilExited(std::chrono::milliseconds bound) const;

private:
    // The job's process, or none when it has none or launchctl cannot tell.
    std::optional<qint64> processId() const;

    QString m_launchctl;
    QStringList m_prefix;
    QString m_label;
};

} // namespace installer

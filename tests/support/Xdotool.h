#pragma once

#include <QMap>
#include <QProcess>
#include <QRect>
#include <QStringList>

// The private display as a user's tools see it, through xdotool.
namespace xdotool {

inline QString run(const QStringList &arguments)
{
    QProcess process;
    process.start("xdotool", arguments);
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

// how: "--pid", "--classname"...
inline QStringList windowsShown(const QString &how, const QString &which)
{
    return run({"search", "--onlyvisible", how, which}).split('\n', Qt::SkipEmptyParts);
}

inline QRect geometryOf(const QString &window)
{
    QMap<QString, int> values; // X=..., Y=..., WIDTH=..., HEIGHT=...
    for (const QString &line : run({"getwindowgeometry", "--shell", window}).split('\n'))
        values.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
    return QRect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]);
}

} // namespace xdotool

#pragma once

#include "platform/ChildProcess.h"

#include <QFile>
#include <QTemporaryDir>

// A temporary directory for small executable shell scripts that stand in for system tools.
struct ScriptDir : QTemporaryDir
{
    QString write(const QString &name, const QByteArray &body)
    {
        QFile script(filePath(name));
        if (!script.open(QIODevice::WriteOnly) || script.write("#!/bin/sh\n" + body + '\n') < 0)
            qFatal("cannot write %s", qPrintable(script.fileName()));
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script.fileName();
    }

    QByteArray read(const QString &name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    int sh(const QString &command) const // run in this directory; its exit status
    {
        return platform::runChildProcess({"/bin/sh", {"-c", "cd '" + path() + "' && " + command}, {}, false}).status;
    }
};

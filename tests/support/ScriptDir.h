#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// A temporary directory for small executable shell scripts that stand in for system tools.
class ScriptDir
{
public:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString write(const QString &name, const QByteArray &body)
    {
        const QString file = path(name);
        QFile script(file);
        if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(file));
        script.write("#!/bin/sh\n" + body + '\n');
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file;
    }

    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

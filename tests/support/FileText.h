#pragma once

#include <QFile>

// A file's text; none where there is no file to read.
inline QString contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

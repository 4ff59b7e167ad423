#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace platform {

// An environment as the kernel hands it to a program: "NAME=value" byte strings, in order. Nothing is
// decoded, so a value that is not UTF-8 reaches a child exactly as we received it.
class ProcessEnvironment
{
public:
    // This process's own environment.
    static ProcessEnvironment current();

    // Replaces every entry of that name with one "NAME=value" at the end.
    void set(QByteArrayView name, QByteArrayView value);

    const QList<QByteArray> &entries() const { return m_entries; }

private:
    QList<QByteArray> m_entries;
};

// The table the C library keeps for this process; read through one function because a loadable
// bundle on macOS cannot see the `environ` symbol.
char **systemEnvironmentTable();

} // namespace platform

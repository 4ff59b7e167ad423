#include "platform/ProcessEnvironment.h"

namespace platform {

ProcessEnvironment ProcessEnvironment::current()
{
    ProcessEnvironment environment;
    for (char **entry = systemEnvironmentTable(); entry && *entry; ++entry)
        environment.m_entries.append(QByteArray(*entry));
    return environment;
}

void ProcessEnvironment::set(QByteArrayView name, QByteArrayView value)
{
    const QByteArray prefix = name.toByteArray() + '=';
    m_entries.removeIf([&prefix](const QByteArray &entry) { return entry.startsWith(prefix); });
    m_entries.append(prefix + value.toByteArray());
}

} // namespace platform

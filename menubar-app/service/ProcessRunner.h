#pragma once

#include <QString>
#include <QStringList>

namespace menubar {

// How the service controller runs other programs. Both calls block until the child has ended
// and return its standard output; failures are thrown as ProcessError.
class ProcessRunner
{
public:
    virtual ~ProcessRunner() = default;
    virtual QString executeProcess(const QString &processName, const QStringList &arguments) = 0;
    virtual QString executeAsRoot(const QString &command) = 0;
};

} // namespace menubar

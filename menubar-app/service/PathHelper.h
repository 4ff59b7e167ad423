#pragma once

#include <QString>

namespace menubar {

// Whether the machine is enrolled, judged by the daemon's configuration file alone.
class PathHelper
{
public:
    // True if something exists at the path, following symbolic links: a dangling link does not
    // count. The file is never opened.
    static bool isConfigFileExists(const QString &configFile);
};

} // namespace menubar

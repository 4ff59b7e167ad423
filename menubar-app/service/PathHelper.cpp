#include "menubar-app/service/PathHelper.h"

#include <QFileInfo>

namespace menubar {

bool PathHelper::isConfigFileExists(const QString &configFile)
{
    return !configFile.isEmpty() && QFileInfo::exists(configFile);
}

} // namespace menubar

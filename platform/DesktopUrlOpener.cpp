#include "UrlOpener.h"

#include <QDesktopServices>

namespace platform {

bool DesktopUrlOpener::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace platform

#pragma once

#include <QUrl>

namespace platform {

// Hands a URL to the desktop; callers are free to ignore whether that worked.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual bool openUrl(const QUrl &url) = 0;
};

} // namespace platform

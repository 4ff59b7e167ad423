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

class DesktopUrlOpener : public UrlOpener
{
public:
    bool openUrl(const QUrl &url) override;
};

} // namespace platform

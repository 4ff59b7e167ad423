#pragma once

#include "platform/UrlOpener.h"

namespace platform {

// The desktop's handler for the URL: the file manager for a folder, the settings for their scheme.
class DesktopUrlOpener : public UrlOpener
{
public:
    bool openUrl(const QUrl &url) override;
};

} // namespace platform

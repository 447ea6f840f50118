#include "platform/Platform.h"

#include "platform/SystemDialogs.h"

#include <QDesktopServices>

Platform Platform::system()
{
    Platform platform;
    platform.dialogs = std::make_shared<SystemDialogs>();
    // The download is the browser's business: it asks where to put the setup file.
    platform.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    platform.server1 = QUrl(QStringLiteral("http://update1.velmor.example/velmor/"));
    platform.server2 = QUrl(QStringLiteral("http://update2.velmor.example/velmor/"));
    return platform;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell_open_ui.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/shell_open.h"

namespace kok::platform {

bool shellOpen(const QString& address) {
    if (!isOpenableAddress(address.toStdString())) return false;
    const QUrl url(address, QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace kok::platform

#include "platform/Document.h"

#include <QDesktopServices>
#include <QUrl>

namespace Platform {

bool OpenDocument(const QString& natief) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(natief));
}

} // namespace Platform

#include "platform/Schijfruimte.h"
#include "platform/Volumes.h"

#include <QFile>
#include <sys/statvfs.h>

namespace Platform {

qint64 VrijeBytes(const QString& natief) {
    struct statvfs st {};
    if (::statvfs(QFile::encodeName(natief).constData(), &st) != 0)
        return -1;
    return qint64(st.f_bfree) * qint64(st.f_frsize);
}

qint64 TotaleBytes(const QString& natief) {
    struct statvfs st {};
    if (::statvfs(QFile::encodeName(natief).constData(), &st) != 0)
        return -1;
    return qint64(st.f_blocks) * qint64(st.f_frsize);
}

bool StationGereed(QChar letter) {
    const auto volume = VolumeVan(letter);
    return volume && TotaleBytes(volume->wortel) >= 0;
}

} // namespace Platform

#include "platform/SpecialeMappen.h"

#include <QStandardPaths>

namespace Platform {

QString SpecialeMap(int csidl) {
    if (csidl != CSIDL_COMMON_APPDATA)
        return QString();
    QString map = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    while (map.size() > 1 && map.endsWith(QLatin1Char('/')))
        map.chop(1);
    return map;
}

} // namespace Platform

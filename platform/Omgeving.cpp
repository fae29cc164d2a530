#include "platform/Omgeving.h"

#include <QtGlobal>

namespace Platform {

QString OmgevingsVariabele(const QString& naam) {
    return qEnvironmentVariable(naam.toLocal8Bit().constData());
}

} // namespace Platform

#include "app/Opdrachtregel.h"

namespace Orvo {

QString SetNaamUitArgumenten(const QStringList& argumenten) {
    if (argumenten.isEmpty())
        return QString();
    QString eerste = argumenten.first();
    if (eerste.size() >= 2 && eerste.startsWith(QLatin1Char('"')) && eerste.endsWith(QLatin1Char('"')))
        eerste = eerste.mid(1, eerste.size() - 2);
    if (!eerste.startsWith(QLatin1Char('/')))
        return QString();
    return eerste.mid(1);
}

} // namespace Orvo

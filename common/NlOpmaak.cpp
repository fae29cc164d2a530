#include "common/NlOpmaak.h"

namespace Orvo {

QLocale NlLocale() {
    static const QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    return nl;
}

QString FormatGetal2(double waarde) {
    return NlLocale().toString(waarde, 'f', 2);
}

QString FormatGrootte(qint64 bytes, GrootteEenheid eenheid) {
    static const double delers[] = {1024.0, 1048576.0, 1073741824.0};
    static const char* achtervoegsels[] = {" Kb", " Mb", " Gb"};
    const int i = int(eenheid);
    return FormatGetal2(double(bytes) / delers[i]) + QLatin1String(achtervoegsels[i]);
}

GrootteEenheid EenheidVoor(qint64 bytes) {
    if (bytes >= 1073741824LL)
        return GrootteEenheid::Gb;
    if (bytes >= 1048576LL)
        return GrootteEenheid::Mb;
    return GrootteEenheid::Kb;
}

QString FormatAantal(qint64 aantal) {
    return NlLocale().toString(aantal);
}

QString FormatDatumTijd(const QDateTime& moment) {
    return NlLocale().toString(moment, QStringLiteral("dddd d MMMM yyyy HH:mm:ss"));
}

QString FormatDatum(const QDate& datum) {
    return datum.toString(QStringLiteral("dd-MM-yyyy"));
}

} // namespace Orvo

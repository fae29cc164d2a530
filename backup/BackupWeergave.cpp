#include "backup/BackupWeergave.h"
#include "common/NlOpmaak.h"

#include <cmath>

namespace Orvo {

namespace {
constexpr qint64 Mb = 1048576LL;
constexpr qint64 Gb = 1073741824LL;
} // namespace

int KiesDeelStand(int deelStand, qint64 totaal) {
    int nodig = totaal <= Mb ? 0 : (totaal <= Gb ? 1 : 2);
    return std::max(deelStand, nodig);
}

QString GrootteInDeelStand(qint64 bytes, int deelStand) {
    return FormatGrootte(bytes, GrootteEenheid(std::clamp(deelStand, 0, 2)));
}

QString NietGedaanTekst(qint64 bytes) {
    return GrootteInDeelStand(bytes, KiesDeelStand(0, bytes));
}

QString FNietGedaanTekst(qint64 aantal) {
    if (aantal <= 0)
        return QString();
    return QStringLiteral("/ ") + FormatAantal(aantal) + QStringLiteral(" bestand(en)");
}

QString CompressieTekst(qint64 comprGrootte, qint64 alGedaan) {
    // Nothing done yet: no share saved to speak of.
    const double bespaard = alGedaan > 0 ? 100.0 - double(comprGrootte) / double(alGedaan) * 100.0 : 0.0;
    return FormatGetal2(bespaard) + QStringLiteral(" %");
}

int VoortgangVan(qint64 alGedaan, qint64 nietGedaan, qint64 totaal, bool afkappen) {
    if (totaal <= 0)
        return 0;
    const double v = double(alGedaan + nietGedaan) / double(totaal) * 100.0;
    const int p = afkappen ? int(std::floor(v)) : int(std::lround(v));
    return std::clamp(p, 0, 100);
}

QDateTime GeschatEinde(const QDateTime& start, const QDateTime& nu, int voortgang) {
    if (voortgang <= 5 || !start.isValid())
        return QDateTime();
    const qint64 verstreken = start.msecsTo(nu);
    return start.addMSecs(verstreken * 100 / voortgang);
}

} // namespace Orvo

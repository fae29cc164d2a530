#pragma once
// Dates, times and numbers are shown the Dutch way whatever the system's locale.

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace Orvo {

QLocale NlLocale();

enum class GrootteEenheid { Kb = 0, Mb = 1, Gb = 2 };

// "#,###,##0.00" plus " Kb", " Mb" or " Gb": 1536 bytes in Kb is "1,50 Kb".
QString FormatGrootte(qint64 bytes, GrootteEenheid eenheid);
// The smallest unit in which the number stays below 1024 (at most Gb).
GrootteEenheid EenheidVoor(qint64 bytes);
// "###,##0": 12345 is "12.345".
QString FormatAantal(qint64 aantal);
// "0,00" style number with two decimals.
QString FormatGetal2(double waarde);
// "dddd d mmmm yyyy hh:nn:ss": "dinsdag 3 maart 2026 14:05:09".
QString FormatDatumTijd(const QDateTime& moment);
// "dd-mm-yyyy", the short date format of the whole run.
QString FormatDatum(const QDate& datum);

} // namespace Orvo

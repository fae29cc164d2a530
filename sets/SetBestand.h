#pragma once
// The set file: a ZIP archive in DataMap/BackUpSets named after the set, with one entry named exactly
// like the set that holds the set text, compressed at level 9 and encrypted under a fixed password.

#include "sets/BackupOpties.h"
#include "sets/CheckBoom.h"
#include "zip/ZipComponent.h"

#include <QStringList>
#include <optional>

namespace Orvo {

inline const QString SetBestandExtensie = QStringLiteral(".OrvoBckSet");
inline const QString SetWachtwoord = QStringLiteral("MuzRantel");
inline const QString GeenSet = QStringLiteral("< Geen >");

inline const QString MeldingSetOpgeslagen = QStringLiteral("De back-up set is opgeslagen.");
inline const QString MeldingSetNietOpgeslagen =
    QStringLiteral("De back-up set kon momenteel niet worden opgeslagen.");
inline const QString MeldingSetFoutInlezen = QStringLiteral("Fout bij het inlezen van de back-up set.");
inline const QString MeldingSetBeschadigd =
    QStringLiteral("De back-up set is beschadigd en kan niet worden ingelezen.");

// DataMap + "/BackUpSets" (native).
QString SetMap();
QString SetBestandPad(const QString& naam);
// The names of the sets in the folder (file names without the extension), unsorted.
QStringList SetNamen();
// A set of that name exists, whatever the case of its letters (names are Windows file names).
bool SetBestaat(const QString& naam);

// Prepares the shared ZIP component for a set file: no error, level 9, encryption on (it stays on
// for the next user of the component, which sets its own options), the fixed password.
void BereidZipVoor(ZipComponent& zip);

// Writes the set text as the set's entry; true when the component reports no error afterwards.
bool SchrijfSetBestand(ZipComponent& zip, const QString& naam, const QStringList& regels);

// The lines of the set's entry, or the message why it could not be read ("Fout bij het inlezen ...").
struct GelezenSetTekst {
    QStringList Regels;
    QString Melding; // empty when read
};
GelezenSetTekst LeesSetBestand(ZipComponent& zip, const QString& naam);

} // namespace Orvo

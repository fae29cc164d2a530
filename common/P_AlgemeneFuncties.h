#pragma once
// The small shared functions of the forms and the workers. Paths are native unless said otherwise.

#include <QChar>
#include <QString>

namespace Orvo {

// Trims blanks, puts `breedte` zeros in front and keeps the last `breedte` characters.
QString VoorloopNullen(const QString& tekst, int breedte);

// The message of the first check an e-mail address fails, or empty when it passes all five.
QString EMailAdresFout(const QString& adres);

QString SpecialeMap(int csidl);
QString OmgevingsVariabele(const QString& naam);
bool StationGereed(QChar letter);

// True when nothing can be written in the folder (a probe file "RWRO…" is made and removed).
bool MapSchrijfbeveiligd(const QString& map);
// True when the file (folder) does not exist, has no protecting attributes, or they could be cleared.
bool BestandSchrijfbaar(const QString& pad);
bool MapSchrijfbaar(const QString& pad);
// Deletes what is inside a folder; the folder itself stays. A trailing separator is allowed.
bool MapLeegmaken(const QString& map, bool recursief);

// Opens a document with the desktop's handler: -1 for an empty name, 0 when it was handed over,
// 2 (file not found) when it was not.
int StartDocument(const QString& bestand);
void SpeelGeluid(const QString& naam);
// No double quote, *, /, :, <, >, ?, backslash or |.
bool NaamGeldig(const QString& naam);
void FirewallToestaan(const QString& naam, const QString& pad);

// Keyless, position-dependent scrambling of stored logins and passwords.
QString VersleutelTekst(const QString& tekst);
QString OntsleutelTekst(const QString& tekst);

// The messages of EMailAdresFout.
inline const QString MeldingEMailGeenApenstaart =
    QStringLiteral("Het e-mail adres bevat geen '@' of bevat twee punten achter elkaar.");
inline const QString MeldingEMailDeelMist =
    QStringLiteral("Het e-mail adres mist een (geldig) deel voor of na de '@'.");
inline const QString MeldingEMailRechtsOngeldig = QStringLiteral("Het deel achter de '@' is niet geldig.");
inline const QString MeldingEMailLinksTekens =
    QStringLiteral("Het e-mail adres (linker deel) bevat ongeldige tekens.");
inline const QString MeldingEMailRechtsTekens =
    QStringLiteral("Het e-mail adres (rechter deel) bevat ongeldige tekens.");

} // namespace Orvo

#pragma once
// The report mail as a finished MIME message: one plain-text and one HTML alternative of the same
// lines, the HTML in a fixed-pitch font so the padded columns of the report line up in both.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace Orvo {

inline const QString OnderwerpVerslag = QStringLiteral("Verslag Orvo Back-Up");
inline const QString MailAgent = QStringLiteral("Orvo Plexa Rapportages");
inline const QString VerslagLettertype = QStringLiteral("Courier New");

struct MailAdres {
    QString naam;
    QString adres;
};

struct MailBericht {
    MailAdres afzender;
    QList<MailAdres> ontvangers;
    QString onderwerp = OnderwerpVerslag;
    QStringList regels;
    QDateTime datum;   // for the "Date" header; now when invalid
    QString berichtId; // without angle brackets; made up when empty
};

// A header text as it may stand in a header: unchanged when it is plain printable ASCII, otherwise
// as RFC 2047 encoded words (UTF-8, Base64), folded so that no word passes 75 characters.
QByteArray KopTekst(const QString& tekst);
// "Naam <adres>" for the address headers; the name quoted or encoded as it needs.
QByteArray AdresKop(const MailAdres& adres);
// "Fri, 11 Dec 2026 17:51:48 +0100", whatever the system's language.
QByteArray DatumKop(const QDateTime& moment);

// The report lines one per line (a line that itself holds a line break becomes two lines).
QStringList VerslagRegels(const QStringList& tekst);
QString TekstDeel(const QStringList& regels);
QString HtmlDeel(const QStringList& regels);

// The whole message, CR LF throughout, ready for the SMTP DATA phase.
QByteArray StelBerichtSamen(const MailBericht& bericht);

// True when the address can go into MAIL FROM / RCPT TO without breaking the protocol (no control
// characters, no angle brackets). Whether the server accepts it is the server's business.
bool AdresVeilig(const QString& adres);

} // namespace Orvo

#include "mail/MailBericht.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimeZone>
#include <QUuid>

namespace Orvo {

namespace {

const QByteArray CRLF = QByteArrayLiteral("\r\n");

bool IsGewoonAscii(const QString& tekst) {
    for (const QChar c : tekst)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

// Control characters in a name would end the header line and start a header of their own.
QString ZonderStuurtekens(const QString& tekst) {
    QString uit = tekst;
    for (QChar& c : uit)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    return uit;
}

// Characters of RFC 5322 "atext" plus the blank: a name of only these needs no quotes.
bool IsAtomTekst(const QString& tekst) {
    static const QString bijzonder = QStringLiteral("!#$%&'*+-/=?^_`{|}~ ");
    for (const QChar c : tekst) {
        const char16_t u = c.unicode();
        const bool letterOfCijfer =
            (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
        if (!letterOfCijfer && !bijzonder.contains(c))
            return false;
    }
    return true;
}

// Encoded words of at most 45 bytes of UTF-8 each (60 Base64 characters, 72 with the frame), never
// splitting a character.
QByteArray GecodeerdeWoorden(const QString& tekst) {
    QList<QByteArray> woorden;
    QByteArray stuk;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        qsizetype lengte = 1;
        if (tekst.at(i).isHighSurrogate() && i + 1 < tekst.size() && tekst.at(i + 1).isLowSurrogate())
            lengte = 2;
        const QByteArray teken = tekst.mid(i, lengte).toUtf8();
        if (stuk.size() + teken.size() > 45) {
            woorden.append(stuk);
            stuk.clear();
        }
        stuk += teken;
        i += lengte - 1;
    }
    if (!stuk.isEmpty())
        woorden.append(stuk);
    QByteArray uit;
    for (const QByteArray& w : woorden) {
        if (!uit.isEmpty())
            uit += CRLF + ' ';
        uit += "=?UTF-8?B?" + w.toBase64() + "?=";
    }
    return uit;
}

QByteArray Base64Regels(const QByteArray& inhoud) {
    const QByteArray b64 = inhoud.toBase64();
    QByteArray uit;
    for (qsizetype i = 0; i < b64.size(); i += 76)
        uit += b64.mid(i, 76) + CRLF;
    return uit;
}

QString HtmlVeilig(const QString& regel) {
    QString uit;
    uit.reserve(regel.size() * 2);
    for (const QChar c : regel) {
        switch (c.unicode()) {
        case '&':
            uit += QStringLiteral("&amp;");
            break;
        case '<':
            uit += QStringLiteral("&lt;");
            break;
        case '>':
            uit += QStringLiteral("&gt;");
            break;
        case '"':
            uit += QStringLiteral("&quot;");
            break;
        case ' ':
            // Every blank stays a blank: the report's columns are padded with them.
            uit += QStringLiteral("&nbsp;");
            break;
        default:
            uit += c;
        }
    }
    return uit;
}

QString LettertypeStijl() {
    return QStringLiteral("font-family: '%1', Courier, monospace; font-size: 10pt; color: #000000; "
                          "margin: 0; white-space: pre-wrap;")
        .arg(VerslagLettertype);
}

} // namespace

QByteArray KopTekst(const QString& tekst) {
    const QString schoon = ZonderStuurtekens(tekst);
    // "=?" in a plain header would be taken for the start of an encoded word.
    if (IsGewoonAscii(schoon) && !schoon.contains(QLatin1String("=?")))
        return schoon.toLatin1();
    return GecodeerdeWoorden(schoon);
}

QByteArray AdresKop(const MailAdres& adres) {
    const QString naam = ZonderStuurtekens(adres.naam).trimmed();
    const QByteArray hoekAdres = '<' + adres.adres.toUtf8() + '>';
    if (naam.isEmpty())
        return hoekAdres;
    QByteArray woord;
    if (!IsGewoonAscii(naam) || naam.contains(QLatin1String("=?")))
        woord = GecodeerdeWoorden(naam);
    else if (IsAtomTekst(naam))
        woord = naam.toLatin1();
    else {
        QByteArray q = naam.toLatin1();
        q.replace('\\', "\\\\").replace('"', "\\\"");
        woord = '"' + q + '"';
    }
    return woord + ' ' + hoekAdres;
}

QByteArray DatumKop(const QDateTime& moment) {
    static const char* const dagen[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const maanden[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = moment.date();
    const QTime t = moment.time();
    const int verschil = moment.offsetFromUtc() / 60;
    const int afstand = verschil < 0 ? -verschil : verschil;
    return QStringLiteral("%1, %2 %3 %4 %5:%6:%7 %8%9%10")
        .arg(QLatin1String(dagen[d.dayOfWeek() - 1]))
        .arg(d.day())
        .arg(QLatin1String(maanden[d.month() - 1]))
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'))
        .arg(verschil < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(afstand / 60, 2, 10, QLatin1Char('0'))
        .arg(afstand % 60, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

QStringList VerslagRegels(const QStringList& tekst) {
    static const QRegularExpression regeleinde(QStringLiteral("\r\n|\r|\n"));
    QStringList uit;
    for (const QString& regel : tekst)
        uit += regel.split(regeleinde);
    return uit;
}

QString TekstDeel(const QStringList& regels) {
    QString uit;
    for (const QString& regel : regels)
        uit += regel + QStringLiteral("\r\n");
    return uit;
}

QString HtmlDeel(const QStringList& regels) {
    const QString stijl = LettertypeStijl();
    QString uit = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
                                 "<html><head>\r\n"
                                 "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
                                 "<title></title>\r\n"
                                 "<style type=\"text/css\">\r\n"
                                 "body { margin: 5px; background-color: #ffffff; }\r\n"
                                 "p { ") +
                  stijl +
                  QStringLiteral(" }\r\n"
                                 "</style>\r\n"
                                 "</head>\r\n"
                                 "<body>\r\n");
    for (const QString& regel : regels) {
        // An empty paragraph keeps its height through the line break, as an empty report line should.
        const QString inhoud = regel.isEmpty() ? QStringLiteral("<br>") : HtmlVeilig(regel);
        uit += QStringLiteral("<p style=\"") + stijl + QStringLiteral("\">") + inhoud +
               QStringLiteral("</p>\r\n");
    }
    uit += QStringLiteral("</body></html>\r\n");
    return uit;
}

QByteArray StelBerichtSamen(const MailBericht& bericht) {
    const QDateTime datum = bericht.datum.isValid() ? bericht.datum : QDateTime::currentDateTime();
    QString domein = bericht.afzender.adres.section(QLatin1Char('@'), -1);
    if (!bericht.afzender.adres.contains(QLatin1Char('@')) || domein.isEmpty() || !AdresVeilig(domein))
        domein = QStringLiteral("orvo.localhost");
    const QString id = bericht.berichtId.isEmpty()
                           ? QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1Char('@') + domein
                           : bericht.berichtId;
    // The boundary holds "=_", which Base64 text can never contain.
    const QByteArray grens = "=_OrvoDeel_" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);

    QByteArray m;
    m += "Date: " + DatumKop(datum) + CRLF;
    m += "From: " + AdresKop(bericht.afzender) + CRLF;
    if (!bericht.ontvangers.isEmpty()) {
        m += "To: ";
        for (qsizetype i = 0; i < bericht.ontvangers.size(); ++i) {
            if (i > 0)
                m += ',' + CRLF + ' ';
            m += AdresKop(bericht.ontvangers.at(i));
        }
        m += CRLF;
    }
    m += "Subject: " + KopTekst(bericht.onderwerp) + CRLF;
    m += "Message-ID: <" + id.toUtf8() + '>' + CRLF;
    m += "X-Mailer: " + KopTekst(MailAgent) + CRLF;
    m += "MIME-Version: 1.0" + CRLF;
    m += "Content-Type: multipart/alternative; boundary=\"" + grens + '"' + CRLF;
    m += CRLF;
    m += "This is a multi-part message in MIME format." + CRLF;
    m += CRLF + "--" + grens + CRLF;
    m += "Content-Type: text/plain; charset=utf-8" + CRLF;
    m += "Content-Transfer-Encoding: base64" + CRLF + CRLF;
    m += Base64Regels(TekstDeel(bericht.regels).toUtf8());
    m += CRLF + "--" + grens + CRLF;
    m += "Content-Type: text/html; charset=utf-8" + CRLF;
    m += "Content-Transfer-Encoding: base64" + CRLF + CRLF;
    m += Base64Regels(HtmlDeel(bericht.regels).toUtf8());
    m += CRLF + "--" + grens + "--" + CRLF;
    return m;
}

bool AdresVeilig(const QString& adres) {
    for (const QChar c : adres) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == '<' || u == '>')
            return false;
    }
    return true;
}

} // namespace Orvo

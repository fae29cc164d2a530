#include "common/P_AlgemeneFuncties.h"
#include "platform/Bestandskenmerken.h"
#include "platform/Document.h"
#include "platform/Firewall.h"
#include "platform/Geluid.h"
#include "platform/Omgeving.h"
#include "platform/Schijfruimte.h"
#include "platform/SpecialeMappen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace Orvo {

QString VoorloopNullen(const QString& tekst, int breedte) {
    if (breedte <= 0)
        return QString();
    const QString t = QString(breedte, QLatin1Char('0')) + tekst.trimmed();
    return t.right(breedte);
}

QString EMailAdresFout(const QString& adres) {
    if (!adres.contains(QLatin1Char('@')) || adres.contains(QLatin1String("..")))
        return MeldingEMailGeenApenstaart;
    const qsizetype at = adres.indexOf(QLatin1Char('@'));
    const QString links = adres.left(at);
    const QString rechts = adres.mid(at + 1);
    if (links.isEmpty() || rechts.size() < 4)
        return MeldingEMailDeelMist;
    const qsizetype p = rechts.indexOf(QLatin1Char('.')) + 1; // from 1; 0 when there is none
    if (p < 2 || p > rechts.size() - 2)
        return MeldingEMailRechtsOngeldig;
    static const QString toegestaanLinks = QStringLiteral("!#$%&'*+-./=?^_`{|}~");
    for (QChar c : links) {
        const bool ok = c.unicode() < 128 && (c.isLetterOrNumber() || toegestaanLinks.contains(c));
        if (!ok)
            return MeldingEMailLinksTekens;
    }
    for (QChar c : rechts) {
        const bool ok =
            c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.'));
        if (!ok)
            return MeldingEMailRechtsTekens;
    }
    return QString();
}

QString SpecialeMap(int csidl) {
    return Platform::SpecialeMap(csidl);
}

QString OmgevingsVariabele(const QString& naam) {
    return Platform::OmgevingsVariabele(naam);
}

bool StationGereed(QChar letter) {
    return Platform::StationGereed(letter.toUpper());
}

bool MapSchrijfbeveiligd(const QString& map) {
    QString m = map;
    if (!m.endsWith(QLatin1Char('/')))
        m += QLatin1Char('/');
    QTemporaryFile probe(m + QStringLiteral("RWROXXXXXX"));
    probe.setAutoRemove(false);
    if (!probe.open())
        return true;
    const QString naam = probe.fileName();
    probe.close();
    return !QFile::remove(naam);
}

bool BestandSchrijfbaar(const QString& pad) {
    const QFileInfo info(pad);
    if (!info.exists())
        return true;
    return Platform::WisBeschermendeKenmerken(pad);
}

bool MapSchrijfbaar(const QString& pad) {
    return BestandSchrijfbaar(pad);
}

bool MapLeegmaken(const QString& map, bool recursief) {
    QString m = map.trimmed();
    if (m.size() > 1 && m.endsWith(QLatin1Char('/')))
        m.chop(1);
    QDir dir(m);
    if (!dir.exists())
        return true;
    bool resultaat = true;
    const QFileInfoList inhoud =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : inhoud) {
        const QString pad = info.absoluteFilePath();
        if (info.isDir() && !info.isSymLink()) {
            if (!recursief)
                continue;
            resultaat =
                MapLeegmaken(pad, true) && Platform::WisBeschermendeKenmerken(pad) && QDir().rmdir(pad);
        } else {
            // A link is removed itself, never what it points to.
            resultaat = (info.isSymLink() || Platform::WisBeschermendeKenmerken(pad)) && QFile::remove(pad);
        }
    }
    return resultaat;
}

int StartDocument(const QString& bestand) {
    if (bestand.isEmpty())
        return -1;
    if (!QFileInfo::exists(bestand))
        return 2;
    return Platform::OpenDocument(bestand) ? 0 : 2;
}

void SpeelGeluid(const QString& naam) {
    Platform::SpeelGeluid(naam);
}

bool NaamGeldig(const QString& naam) {
    static const QString ongeldig = QStringLiteral("\"*/:<>?\\|");
    for (QChar c : naam)
        if (c.unicode() < 256 && ongeldig.contains(c))
            return false;
    return true;
}

void FirewallToestaan(const QString& naam, const QString& pad) {
    Platform::FirewallToestaan(naam, pad);
}

QString VersleutelTekst(const QString& tekst) {
    QString uit(tekst.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const qint32 c = tekst.at(i).unicode();
        const qint32 p = qint32(i + 1);
        qint32 r = (c - 32 + 97 * p) % 94;
        if (r < 0)
            r += 94; // control characters below the blank would give a negative remainder
        uit[i] = QChar(char16_t(r + 33));
    }
    return uit;
}

QString OntsleutelTekst(const QString& tekst) {
    QString uit(tekst.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const qint32 e = tekst.at(i).unicode();
        qint32 d = e - 33 - 97 * qint32(i + 1);
        if (d < 0)
            d += ((-d + 93) / 94) * 94;
        uit[i] = QChar(char16_t(d + 32));
    }
    return uit;
}

} // namespace Orvo

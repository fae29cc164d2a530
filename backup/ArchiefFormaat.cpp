#include "backup/ArchiefFormaat.h"

#include "common/AnsiTekst.h"
#include "common/NlOpmaak.h"
#include "zip/ZipComponent.h"

#include <QCollator>
#include <algorithm>

namespace Orvo {

QString StartTijdTekst(const QDateTime& startTijd) {
    return NlLocale().toString(startTijd, QLatin1String(StartTijdPatroon));
}

QString WachtwoordRegel(bool heeftWachtwoord, const QString& wachtwoord) {
    return heeftWachtwoord ? QStringLiteral("J") + wachtwoord : QStringLiteral("N");
}

QString BronRegel(bool meerdereSchijven, const QString& rootPad) {
    return meerdereSchijven ? QString::fromLatin1(MeerdereSchijvenTekst) : rootPad;
}

QStringList ConfiguratieRegels(const QDateTime& startTijd, qint64 totaleGrootte, bool gecomprimeerd,
                               bool heeftWachtwoord, const QString& wachtwoord, bool meerdereSchijven,
                               const QString& rootPad) {
    return {StartTijdTekst(startTijd), QString::number(totaleGrootte),
            gecomprimeerd ? QStringLiteral("J") : QStringLiteral("N"),
            WachtwoordRegel(heeftWachtwoord, wachtwoord), BronRegel(meerdereSchijven, rootPad)};
}

namespace {

// Blanks and control characters around a password that was read back are not part of it.
QString ZonderRand(const QString& tekst) {
    qsizetype begin = 0;
    qsizetype eind = tekst.size();
    while (begin < eind && tekst.at(begin).unicode() <= 0x20)
        ++begin;
    while (eind > begin && tekst.at(eind - 1).unicode() <= 0x20)
        --eind;
    return tekst.mid(begin, eind - begin);
}

} // namespace

std::optional<BackupConfiguratie> LeesConfiguratie(const QStringList& regels) {
    if (regels.size() < ConfiguratieRegelAantal)
        return std::nullopt;
    BackupConfiguratie c;
    c.BackupDatum = regels.at(0);
    c.BackupGrootte = regels.at(1).trimmed().toLongLong();
    c.Gecomprimeerd = regels.at(2).startsWith(QLatin1Char('J'));
    c.HeeftWachtwoord = regels.at(3).startsWith(QLatin1Char('J'));
    // At most 254 characters of password were ever read back.
    if (c.HeeftWachtwoord)
        c.Wachtwoord = ZonderRand(regels.at(3).mid(1, 254));
    c.MultiDisk = regels.at(4) == QLatin1String(MeerdereSchijvenTekst);
    if (!c.MultiDisk)
        c.Origineel = regels.at(4);
    return c;
}

namespace {

void ZetArchiefOpties(ZipComponent& zip) {
    zip.WisFout();
    zip.ZetNiveau(ArchiefNiveau);
    zip.ZetVersleutelen(true);
    zip.ZetWachtwoord(QString::fromLatin1(ArchiefWachtwoord));
}

} // namespace

bool SchrijfArchiefRegels(ZipComponent& zip, const QString& archief, const QStringList& regels) {
    ZetArchiefOpties(zip);
    return zip.VoegDataToe(archief, QString::fromLatin1(ArchiefEntryNaam), Ansi::CodeerRegels(regels));
}

std::optional<QStringList> LeesArchiefRegels(ZipComponent& zip, const QString& archief) {
    ZetArchiefOpties(zip);
    const auto data = zip.PakUitNaarGeheugen(archief, QString::fromLatin1(ArchiefEntryNaam));
    if (!data)
        return std::nullopt;
    return Ansi::DecodeerRegels(*data);
}

bool StructuurNaamGeldig(const QString& naam) {
    return !naam.isEmpty() && !naam.contains(QLatin1Char('|')) && !naam.contains(QLatin1Char('\r')) &&
           !naam.contains(QLatin1Char('\n'));
}

QString StructuurDiepte(int diepte) {
    return QStringLiteral("%1").arg(diepte, 4, 10, QLatin1Char('0'));
}

QString StructuurMapRegel(int diepte, const QString& naam) {
    return StructuurDiepte(diepte) + QStringLiteral("|D|") + naam + QStringLiteral("|0");
}

QString StructuurBestandRegel(int diepte, const QString& naam, qint64 grootte) {
    return StructuurDiepte(diepte) + QStringLiteral("|F|") + naam + QLatin1Char('|') +
           QString::number(grootte);
}

std::optional<StructuurRegel> LeesStructuurRegel(const QString& regel) {
    // "dddd|X|" and at least one character of name.
    if (regel.size() < 8 || regel.at(4) != QLatin1Char('|') || regel.at(6) != QLatin1Char('|'))
        return std::nullopt;
    for (int i = 0; i < 4; ++i)
        if (!regel.at(i).isDigit() || regel.at(i).unicode() > '9')
            return std::nullopt;
    const QChar soort = regel.at(5);
    if (soort != QLatin1Char('D') && soort != QLatin1Char('F'))
        return std::nullopt;
    const qsizetype scheiding = regel.indexOf(QLatin1Char('|'), 7);
    if (scheiding <= 7)
        return std::nullopt;
    StructuurRegel r;
    r.Diepte = regel.left(4).toInt();
    r.IsMap = soort == QLatin1Char('D');
    r.Naam = regel.mid(7, scheiding - 7);
    bool ok = false;
    r.Grootte = regel.mid(scheiding + 1).toLongLong(&ok);
    if (!ok || r.Grootte < 0)
        return std::nullopt;
    return r;
}

namespace {

void VoegRegelsToe(QStringList& regels, const QList<StructuurKnoop>& knopen, int diepte, bool sorteren) {
    QList<const StructuurKnoop*> mappen;
    QList<const StructuurKnoop*> bestanden;
    for (const StructuurKnoop& k : knopen)
        (k.IsMap ? mappen : bestanden).append(&k);
    const auto opNaam = [](const StructuurKnoop* a, const StructuurKnoop* b) {
        return NaamKomtVoor(a->Naam, b->Naam);
    };
    if (sorteren) {
        std::stable_sort(mappen.begin(), mappen.end(), opNaam);
        std::stable_sort(bestanden.begin(), bestanden.end(), opNaam);
    }
    for (const StructuurKnoop* map : mappen) {
        regels.append(StructuurMapRegel(diepte, map->Naam));
        VoegRegelsToe(regels, map->Kinderen, diepte + 1, true);
    }
    for (const StructuurKnoop* bestand : bestanden)
        regels.append(StructuurBestandRegel(diepte, bestand->Naam, bestand->Grootte));
}

QList<StructuurKnoop> LeesNiveau(const QStringList& regels, qsizetype& positie, int diepte) {
    QList<StructuurKnoop> knopen;
    // First the folders of this level, each with its contents one level deeper, then the files.
    for (bool mappen : {true, false}) {
        while (positie < regels.size()) {
            const auto r = LeesStructuurRegel(regels.at(positie));
            if (!r || r->Diepte != diepte || r->IsMap != mappen)
                break;
            ++positie;
            StructuurKnoop k{r->Naam, r->IsMap, r->Grootte, {}};
            if (mappen)
                k.Kinderen = LeesNiveau(regels, positie, diepte + 1);
            knopen.append(k);
        }
    }
    return knopen;
}

} // namespace

QStringList StructuurRegels(const QList<StructuurKnoop>& bovenste, bool sorteerBovenste) {
    QStringList regels;
    VoegRegelsToe(regels, bovenste, 1, sorteerBovenste);
    regels.append(QString::fromLatin1(StructuurEindMarkering));
    return regels;
}

QList<StructuurKnoop> LeesStructuur(const QStringList& regels, int startDiepte, int* gelezen) {
    qsizetype positie = 0;
    QList<StructuurKnoop> knopen = LeesNiveau(regels, positie, startDiepte);
    if (gelezen)
        *gelezen = int(positie);
    return knopen;
}

} // namespace Orvo

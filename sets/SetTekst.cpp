#include "sets/SetTekst.h"

#include "common/P_AlgemeneFuncties.h"

namespace Orvo {
namespace {

QChar JN(bool ja) {
    return ja ? QLatin1Char('J') : QLatin1Char('N');
}

bool IsJa(QChar c) {
    return c == QLatin1Char('J'); // only an upper-case J counts
}

// A digit from '0' to '0' + hoogste, or -1.
int Cijfer(QChar c, int hoogste) {
    const int w = c.unicode() - '0';
    return w >= 0 && w <= hoogste ? w : -1;
}

QString NiveauVan(const QString& regel) {
    return regel.mid(1, 3);
}

QString Volgend(const QString& niveau) {
    return VoorloopNullen(QString::number(niveau.toInt() + 1), 3);
}

} // namespace

QString OptieString(const BackupOpties& o) {
    QString s;
    s += QString::number(qBound(0, o.Locatie, 1));
    s += JN(o.Comprimeren);
    s += QString::number(qBound(0, o.Niveau, 9));
    s += JN(o.SnelleModus);
    s += QString::number(qBound(0, o.SnelleModusSoort, 1));
    s += JN(o.VerwijderRest);
    s += JN(o.Beveilig);
    return s;
}

void SchrijfKnoop(const CheckKnoop* knoop, const QString& niveau, QStringList& regels) {
    if (knoop->Staat == Aan) {
        regels.append(QLatin1Char('X') + niveau + knoop->Caption);
        return;
    }
    regels.append(QLatin1Char('-') + niveau + knoop->Caption);
    const QString volgend = Volgend(niveau);
    for (const auto& kind : knoop->Kinderen)
        if (kind->Staat != Uit)
            SchrijfKnoop(kind.get(), volgend, regels);
}

QStringList SchrijfSelectie(const CheckKnoop* wortel) {
    QStringList regels;
    if (!wortel)
        return regels;
    for (const auto& station : wortel->Kinderen) {
        if (station->Staat == Uit)
            continue;
        regels.append(StationVanCaption(station->Caption));
        SchrijfKnoop(station.get(), QStringLiteral("001"), regels);
        regels.append(SetEindeStation);
    }
    return regels;
}

QStringList SchrijfSetTekst(const BackupOpties& opties, const CheckKnoop* wortel) {
    QStringList regels{SetVersieV2, opties.Plaats, OptieString(opties), opties.Wachtwoord};
    regels += SchrijfSelectie(wortel);
    return regels;
}

bool LeesSetOpties(const QStringList& regels, bool ftpBeschikbaar, BackupOpties& opties,
                   qsizetype& selectieStart) {
    if (regels.size() < 3)
        return false;
    BackupOpties o = opties;
    if (regels.at(0) == SetVersieV2) {
        if (regels.size() < 4)
            return false;
        const QString& s = regels.at(2);
        if (s.size() < 7)
            return false;
        const int locatie = Cijfer(s.at(0), 1);
        const int niveau = Cijfer(s.at(2), 9);
        const int soort = Cijfer(s.at(4), 1);
        if (locatie < 0 || niveau < 0 || soort < 0)
            return false;
        o.Plaats = regels.at(1);
        o.Locatie = ftpBeschikbaar ? locatie : 0;
        o.Comprimeren = IsJa(s.at(1));
        o.Niveau = niveau;
        o.SnelleModus = IsJa(s.at(3));
        if (o.Locatie == 1) {
            o.SnelleModusSoort = 1;
            o.VerwijderRest = true;
        } else {
            o.SnelleModusSoort = soort;
            o.VerwijderRest = IsJa(s.at(5));
        }
        o.Beveilig = IsJa(s.at(6));
        o.Wachtwoord = regels.at(3);
        selectieStart = 4;
    } else {
        const QString& s = regels.at(1);
        if (s.size() < 6)
            return false;
        const int niveau = Cijfer(s.at(1), 9);
        if (niveau < 0)
            return false;
        o.Locatie = 0;
        o.Plaats = regels.at(0);
        o.Comprimeren = IsJa(s.at(0));
        o.Niveau = niveau;
        o.SnelleModus = IsJa(s.at(2));
        o.SnelleModusSoort = s.at(3) == QLatin1Char('0') ? 1 : 0;
        o.VerwijderRest = IsJa(s.at(4));
        o.Beveilig = IsJa(s.at(5));
        o.Wachtwoord = regels.at(2);
        selectieStart = 3;
    }
    opties = o;
    return true;
}

void LeesKnoop(CheckBoom& boom, const QStringList& regels, qsizetype& i, const QString& pad,
               const QString& niveau, const KnoopOpener& open) {
    const qsizetype n = regels.size();
    if (i >= n)
        return;
    CheckKnoop* knoop = boom.KnoopVanPad(pad);
    if (!knoop) {
        // Gone since the set was saved: skip its record and everything recorded below it.
        ++i;
        while (i < n && NiveauVan(regels.at(i)) > niveau)
            ++i;
        return;
    }
    if (regels.at(i).startsWith(QLatin1Char('X'))) {
        boom.ZetStaat(knoop, Aan);
        ++i;
        return;
    }
    open(knoop);
    ++i;
    const QString volgend = Volgend(niveau);
    // A record whose children are missing at the end of the text ends the reading there.
    while (i < n && NiveauVan(regels.at(i)) == volgend)
        LeesKnoop(boom, regels, i, pad + regels.at(i).mid(4, 255) + QLatin1Char('\\'), volgend, open);
}

void LeesSelectie(CheckBoom& boom, const QStringList& regels, qsizetype start, const KnoopOpener& open) {
    const CheckKnoop* wortel = boom.Wortel();
    if (!wortel)
        return;
    const qsizetype n = regels.size();
    qsizetype i = start;
    while (i < n) {
        QString pad = wortel->Caption + QLatin1Char('\\');
        const CheckKnoop* station = nullptr;
        for (const auto& kind : wortel->Kinderen) {
            if (StationVanCaption(kind->Caption) == regels.at(i)) {
                station = kind.get();
                break;
            }
        }
        ++i;
        if (!station) {
            while (i < n && regels.at(i) != SetEindeStation)
                ++i;
        } else {
            pad += station->Caption + QLatin1Char('\\');
            if (i < n && regels.at(i) != SetEindeStation)
                LeesKnoop(boom, regels, i, pad, QStringLiteral("001"), open);
            // A damaged block leaves us short of its end line; go on after it.
            while (i < n && regels.at(i) != SetEindeStation)
                ++i;
        }
        ++i;
    }
}

} // namespace Orvo

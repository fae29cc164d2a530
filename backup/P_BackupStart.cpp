#include "backup/P_BackupStart.h"
#include "backup/ArchiefFormaat.h"
#include "common/P_AlgemeneFuncties.h"
#include "platform/Volumes.h"
#include "zip/ZipComponent.h"

#include <QDir>
#include <QFileInfo>

namespace Orvo {
namespace {

QString natief(const QString& programma) {
    return Platform::NaarNatief(programma).value_or(QString());
}

// Checks 5 and 6: the destination must not lie in what is being backed up.
bool CyclusToegestaan(const CheckKnoop* wortel, QString cyclusPad, StartMelder& melder) {
    QStringList delen = cyclusPad.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (delen.isEmpty())
        return true;
    QString probe = delen.takeFirst() + QLatin1Char('\\');
    while (!delen.isEmpty()) {
        probe += delen.takeFirst() + QLatin1Char('\\');
        const CheckKnoop* knoop = ZoekKnoop(wortel, probe);
        if (!knoop || knoop->Staat == Uit)
            return true;
        if (knoop->Staat == Aan) {
            melder.Meld(MeldingCyclusHeel);
            return false;
        }
        if (delen.isEmpty()) {
            melder.Meld(MeldingCyclusDeel);
            return false;
        }
    }
    return true;
}

} // namespace

QString MeldingGeenMedium(const QString& station) {
    return QStringLiteral("In station \"") + station +
           QStringLiteral("\", waarvan u een back-up wilt maken, zit geen medium (diskette, cd-rom etc.).");
}

QString NaarPadVan(const QString& plaatsTekst) {
    if (plaatsTekst.trimmed().isEmpty())
        return QString();
    const QString schoon = QDir::cleanPath(QFileInfo(plaatsTekst).absoluteFilePath());
    QString pad = Platform::NaarProgrammaPad(schoon).value_or(QString());
    if (!pad.isEmpty() && !pad.endsWith(QLatin1Char('\\')))
        pad += QLatin1Char('\\');
    return pad;
}

const CheckKnoop* ZoekKnoop(const CheckKnoop* wortel, const QString& pad) {
    const QStringList delen = pad.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!wortel || delen.isEmpty() || wortel->Caption.compare(delen.first(), Qt::CaseInsensitive) != 0)
        return nullptr;
    const CheckKnoop* knoop = wortel;
    for (qsizetype i = 1; i < delen.size() && knoop; ++i) {
        const CheckKnoop* gevonden = nullptr;
        for (const auto& kind : knoop->Kinderen) {
            if (kind->Caption == delen[i]) {
                gevonden = kind.get();
                break;
            }
            if (!gevonden && kind->Caption.compare(delen[i], Qt::CaseInsensitive) == 0)
                gevonden = kind.get();
        }
        knoop = gevonden;
    }
    return knoop;
}

const CheckKnoop* ZoekRootKnoop(const CheckKnoop* knoop) {
    if (!knoop)
        return nullptr;
    if (knoop->Kinderen.empty() || knoop->Caption.isEmpty())
        return knoop->Ouder ? knoop->Ouder : knoop;
    std::vector<const CheckKnoop*> gekozen;
    for (const auto& kind : knoop->Kinderen)
        if (kind->Staat != Uit)
            gekozen.push_back(kind.get());
    if (gekozen.size() >= 2 || gekozen.empty())
        return knoop;
    return ZoekRootKnoop(gekozen.front());
}

QString RootPadVan(const CheckKnoop* root) {
    return PadVan(root);
}

bool ControleerStart(TBackupThreadData& run, StartMelder& melder) {
    const BackupOpties& o = run.Opties;
    const bool lokaal = !run.ViaFTP;
    if (lokaal && o.Plaats.isEmpty()) {
        melder.Meld(MeldingGeenBestemming);
        return false;
    }
    if (lokaal && !QFileInfo(o.Plaats).isDir()) {
        melder.Meld(MeldingBestemmingBestaatNiet);
        return false;
    }
    if (o.Beveilig && o.Wachtwoord.isEmpty()) {
        melder.Meld(MeldingGeenWachtwoord);
        return false;
    }
    run.NaarPad = lokaal ? NaarPadVan(o.Plaats) : QString();

    // Count the selected drives and find the one that holds the destination.
    const CheckKnoop* wortel = run.Boom.get();
    int aantal = 0;
    QString cyclusPad;
    const CheckKnoop* gekozenStation = nullptr;
    if (wortel) {
        for (const auto& station : wortel->Kinderen) {
            if (station->Staat == Uit)
                continue;
            ++aantal;
            gekozenStation = station.get();
            if (lokaal && run.NaarPad.size() >= 2 &&
                StationVanCaption(station->Caption) == run.NaarPad.left(2))
                cyclusPad = CaptionPad(station.get()) + run.NaarPad.mid(3);
        }
    }
    run.MeerdereSchijven = aantal > 1;
    if (aantal == 0) {
        melder.Meld(MeldingNietsGeselecteerd);
        return false;
    }
    if (lokaal && run.NaarPad.isEmpty()) {
        // A folder whose name this program cannot write: it is as good as not there.
        melder.Meld(MeldingBestemmingBestaatNiet);
        return false;
    }
    if (!cyclusPad.isEmpty() && !CyclusToegestaan(wortel, cyclusPad, melder))
        return false;

    bool media = true;
    for (const auto& station : wortel->Kinderen) {
        if (station->Staat == Uit)
            continue;
        const QString schijf = StationVanCaption(station->Caption);
        if (schijf.isEmpty() || !StationGereed(schijf.at(0))) {
            melder.Meld(MeldingGeenMedium(station->Caption));
            media = false;
        }
    }
    if (!media)
        return false;
    if (lokaal && MapSchrijfbeveiligd(natief(run.NaarPad))) {
        melder.Meld(MeldingNietSchrijfbaar);
        return false;
    }

    if (run.MeerdereSchijven) {
        run.RootKnoop = wortel;
        run.RootPad.clear();
    } else {
        run.RootKnoop = ZoekRootKnoop(gekozenStation);
        run.RootPad = RootPadVan(run.RootKnoop);
    }
    return true;
}

bool ControleerBestemming(TBackupThreadData& run, ZipComponent& zip, StartMelder& melder) {
    const QString configuratie = natief(run.NaarPad) + QLatin1String(ConfiguratieBestandNaam);
    if (!QFileInfo(configuratie).isFile())
        return true;
    const std::optional<QStringList> regels = LeesArchiefRegels(zip, configuratie);
    zip.WisFout();
    if (!regels || regels->size() < ConfiguratieRegelAantal) {
        run.BackUpWeg = true;
        return melder.Automatisch() || melder.Vraag(VraagOnleesbaar);
    }
    const BackupOpties& o = run.Opties;
    if (regels->at(4) != BronRegel(run.MeerdereSchijven, run.RootPad)) {
        run.BackUpWeg = true;
        if (melder.Automatisch()) {
            melder.Meld(MeldingAndereGegevens);
            return false;
        }
        return melder.Vraag(VraagAndereGegevens);
    }
    if (regels->at(2) != (o.Comprimeren ? QStringLiteral("J") : QStringLiteral("N"))) {
        run.BackUpWeg = true;
        return melder.Automatisch() || melder.Vraag(VraagAndereCompressie);
    }
    if (regels->at(3) != WachtwoordRegel(o.Beveilig, o.Wachtwoord)) {
        run.BackUpWeg = true;
        return melder.Automatisch() || melder.Vraag(VraagAnderWachtwoord);
    }
    return true;
}

bool MaakDataMap(TBackupThreadData& run, StartMelder& melder) {
    const QString map = natief(run.NaarPad) + QLatin1String(DataMapNaam);
    if (QFileInfo(map).isDir())
        return true;
    run.CheckBestaat = false;
    run.CheckDirFiles = false;
    if (QDir().mkdir(map))
        return true;
    melder.Meld(MeldingGeenDataMap);
    return false;
}

QStringList VerslagKop(const VerslagVelden& v) {
    return {QStringLiteral("Back-up set              : ") + v.SetNaam,
            QStringLiteral("Back-up gestart op       : ") + v.Start,
            QStringLiteral("Back-up voltooid op      : ") + v.Eind,
            QString(),
            QStringLiteral("Totale grootte origineel : ") + v.Totaal,
            QStringLiteral("Gedaan                   : ") + v.Gedaan,
            QStringLiteral("Niet gedaan              : ") + v.NietGedaan + QLatin1Char(' ') + v.FNietGedaan,
            QStringLiteral("Grootte back-up          : ") + v.BackupGrootte,
            QStringLiteral("Compressie               : ") + v.Compressie,
            QString()};
}

QStringList BackupVerslag(const VerslagVelden& v, int foutNiveau, const QStringList& logEntries) {
    QStringList verslag = VerslagKop(v);
    verslag.append(ResultaatRegel(ResultaatVan(foutNiveau)));
    if (foutNiveau > 0) {
        verslag << QString() << QStringLiteral("OVERZICHT VAN DE OPGETREDEN PROBLEMEN")
                << QStringLiteral("=====================================") << QString();
        verslag += logEntries;
    }
    return verslag;
}

QStringList WeigeringsLog(const QStringList& logEntries) {
    QStringList regels{QStringLiteral("FOUT"), QStringLiteral("===="), QString()};
    regels += logEntries;
    regels << QString() << QStringLiteral("Er is geen back-up gemaakt.");
    return regels;
}

} // namespace Orvo

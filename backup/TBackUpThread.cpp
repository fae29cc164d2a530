#include "backup/TBackUpThread.h"
#include "backup/ArchiefFormaat.h"
#include "common/P_AlgemeneFuncties.h"
#include "platform/Bestandskenmerken.h"
#include "platform/Mappen.h"
#include "platform/Schijfruimte.h"
#include "platform/Volumes.h"

#include <QDir>
#include <QFile>

namespace Orvo {
namespace {

QString natief(const QString& programma) {
    return Platform::NaarNatief(programma).value_or(QString());
}

// A name that the program's path notation cannot carry.
bool naamBruikbaar(const QString& naam) {
    return !naam.contains(QLatin1Char('\\'));
}

const QString AlleGeselecteerde =
    QStringLiteral("  (met alle daar geselecteerde bestanden) kon geen back-up worden gemaakt.");

} // namespace

// ---------------------------------------------------------------------------------------------------

QStringList BackupEngine::BlokOudeBackup() {
    return {QStringLiteral("De vorige back-up kon niet verwijderd worden; maken back-up afgebroken."),
            QString(),
            QStringLiteral("WAARSCHUWING"),
            QStringLiteral("============"),
            QStringLiteral("Er is geen back-up gemaakt; bovendien kan de back-up die hier"),
            QStringLiteral("stond inmiddels deels zijn verwijderd!")};
}

QStringList BackupEngine::BlokConfiguratie() {
    return {QStringLiteral(
                "Het back-up configuratiebestand kon niet worden weggeschreven. Maken back-up afgebroken."),
            QString(),
            QStringLiteral("WAARSCHUWING"),
            QStringLiteral("============"),
            QStringLiteral("Er is geen back-up gemaakt; bovendien kan de back-up die hier"),
            QStringLiteral("stond inmiddels deels zijn verwijderd!")};
}

QStringList BackupEngine::BlokSchijfVol() {
    return {QStringLiteral("Er is niet voldoende ruimte op de plaats voor de back-up beschikbaar. Maken "
                           "back-up afgebroken."),
            QString(), QStringLiteral("WAARSCHUWING"), QStringLiteral("============"),
            QStringLiteral("Er is geen volledige back-up gemaakt!")};
}

BackupEngine::BackupEngine(TBackupThreadData& run, BackupWeergave& weergave, QString tijdelijkeMap)
    : m_run(run), m_weergave(weergave), m_tijdelijkeMap(std::move(tijdelijkeMap)) {}

void BackupEngine::VerhoogNiveau(int niveau) {
    m_run.FoutNiveau = std::max(m_run.FoutNiveau, niveau);
}

void BackupEngine::Log(const QStringList& regels) {
    m_run.LogEntries += regels;
    m_weergave.ToonLog(m_run.LogEntries);
}

void BackupEngine::Bezig(const QString& tekst) {
    m_stand.Bezig = tekst;
    m_weergave.ToonBezig(m_stand);
}

void BackupEngine::Voortgang() {
    if (Comprimeren())
        m_weergave.ToonVoortgang(m_stand);
    else
        m_weergave.ToonVoortgangKopie(m_stand);
}

void BackupEngine::Execute() {
    m_stand = BackupStand{};
    m_stand.StartTijd = m_run.StartTijd;
    m_diskVol = false;

    // Measure
    Bezig(QStringLiteral("Grootte origineel bepalen"));
    if (m_run.MeerdereSchijven) {
        for (const auto& station : m_run.Boom->Kinderen)
            if (station->Staat != Uit)
                MeetGrootte(station.get(), StationVanCaption(station->Caption) + QLatin1Char('\\'),
                            station->Staat == Aan);
    } else if (m_run.RootKnoop) {
        MeetGrootte(m_run.RootKnoop, m_run.RootPad, m_run.RootKnoop->Staat == Aan);
    }
    m_stand.DeelStand = KiesDeelStand(m_stand.DeelStand, m_stand.TotGrootte);
    m_weergave.ToonTotaal(m_stand);

    // Remove the old backup
    if (m_run.BackUpWeg || (m_run.Opties.VerwijderRest && !m_run.Opties.SnelleModus)) {
        Bezig(QStringLiteral("Oude back-up verwijderen"));
        if (VerwijderOudeBackup()) {
            m_run.CheckBestaat = false;
            m_run.CheckDirFiles = false;
        } else {
            VerhoogNiveau(NiveauGestopt);
            Log(BlokOudeBackup());
        }
    }

    if (m_run.FoutNiveau == 0 && !SchrijfConfiguratie()) {
        VerhoogNiveau(NiveauGestopt);
        Log(BlokConfiguratie());
    }
    if (m_run.FoutNiveau == 0)
        SlaOp();
}

void BackupEngine::MeetGrootte(const CheckKnoop* knoop, const QString& pad, bool heel) {
    m_stand.DeelStand = KiesDeelStand(m_stand.DeelStand, m_stand.TotGrootte);
    m_weergave.ToonTotaal(m_stand);
    if (heel) {
        const QString map = natief(pad);
        for (const Platform::MapItem& item : Platform::LeesMap(map)) {
            if (item.soort == Platform::MapItem::Bestand)
                m_stand.TotGrootte += item.grootte;
            else if (item.soort == Platform::MapItem::Map && naamBruikbaar(item.naam) &&
                     !Platform::IsPseudoBestandssysteem(map + item.naam))
                MeetGrootte(nullptr, pad + item.naam + QLatin1Char('\\'), true);
        }
        return;
    }
    if (!knoop)
        return;
    for (const auto& kind : knoop->Kinderen) {
        if (kind->Caption.isEmpty() || kind->Staat == Uit)
            continue;
        const QString kindPad = pad + kind->Caption;
        if (kind->Staat == Deels) {
            MeetGrootte(kind.get(), kindPad + QLatin1Char('\\'), false);
            continue;
        }
        const Platform::MapItem item = Platform::LeesItem(natief(kindPad));
        if (item.soort == Platform::MapItem::Map)
            MeetGrootte(kind.get(), kindPad + QLatin1Char('\\'), true);
        else if (item.soort == Platform::MapItem::Bestand)
            m_stand.TotGrootte += item.grootte;
    }
}

bool BackupEngine::VerwijderOudeBackup() {
    const QString doel = natief(m_run.NaarPad);
    if (doel.isEmpty())
        return false;
    if (!MapLeegmaken(doel + QLatin1String(DataMapNaam), true))
        return false;
    QFile::remove(doel + QLatin1String(ConfiguratieBestandNaam));
    return true;
}

bool BackupEngine::SchrijfConfiguratie() {
    Bezig(QStringLiteral("Back-up informatie wegschrijven"));
    const BackupOpties& o = m_run.Opties;
    const QStringList regels =
        ConfiguratieRegels(m_run.StartTijd, m_stand.TotGrootte, o.Comprimeren, o.Comprimeren && o.Beveilig,
                           o.Wachtwoord, m_run.MeerdereSchijven, m_run.RootPad);
    const QString archief = natief(m_run.NaarPad);
    return !archief.isEmpty() &&
           SchrijfArchiefRegels(m_zip, archief + QLatin1String(ConfiguratieBestandNaam), regels);
}

void BackupEngine::SlaOp() {
    m_run.NaarPad += QLatin1String(DataMapNaam) + QLatin1Char('\\');
    const BackupOpties& o = m_run.Opties;
    if (o.Comprimeren) {
        m_zip.WisFout();
        m_zip.ZetNiveau(o.Niveau);
        const bool wachtwoord = o.Beveilig && !o.Wachtwoord.isEmpty();
        m_zip.ZetVersleutelen(wachtwoord);
        m_zip.ZetWachtwoord(wachtwoord ? o.Wachtwoord : QString());
    }
    if (m_run.MeerdereSchijven) {
        for (const auto& station : m_run.Boom->Kinderen) {
            if (station->Staat == Uit)
                continue;
            const QString schijf = StationVanCaption(station->Caption);
            const QString letter = schijf.left(1);
            const QString doel = m_run.NaarPad + letter + QLatin1Char('\\');
            const QString doelNatief = natief(doel);
            if (QFileInfo(doelNatief).isDir() || QDir().mkdir(doelNatief)) {
                MapLokaal(station.get(), schijf + QLatin1Char('\\'), station->Staat == Aan, doel);
            } else {
                VerhoogNiveau(NiveauMap);
                Log({QStringLiteral("- Van station ") + schijf +
                     QStringLiteral(
                         " (met alle daar geselecteerde bestanden) kon geen back-up worden gemaakt.")});
            }
            if (m_diskVol)
                break;
        }
    } else if (m_run.RootKnoop) {
        MapLokaal(m_run.RootKnoop, m_run.RootPad, m_run.RootKnoop->Staat == Aan, m_run.NaarPad);
    }
    if (m_diskVol) {
        VerhoogNiveau(NiveauGestopt);
        Log(BlokSchijfVol());
    }
}

// ---------------------------------------------------------------------------------------------------
// Local folder walk

void BackupEngine::MapLokaal(const CheckKnoop* knoop, const QString& bron, bool heel, const QString& doel) {
    if (m_diskVol)
        return;
    QString bewaard = QStringLiteral("\\");

    auto mapVerwerken = [&](const QString& naam, const CheckKnoop* kind, bool kindHeel) {
        const QString doelSub = doel + naam + QLatin1Char('\\');
        const QString bronSub = bron + naam + QLatin1Char('\\');
        if (BereidDoelMapVoor(doelSub)) {
            MapLokaal(kind, bronSub, kindHeel, doelSub);
            return;
        }
        VerhoogNiveau(NiveauMap);
        MarkeerNietGedaan(bronSub);
        if (Comprimeren() || !heel)
            Log({QStringLiteral("- Van map ") + bron + naam, AlleGeselecteerde});
        else
            Log({QStringLiteral("- Van map ") + bron + naam + QLatin1Char(' ') +
                 AlleGeselecteerde.trimmed()});
    };
    auto bestandVerwerken = [&](const Bestand& bestand) {
        SlaBestandOp(bestand, bron, doel);
        Voortgang();
    };

    if (heel) {
        const QString map = natief(bron);
        for (const Platform::MapItem& item : Platform::LeesMap(map)) {
            if (m_diskVol)
                break;
            if (item.soort == Platform::MapItem::Map) {
                if (Platform::IsPseudoBestandssysteem(map + item.naam))
                    continue;
                if (!naamBruikbaar(item.naam)) {
                    VerhoogNiveau(NiveauMap);
                    Log({QStringLiteral("- Van map ") + bron + item.naam, AlleGeselecteerde});
                    continue;
                }
                mapVerwerken(item.naam, nullptr, true);
            } else if (item.soort == Platform::MapItem::Bestand) {
                bestandVerwerken(Bestand{item.naam, item.grootte, item.gewijzigdMs});
            }
        }
    } else if (knoop) {
        for (const auto& kind : knoop->Kinderen) {
            if (m_diskVol)
                break;
            if (kind->Caption.isEmpty() || kind->Staat == Uit)
                continue;
            const QString& naam = kind->Caption;
            const Platform::MapItem item = Platform::LeesItem(natief(bron + naam));
            if (item.soort == Platform::MapItem::Map) {
                mapVerwerken(naam, kind.get(), kind->Staat == Aan);
                bewaard += naam + QLatin1Char('\\');
            } else if (kind->Staat == Aan) {
                if (item.soort == Platform::MapItem::Bestand)
                    bestandVerwerken(Bestand{naam, item.grootte, item.gewijzigdMs});
                else
                    BestandVerdwenen(bron, naam);
                bewaard += naam + QLatin1Char('\\');
            }
        }
    }

    if (m_run.CheckDirFiles && !m_diskVol) {
        if (heel)
            VerwijderRestMap(bron, doel);
        else
            VerwijderRestLijst(doel, bewaard);
    }
}

bool BackupEngine::BereidDoelMapVoor(const QString& doel) {
    const QString d = natief(doel);
    if (m_run.CheckBestaat) {
        const Platform::MapItem item = Platform::LeesItem(d);
        if (item.soort == Platform::MapItem::Map)
            return MapSchrijfbaar(d);
        if (!item.naam.isEmpty()) // a file (or anything else) by that name makes way for the folder
            return BestandSchrijfbaar(d) && QFile::remove(d) && QDir().mkdir(d);
    }
    return QDir().mkdir(d) || QFileInfo(d).isDir();
}

void BackupEngine::BestandVerdwenen(const QString& bron, const QString& naam) {
    VerhoogNiveau(NiveauVerdwenen);
    ++m_stand.FNietGedaan;
    Log({QStringLiteral("- Van bestand ") + bron + naam,
         QStringLiteral("  kon geen back-up worden gemaakt; het bestand is niet meer aanwezig.")});
    m_weergave.ToonNietGedaan(m_stand);
}

// ---------------------------------------------------------------------------------------------------
// Per-file steps

bool BackupEngine::IsGewijzigd(const Bestand& bestand, const QString& bronPad,
                               qint64 opgeslagenTijd) const {
    const BackupOpties& o = m_run.Opties;
    if (!o.SnelleModus)
        return true;
    if (o.SnelleModusSoort == 1)
        return Platform::HeeftArchiefVlag(bronPad);
    if (opgeslagenTijd < 0 || bestand.gewijzigd < 0)
        return true;
    // 0.0001 day
    return qAbs(bestand.gewijzigd - opgeslagenTijd) >= 8640;
}

void BackupEngine::SlaBestandOp(const Bestand& bestand, const QString& bron, const QString& doel) {
    Bezig(QStringLiteral("Back-up van ") + bestand.naam);
    if (!naamBruikbaar(bestand.naam)) {
        BestandMislukt(bestand, doel,
                       {QStringLiteral("- Van bestand ") + bron + bestand.naam,
                        QStringLiteral("  kon geen back-up worden gemaakt.")});
        return;
    }
    const QString opgeslagen = natief(doel + bestand.naam);
    QString opzij;
    if (m_run.CheckBestaat) {
        const Platform::MapItem item = Platform::LeesItem(opgeslagen);
        if (item.soort == Platform::MapItem::Map) {
            const bool weg =
                MapSchrijfbaar(opgeslagen) && MapLeegmaken(opgeslagen, true) && QDir().rmdir(opgeslagen);
            if (!weg) {
                VorigeVersieFout(bron + bestand.naam, bestand.grootte);
                return;
            }
        } else if (!item.naam.isEmpty()) {
            if (!IsGewijzigd(bestand, natief(bron + bestand.naam), item.gewijzigdMs)) {
                m_stand.AlGedaan += bestand.grootte;
                if (Comprimeren())
                    m_stand.ComprGrootte += item.grootte;
                return;
            }
            // The previous version is set aside rather than deleted, and only goes once the new one is
            // complete: a store that fails never costs the backup the copy it had.
            opzij = natief(doel) + QStringLiteral(".~orvo~") + bestand.naam;
            if (!BestandSchrijfbaar(opgeslagen) || !QFile::rename(opgeslagen, opzij)) {
                VorigeVersieFout(bron + bestand.naam, bestand.grootte);
                return;
            }
        }
    }
    const bool ok = Comprimeren() ? BestandZip(bestand, bron, doel) : BestandKopie(bestand, bron, doel);
    if (opzij.isEmpty())
        return;
    if (ok) {
        QFile::remove(opzij);
    } else {
        QFile::remove(opgeslagen);
        QFile::rename(opzij, opgeslagen);
    }
}

bool BackupEngine::BestandZip(const Bestand& bestand, const QString& bron, const QString& doel) {
    const QString bronPad = natief(bron + bestand.naam);
    const QString archief = natief(doel + bestand.naam);
    m_zip.WisFout();
    if (m_zip.VoegBestandToe(archief, bronPad)) {
        m_stand.AlGedaan += bestand.grootte;
        m_stand.ComprGrootte += ZipComponent::ArchiefGrootte(archief);
        if (Platform::IsAlleenLezen(bronPad))
            Platform::ZetAlleenLezen(archief, true);
        return true;
    }
    BestandMislukt(bestand, doel,
                   {QStringLiteral("- Van bestand ") + bron + bestand.naam,
                    QStringLiteral("  kon geen back-up worden gemaakt; foutcode: ") +
                        QString::number(m_zip.FoutCode()) + QLatin1Char(' ') + m_zip.FoutMelding() +
                        QLatin1Char('.')});
    m_zip.WisFout();
    return false;
}

bool BackupEngine::BestandKopie(const Bestand& bestand, const QString& bron, const QString& doel) {
    const QString bronPad = natief(bron + bestand.naam);
    const QString kopie = natief(doel + bestand.naam);
    // The copy keeps its source's time (the next run compares it) and permissions.
    if (Platform::KopieerBestand(bronPad, kopie)) {
        m_stand.AlGedaan += bestand.grootte;
        Platform::WisArchiefVlag(bronPad);
        return true;
    }
    BestandMislukt(bestand, doel,
                   {QStringLiteral("- Van bestand ") + bron + bestand.naam,
                    QStringLiteral("  kon geen back-up worden gemaakt.")});
    return false;
}

void BackupEngine::BestandMislukt(const Bestand& bestand, const QString& doel, const QStringList& regels) {
    // A file larger than the room left means the destination is full: the run stops.
    const qint64 vrij = std::max<qint64>(0, Platform::VrijeBytes(natief(doel)));
    if (bestand.grootte > vrij) {
        m_diskVol = true;
        return;
    }
    VerhoogNiveau(NiveauBestand);
    m_stand.NietGedaan += bestand.grootte;
    ++m_stand.FNietGedaan;
    Log(regels);
    m_weergave.ToonNietGedaan(m_stand);
}

void BackupEngine::VorigeVersieFout(const QString& pad, qint64 grootte) {
    VerhoogNiveau(NiveauBestand);
    m_stand.NietGedaan += grootte;
    ++m_stand.FNietGedaan;
    Log({QStringLiteral("- Van bestand ") + pad,
         QStringLiteral(
             "  kon geen back-up worden gemaakt; de vorige back-up versie met deze naam kon niet worden "
             "verwijderd.")});
    m_weergave.ToonNietGedaan(m_stand);
}

void BackupEngine::MarkeerNietGedaan(const QString& pad) {
    Voortgang();
    std::function<void(const QString&)> tel = [&](const QString& map) {
        for (const Platform::MapItem& item : Platform::LeesMap(map)) {
            if (item.soort == Platform::MapItem::Bestand) {
                m_stand.NietGedaan += item.grootte;
                ++m_stand.FNietGedaan;
            } else if (item.soort == Platform::MapItem::Map &&
                       !Platform::IsPseudoBestandssysteem(map + item.naam)) {
                tel(map + item.naam + QLatin1Char('/'));
            }
        }
    };
    tel(natief(pad));
    m_weergave.ToonNietGedaan(m_stand);
}

// ---------------------------------------------------------------------------------------------------
// Removal of what left the selection

void BackupEngine::VerwijderDoelItem(const QString& doelNatief, bool isMap) {
    Bezig(QStringLiteral("Niet-originelen verwijderen: ") + QFileInfo(doelNatief).fileName());
    if (isMap) {
        if (MapSchrijfbaar(doelNatief) && MapLeegmaken(doelNatief, true))
            QDir().rmdir(doelNatief);
    } else if (BestandSchrijfbaar(doelNatief)) {
        QFile::remove(doelNatief);
    }
}

void BackupEngine::VerwijderRestMap(const QString& bron, const QString& doel) {
    const QString doelNatief = natief(doel);
    const QString bronNatief = natief(bron);
    for (const Platform::MapItem& item : Platform::LeesMap(doelNatief)) {
        Bezig(QStringLiteral("Niet-originelen controleren: ") + item.naam);
        const Platform::MapItem origineel = Platform::LeesItem(bronNatief + item.naam);
        const bool isMap = item.soort == Platform::MapItem::Map;
        const bool bewaren =
            !origineel.naam.isEmpty() && (isMap ? origineel.soort == Platform::MapItem::Map
                                                : origineel.soort == Platform::MapItem::Bestand);
        if (!bewaren)
            VerwijderDoelItem(doelNatief + item.naam, isMap);
    }
}

void BackupEngine::VerwijderRestLijst(const QString& doel, const QString& bewaard) {
    const QString doelNatief = natief(doel);
    for (const Platform::MapItem& item : Platform::LeesMap(doelNatief)) {
        Bezig(QStringLiteral("Niet-originelen controleren: ") + item.naam);
        // Names are exact here: this file system tells "Brief.txt" and "brief.txt" apart.
        if (!bewaard.contains(QLatin1Char('\\') + item.naam + QLatin1Char('\\')))
            VerwijderDoelItem(doelNatief + item.naam, item.soort == Platform::MapItem::Map);
    }
}

// ---------------------------------------------------------------------------------------------------

TBackUpThread::TBackUpThread(TBackupThreadData& run, BackupWeergave& weergave, const QString& tijdelijkeMap,
                             QObject* parent)
    : QThread(parent), m_engine(run, weergave, tijdelijkeMap) {}

void TBackUpThread::run() {
    m_engine.Execute();
}

} // namespace Orvo

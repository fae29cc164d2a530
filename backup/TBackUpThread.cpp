#include "backup/TBackUpThread.h"
#include "backup/ArchiefFormaat.h"
#include "common/P_AlgemeneFuncties.h"
#include "platform/Bestandskenmerken.h"
#include "platform/Mappen.h"
#include "platform/Schijfruimte.h"
#include "platform/Volumes.h"

#include <QDir>
#include <QFile>
#include <atomic>
#include <thread>

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
    // The files of this folder are stored together, after its subfolders, so that they can be
    // compressed side by side; what they report is handled in their own order.
    std::vector<Bestand> bestanden;

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
                bestanden.push_back(Bestand{item.naam, item.grootte, item.gewijzigdMs});
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
                    bestanden.push_back(Bestand{naam, item.grootte, item.gewijzigdMs});
                else
                    bestanden.push_back(Bestand{naam, 0, -1, true});
                bewaard += naam + QLatin1Char('\\');
            }
        }
    }
    if (!m_diskVol)
        BestandenOpslaan(bestanden, bron, doel);

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

bool BackupEngine::IsGewijzigd(const Bestand& bestand, const QString& bronPad, qint64 opgeslagenTijd) const {
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

BackupEngine::Taak BackupEngine::BereidBestandVoor(const Bestand& bestand, const QString& bron,
                                                   const QString& doel) {
    Taak taak;
    taak.bestand = bestand;
    if (bestand.verdwenen) {
        taak.soort = Taak::Verdwenen;
        return taak;
    }
    Bezig(QStringLiteral("Back-up van ") + bestand.naam);
    if (!naamBruikbaar(bestand.naam)) {
        taak.soort = Taak::OngeldigeNaam;
        return taak;
    }
    taak.bronPad = natief(bron + bestand.naam);
    taak.doelPad = natief(doel + bestand.naam);
    taak.soort = Taak::Opslaan;
    if (!m_run.CheckBestaat)
        return taak;
    const Platform::MapItem item = Platform::LeesItem(taak.doelPad);
    if (item.soort == Platform::MapItem::Map) {
        const bool weg =
            MapSchrijfbaar(taak.doelPad) && MapLeegmaken(taak.doelPad, true) && QDir().rmdir(taak.doelPad);
        if (!weg)
            taak.soort = Taak::VorigeVersie;
    } else if (!item.naam.isEmpty()) {
        if (!IsGewijzigd(bestand, taak.bronPad, item.gewijzigdMs)) {
            taak.soort = Taak::Ongewijzigd;
            taak.archiefGrootte = item.grootte;
            return taak;
        }
        // The previous version is set aside rather than deleted, and only goes once the new one is
        // complete: a store that fails never costs the backup the copy it had.
        taak.opzij = natief(doel) + QStringLiteral(".~orvo~") + bestand.naam;
        if (!BestandSchrijfbaar(taak.doelPad) || !QFile::rename(taak.doelPad, taak.opzij)) {
            taak.opzij.clear();
            taak.soort = Taak::VorigeVersie;
        }
    }
    return taak;
}

void BackupEngine::SlaTaakOp(Taak& taak) const {
    if (m_run.Opties.Comprimeren)
        BestandZip(taak);
    else
        BestandKopie(taak);
}

void BackupEngine::BestandKopie(Taak& taak) const {
    // The copy keeps its source's time (the next run compares it) and permissions.
    taak.gelukt = Platform::KopieerBestand(taak.bronPad, taak.doelPad);
}

void BackupEngine::BestandZip(Taak& taak) const {
    ZipComponent zip; // one per store, so that stores can run side by side
    zip.ZetNiveau(m_zip.Niveau());
    zip.ZetVersleutelen(m_zip.Versleutelen());
    zip.ZetWachtwoord(m_zip.Wachtwoord());
    taak.gelukt = zip.VoegBestandToe(taak.doelPad, taak.bronPad);
    taak.foutCode = zip.FoutCode();
    taak.foutMelding = zip.FoutMelding();
    if (taak.gelukt)
        taak.archiefGrootte = ZipComponent::ArchiefGrootte(taak.doelPad);
}

void BackupEngine::BestandenOpslaan(const std::vector<Bestand>& bestanden, const QString& bron,
                                    const QString& doel) {
    std::vector<Taak> taken;
    taken.reserve(bestanden.size());
    for (const Bestand& bestand : bestanden)
        taken.push_back(BereidBestandVoor(bestand, bron, doel));

    // The stores themselves, on as many threads as there are cores.
    std::vector<Taak*> opTeSlaan;
    for (Taak& taak : taken)
        if (taak.soort == Taak::Opslaan)
            opTeSlaan.push_back(&taak);
    std::atomic<size_t> volgende{0};
    auto werk = [&] {
        for (size_t i; (i = volgende.fetch_add(1)) < opTeSlaan.size();)
            SlaTaakOp(*opTeSlaan[i]);
    };
    const size_t extra = std::min<size_t>(opTeSlaan.size(), m_kernen) - (opTeSlaan.empty() ? 0 : 1);
    std::vector<std::thread> helpers;
    for (size_t i = 0; i < extra; ++i)
        helpers.emplace_back(werk);
    werk();
    for (std::thread& t : helpers)
        t.join();

    for (Taak& taak : taken)
        VerwerkTaak(taak, bron, doel);
}

void BackupEngine::VerwerkTaak(Taak& taak, const QString& bron, const QString& doel) {
    const Bestand& bestand = taak.bestand;
    switch (taak.soort) {
    case Taak::Verdwenen:
        BestandVerdwenen(bron, bestand.naam);
        return;
    case Taak::OngeldigeNaam:
        BestandMislukt(bestand, doel,
                       {QStringLiteral("- Van bestand ") + bron + bestand.naam,
                        QStringLiteral("  kon geen back-up worden gemaakt.")});
        break;
    case Taak::VorigeVersie:
        VorigeVersieFout(bron + bestand.naam, bestand.grootte);
        break;
    case Taak::Ongewijzigd:
        m_stand.AlGedaan += bestand.grootte;
        if (Comprimeren())
            m_stand.ComprGrootte += taak.archiefGrootte;
        break;
    case Taak::Opslaan:
        if (taak.gelukt) {
            if (!taak.opzij.isEmpty())
                QFile::remove(taak.opzij);
            m_stand.AlGedaan += bestand.grootte;
            if (Comprimeren()) {
                m_stand.ComprGrootte += taak.archiefGrootte;
                if (Platform::IsAlleenLezen(taak.bronPad))
                    Platform::ZetAlleenLezen(taak.doelPad, true);
            } else {
                Platform::WisArchiefVlag(taak.bronPad);
            }
            break;
        }
        if (!taak.opzij.isEmpty()) {
            QFile::remove(taak.doelPad);
            QFile::rename(taak.opzij, taak.doelPad);
        } else if (!Comprimeren()) {
            QFile::remove(taak.doelPad);
        }
        if (m_diskVol)
            return; // the run stopped already: this file is no problem of its own
        if (Comprimeren())
            BestandMislukt(bestand, doel,
                           {QStringLiteral("- Van bestand ") + bron + bestand.naam,
                            QStringLiteral("  kon geen back-up worden gemaakt; foutcode: ") +
                                QString::number(taak.foutCode) + QLatin1Char(' ') + taak.foutMelding +
                                QLatin1Char('.')});
        else
            BestandMislukt(bestand, doel,
                           {QStringLiteral("- Van bestand ") + bron + bestand.naam,
                            QStringLiteral("  kon geen back-up worden gemaakt.")});
        break;
    }
    Voortgang();
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

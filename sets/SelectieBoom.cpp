#include "sets/SelectieBoom.h"
#include "common/NaamVolgorde.h"

#include "common/P_AlgemeneFuncties.h"
#include "platform/Mappen.h"
#include "platform/Volumes.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace Orvo {
namespace {

// One readdir that stops at the first entry other than "." and "..".
bool HeeftEenEntry(const QByteArray& pad) {
    DIR* dir = ::opendir(pad.constData());
    if (!dir)
        return false;
    bool gevonden = false;
    while (dirent* e = ::readdir(dir)) {
        if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0) {
            gevonden = true;
            break;
        }
    }
    ::closedir(dir);
    return gevonden;
}

QByteArray MetSlash(QByteArray pad) {
    if (!pad.endsWith('/'))
        pad += '/';
    return pad;
}

} // namespace

MapInhoud LeesMap(const QString& natief) {
    MapInhoud inhoud;
    const QByteArray map = MetSlash(QFile::encodeName(natief));
    DIR* dir = ::opendir(map.constData());
    if (!dir)
        return inhoud;
    inhoud.Leesbaar = true;
    QStringList mappen;
    std::vector<bool> isLinkNaarMap;
    while (dirent* e = ::readdir(dir)) {
        if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0)
            continue;
        const QString naam = QFile::decodeName(e->d_name);
        if (naam.contains(QLatin1Char('\\')))
            continue;
        unsigned char soort = e->d_type;
        bool isLink = soort == DT_LNK;
        if (soort == DT_UNKNOWN || isLink) {
            struct stat st {};
            const QByteArray vol = map + e->d_name;
            if (!isLink && ::lstat(vol.constData(), &st) == 0 && S_ISLNK(st.st_mode))
                isLink = true;
            if (::stat(vol.constData(), &st) != 0)
                continue; // a broken link: nothing to back up
            soort = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (soort == DT_DIR) {
            mappen.append(naam);
            isLinkNaarMap.push_back(isLink);
        } else if (soort == DT_REG) {
            inhoud.Bestanden.append(naam);
        }
    }
    ::closedir(dir);

    SorteerNamen(inhoud.Bestanden);
    inhoud.Mappen.reserve(mappen.size());
    inhoud.MapHeeftInhoud.reserve(size_t(mappen.size()));
    for (qsizetype i : SorteerVolgorde(mappen)) {
        const QString& naam = mappen.at(i);
        bool heeftInhoud = false;
        if (!isLinkNaarMap[size_t(i)]) {
            const QByteArray sub = map + QFile::encodeName(naam);
            heeftInhoud = !Platform::IsPseudoBestandssysteem(QFile::decodeName(sub)) && HeeftEenEntry(sub);
        }
        inhoud.Mappen.append(naam);
        inhoud.MapHeeftInhoud.push_back(heeftInhoud);
    }
    return inhoud;
}

void VulStationBoom(CheckBoom& boom) {
    CheckKnoop* wortel = boom.MaakWortel(WortelCaption);
    const quint32 masker = Platform::LogischeStations();
    std::vector<std::unique_ptr<CheckKnoop>> stations;
    for (int b = 0; b < 26; ++b) {
        if (!(masker & (1u << b)))
            continue;
        const QChar letter(char16_t('A' + b));
        const bool gereed = StationGereed(letter);
        stations.push_back(NieuweKnoop(Platform::WeergaveNaam(letter), KnoopSoort::Station, gereed));
    }
    boom.VoegToe(wortel, std::move(stations));
    boom.ZetOpen(wortel, true);
}

bool VulKnoop(CheckBoom& boom, CheckKnoop* knoop) {
    if (!knoop || !knoop->Ouder || !knoop->HeeftAlleenPlaatshouder()) {
        if (knoop && !knoop->Kinderen.empty())
            boom.ZetOpen(knoop, true);
        return false;
    }
    const int onthouden = knoop->Staat;
    boom.VerwijderKinderen(knoop);
    const auto natief = Platform::NaarNatief(PadVan(knoop));
    if (!natief)
        return true;
    const MapInhoud inhoud = LeesMap(*natief);
    std::vector<std::unique_ptr<CheckKnoop>> kinderen;
    kinderen.reserve(size_t(inhoud.Mappen.size() + inhoud.Bestanden.size()));
    for (qsizetype i = 0; i < inhoud.Mappen.size(); ++i)
        kinderen.push_back(
            NieuweKnoop(inhoud.Mappen.at(i), KnoopSoort::Map, inhoud.MapHeeftInhoud[size_t(i)]));
    for (const QString& naam : inhoud.Bestanden)
        kinderen.push_back(NieuweKnoop(naam, KnoopSoort::Bestand));
    if (kinderen.empty())
        return true;
    boom.VoegToe(knoop, std::move(kinderen));
    boom.ZetOpen(knoop, true);
    boom.ZetStaat(knoop, onthouden);
    return true;
}

} // namespace Orvo

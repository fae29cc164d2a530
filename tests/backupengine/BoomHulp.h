#pragma once
// Builds selection trees for the engine tests: the root, a drive node per volume letter and nodes along
// program paths, as the backup tab would have them after the user ticked them.

#include "platform/Volumes.h"
#include "sets/CheckBoom.h"

#include <QDir>
#include <QStringList>

namespace TestHulp {

inline Orvo::CheckKnoop* StationKnoop(Orvo::CheckBoom& boom, QChar letter) {
    if (!boom.Wortel())
        boom.MaakWortel(QStringLiteral("Deze computer"));
    const QString caption = Platform::WeergaveNaam(letter);
    for (const auto& kind : boom.Wortel()->Kinderen)
        if (kind->Caption == caption)
            return kind.get();
    return boom.VoegToe(boom.Wortel(), Orvo::NieuweKnoop(caption, Orvo::KnoopSoort::Station));
}

// Lists a folder into the tree as opening it would: every entry, folders first, unchecked. Folders stay
// unopened (no children).
inline void Laad(Orvo::CheckBoom& boom, Orvo::CheckKnoop* knoop, const QString& programmaPad) {
    if (!knoop->Kinderen.empty())
        return;
    const QDir dir(Platform::NaarNatief(programmaPad).value_or(QString()));
    for (const QString& naam :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase))
        boom.VoegToe(knoop, Orvo::NieuweKnoop(naam, Orvo::KnoopSoort::Map));
    for (const QString& naam : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase))
        boom.VoegToe(knoop, Orvo::NieuweKnoop(naam, Orvo::KnoopSoort::Bestand));
}

// The node of "S:\Map\Bestand.txt", with every folder on the way opened; a trailing backslash makes the
// last one a folder.
inline Orvo::CheckKnoop* Knoop(Orvo::CheckBoom& boom, const QString& pad) {
    Orvo::CheckKnoop* knoop = StationKnoop(boom, pad.at(0));
    const QStringList delen = pad.mid(3).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    QString programma = pad.left(3);
    for (qsizetype i = 0; i < delen.size(); ++i) {
        Laad(boom, knoop, programma);
        programma += delen[i] + QLatin1Char('\\');
        Orvo::CheckKnoop* gevonden = nullptr;
        for (const auto& kind : knoop->Kinderen)
            if (kind->Caption == delen[i])
                gevonden = kind.get();
        if (!gevonden) {
            const bool map = i + 1 < delen.size() || pad.endsWith(QLatin1Char('\\'));
            gevonden = boom.VoegToe(
                knoop, Orvo::NieuweKnoop(delen[i], map ? Orvo::KnoopSoort::Map : Orvo::KnoopSoort::Bestand));
        }
        knoop = gevonden;
    }
    return knoop;
}

inline void Vink(Orvo::CheckBoom& boom, const QString& pad, int staat = Orvo::Aan) {
    boom.ZetStaat(Knoop(boom, pad), staat);
}

} // namespace TestHulp

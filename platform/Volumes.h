#pragma once
// Drive letters on a system that has none. The program thinks in volumes with a letter and paths like
// "C:\Map\Sub\"; here C: is the root file system and tests may add letters for folders of their own.

#include <QChar>
#include <QList>
#include <QString>
#include <optional>

namespace Platform {

struct Volume {
    QChar letter;   // upper case
    QString wortel; // native root, always ending in '/'
    QString label;  // volume label, part of the display name
};

// Adds (or replaces) a volume letter for a native folder. C: is always "/".
void RegistreerVolume(QChar letter, const QString& nativeWortel, const QString& label = QString());
void VerwijderVolume(QChar letter);
void WijzigLabel(QChar letter, const QString& label);

QList<Volume> Volumes(); // sorted by letter
std::optional<Volume> VolumeVan(QChar letter);
// Bit 0 is A:, bit 2 is C:, as the logical drive mask of Windows.
quint32 LogischeStations();

// The shell's display name, which always ends in "(X:)": "Bestandssysteem (C:)".
QString WeergaveNaam(QChar letter);

// "C:\Map\Sub\" -> "/Map/Sub/"; a trailing separator is kept. Empty when the letter is unknown or the
// text is not a program path.
std::optional<QString> NaarNatief(const QString& programmaPad);
// "/Map/Sub" -> "C:\Map\Sub"; the volume with the longest matching root wins. Empty when a component
// holds a backslash (such a name cannot be written in program notation).
std::optional<QString> NaarProgrammaPad(const QString& natief);

} // namespace Platform

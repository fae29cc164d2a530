#pragma once
// What a backup looks like at its destination: the fixed names, the configuration file that describes
// the backup, and the structure file that lists an FTP backup's contents. Both small files are one-entry
// ZIP archives ("Data", level 9, traditional encryption under a fixed password) holding Windows-1252
// lines, each ended by CR LF.

#include "common/NaamVolgorde.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace Orvo {

class ZipComponent;

// Names at the destination.
inline constexpr const char* ConfiguratieBestandNaam = "BackUpData.OrvoBckDat";
inline constexpr const char* StructuurBestandNaam = "DirStruct.OrvoBckDat"; // FTP backups only
inline constexpr const char* DataMapNaam = "BackUpData";
inline constexpr const char* KlantenMapNaam = "Backup_Klanten"; // on the FTP server, above the login's folder

// The two small archives.
inline constexpr const char* ArchiefEntryNaam = "Data";
inline constexpr const char* ArchiefWachtwoord = "QmxTelPik"; // the same for every backup
inline constexpr int ArchiefNiveau = 9;

// Line 5 of the configuration file when several drives were backed up.
inline constexpr const char* MeerdereSchijvenTekst = "\\>Schijven";
// Line 1: the run's start time, "dinsdag 3 maart 2026 14:05".
inline constexpr const char* StartTijdPatroon = "dddd d MMMM yyyy HH:mm";
inline constexpr int ConfiguratieRegelAantal = 5;

// The last line of every structure file.
inline constexpr const char* StructuurEindMarkering = "0000";

// The configuration file, line by line, with the field names of the backup opened for restore.
struct BackupConfiguratie {
    QString BackupDatum;          // line 1, display text only
    qint64 BackupGrootte = 0;     // line 2: total size of the selection in bytes
    bool Gecomprimeerd = false;   // line 3: "J" compressed, "N" copied
    bool HeeftWachtwoord = false; // line 4: "N", or "J" directly followed by the password
    QString Wachtwoord;
    bool MultiDisk = false; // line 5 is "\>Schijven"
    QString Origineel;      // line 5 otherwise: the root folder, "C:\Map\Sub\" or "C:\"
};

// "dinsdag 3 maart 2026 14:05", Dutch whatever the system's locale.
QString StartTijdTekst(const QDateTime& startTijd);
// Line 4 as written and as the destination check compares it.
QString WachtwoordRegel(bool heeftWachtwoord, const QString& wachtwoord);
// Line 5 as written and compared: "\>Schijven" or the root folder path.
QString BronRegel(bool meerdereSchijven, const QString& rootPad);

// The five lines, in order.
QStringList ConfiguratieRegels(const QDateTime& startTijd, qint64 totaleGrootte, bool gecomprimeerd,
                               bool heeftWachtwoord, const QString& wachtwoord, bool meerdereSchijven,
                               const QString& rootPad);
// Reads the fields from the lines; empty when there are fewer than 5. (Opening for restore asks for
// exactly 5 lines itself; the destination check accepts more.)
std::optional<BackupConfiguratie> LeesConfiguratie(const QStringList& regels);

// Writes `regels` as the entry "Data" of `archief` (created or its entry replaced) and reads them back.
// Both prepare the component themselves: error code 0, level 9, encryption with the fixed password,
// and leave those settings on it. False / empty means the component's error code says why.
bool SchrijfArchiefRegels(ZipComponent& zip, const QString& archief, const QStringList& regels);
std::optional<QStringList> LeesArchiefRegels(ZipComponent& zip, const QString& archief);

// The structure file.
struct StructuurRegel {
    int Diepte = 0;     // 1 for what lies directly in the data folder
    bool IsMap = false; // "D" folder, "F" file
    QString Naam;
    qint64 Grootte = 0; // a file's stored archive size; 0 for a folder
};

// A name the structure file can carry: not empty, no "|" and no line break.
bool StructuurNaamGeldig(const QString& naam);
// "0001", four digits with leading zeros.
QString StructuurDiepte(int diepte);
// "0002|D|Map|0" and "0002|F|Bestand.txt|1234".
QString StructuurMapRegel(int diepte, const QString& naam);
QString StructuurBestandRegel(int diepte, const QString& naam, qint64 grootte);
// Empty for the end marker and for any line that is not a folder or file line.
std::optional<StructuurRegel> LeesStructuurRegel(const QString& regel);

// A stored tree, for writing a whole structure at once and for reading one back.
struct StructuurKnoop {
    QString Naam;
    bool IsMap = false;
    qint64 Grootte = 0;
    QList<StructuurKnoop> Kinderen;
};

// The lines of a tree, depth-first: in each folder its subfolders (each directly followed by its whole
// contents), then its files, each group in ascending name order. With `sorteerBovenste` false the top
// level keeps its own order (the drive folders of a several-drive backup follow the drives' order).
// Ends with the end marker.
QStringList StructuurRegels(const QList<StructuurKnoop>& bovenste, bool sorteerBovenste = true);
// The tree back from the lines, as restore walks them: each level takes its folder lines, then its
// file lines, at the depth it expects; the end marker or any other line ends the level. Lines after
// the walk stopped are ignored. `gelezen` (optional) receives the number of lines taken.
QList<StructuurKnoop> LeesStructuur(const QStringList& regels, int startDiepte = 1, int* gelezen = nullptr);

} // namespace Orvo

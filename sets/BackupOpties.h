#pragma once
// The options of the backup tab as plain values: what a set file stores and what a backup run reads.
// The main window fills it from its controls and applies it back to them.

#include <QString>

namespace Orvo {

struct BackupOpties {
    int Locatie = 0; // 0 a folder, 1 the provider's FTP server
    QString Plaats;  // destination folder as typed or chosen
    bool Comprimeren = true;
    int Niveau = 9;             // 0..9
    bool SnelleModus = true;    // only changed files are stored again
    int SnelleModusSoort = 0;   // 0 date and time, 1 archive flag
    bool VerwijderRest = false; // remove stored files that left the source
    bool Beveilig = false;      // protect stored files with a password
    QString Wachtwoord;

    bool operator==(const BackupOpties&) const = default;
};

} // namespace Orvo

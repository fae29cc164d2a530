#pragma once
// Program-wide state that several subsystems share. Run records live beside their engines.
// Folders are native paths: ProgrammaMap and DataMap without a trailing '/', TijdelijkeMap with one.

#include <QString>

namespace Orvo {

struct ProgrammaToestand {
    QString ProgrammaMap;  // folder of the executable
    QString DataMap;       // data root; sets are in DataMap + "/BackUpSets"
    QString TijdelijkeMap; // the program's temporary folder, ending in '/'
    QString FTPLoginNaam;  // plain text, loaded at the first paint
    QString FTPLoginWachtwoord;
    QString RestoreBron;            // restore source last loaded
    bool ToonZandloper = true;      // tree operations switch the hourglass on and off themselves
    bool AutoOpslaan = true;        // save the chosen set silently when a backup starts
    bool AutomatischeModus = false; // running a set named on the command line
};

// The one instance; main thread only, except where a worker reads it while the main thread waits.
ProgrammaToestand& Vars();
// Every field to its initial value; ProgrammaMap from the running executable.
void InitVariabelen();

} // namespace Orvo

#pragma once
// The record of one backup run: filled by the start, read by the worker and the completion.

#include "sets/BackupOpties.h"
#include "sets/CheckBoom.h"

#include <QDateTime>
#include <QStringList>

namespace Orvo {

struct TBackupThreadData {
    bool MeerdereSchijven = false; // more than one drive is (partly) selected
    bool BackUpWeg = false;        // the backup at the destination is removed first
    bool CheckBestaat = true;      // stored files may exist and are compared or replaced
    bool CheckDirFiles = false;    // remove what left the selection
    bool ViaFTP = false;
    bool FTPVerbonden = false;             // this run opened the FTP connection
    const CheckKnoop* RootKnoop = nullptr; // in `Boom`
    QString RootPad;                       // "C:\Map\" (one drive only)
    QString NaarPad;                       // local destination in program notation, ending in '\'
    int FoutNiveau = 0;
    QStringList LogEntries;
    QDateTime StartTijd;

    // What the run works on: the options and the ticked tree as they were at the start.
    BackupOpties Opties;
    Momentopname Boom;
    QString SetNaam;
};

// Error levels of a run.
enum FoutNiveaus : int { NiveauVerdwenen = 3, NiveauBestand = 5, NiveauMap = 10, NiveauGestopt = 20 };

// The four classes of a finished run.
enum class Resultaat { Geslaagd, KleineProblemen, Deels, Ernstig };
Resultaat ResultaatVan(int foutNiveau);
QString ResultaatRegel(Resultaat r);
QString ResultaatGeluid(Resultaat r);
// Exit code of an unattended run: 0, 1, 2 or 3.
int AfsluitCodeVan(Resultaat r);

} // namespace Orvo

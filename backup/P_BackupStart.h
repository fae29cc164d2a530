#pragma once
// The checks before a backup run, apart from any widget: they fill the run record and report through a
// StartMelder, which shows messages to a person or, in automatic mode, writes them into the run's log.

#include "backup/BackupRun.h"

#include <QString>

namespace Orvo {

class ZipComponent;

class StartMelder {
public:
    virtual ~StartMelder() = default;
    virtual bool Automatisch() const = 0;
    virtual void Meld(const QString& tekst) = 0;  // report: a message, or a log line
    virtual bool Vraag(const QString& tekst) = 0; // ask: only "Ja" is yes
};

// The messages of the start.
inline const QString MeldingGeenBestemming =
    QStringLiteral("U heeft niet opgegeven waar de back-up terecht moet komen.");
inline const QString MeldingBestemmingBestaatNiet =
    QStringLiteral("De door u opgegeven plaats waar de back-up terecht moet komen bestaat niet.");
inline const QString MeldingGeenWachtwoord = QStringLiteral(
    "U heeft aangegeven dat u de back-up met een wachtwoord wilt beveiligen, maar u heeft nog geen "
    "wachtwoord opgegeven.");
inline const QString MeldingNietsGeselecteerd =
    QStringLiteral("U heeft niets opgegeven waarvan een back-up moet worden gemaakt.");
inline const QString MeldingCyclusHeel = QStringLiteral(
    "U probeert (onder andere) een back-up te maken van de plaats waar de back-up terecht moet komen. "
    "Zo'n cyclus is niet toegestaan.");
inline const QString MeldingCyclusDeel = QStringLiteral(
    "U probeert (onder andere) een back-up van een deel van de eindbestemming van de back-up te maken. "
    "Zo'n cyclus is niet toegestaan.");
inline const QString MeldingNietSchrijfbaar = QStringLiteral(
    "Het programma is niet in staat bestanden weg te schrijven op de plaats waar u de back-up wilt maken.");
inline const QString MeldingGeenDataMap =
    QStringLiteral("Er kon geen map aangemaakt worden om de back-up in op te slaan.");
inline const QString VraagOnleesbaar =
    QStringLiteral("Op de door u opgegeven bestemming voor de back-up staat al een back-up, maar het "
                   "configuratiebestand van die "
                   "back-up kan niet worden ingelezen. Wilt u de al aanwezige (maar niet meer bruikbare) "
                   "back-up verwijderen?");
inline const QString MeldingAndereGegevens = QStringLiteral(
    "Op de door u opgegeven bestemming voor de back-up staat al een back-up met andere gegevens. U kunt "
    "geen 2 back-ups op dezelfde plaats opslaan.");
inline const QString VraagAndereGegevens =
    MeldingAndereGegevens + QStringLiteral(" Wilt u de al aanwezige back-up verwijderen?");
inline const QString VraagAndereCompressie =
    QStringLiteral("Op de door u opgegeven bestemming voor de back-up staat al een back-up van deze "
                   "gegevens, maar met een andere "
                   "instelling voor de compressie. Deze gegevens kunnen niet gecombineerd worden, de vorige "
                   "back-up zal als u "
                   "doorgaat eerst worden verwijderd. Wilt u doorgaan?");
inline const QString VraagAnderWachtwoord = QStringLiteral(
    "Op de door u opgegeven bestemming voor de back-up staat al een back-up van deze gegevens, maar met een "
    "andere "
    "beveiligings-instelling / ander wachtwoord. Deze gegevens kunnen niet gecombineerd worden. Wilt u de al "
    "aanwezige back-up verwijderen?");
// "In station "X (C:)", waarvan u een back-up wilt maken, zit geen medium (diskette, cd-rom etc.)."
QString MeldingGeenMedium(const QString& station);

// The destination typed by the user (a native folder) in program notation, ending in a backslash; empty
// when it cannot be written that way.
QString NaarPadVan(const QString& plaatsTekst);

// Checks 1 to 8 on run.Opties and run.Boom; fixes NaarPad, MeerdereSchijven, RootKnoop and RootPad.
// False when the start is refused (the reasons were reported).
bool ControleerStart(TBackupThreadData& run, StartMelder& melder);
// The node at which a one-drive backup is rooted.
const CheckKnoop* ZoekRootKnoop(const CheckKnoop* knoop);
// "C:\Map\Sub\" of a root node.
QString RootPadVan(const CheckKnoop* root);
// The node of a caption path in a snapshot, component by component without regard to case.
const CheckKnoop* ZoekKnoop(const CheckKnoop* wortel, const QString& pad);

// Judges a backup already at the destination; may set BackUpWeg. False: do not go on.
bool ControleerBestemming(TBackupThreadData& run, ZipComponent& zip, StartMelder& melder);
// Creates the data folder when it is missing (and then nothing needs comparing). False when it failed.
bool MaakDataMap(TBackupThreadData& run, StartMelder& melder);

// The ten lines that open every report.
struct VerslagVelden {
    QString SetNaam, Start, Eind, Totaal, Gedaan, NietGedaan, FNietGedaan, BackupGrootte, Compressie;
};
QStringList VerslagKop(const VerslagVelden& v);
// The report of a finished run: header, result line, and the problems when there were any.
QStringList BackupVerslag(const VerslagVelden& v, int foutNiveau, const QStringList& logEntries);
// The panel text of a refused automatic start, whose lines also go into the report.
QStringList WeigeringsLog(const QStringList& logEntries);

} // namespace Orvo

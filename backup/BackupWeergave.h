#pragma once
// What the busy panel shows of a running backup. The worker hands a copy of its figures to each display
// step; the main window shows them on its own thread.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace Orvo {

struct BackupStand {
    QString Bezig;         // current file or action
    int DeelStand = 0;     // unit of the sizes: 0 Kb, 1 Mb, 2 Gb; only grows
    qint64 TotGrootte = 0; // measured size of the selection
    qint64 ComprGrootte = 0;
    qint64 AlGedaan = 0;
    qint64 NietGedaan = 0;
    qint64 FNietGedaan = 0;
    QDateTime StartTijd;
};

class BackupWeergave {
public:
    virtual ~BackupWeergave() = default;
    virtual void ToonBezig(const BackupStand& stand) = 0;
    virtual void ToonTotaal(const BackupStand& stand) = 0;
    virtual void ToonVoortgang(const BackupStand& stand) = 0;
    virtual void ToonVoortgangKopie(const BackupStand& stand) = 0;
    virtual void ToonNietGedaan(const BackupStand& stand) = 0;
    virtual void ToonLog(const QStringList& regels) = 0;
};

// The panel's texts, apart from any widget so they can be checked on their own.
struct BackupPanelTekst {
    QString BTotGrt, BAlGedaan, BNietGedaan, BFNietGedaan, BBackGrt, BCompressie, BEind;
    int Voortgang = 0;
};

// ToonTotaal: the unit follows the total and only grows. Returns the new DeelStand.
int KiesDeelStand(int deelStand, qint64 totaal);
QString GrootteInDeelStand(qint64 bytes, int deelStand);
// ToonNietGedaan picks its own unit.
QString NietGedaanTekst(qint64 bytes);
QString FNietGedaanTekst(qint64 aantal); // "/ 1 bestand(en)"; empty for 0
// "45,20 %"; "0,00 %" when nothing is done yet.
QString CompressieTekst(qint64 comprGrootte, qint64 alGedaan);
// 0..100; 0 when the total is 0. `afkappen` truncates, else rounds.
int VoortgangVan(qint64 alGedaan, qint64 nietGedaan, qint64 totaal, bool afkappen);
// Start + elapsed * 100 / progress, once progress is above 5; invalid otherwise.
QDateTime GeschatEinde(const QDateTime& start, const QDateTime& nu, int voortgang);

inline const QString Onbekend = QStringLiteral("< Onbekend >");
inline const QString NietVanToepassing = QStringLiteral("n.v.t.");

} // namespace Orvo

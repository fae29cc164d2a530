#pragma once
// The backup worker: measures the selection, removes an old backup when it must, writes the
// configuration file, stores every selected file and removes what left the selection. It never touches
// a widget: it reports through BackupWeergave.

#include "backup/BackupRun.h"
#include "backup/BackupWeergave.h"
#include "zip/ZipComponent.h"

#include <QThread>
#include <atomic>

namespace Orvo {

class BackupEngine {
public:
    BackupEngine(TBackupThreadData& run, BackupWeergave& weergave, QString tijdelijkeMap);

    void Execute();

    // Figures of the run, for the display steps and tests.
    const BackupStand& Stand() const { return m_stand; }
    bool DiskVol() const { return m_diskVol; }

    // The log blocks that end a run.
    static QStringList BlokOudeBackup();
    static QStringList BlokConfiguratie();
    static QStringList BlokSchijfVol();

private:
    struct Bestand {
        QString naam;
        qint64 grootte = 0;
        qint64 gewijzigd = -1; // milliseconds since the epoch
    };

    // Phases
    void MeetGrootte(const CheckKnoop* knoop, const QString& pad, bool heel);
    bool VerwijderOudeBackup();
    bool SchrijfConfiguratie();
    void SlaOp();

    // Walks and per-file steps (local destination)
    void MapLokaal(const CheckKnoop* knoop, const QString& bron, bool heel, const QString& doel);
    bool BereidDoelMapVoor(const QString& doel);
    void SlaBestandOp(const Bestand& bestand, const QString& bron, const QString& doel);
    bool BestandZip(const Bestand& bestand, const QString& bron, const QString& doel);
    bool BestandKopie(const Bestand& bestand, const QString& bron, const QString& doel);
    bool IsGewijzigd(const Bestand& bestand, const QString& bronPad, qint64 opgeslagenTijd) const;
    void BestandMislukt(const Bestand& bestand, const QString& doel, const QStringList& regels);
    void VorigeVersieFout(const QString& pad, qint64 grootte);
    void MarkeerNietGedaan(const QString& pad);
    void VerwijderRestMap(const QString& bron, const QString& doel);
    void VerwijderRestLijst(const QString& doel, const QString& bewaard);
    void VerwijderDoelItem(const QString& doelNatief, bool isMap);
    void BestandVerdwenen(const QString& bron, const QString& naam);

    // Helpers
    void VerhoogNiveau(int niveau);
    void Log(const QStringList& regels);
    void Bezig(const QString& tekst);
    void Voortgang();
    bool Comprimeren() const { return m_run.Opties.Comprimeren; }

    TBackupThreadData& m_run;
    BackupWeergave& m_weergave;
    QString m_tijdelijkeMap;
    ZipComponent m_zip;
    BackupStand m_stand;
    bool m_diskVol = false;
};

class TBackUpThread : public QThread {
    Q_OBJECT
public:
    TBackUpThread(TBackupThreadData& run, BackupWeergave& weergave, const QString& tijdelijkeMap,
                  QObject* parent = nullptr);

protected:
    void run() override;

private:
    BackupEngine m_engine;
};

} // namespace Orvo

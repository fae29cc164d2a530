#pragma once
// The backup worker: measures the selection, removes an old backup when it must, writes the
// configuration file, stores every selected file and removes what left the selection. It never touches
// a widget: it reports through BackupWeergave.

#include "backup/BackupRun.h"
#include "backup/BackupWeergave.h"
#include "zip/ZipComponent.h"

#include <QThread>
#include <atomic>
#include <vector>

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
        qint64 gewijzigd = -1;  // milliseconds since the epoch
        bool verdwenen = false; // ticked, but no longer there
    };
    // One file on its way: decided in order, stored side by side, accounted in order again.
    struct Taak {
        enum Soort { Opslaan, Ongewijzigd, VorigeVersie, OngeldigeNaam, Verdwenen };
        Bestand bestand;
        Soort soort = Opslaan;
        QString bronPad, doelPad, opzij; // native; opzij: the previous version set aside
        bool gelukt = false;
        int foutCode = 0;
        QString foutMelding;
        qint64 archiefGrootte = 0;
    };

    // Phases
    void MeetGrootte(const CheckKnoop* knoop, const QString& pad, bool heel);
    bool VerwijderOudeBackup();
    bool SchrijfConfiguratie();
    void SlaOp();

    // Walks and per-file steps (local destination)
    void MapLokaal(const CheckKnoop* knoop, const QString& bron, bool heel, const QString& doel);
    bool BereidDoelMapVoor(const QString& doel);
    void BestandenOpslaan(const std::vector<Bestand>& bestanden, const QString& bron, const QString& doel);
    Taak BereidBestandVoor(const Bestand& bestand, const QString& bron, const QString& doel);
    // Thread-safe: the store itself.
    void SlaTaakOp(Taak& taak) const;
    void BestandZip(Taak& taak) const;
    void BestandKopie(Taak& taak) const;
    void VerwerkTaak(Taak& taak, const QString& bron, const QString& doel);
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
    size_t m_kernen = size_t(std::max(1, QThread::idealThreadCount()));
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

#pragma once
// The main window: the backup, restore and information tabs, the two busy panels, start-up, the first
// paint (work folder, FTP login, the set named on the command line) and closing.

#include "backup/BackupRun.h"
#include "backup/BackupWeergave.h"
#include "backup/P_BackupStart.h"
#include "sets/SetVenster.h"
#include "zip/ZipComponent.h"

#include <QMainWindow>
#include <QMutex>
#include <QStringList>
#include <QTimer>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTabWidget;
class QTreeView;
class QGroupBox;

namespace Orvo {

class FTPVerbinding;
class MapEdit;
class RadioGroep;
class TBackUpBoom;
class TBackUpThread;
class TModules;

inline const QString ProgrammaTitel = QStringLiteral("Orvo Back-up");
inline const QString ProgrammaVersie = QStringLiteral("3.05");
inline const QString MeldingGeenWerkmap =
    QStringLiteral("Kan geen map aanmaken voor de tijdelijke bestanden.");
// "De door u opgegeven back-up set "Naam" bestaat niet."
QString MeldingSetBestaatNiet(const QString& naam);
QString MeldingInstellingenNietOpgeslagen(const QString& bestand, const QString& reden);

// The labelled values of a busy panel.
struct BezigVeld {
    QLabel* label;
    QLabel* waarde;
};

class TMain : public QMainWindow, public SetVenster, public BackupWeergave {
    Q_OBJECT
public:
    TMain(TModules& modules, const QStringList& argumenten, QWidget* parent = nullptr);
    ~TMain() override;

    TModules& Modules;
    TBackupThreadData BackupThreadGegevens; // the run being started, run or just finished

    // Start-up state
    bool Fout = false;
    bool EersteKeer = true;
    bool StilOpslaanVlag = false;
    QString TeOpenenSetNaam;
    int AfsluitCode = 0; // exit code of an unattended run

    // Tabs and panels
    QStackedWidget* Pagina = nullptr;
    QTabWidget* OptiePanel = nullptr;
    QWidget* BackUpTab = nullptr;
    QWidget* RestoreTab = nullptr;
    QWidget* Informatie = nullptr;
    QWidget* BBezigPanel = nullptr;
    QWidget* RBezigPanel = nullptr;
    QPushButton* TerugKnop = nullptr; // "Einde"
    QPushButton* MenuKnop = nullptr;  // "Menu"

    // Backup tab: sets
    QLabel* BackUpSet = nullptr;
    QPushButton* BackUpNieuw = nullptr;
    QPushButton* BackUpOpen = nullptr;
    QPushButton* BackUpSave = nullptr;
    QPushButton* BackUpDelete = nullptr;
    QCheckBox* BackupAutoSave = nullptr;
    // Backup tab: options
    RadioGroep* BackUpLocatie = nullptr;
    QWidget* BLokaalPanel = nullptr;
    MapEdit* BackUpPlaats = nullptr;
    QCheckBox* Comprimeren = nullptr;
    QSlider* CompressieNiveau = nullptr;
    QCheckBox* SnelleModus = nullptr;
    RadioGroep* SnelleModusSoort = nullptr;
    QCheckBox* VerwijderRest = nullptr;
    QCheckBox* BBeveilig = nullptr;
    QLineEdit* BWachtwoord = nullptr;
    // Backup tab: selection and start
    QGroupBox* BoomGroep = nullptr;
    QPushButton* VernieuwBoom = nullptr;
    TBackUpBoom* BackUpBoomView = nullptr;
    QPushButton* BackUpStart = nullptr;

    // Restore tab
    RadioGroep* RestoreLocatie = nullptr;
    QWidget* RLokaalPanel = nullptr;
    MapEdit* RPlaatsBackup = nullptr;
    QLabel* BackUpDatum = nullptr;
    QLineEdit* RWachtwoord = nullptr;
    QRadioButton* ROrigineel = nullptr;
    QRadioButton* RAnder = nullptr;
    MapEdit* PlaatsRestore = nullptr;
    QCheckBox* ROverschrijf = nullptr;
    QWidget* RestoreBoom = nullptr;
    QPushButton* RestoreStart = nullptr;

    // Information tab
    QLabel* VersieLabel = nullptr;
    QPushButton* InfoKnop = nullptr;
    QPushButton* FTPGegevensKnop = nullptr;
    QPushButton* EMailInstKnop = nullptr;
    QPushButton* SnelkoppelingKnop = nullptr;
    QPushButton* TaakPlannerKnop = nullptr;

    // Backup busy panel
    QLabel* BezigKop = nullptr;
    QLabel* BTotGrt = nullptr;
    QLabel* BAlGedaan = nullptr;
    QLabel* BNietGedaan = nullptr;
    QLabel* BFNietGedaan = nullptr;
    QLabel* BBackGrt = nullptr;
    QLabel* BCompressie = nullptr;
    QLabel* BStart = nullptr;
    QLabel* LEind = nullptr;
    QLabel* BEind = nullptr;
    QProgressBar* BVoortgangBalk = nullptr;
    QLabel* BVoortgang = nullptr;
    QPlainTextEdit* BLog = nullptr;
    // Restore busy panel
    QLabel* RBezigKop = nullptr;
    QLabel* RFTotaal = nullptr;
    QLabel* RFGedaan = nullptr;
    QLabel* RFNietGedaan = nullptr;
    QLabel* RStart = nullptr;
    QLabel* LREind = nullptr;
    QLabel* REind = nullptr;
    QProgressBar* RVoortgangBalk = nullptr;
    QLabel* RVoortgang = nullptr;
    QPlainTextEdit* RLog = nullptr;

    QStringList DirStructuur; // lines of the structure file of an opened FTP backup

public Q_SLOTS:
    void FormPaint();
    void TerugKnopClick();
    void MenuKnopClick();
    void InfoKnopClick();
    void OptiePanelChange();
    void WerkFTPBeschikbaarheid();
    void BackUpLocatieClick();
    void ComprimerenClick();
    void BBeveiligClick();
    void SnelleModusClick();
    void BackUpPlaatsButtonClick();
    void BackupAutoSaveClick();
    void RestoreLocatieClick();
    void RPlaatsBackupExit();
    void BackUpNieuwKlik();
    void BackUpOpenKlik();
    void BackUpSaveKlik();
    void BackUpDeleteKlik();
    void FTPGegevensKnopClick();
    void EMailInstKnopClick();
    void BackUpKlaar();

public:
    // SetVenster
    QWidget* Venster() override { return this; }
    BackupOpties Opties() const override;
    void ZetOpties(const BackupOpties& o) override;
    bool FTPLocatieBeschikbaar() const override;
    QString SetNaam() const override;
    void ZetSetNaam(const QString& naam, bool gekozen) override;
    CheckBoomView* BackUpBoom() override;
    ZipComponent& Zipper() override { return m_zipper; }
    bool StilOpslaan() const override { return StilOpslaanVlag; }
    void ZetStilOpslaan(bool stil) override { StilOpslaanVlag = stil; }
    QString TeOpenenSet() const override { return TeOpenenSetNaam; }
    void FocusOpLocatie() override;
    void BackUpStartClick() override;

    // BackupWeergave: called on the worker's thread, shown on this one
    void ToonBezig(const BackupStand& stand) override;
    void ToonTotaal(const BackupStand& stand) override;
    void ToonVoortgang(const BackupStand& stand) override;
    void ToonVoortgangKopie(const BackupStand& stand) override;
    void ToonNietGedaan(const BackupStand& stand) override;
    void ToonLog(const QStringList& regels) override;

    bool IsRunActief() const { return m_thread != nullptr; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void FormCreate(const QStringList& argumenten);
    void BouwVenster();
    QWidget* BouwBackUpTab();
    QWidget* BouwRestoreTab();
    QWidget* BouwInformatieTab();
    QWidget* BouwBBezigPanel();
    QWidget* BouwRBezigPanel();
    void KiesDataMap();
    void BereidWerkmapVoor();
    void OpenGenoemdeSet();
    void ToonBezigPanel(const QString& kop);
    void WeigerStart();
    void EindeAutomatischeRun(bool verzonden, int foutNiveau);
    VerslagVelden VeldenVanPanel() const;
    enum WeergaveStap : unsigned {
        StapBezig = 1,
        StapTotaal = 2,
        StapVoortgang = 4,
        StapVoortgangKopie = 8,
        StapNietGedaan = 16,
        StapLog = 32
    };
    void Publiceer(const BackupStand* stand, unsigned stappen, const QStringList* log = nullptr);
    void ToonWachtrij();
    struct Weergave {
        QMutex slot;
        BackupStand stand;
        unsigned stappen = 0;
        QStringList log;
    } m_weergave;
    QTimer m_weergaveKlok; // brings the busy panel up to date while a worker runs

    ZipComponent m_zipper; // the one ZIP component of the main thread
    TBackUpThread* m_thread = nullptr;
    QString m_instellingenFout; // a settings write that failed during creation, shown at the first paint
};

} // namespace Orvo

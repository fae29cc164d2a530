// The backup run as the main window drives it: the start, the busy panel while the worker runs, and
// the completion with its report.

#include "app/M_Data.h"
#include "app/P_Hoofdprogramma.h"
#include "backup/P_BackupStart.h"
#include "backup/TBackUpThread.h"
#include "common/Bedieningen.h"
#include "common/Instellingen.h"
#include "common/NlOpmaak.h"
#include "common/Orvo_Dialoog.h"
#include "common/Orvo_vars.h"
#include "common/P_AlgemeneFuncties.h"
#include "ftp/FTPVerbinding.h"
#include "mail/VerzendLogMail.h"
#include "sets/BackUpBoom.h"
#include "sets/P_BackupSets.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <utility>

namespace Orvo {

const QString MeldingFTPNogNiet = QStringLiteral(
    "Een back-up op de FTP server van Talvane B.V. kan met deze versie van het programma nog niet "
    "worden gemaakt. Kies voor \"Back-up lokaal opslaan\".");

namespace {

// Interactively a person answers; in automatic mode the reports go into the run's log.
class VensterMelder : public StartMelder {
public:
    explicit VensterMelder(TBackupThreadData& run) : m_run(run) {}
    bool Automatisch() const override { return Vars().AutomatischeModus; }
    void Meld(const QString& tekst) override {
        if (Automatisch())
            m_run.LogEntries.append(tekst);
        else
            ToonInformatie(tekst);
    }
    bool Vraag(const QString& tekst) override { return ToonBevestiging(tekst) == mrJa; }

private:
    TBackupThreadData& m_run;
};

QString Nu() {
    return FormatDatumTijd(QDateTime::currentDateTime());
}

} // namespace

void TMain::BackUpStartClick() {
    if (m_thread)
        return;
    TBackupThreadData& r = BackupThreadGegevens;
    r = TBackupThreadData{};
    r.Opties = Opties();
    r.ViaFTP = r.Opties.Locatie == 1;
    r.CheckBestaat = true;
    r.CheckDirFiles = r.Opties.VerwijderRest;
    r.SetNaam = BackUpSet->text();
    BackUpStart->setEnabled(false);

    if (BackUpSave->isEnabled() && Vars().AutoOpslaan) {
        ZetStilOpslaan(true);
        BackUpSaveClick(*this);
        ZetStilOpslaan(false);
    }
    r.Boom = BackUpBoomView->Boom().MaakMomentopname();

    VensterMelder melder(r);
    bool ok = false;
    if (r.ViaFTP)
        melder.Meld(MeldingFTPNogNiet);
    else
        ok =
            ControleerStart(r, melder) && ControleerBestemming(r, m_zipper, melder) && MaakDataMap(r, melder);
    BackUpStart->setEnabled(true);
    if (!ok) {
        WeigerStart();
        return;
    }

    r.StartTijd = QDateTime::currentDateTime();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TerugKnop->setEnabled(false);
    ToonBezigPanel(QStringLiteral("Back-up wordt gemaakt"));
    BStart->setText(FormatDatumTijd(r.StartTijd));
    BCompressie->setText(r.Opties.Comprimeren ? Onbekend : NietVanToepassing);
    QCoreApplication::processEvents();

    m_thread = new TBackUpThread(r, *this, Vars().TijdelijkeMap, this);
    connect(m_thread, &QThread::finished, this, &TMain::BackUpKlaar);
    m_weergaveKlok.start();
    m_thread->start();
}

void TMain::ToonBezigPanel(const QString& kop) {
    MenuKnop->setVisible(false);
    Pagina->setCurrentWidget(BBezigPanel);
    BezigKop->setText(kop);
    for (QLabel* l : {BTotGrt, BAlGedaan, BBackGrt, BEind, BVoortgang})
        l->setText(Onbekend);
    BNietGedaan->clear();
    BFNietGedaan->clear();
    BStart->setText(Nu());
    LEind->setText(QStringLiteral("Klaar op (geschat)"));
    BVoortgangBalk->setValue(0);
    BLog->clear();
}

void TMain::WeigerStart() {
    TBackupThreadData& r = BackupThreadGegevens;
    if (r.FTPVerbonden)
        Modules.FTP().VerbreekFTPVerbinding();
    if (!Vars().AutomatischeModus) {
        r.LogEntries.clear();
        return;
    }
    Vars().AutomatischeModus = false;
    ToonBezigPanel(QStringLiteral("Back-up kan niet worden gemaakt"));
    MenuKnop->setProperty("Tag", 1);
    MenuKnop->setVisible(true);
    const QStringList log = WeigeringsLog(r.LogEntries);
    BLog->setPlainText(log.join(QLatin1Char('\n')));
    bool verzonden = false;
    if (OrvoProgs().LeesBoolean(SectieBackUp, SleutelEMailZend, false))
        verzonden = VerzendLogMail(VerslagKop(VeldenVanPanel()) + log);
    r.LogEntries.clear();
    EindeAutomatischeRun(verzonden, NiveauGestopt + 1);
}

VerslagVelden TMain::VeldenVanPanel() const {
    return VerslagVelden{BackUpSet->text(),    BStart->text(),    BEind->text(),
                         BTotGrt->text(),      BAlGedaan->text(), BNietGedaan->text(),
                         BFNietGedaan->text(), BBackGrt->text(),  BCompressie->text()};
}

void TMain::BackUpKlaar() {
    if (m_thread) {
        m_thread->wait();
        m_thread->deleteLater();
        m_thread = nullptr;
    }
    m_weergaveKlok.stop();
    ToonWachtrij(); // the last figures of the run
    TBackupThreadData& r = BackupThreadGegevens;
    if (r.FTPVerbonden)
        Modules.FTP().VerbreekFTPVerbinding();
    MenuKnop->setProperty("Tag", 1);
    MenuKnop->setVisible(true);
    BVoortgang->setText(QStringLiteral("Klaar!"));
    BezigKop->setText(QStringLiteral("Back-up is gemaakt"));
    LEind->setText(QStringLiteral("Voltooid op"));
    BEind->setText(Nu());
    TerugKnop->setEnabled(true);
    QApplication::restoreOverrideCursor();

    const int niveau = r.FoutNiveau;
    bool verzonden = false;
    if (Vars().AutomatischeModus) {
        bool zend = OrvoProgs().LeesBoolean(SectieBackUp, SleutelEMailZend, false);
        if (zend && niveau == 0)
            zend = !OrvoProgs().LeesBoolean(SectieBackUp, SleutelEMailFout, false);
        if (zend)
            verzonden = VerzendLogMail(BackupVerslag(VeldenVanPanel(), niveau, r.LogEntries));
    }
    r.LogEntries.clear();
    r.Boom.reset();
    r.RootKnoop = nullptr;
    if (!Vars().AutomatischeModus) {
        SpeelGeluid(ResultaatGeluid(ResultaatVan(niveau)));
        return;
    }
    EindeAutomatischeRun(verzonden, niveau);
}

void TMain::EindeAutomatischeRun(bool verzonden, int foutNiveau) {
    if (IsZonderScherm()) {
        // Nobody will read the window: the run always ends the program, and the exit code tells how it went.
        AfsluitCode = AfsluitCodeVan(ResultaatVan(foutNiveau));
        QTimer::singleShot(0, this, &TMain::close);
        return;
    }
    if (verzonden || foutNiveau == 0)
        QTimer::singleShot(0, this, &TMain::close);
}

// ---------------------------------------------------------------------------------------------------
// Display steps
//
// The worker does not wait for the panel. Each step records what it asks for together with the latest
// figures; a timer on this thread shows all that was asked since the panel was last brought up to date,
// twenty times a second, and the completion once more. The panel ends exactly as the steps one by one
// would leave it, and the log keeps its order.

void TMain::Publiceer(const BackupStand* stand, unsigned stappen, const QStringList* log) {
    QMutexLocker lock(&m_weergave.slot);
    if (stand)
        m_weergave.stand = *stand;
    m_weergave.stappen |= stappen;
    if (log)
        m_weergave.log = *log;
    if (QThread::currentThread() == thread()) {
        lock.unlock();
        ToonWachtrij();
    }
}

void TMain::ToonWachtrij() {
    BackupStand stand;
    unsigned stappen = 0;
    QStringList log;
    {
        QMutexLocker lock(&m_weergave.slot);
        stand = m_weergave.stand;
        stappen = std::exchange(m_weergave.stappen, 0u);
        if (stappen & StapLog)
            log = m_weergave.log;
    }
    if (stappen & StapTotaal) {
        BTotGrt->setText(GrootteInDeelStand(stand.TotGrootte, stand.DeelStand));
        if (!(stappen & (StapVoortgang | StapVoortgangKopie))) {
            BAlGedaan->setText(GrootteInDeelStand(0, stand.DeelStand));
            BNietGedaan->setText(GrootteInDeelStand(0, stand.DeelStand));
        }
    }
    if (stappen & (StapVoortgang | StapVoortgangKopie)) {
        const bool kopie = stappen & StapVoortgangKopie;
        const QString gedaan = GrootteInDeelStand(stand.AlGedaan, stand.DeelStand);
        BAlGedaan->setText(gedaan);
        BBackGrt->setText(kopie ? gedaan : GrootteInDeelStand(stand.ComprGrootte, stand.DeelStand));
        if (!kopie)
            BCompressie->setText(CompressieTekst(stand.ComprGrootte, stand.AlGedaan));
        const int voortgang = VoortgangVan(stand.AlGedaan, stand.NietGedaan, stand.TotGrootte, !kopie);
        BVoortgangBalk->setValue(voortgang);
        const QDateTime eind = GeschatEinde(stand.StartTijd, QDateTime::currentDateTime(), voortgang);
        if (eind.isValid())
            BEind->setText(FormatDatumTijd(eind));
    }
    if (stappen & StapNietGedaan) {
        BNietGedaan->setText(NietGedaanTekst(stand.NietGedaan));
        if (stand.FNietGedaan > 0)
            BFNietGedaan->setText(FNietGedaanTekst(stand.FNietGedaan));
    }
    if (stappen & StapBezig)
        BVoortgang->setText(stand.Bezig);
    if (stappen & StapLog)
        BLog->setPlainText(log.join(QLatin1Char('\n')));
}

void TMain::ToonBezig(const BackupStand& stand) {
    Publiceer(&stand, StapBezig);
}

void TMain::ToonTotaal(const BackupStand& stand) {
    Publiceer(&stand, StapTotaal);
}

void TMain::ToonVoortgang(const BackupStand& stand) {
    Publiceer(&stand, StapVoortgang);
}

void TMain::ToonVoortgangKopie(const BackupStand& stand) {
    Publiceer(&stand, StapVoortgangKopie);
}

void TMain::ToonNietGedaan(const BackupStand& stand) {
    Publiceer(&stand, StapNietGedaan);
}

void TMain::ToonLog(const QStringList& regels) {
    Publiceer(nullptr, StapLog, &regels);
}

} // namespace Orvo

#include "app/M_Data.h"
#include "app/P_Hoofdprogramma.h"
#include "common/Bedieningen.h"
#include "common/Instellingen.h"
#include "common/Orvo_Dialoog.h"
#include "common/Orvo_vars.h"
#include "common/P_AlgemeneFuncties.h"
#include "sets/BackUpBoom.h"
#include "testhulp/TestHulp.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Orvo;

static QByteArray iniRegel(const char* sleutel, const QString& waarde) {
    return QByteArray("\r\n") + sleutel + '=' + waarde.toLocal8Bit() + "\r\n";
}

// Every test starts the program as on a fresh account: an empty data home and its own temp folder.
class TstHoofdvenster : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QTemporaryDir> m_temp;
    QList<Bericht> m_berichten;
    TModules m_modules;

    QString iniBestand() const { return m_home->path() + "/Talvane BV/OrvoProgs.ini"; }

    std::unique_ptr<TMain> start(const QStringList& argumenten = {}) {
        auto venster = std::make_unique<TMain>(m_modules, argumenten);
        venster->show();
        QTest::qWait(20); // let the first paint run
        QCoreApplication::processEvents();
        return venster;
    }

    void schrijfIni(const QByteArray& inhoud) {
        QDir().mkpath(m_home->path() + "/Talvane BV");
        QFile f(iniBestand());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
        f.close();
        ZetOrvoProgsBestand(iniBestand());
    }

    void bewaarAfdruk(QWidget* w, const QString& naam) {
        QDir().mkpath(ORVO_SCHERMAFDRUKKEN);
        QVERIFY(w->grab().save(QStringLiteral(ORVO_SCHERMAFDRUKKEN "/") + naam + ".png"));
    }

private Q_SLOTS:
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        m_temp = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_home->path().toLocal8Bit());
        qputenv("TEMP", m_temp->path().toLocal8Bit());
        qunsetenv("TMP");
        ZetOrvoProgsBestand(StandaardOrvoProgsBestand());
        m_berichten.clear();
        ZetAntwoordHaak([this](const Bericht& b) {
            m_berichten.append(b);
            return b.soort == DialoogSoort::Vraag ? int(mrNee) : int(mrOK);
        });
    }
    void cleanup() { ZetAntwoordHaak({}); }

    void eersteStartMaaktInstellingenEnMappen() {
        auto venster = start();
        QFile f(iniBestand());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray ini = f.readAll();
        QVERIFY(ini.startsWith("[Orvo Back-up]\r\n"));
        QVERIFY(ini.contains("\r\nVersie=3.05\r\n"));
        QVERIFY(ini.contains(iniRegel("PrgRootDirectory", QCoreApplication::applicationDirPath())));
        const QString dataMap = m_home->path() + "/Talvane BV/Orvo Back-up";
        QVERIFY(ini.contains(iniRegel("DataRootDirectory", dataMap)));
        QVERIFY(QFileInfo(dataMap + "/BackUpSets").isDir());
        QVERIFY(QFileInfo(m_temp->path() + "/OrvoTmp").isDir());
        QCOMPARE(Vars().TijdelijkeMap, m_temp->path() + "/OrvoTmp/");
        QCOMPARE(Vars().DataMap, dataMap);
        QCOMPARE(venster->VersieLabel->text(), QStringLiteral("Versie 3.05"));
        QVERIFY(m_berichten.isEmpty());
    }

    void dataRootUitInstellingenZonderSlash() {
        const QString eigen = m_home->path() + "/Eigen data";
        schrijfIni("[Orvo Back-up]\r\nDataRootDirectory=" + eigen.toLocal8Bit() + "/\r\n");
        auto venster = start();
        QCOMPARE(Vars().DataMap, eigen);
        QVERIFY(QFileInfo(eigen + "/BackUpSets").isDir());
        QCOMPARE(OrvoProgs().LeesTekst(SectieBackUp, "DataRootDirectory"), eigen);
    }

    void draagbareInstallatieGebruiktProgrammamap() {
        const QString naast = QCoreApplication::applicationDirPath() + "/BackUpSets";
        QVERIFY(QDir().mkpath(naast));
        auto venster = start();
        QDir(naast).removeRecursively();
        QCOMPARE(Vars().DataMap, QCoreApplication::applicationDirPath());
        QCOMPARE(OrvoProgs().LeesTekst(SectieBackUp, "DataRootDirectory"),
                 QCoreApplication::applicationDirPath());
    }

    void zonderTempEnTmpInDeGegevensmap() {
        qunsetenv("TEMP");
        qunsetenv("TMP");
        auto venster = start();
        QCOMPARE(Vars().TijdelijkeMap, m_home->path() + "/Talvane BV/OrvoTmp/");
    }

    void werkmapWordtGeleegdEnBijSluitenOpgeruimd() {
        QDir().mkpath(m_temp->path() + "/OrvoTmp/oud/dieper");
        QFile oud(m_temp->path() + "/OrvoTmp/oud/dieper/rest.txt");
        QVERIFY(oud.open(QIODevice::WriteOnly));
        oud.close();
        auto venster = start();
        QVERIFY(QDir(m_temp->path() + "/OrvoTmp")
                    .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QFile nieuw(Vars().TijdelijkeMap + "tijdelijk.zip");
        QVERIFY(nieuw.open(QIODevice::WriteOnly));
        nieuw.close();
        QVERIFY(venster->close());
        QVERIFY(!nieuw.exists());
        QVERIFY(QFileInfo(m_temp->path() + "/OrvoTmp").isDir());
    }

    void werkmapNietTeMaken() {
        // A file where the temp folder should be: nothing can be made below it.
        const QString bestand = m_temp->path() + "/geen-map";
        QFile f(bestand);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        qputenv("TEMP", bestand.toLocal8Bit());
        auto venster = start();
        QCOMPARE(m_berichten.size(), 1);
        QCOMPARE(m_berichten.first().tekst, MeldingGeenWerkmap);
        QCOMPARE(m_berichten.first().soort, DialoogSoort::Waarschuwing);
        QVERIFY(venster->Fout);
        QVERIFY(!venster->isVisible());
    }

    void onbekendeSetGeeftWaarschuwing() {
        auto venster = start({"/Bestaat niet"});
        QCOMPARE(m_berichten.size(), 1);
        QCOMPARE(m_berichten.first().tekst,
                 QStringLiteral("De door u opgegeven back-up set \"Bestaat niet\" bestaat niet."));
        QVERIFY(!Vars().AutomatischeModus);
    }

    void bestaandeSetZetAutomatischeModus() {
        auto eerst = start(); // makes the data root
        eerst->close();
        QFile set(Vars().DataMap + "/BackUpSets/Thuis.OrvoBckSet");
        QVERIFY(set.open(QIODevice::WriteOnly));
        set.close();
        auto venster = start({"\"/Thuis\""});
        QCOMPARE(venster->TeOpenenSet(), QStringLiteral("Thuis"));
        QVERIFY(Vars().AutomatischeModus);
    }

    void ftpLoginBepaaltFtpKeuze_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("wachtwoord");
        QTest::addColumn<bool>("beschikbaar");
        QTest::newRow("beide") << "klant"
                               << "geheim" << true;
        QTest::newRow("geen wachtwoord") << "klant"
                                         << "" << false;
        QTest::newRow("geen naam") << ""
                                   << "geheim" << false;
        QTest::newRow("geen van beide") << ""
                                        << "" << false;
    }
    void ftpLoginBepaaltFtpKeuze() {
        QFETCH(QString, naam);
        QFETCH(QString, wachtwoord);
        QFETCH(bool, beschikbaar);
        schrijfIni("[Orvo Back-up]\r\nFTPLogin=" + VersleutelTekst(naam).toLatin1() +
                   "\r\nFTPPass=" + VersleutelTekst(wachtwoord).toLatin1() + "\r\n");
        auto venster = start();
        QCOMPARE(Vars().FTPLoginNaam, naam);
        QCOMPARE(venster->BackUpLocatie->Item(1)->isEnabled(), beschikbaar);
        QCOMPARE(venster->RestoreLocatie->Item(1)->isEnabled(), beschikbaar);
        if (beschikbaar) {
            venster->BackUpLocatie->Item(1)->click();
            Vars().FTPLoginWachtwoord.clear();
            venster->WerkFTPBeschikbaarheid();
            QCOMPARE(venster->BackUpLocatie->ItemIndex(), 0);
            QVERIFY(!venster->BackUpLocatie->Item(1)->isEnabled());
            QVERIFY(venster->BLokaalPanel->isVisible());
        }
    }

    void optieRegels() {
        schrijfIni("[Orvo Back-up]\r\nFTPLogin=" + VersleutelTekst("a").toLatin1() +
                   "\r\nFTPPass=" + VersleutelTekst("b").toLatin1() + "\r\n");
        auto v = start();
        // defaults
        QCOMPARE(v->BackUpLocatie->ItemIndex(), 0);
        QVERIFY(v->Comprimeren->isChecked());
        QCOMPARE(v->CompressieNiveau->value(), 9);
        QVERIFY(v->SnelleModus->isChecked());
        QCOMPARE(v->SnelleModusSoort->ItemIndex(), 0);
        QVERIFY(!v->VerwijderRest->isChecked());
        QVERIFY(!v->BBeveilig->isChecked());
        QVERIFY(!v->BWachtwoord->isEnabled());

        // password needs compression
        v->BBeveilig->click();
        QVERIFY(v->BWachtwoord->isEnabled());
        v->BWachtwoord->setText("geheim");
        v->Comprimeren->click();
        QVERIFY(!v->BBeveilig->isChecked());
        QVERIFY(!v->BBeveilig->isEnabled());
        QVERIFY(!v->CompressieNiveau->isEnabled());
        QVERIFY(v->BWachtwoord->text().isEmpty());
        QVERIFY(!v->BWachtwoord->isEnabled());

        // FTP destination forces compression, level 9, archive flag, removal locked
        v->CompressieNiveau->setValue(3);
        v->BackUpLocatie->Item(1)->click();
        QVERIFY(!v->BLokaalPanel->isVisible());
        QVERIFY(v->Comprimeren->isChecked());
        QCOMPARE(v->CompressieNiveau->value(), 9);
        QCOMPARE(v->SnelleModusSoort->ItemIndex(), 1);
        QVERIFY(v->VerwijderRest->isChecked());
        QVERIFY(!v->VerwijderRest->isEnabled());
        QVERIFY(!v->SnelleModusSoort->isEnabled());
        QVERIFY(v->BBeveilig->isEnabled());

        // back to a folder: the box unlocks but stays ticked
        v->BackUpLocatie->Item(0)->click();
        QVERIFY(v->BLokaalPanel->isVisible());
        QVERIFY(v->VerwijderRest->isEnabled());
        QVERIFY(v->VerwijderRest->isChecked());
        QVERIFY(v->SnelleModusSoort->isEnabled());
        v->SnelleModus->click();
        QVERIFY(!v->SnelleModusSoort->isEnabled());
    }

    void autoSaveWordtBewaard() {
        schrijfIni("[Orvo Back-up]\r\nAutoSave=0\r\n");
        auto v = start();
        QVERIFY(!v->BackupAutoSave->isChecked());
        QVERIFY(!Vars().AutoOpslaan);
        v->BackupAutoSave->click();
        QVERIFY(Vars().AutoOpslaan);
        Instellingen opnieuw(iniBestand());
        QCOMPARE(opnieuw.LeesTekst(SectieBackUp, "AutoSave"), QStringLiteral("1"));
    }

    void f5SluitBehalveTijdensEenRun() {
        auto v = start();
        v->TerugKnop->setEnabled(false); // as a running backup leaves it
        QTest::keyClick(v.get(), Qt::Key_F5);
        QVERIFY(!v->close());
        QVERIFY(v->isVisible());
        v->TerugKnop->setEnabled(true);
        QTest::keyClick(v.get(), Qt::Key_F5);
        QVERIFY(!v->isVisible());
    }

    void menuKnopKeertTerug() {
        auto v = start();
        v->Pagina->setCurrentWidget(v->BBezigPanel);
        v->MenuKnop->setProperty("Tag", 1);
        v->MenuKnop->setVisible(true);
        v->MenuKnopClick();
        QVERIFY(!v->MenuKnop->isVisible());
        QCOMPARE(v->Pagina->currentWidget(), v->OptiePanel);
    }

    void restoreTabStandaarden() {
        auto v = start();
        v->OptiePanel->setCurrentWidget(v->RestoreTab);
        QCOMPARE(v->RestoreLocatie->ItemIndex(), 0);
        QVERIFY(v->RLokaalPanel->isVisible());
        QVERIFY(v->ROrigineel->isChecked());
        QVERIFY(!v->PlaatsRestore->isEnabled());
        QVERIFY(v->ROverschrijf->isChecked());
        QVERIFY(!v->RestoreBoom->isEnabled());
        QVERIFY(!v->RestoreStart->isEnabled());
        QVERIFY(!v->RWachtwoord->isEnabled());
        v->RAnder->click();
        QVERIFY(v->PlaatsRestore->isEnabled());
    }

    void onschrijfbareInstellingenWordenGemeld() {
        // The settings folder is a file: nothing can be written, and the program says so.
        QFile blokkade(m_home->path() + "/Talvane BV");
        QVERIFY(blokkade.open(QIODevice::WriteOnly));
        blokkade.close();
        auto v = start();
        QVERIFY(!m_berichten.isEmpty());
        QVERIFY(m_berichten.first().tekst.startsWith("De instellingen konden niet worden opgeslagen"));
        QCOMPARE(m_berichten.first().soort, DialoogSoort::Waarschuwing);
    }

    void backupVanuitHetVenster() {
        // A partly ticked tree, a run from the button, its busy panel and a result with a small problem.
        TestHulp::TijdelijkVolume bron(QLatin1Char('S'), "Bron");
        QTemporaryDir doel;
        bron.MaakBestand("Documenten/brief.txt", QByteArray("Beste Jan,\n").repeated(5000));
        bron.MaakBestand("Documenten/offerte.txt", "offerte");
        bron.MaakBestand("Documenten/weg.txt", "weg");
        bron.MaakBestand("Muziek/lied.mp3", QByteArray(200000, 'm'));
        auto v = start();
        CheckBoom& boom = v->BackUpBoomView->Boom();
        CheckKnoop* station = boom.KnoopVanPad("Deze computer\\Bron (S:)\\");
        QVERIFY(station);
        v->BackUpBoomView->OpenKnoop(station);
        CheckKnoop* documenten = boom.KnoopVanPad("Deze computer\\Bron (S:)\\Documenten\\");
        QVERIFY(documenten);
        v->BackUpBoomView->OpenKnoop(documenten);
        for (const char* naam : {"brief.txt", "weg.txt"})
            v->BackUpBoomView->KlikVakje(
                boom.KnoopVanPad(QString("Deze computer\\Bron (S:)\\Documenten\\") + naam));
        QCOMPARE(documenten->Staat, int(Deels));
        QCOMPARE(station->Staat, int(Deels));
        v->BackUpPlaats->setText(doel.path());
        bewaarAfdruk(v.get(), "hoofdvenster-boom");

        QVERIFY(QFile::remove(bron.Natief() + "Documenten/weg.txt")); // gone before the run reaches it
        v->BackUpStart->click();
        QVERIFY(!v->TerugKnop->isEnabled());
        bewaarAfdruk(v.get(), "hoofdvenster-bezig");
        QTRY_VERIFY_WITH_TIMEOUT(v->TerugKnop->isEnabled(), 30000);
        QCOMPARE(v->BezigKop->text(), QStringLiteral("Back-up is gemaakt"));
        QCOMPARE(v->BVoortgang->text(), QStringLiteral("Klaar!"));
        QVERIFY(v->BLog->toPlainText().contains("het bestand is niet meer aanwezig"));
        QCOMPARE(v->BFNietGedaan->text(), QStringLiteral("/ 1 bestand(en)"));
        QVERIFY(v->MenuKnop->isVisible());
        QVERIFY(QFileInfo(doel.path() + "/BackUpData/brief.txt").isFile());
        bewaarAfdruk(v.get(), "hoofdvenster-resultaat");
        v->MenuKnop->click();
        QCOMPARE(v->Pagina->currentWidget(), v->OptiePanel);
    }

    void schermafdrukken() {
        auto v = start();
        v->BackUpPlaats->setText("/home/jan/Back-up");
        for (int i = 0; i < v->OptiePanel->count(); ++i) {
            v->OptiePanel->setCurrentIndex(i);
            QCoreApplication::processEvents();
            bewaarAfdruk(v.get(), QStringLiteral("hoofdvenster-tab%1").arg(i));
        }
        v->Pagina->setCurrentWidget(v->BBezigPanel);
        bewaarAfdruk(v.get(), "hoofdvenster-bbezig");
        v->Pagina->setCurrentWidget(v->RBezigPanel);
        bewaarAfdruk(v.get(), "hoofdvenster-rbezig");
    }
};

QTEST_MAIN(TstHoofdvenster)
#include "tst_hoofdvenster.moc"

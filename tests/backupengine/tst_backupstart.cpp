#include "BoomHulp.h"
#include "backup/ArchiefFormaat.h"
#include "backup/BackupWeergave.h"
#include "backup/P_BackupStart.h"
#include "testhulp/TestHulp.h"
#include "zip/ZipComponent.h"

#include <QDir>
#include <QTest>

using namespace Orvo;
using TestHulp::Vink;

namespace {

class Melder : public StartMelder {
public:
    bool automatisch = false;
    bool antwoord = true;
    QStringList meldingen, vragen;
    bool Automatisch() const override { return automatisch; }
    void Meld(const QString& t) override { meldingen.append(t); }
    bool Vraag(const QString& t) override {
        vragen.append(t);
        return antwoord;
    }
};

} // namespace

class TstBackupStart : public QObject {
    Q_OBJECT

    std::unique_ptr<TestHulp::TijdelijkVolume> m_s;
    std::unique_ptr<CheckBoom> m_boom;

    TBackupThreadData record(const QString& plaats) {
        TBackupThreadData r;
        r.Opties.Plaats = plaats;
        r.Boom = m_boom->MaakMomentopname();
        return r;
    }

private Q_SLOTS:
    void init() {
        m_s.reset(); // its letter goes with it: first the old one
        m_s = std::make_unique<TestHulp::TijdelijkVolume>(QLatin1Char('S'), "Bron");
        m_s->MaakBestand("Docs/a.txt", "a");
        m_s->MaakBestand("Docs/Sub/b.txt", "b");
        m_s->MaakBestand("Backup/x", "x");
        m_s->MaakBestand("Backup/y", "y");
        m_boom = std::make_unique<CheckBoom>();
    }

    void controles_data() {
        QTest::addColumn<QString>("plaats"); // relative to S:, "-" for empty
        QTest::addColumn<QStringList>("vinken");
        QTest::addColumn<bool>("beveilig");
        QTest::addColumn<QString>("melding");
        const QStringList docs{"S:\\Docs\\"};
        QTest::newRow("geen bestemming") << "-" << docs << false << MeldingGeenBestemming;
        QTest::newRow("bestemming bestaat niet")
            << "Nergens" << docs << false << MeldingBestemmingBestaatNiet;
        QTest::newRow("geen wachtwoord") << "Backup" << docs << true << MeldingGeenWachtwoord;
        QTest::newRow("niets geselecteerd") << "Backup" << QStringList{} << false << MeldingNietsGeselecteerd;
        QTest::newRow("bestemming heel geselecteerd")
            << "Backup" << QStringList{"S:\\Backup\\"} << false << MeldingCyclusHeel;
        QTest::newRow("bestemming onder heel geselecteerde map")
            << "Docs/Sub" << QStringList{"S:\\Docs\\"} << false << MeldingCyclusHeel;
        QTest::newRow("bestemming deels geselecteerd")
            << "Backup" << QStringList{"S:\\Backup\\x"} << false << MeldingCyclusDeel;
        QTest::newRow("bestemming zelf niet geselecteerd")
            << "Docs/Sub" << QStringList{"S:\\Docs\\a.txt"} << false << "";
        QTest::newRow("in orde") << "Backup" << docs << false << "";
    }
    void controles() {
        QFETCH(QString, plaats);
        QFETCH(QStringList, vinken);
        QFETCH(bool, beveilig);
        QFETCH(QString, melding);
        for (const QString& v : vinken)
            Vink(*m_boom, v);
        if (vinken.isEmpty())
            TestHulp::StationKnoop(*m_boom, QLatin1Char('S'));
        TBackupThreadData r = record(plaats == "-" ? QString() : m_s->Natief() + plaats);
        r.Opties.Beveilig = beveilig;
        Melder m;
        const bool ok = ControleerStart(r, m);
        QCOMPARE(ok, melding.isEmpty());
        QCOMPARE(m.meldingen, melding.isEmpty() ? QStringList() : QStringList{melding});
    }

    void ftpSlaatBestemmingOver() {
        Vink(*m_boom, "S:\\Docs\\");
        TBackupThreadData r = record(QString());
        r.ViaFTP = true;
        Melder m;
        QVERIFY(ControleerStart(r, m));
        QVERIFY(r.NaarPad.isEmpty());
    }

    void rootKnoopEnPad() {
        Vink(*m_boom, "S:\\Docs\\Sub\\b.txt");
        TBackupThreadData r = record(m_s->Natief() + "Backup");
        Melder m;
        QVERIFY(ControleerStart(r, m));
        QCOMPARE(r.NaarPad, QStringLiteral("S:\\Backup\\"));
        QCOMPARE(r.RootPad, QStringLiteral("S:\\Docs\\Sub\\"));
        QVERIFY(!r.MeerdereSchijven);
        // two children ticked: their folder is the root
        Vink(*m_boom, "S:\\Docs\\a.txt");
        r = record(m_s->Natief() + "Backup");
        QVERIFY(ControleerStart(r, m));
        QCOMPARE(r.RootPad, QStringLiteral("S:\\Docs\\"));
        // a drive ticked as a whole
        m_boom = std::make_unique<CheckBoom>();
        Vink(*m_boom, "S:\\");
        m_boom->VoegToe(TestHulp::StationKnoop(*m_boom, QLatin1Char('S')),
                        NieuweKnoop(QString(), KnoopSoort::Plaatshouder));
        r = record(QDir::tempPath());
        QVERIFY(ControleerStart(r, m));
        QCOMPARE(r.RootPad, QStringLiteral("S:\\"));
    }

    void geenMediumPerStation() {
        Vink(*m_boom, "S:\\Docs\\");
        TestHulp::TijdelijkVolume weg1(QLatin1Char('M'), "Kaart");
        TestHulp::TijdelijkVolume weg2(QLatin1Char('N'), "Cd");
        Vink(*m_boom, "M:\\");
        Vink(*m_boom, "N:\\");
        TBackupThreadData r = record(m_s->Natief() + "Backup");
        Platform::VerwijderVolume(QLatin1Char('M'));
        Platform::VerwijderVolume(QLatin1Char('N'));
        Melder m;
        m.automatisch = true;
        QVERIFY(!ControleerStart(r, m));
        QCOMPARE(m.meldingen, (QStringList{MeldingGeenMedium("Kaart (M:)"), MeldingGeenMedium("Cd (N:)")}));
        QCOMPARE(
            m.meldingen.first(),
            QStringLiteral("In station \"Kaart (M:)\", waarvan u een back-up wilt maken, zit geen medium "
                           "(diskette, cd-rom etc.)."));
    }

    void bestaandeBackup_data() {
        QTest::addColumn<QStringList>("configuratie"); // empty: unreadable
        QTest::addColumn<bool>("automatisch");
        QTest::addColumn<bool>("antwoord");
        QTest::addColumn<bool>("doorgaan");
        QTest::addColumn<bool>("weg");
        QTest::addColumn<QString>("vraag");
        // Docs is ticked but was never opened, so the drive is the root.
        const QStringList goed{"dag", "10", "J", "N", "S:\\"};
        QStringList ander = goed;
        ander[4] = "S:\\Elders\\";
        QStringList kopie = goed;
        kopie[2] = "N";
        QStringList wachtwoord = goed;
        wachtwoord[3] = "JOud";
        QTest::newRow("zelfde") << goed << false << true << true << false << "";
        QTest::newRow("onleesbaar, ja") << QStringList{} << false << true << true << true << VraagOnleesbaar;
        QTest::newRow("onleesbaar, nee")
            << QStringList{} << false << false << false << true << VraagOnleesbaar;
        QTest::newRow("onleesbaar, automatisch") << QStringList{} << true << false << true << true << "";
        QTest::newRow("vier regels") << goed.mid(0, 4) << true << false << true << true << "";
        QTest::newRow("andere gegevens, ja") << ander << false << true << true << true << VraagAndereGegevens;
        QTest::newRow("andere gegevens, automatisch") << ander << true << true << false << true << "";
        QTest::newRow("andere compressie")
            << kopie << false << false << false << true << VraagAndereCompressie;
        QTest::newRow("andere compressie, automatisch") << kopie << true << false << true << true << "";
        QTest::newRow("ander wachtwoord")
            << wachtwoord << false << true << true << true << VraagAnderWachtwoord;
        QTest::newRow("ander wachtwoord, automatisch") << wachtwoord << true << false << true << true << "";
    }
    void bestaandeBackup() {
        QFETCH(QStringList, configuratie);
        QFETCH(bool, automatisch);
        QFETCH(bool, antwoord);
        QFETCH(bool, doorgaan);
        QFETCH(bool, weg);
        QFETCH(QString, vraag);
        Vink(*m_boom, "S:\\Docs\\");
        ZipComponent zip;
        const QString conf = m_s->Natief() + "Backup/BackUpData.OrvoBckDat";
        if (configuratie.isEmpty())
            m_s->MaakBestand("Backup/BackUpData.OrvoBckDat", "geen zip");
        else
            QVERIFY(SchrijfArchiefRegels(zip, conf, configuratie));
        TBackupThreadData r = record(m_s->Natief() + "Backup");
        Melder m;
        m.automatisch = automatisch;
        m.antwoord = antwoord;
        QVERIFY2(ControleerStart(r, m), qPrintable(m.meldingen.join('|')));
        QCOMPARE(ControleerBestemming(r, zip, m), doorgaan);
        QCOMPARE(r.BackUpWeg, weg);
        QCOMPARE(m.vragen, vraag.isEmpty() ? QStringList() : QStringList{vraag});
        if (automatisch && !doorgaan)
            QCOMPARE(m.meldingen, QStringList{MeldingAndereGegevens});
    }

    void verslag() {
        const VerslagVelden v{"Thuis",   "maandag",         "dinsdag", "1,00 Kb", "1,00 Kb",
                              "0,00 Kb", "/ 1 bestand(en)", "0,50 Kb", "50,00 %"};
        QStringList r = BackupVerslag(v, 0, {});
        QCOMPARE(r.size(), 11);
        QCOMPARE(r[0], QStringLiteral("Back-up set              : Thuis"));
        QCOMPARE(r[6], QStringLiteral("Niet gedaan              : 0,00 Kb / 1 bestand(en)"));
        QCOMPARE(r[9], QString());
        QCOMPARE(r[10], QStringLiteral("De back-up is met succes uitgevoerd."));
        r = BackupVerslag(v, 3, {"- Van bestand x", "  kon niet"});
        QCOMPARE(
            r.mid(10),
            (QStringList{"De back-up is uitgevoerd, er zijn echter een paar kleine problemen opgetreden.", "",
                         "OVERZICHT VAN DE OPGETREDEN PROBLEMEN", "=====================================", "",
                         "- Van bestand x", "  kon niet"}));
        QCOMPARE(WeigeringsLog({"a"}),
                 (QStringList{"FOUT", "====", "", "a", "", "Er is geen back-up gemaakt."}));
    }

    void weergave_data() {
        QTest::addColumn<qint64>("totaal");
        QTest::addColumn<int>("deelStand");
        QTest::newRow("precies 1 Mb") << qint64(1048576) << 0;
        QTest::newRow("een byte meer") << qint64(1048577) << 1;
        QTest::newRow("precies 1 Gb") << qint64(1073741824) << 1;
        QTest::newRow("meer") << qint64(1073741825) << 2;
    }
    void weergave() {
        QFETCH(qint64, totaal);
        QFETCH(int, deelStand);
        QCOMPARE(KiesDeelStand(0, totaal), deelStand);
        QCOMPARE(KiesDeelStand(2, totaal), 2); // never goes back
    }

    void weergaveZonderDeler() {
        QCOMPARE(GrootteInDeelStand(1048576, 0), QStringLiteral("1.024,00 Kb"));
        QCOMPARE(CompressieTekst(0, 0), QStringLiteral("0,00 %"));
        QCOMPARE(CompressieTekst(40, 100), QStringLiteral("60,00 %"));
        QCOMPARE(CompressieTekst(150, 100), QStringLiteral("-50,00 %"));
        QCOMPARE(VoortgangVan(0, 0, 0, true), 0);
        QCOMPARE(VoortgangVan(999, 0, 1000, true), 99);
        QCOMPARE(VoortgangVan(999, 0, 1000, false), 100);
        QCOMPARE(FNietGedaanTekst(0), QString());
        QCOMPARE(FNietGedaanTekst(1), QStringLiteral("/ 1 bestand(en)"));
        QCOMPARE(FNietGedaanTekst(12345), QStringLiteral("/ 12.345 bestand(en)"));
        const QDateTime start(QDate(2026, 1, 1), QTime(10, 0));
        QVERIFY(!GeschatEinde(start, start.addSecs(60), 5).isValid());
        QCOMPARE(GeschatEinde(start, start.addSecs(60), 10), start.addSecs(600));
    }
};

QTEST_GUILESS_MAIN(TstBackupStart)
#include "tst_backupstart.moc"

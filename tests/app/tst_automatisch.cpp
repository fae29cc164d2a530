// The real program, started the way a scheduled task starts it: "/Naam", no screen, a fresh data home.
#include "backup/ArchiefFormaat.h"
#include "common/Instellingen.h"
#include "common/Orvo_vars.h"
#include "common/P_AlgemeneFuncties.h"
#include "sets/SetBestand.h"
#include "testhulp/TestHulp.h"
#include "zip/ZipComponent.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Orvo;

class TstAutomatisch : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home, m_temp, m_bron, m_doel;

    QString ini() const { return m_home->path() + "/Talvane BV/OrvoProgs.ini"; }

    // A set that ticks the whole source folder, with its destination.
    void maakSet(const QString& naam, const QString& doel, const QString& opties = "0J9J0NN",
                 const QString& wachtwoord = "") {
        QStringList regels{"V2", doel, opties, wachtwoord, "C:"};
        const QStringList delen = m_bron->path().split('/', Qt::SkipEmptyParts);
        regels << "-001Bestandssysteem (C:)";
        for (int i = 0; i < delen.size(); ++i)
            regels << QString(i + 1 == delen.size() ? "X" : "-") + VoorloopNullen(QString::number(i + 2), 3) +
                          delen[i];
        regels << "@000";
        Vars().DataMap = m_home->path() + "/Talvane BV/Orvo Back-up";
        QVERIFY(QDir().mkpath(Vars().DataMap + "/BackUpSets"));
        ZipComponent zip;
        QVERIFY(SchrijfSetBestand(zip, naam, regels));
    }

    int start(const QStringList& argumenten, QByteArray* uitvoer = nullptr) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", m_home->path());
        env.insert("TEMP", m_temp->path());
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(qEnvironmentVariable("ORVO_BIN_DIR") + "/OrvoBackUp", argumenten);
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        if (uitvoer)
            *uitvoer = p.readAll();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }

    void schrijfMailInstellingen(quint16 poort, bool alleenBijFout) {
        Instellingen i(ini());
        i.SchrijfBoolean(SectieBackUp, "EMailZend", true);
        i.SchrijfBoolean(SectieBackUp, "EMailFout", alleenBijFout);
        i.SchrijfTekst(SectieBackUp, "SMTPNaam", "Orvo");
        i.SchrijfTekst(SectieBackUp, "SMTPAdrs", "backup@kantoor.nl");
        i.SchrijfTekst(SectieBackUp, "SMTPHost", "127.0.0.1");
        i.SchrijfGetal(SectieBackUp, "SMTPPrt", poort);
        i.SchrijfGetal(SectieBackUp, "EMailOntvangers", 1);
        i.SchrijfTekst(SectieBackUp, "EMailNaam0", "Beheer");
        i.SchrijfTekst(SectieBackUp, "EMailAdres0", "beheer@kantoor.nl");
    }

private Q_SLOTS:
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        m_temp = std::make_unique<QTemporaryDir>();
        m_bron = std::make_unique<QTemporaryDir>();
        m_doel = std::make_unique<QTemporaryDir>();
        TestHulp::TijdelijkVolume* geen = nullptr;
        Q_UNUSED(geen);
        QDir().mkpath(m_bron->path() + "/Sub");
        QFile a(m_bron->path() + "/a.txt");
        QVERIFY(a.open(QIODevice::WriteOnly));
        a.write(QByteArray("regel\n").repeated(1000));
        a.close();
        QFile b(m_bron->path() + "/Sub/b é.txt");
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.write("b");
    }

    void geslaagdeRun() {
        maakSet("Nacht", m_doel->path());
        QByteArray uit;
        QCOMPARE(start({"/Nacht"}, &uit), 0);
        const QString data = m_doel->path() + "/BackUpData/";
        QVERIFY2(QFileInfo(data + "a.txt").isFile(), uit.constData());
        QVERIFY(QFileInfo(data + "Sub/b é.txt").isFile());
        QByteArray inhoud;
        QCOMPARE(TestHulp::Voer("unzip", {"-p", data + "a.txt"}, &inhoud), 0);
        QCOMPARE(inhoud, QByteArray("regel\n").repeated(1000));
        ZipComponent zip;
        const auto regels = LeesArchiefRegels(zip, m_doel->path() + "/BackUpData.OrvoBckDat");
        QVERIFY(regels);
        QCOMPARE(regels->size(), 5);
        QCOMPARE(regels->at(1), QStringLiteral("6001"));
        QCOMPARE(regels->at(2), QStringLiteral("J"));
        QCOMPARE(regels->at(3), QStringLiteral("N"));
        QCOMPARE(regels->at(4), "C:" + QString(m_bron->path()).replace('/', '\\') + "\\");
        // the work folder is emptied at the end
        QVERIFY(QDir(m_temp->path() + "/OrvoTmp").isEmpty());
    }

    void onbekendeSet() {
        QByteArray uit;
        QCOMPARE(start({"/Bestaat niet"}, &uit), 3);
        QVERIFY(uit.contains("De door u opgegeven back-up set \"Bestaat niet\" bestaat niet."));
    }

    void beschadigdeSet() {
        Vars().DataMap = m_home->path() + "/Talvane BV/Orvo Back-up";
        QVERIFY(QDir().mkpath(Vars().DataMap + "/BackUpSets"));
        QFile f(Vars().DataMap + "/BackUpSets/Kapot.OrvoBckSet");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("geen zip");
        f.close();
        QCOMPARE(start({"/Kapot"}), 3);
    }

    void weigeringMetVerslag() {
        TestHulp::Server smtp("smtp_server.py", {"--map", m_temp->path()});
        QVERIFY(smtp.IsGestart());
        maakSet("Weg", m_doel->path() + "/bestaat-niet");
        schrijfMailInstellingen(smtp.Poort(), false);
        QCOMPARE(start({"/Weg"}), 3);
        QFile bericht(m_temp->path() + "/bericht-1.eml");
        QVERIFY(bericht.open(QIODevice::ReadOnly));
        const QByteArray eml = bericht.readAll();
        QVERIFY(eml.contains("Verslag Orvo Back-Up"));
    }

    void verslagBijProblemen_data() {
        QTest::addColumn<bool>("alleenBijFout");
        QTest::addColumn<bool>("probleem");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("mail");
        QTest::newRow("altijd, geslaagd") << false << false << 0 << true;
        QTest::newRow("alleen bij fout, geslaagd") << true << false << 0 << false;
        QTest::newRow("alleen bij fout, probleem") << true << true << 1 << true;
    }
    void verslagBijProblemen() {
        QFETCH(bool, alleenBijFout);
        QFETCH(bool, probleem);
        QFETCH(int, code);
        QFETCH(bool, mail);
        TestHulp::Server smtp("smtp_server.py", {"--map", m_temp->path() + "/post"});
        QDir().mkpath(m_temp->path() + "/post");
        QVERIFY(smtp.IsGestart());
        maakSet("Nacht", m_doel->path());
        schrijfMailInstellingen(smtp.Poort(), alleenBijFout);
        if (probleem) // the data folder holds a file where the sub folder belongs, and it cannot go
            QVERIFY(QDir().mkpath(m_doel->path() + "/BackUpData/Sub/vast"));
        if (probleem && TestHulp::Voer("chattr", {"+i", m_doel->path() + "/BackUpData/Sub"}) != 0)
            QSKIP("chattr is not available here");
        const int resultaat = start({"/Nacht"});
        if (probleem)
            TestHulp::Voer("chattr", {"-i", m_doel->path() + "/BackUpData/Sub"});
        QCOMPARE(resultaat, code);
        QFile json(m_temp->path() + "/post/bericht-1.json");
        QCOMPARE(json.exists(), mail);
        if (mail) {
            QVERIFY(json.open(QIODevice::ReadOnly));
            const QString tekst = QString::fromUtf8(json.readAll());
            QVERIFY(tekst.contains("Back-up set              : Nacht"));
            QVERIFY(tekst.contains(probleem ? "OVERZICHT VAN DE OPGETREDEN PROBLEMEN"
                                            : "De back-up is met succes uitgevoerd."));
        }
    }
};

QTEST_GUILESS_MAIN(TstAutomatisch)
#include "tst_automatisch.moc"

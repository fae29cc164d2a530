#include "common/Instellingen.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Orvo;

class TstInstellingen : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString bestand(const QString& naam) const { return m_dir.path() + "/" + naam + "/OrvoProgs.ini"; }
    static void schrijf(const QString& pad, const QByteArray& inhoud) {
        QDir().mkpath(QFileInfo(pad).absolutePath());
        QFile f(pad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
    }
    static QByteArray lees(const QString& pad) {
        QFile f(pad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void getallen_data() {
        QTest::addColumn<QByteArray>("regel");
        QTest::addColumn<int>("verwacht");
        QTest::newRow("ontbreekt") << QByteArray() << 25;
        QTest::newRow("decimaal") << QByteArray("SMTPPrt=587") << 587;
        QTest::newRow("hex") << QByteArray("SMTPPrt=0x1D") << 29;
        QTest::newRow("hex hoofdletter") << QByteArray("SMTPPrt=0X1d") << 29;
        QTest::newRow("0x alleen") << QByteArray("SMTPPrt=0x") << 25;
        QTest::newRow("tekst") << QByteArray("SMTPPrt=abc") << 25;
        QTest::newRow("leeg") << QByteArray("SMTPPrt=") << 25;
        QTest::newRow("negatief") << QByteArray("SMTPPrt=-3") << -3;
        QTest::newRow("te groot") << QByteArray("SMTPPrt=99999999999") << 25;
        QTest::newRow("sleutel hoofdletterongevoelig") << QByteArray("smtpprt=26") << 26;
    }
    void getallen() {
        QFETCH(QByteArray, regel);
        QFETCH(int, verwacht);
        const QString pad = bestand(QTest::currentDataTag());
        schrijf(pad, "[Orvo Back-up]\r\n" + regel + "\r\n");
        Instellingen ini(pad);
        QCOMPARE(ini.LeesGetal(SectieBackUp, "SMTPPrt", 25), verwacht);
    }

    void booleans_data() {
        QTest::addColumn<QByteArray>("regel");
        QTest::addColumn<bool>("verwacht");
        QTest::newRow("ontbreekt") << QByteArray() << true;
        QTest::newRow("0") << QByteArray("AutoSave=0") << false;
        QTest::newRow("1") << QByteArray("AutoSave=1") << true;
        QTest::newRow("2") << QByteArray("AutoSave=2") << true;
        QTest::newRow("geen getal") << QByteArray("AutoSave=nee") << true;
    }
    void booleans() {
        QFETCH(QByteArray, regel);
        QFETCH(bool, verwacht);
        const QString pad = bestand(QString("b-") + QTest::currentDataTag());
        schrijf(pad, "[Orvo Back-up]\r\n" + regel + "\r\n");
        Instellingen ini(pad);
        QCOMPARE(ini.LeesBoolean(SectieBackUp, "AutoSave", true), verwacht);
    }

    void schrijvenMaaktMapEnHeleBestand() {
        const QString pad = m_dir.path() + "/nieuw/dieper/OrvoProgs.ini";
        Instellingen ini(pad);
        QCOMPARE(ini.LeesTekst(SectieBackUp, "SMTPHost", "standaard"), QStringLiteral("standaard"));
        QVERIFY(QFileInfo(QFileInfo(pad).absolutePath()).isDir());
        QVERIFY(ini.SchrijfTekst(SectieBackUp, "Versie", "3.05"));
        QVERIFY(ini.SchrijfTekst(SectieAlgemeen, "FTPAdres", "ftp.voorbeeld.nl"));
        QVERIFY(ini.SchrijfBoolean(SectieBackUp, "AutoSave", false));
        QVERIFY(ini.SchrijfGetal(SectieBackUp, "SMTPPrt", 587));
        QCOMPARE(lees(pad), QByteArray("[Orvo Back-up]\r\nVersie=3.05\r\nAutoSave=0\r\nSMTPPrt=587\r\n\r\n"
                                       "[Orvo Algemeen]\r\nFTPAdres=ftp.voorbeeld.nl\r\n\r\n"));
        // empty value: a string reads empty, a number its default
        QVERIFY(ini.SchrijfTekst(SectieBackUp, "SMTPNaam", ""));
        Instellingen opnieuw(pad);
        QCOMPARE(opnieuw.LeesTekst(SectieBackUp, "SMTPNaam", "x"), QString());
        QCOMPARE(opnieuw.LeesGetal(SectieBackUp, "SMTPNaam", 7), 7);
    }

    void eenmaalGelezen() {
        // Changes made by another program while it runs are not seen, and are overwritten.
        const QString pad = bestand("eenmaal");
        schrijf(pad, "[Orvo Back-up]\r\nA=1\r\n");
        Instellingen ini(pad);
        QCOMPARE(ini.LeesTekst(SectieBackUp, "A"), QStringLiteral("1"));
        schrijf(pad, "[Orvo Back-up]\r\nA=2\r\nB=3\r\n");
        QCOMPARE(ini.LeesTekst(SectieBackUp, "A"), QStringLiteral("1"));
        QVERIFY(ini.SchrijfTekst(SectieBackUp, "C", "4"));
        QCOMPARE(lees(pad), QByteArray("[Orvo Back-up]\r\nA=1\r\nC=4\r\n\r\n"));
    }

    void ontvangersLijstKrimpt() {
        const QString pad = bestand("ontvangers");
        Instellingen ini(pad);
        auto bewaar = [&](const QStringList& namen) {
            const int oud = ini.LeesGetal(SectieBackUp, "EMailOntvangers", 0);
            for (int i = 0; i < oud; ++i) {
                ini.VerwijderSleutel(SectieBackUp, "EMailNaam" + QString::number(i));
                ini.VerwijderSleutel(SectieBackUp, "EMailAdres" + QString::number(i));
            }
            for (int i = 0; i < namen.size(); ++i) {
                ini.SchrijfTekst(SectieBackUp, "EMailNaam" + QString::number(i), namen[i]);
                ini.SchrijfTekst(SectieBackUp, "EMailAdres" + QString::number(i), namen[i] + "@x.nl");
            }
            ini.SchrijfGetal(SectieBackUp, "EMailOntvangers", int(namen.size()));
        };
        bewaar({"an", "bo"});
        QVERIFY(lees(pad).contains("EMailNaam1=bo\r\n"));
        bewaar({"cor"});
        const QByteArray inhoud = lees(pad);
        QVERIFY(!inhoud.contains("EMailNaam1"));
        QVERIFY(!inhoud.contains("EMailAdres1"));
        QVERIFY(inhoud.contains("EMailNaam0=cor\r\n"));
        QVERIFY(inhoud.contains("EMailOntvangers=1\r\n"));
    }

    void regelSplitstBijEersteIsteken() {
        const QString pad = bestand("isteken");
        schrijf(pad, "[Orvo Back-up]\r\nFTPPass=a=b==c\r\n");
        Instellingen ini(pad);
        QCOMPARE(ini.LeesTekst(SectieBackUp, "FTPPass"), QStringLiteral("a=b==c"));
    }

    void slechteInvoer_data() {
        QTest::addColumn<QByteArray>("inhoud");
        QByteArray rommel(4096, Qt::Uninitialized);
        QRandomGenerator vast(1252);
        for (char& c : rommel)
            c = char(vast.bounded(256));
        QTest::newRow("binaire rommel") << rommel + "\r\n[Orvo Back-up]\r\nSMTPHost=h\r\n";
        QTest::newRow("zonder ]") << QByteArray(
            "[Orvo Back-up\r\nSMTPHost=x\r\n[Orvo Back-up]\r\nSMTPHost=h\r\n");
        QTest::newRow("zonder =") << QByteArray("[Orvo Back-up]\r\nzomaar tekst\r\n=\r\nSMTPHost=h\r\n");
        QTest::newRow("lange regel") << "[Orvo Back-up]\r\nLang=" + QByteArray(100000, 'x') +
                                            "\r\nSMTPHost=h\r\n";
        QTest::newRow("alleen LF") << QByteArray("[Orvo Back-up]\nSMTPHost=h\n");
        QTest::newRow("sleutel voor sectie")
            << QByteArray("SMTPHost=weg\r\n[Orvo Back-up]\r\nSMTPHost=h\r\n");
    }
    void slechteInvoer() {
        QFETCH(QByteArray, inhoud);
        const QString pad = bestand(QString("slecht-") + QTest::currentDataTag());
        schrijf(pad, inhoud);
        Instellingen ini(pad);
        QCOMPARE(ini.LeesTekst(SectieBackUp, "SMTPHost"), QStringLiteral("h"));
        QVERIFY(ini.SchrijfTekst(SectieBackUp, "Versie", "3.05"));
        Instellingen opnieuw(pad);
        QCOMPARE(opnieuw.LeesTekst(SectieBackUp, "SMTPHost"), QStringLiteral("h"));
        QCOMPARE(opnieuw.LeesTekst(SectieBackUp, "Versie"), QStringLiteral("3.05"));
    }

    void onschrijfbareMap() {
        // A file where the folder should be: writes fail and say so, reads give defaults.
        const QString blokkade = m_dir.path() + "/blokkade";
        schrijf(blokkade, "x");
        Instellingen ini(blokkade + "/OrvoProgs.ini");
        QCOMPARE(ini.LeesGetal(SectieBackUp, "SMTPPrt", 25), 25);
        QVERIFY(!ini.SchrijfTekst(SectieBackUp, "Versie", "3.05"));
        QVERIFY(!ini.Fout().isEmpty());
        QCOMPARE(ini.LeesTekst(SectieBackUp, "Versie"), QStringLiteral("3.05"));
    }

    void tekensBuitenCodepagina() {
        const QString pad = bestand("unicode");
        Instellingen ini(pad);
        QVERIFY(ini.SchrijfTekst(SectieBackUp, "SMTPNaam", "Zoë"));
        QVERIFY(lees(pad).contains("SMTPNaam=Zo\xEB\r\n")); // Windows-1252
        QVERIFY(ini.SchrijfTekst(SectieBackUp, "SMTPNaam", "Łukasz ☃"));
        QVERIFY(lees(pad).startsWith("\xEF\xBB\xBF")); // no longer fits: UTF-8 with BOM
        Instellingen opnieuw(pad);
        QCOMPARE(opnieuw.LeesTekst(SectieBackUp, "SMTPNaam"), QStringLiteral("Łukasz ☃"));
    }
};

QTEST_GUILESS_MAIN(TstInstellingen)
#include "tst_instellingen.moc"

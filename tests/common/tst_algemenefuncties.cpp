#include "common/P_AlgemeneFuncties.h"
#include "platform/Bestandskenmerken.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Orvo;

class TstAlgemeneFuncties : public QObject {
    Q_OBJECT

    static void maak(const QString& pad, const QByteArray& inhoud = "x") {
        QDir().mkpath(QFileInfo(pad).absolutePath());
        QFile f(pad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
    }
    static int inhoud(const QString& map) {
        return int(QDir(map)
                       .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                       .size());
    }

private Q_SLOTS:
    void versleutelen_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("opgeslagen");
        QTest::addColumn<QString>("terug");
        QTest::newRow("voorbeeld") << "abc"
                                   << "eim"
                                   << "abc";
        QTest::newRow("leeg") << ""
                              << ""
                              << "";
        QTest::newRow("tilde wordt blank") << "a~b" << VersleutelTekst("a~b") << "a b";
        QTest::newRow("blank en accolade") << " }" << VersleutelTekst(" }") << " }";
        QTest::newRow("isteken") << "===" << VersleutelTekst("===") << "===";
    }
    void versleutelen() {
        QFETCH(QString, tekst);
        QFETCH(QString, opgeslagen);
        QFETCH(QString, terug);
        const QString v = VersleutelTekst(tekst);
        QCOMPARE(v, opgeslagen);
        QCOMPARE(v.size(), tekst.size());
        for (QChar c : v) // printable ASCII without blanks
            QVERIFY(c.unicode() >= 33 && c.unicode() <= 126);
        QCOMPARE(OntsleutelTekst(v), terug);
    }

    void versleutelenAlleAfdrukbareTekens() {
        QString alles;
        for (char16_t c = 32; c <= 125; ++c)
            alles += QChar(c);
        QCOMPARE(OntsleutelTekst(VersleutelTekst(alles)), alles);
        QCOMPARE(OntsleutelTekst(QStringLiteral("eim")), QStringLiteral("abc"));
    }

    void voorloopNullen_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("breedte");
        QTest::addColumn<QString>("verwacht");
        QTest::newRow("7") << "7" << 3 << "007";
        QTest::newRow("12") << "12" << 3 << "012";
        QTest::newRow("te lang") << "1234" << 3 << "234";
        QTest::newRow("blanken") << " 5 " << 3 << "005";
        QTest::newRow("leeg") << "" << 3 << "000";
        QTest::newRow("breedte 0") << "5" << 0 << "";
    }
    void voorloopNullen() {
        QFETCH(QString, tekst);
        QFETCH(int, breedte);
        QFETCH(QString, verwacht);
        QCOMPARE(VoorloopNullen(tekst, breedte), verwacht);
    }

    void emailAdres_data() {
        QTest::addColumn<QString>("adres");
        QTest::addColumn<QString>("melding");
        QTest::newRow("gewoon") << "jan.jansen@voorbeeld.nl"
                                << "";
        QTest::newRow("tekens links") << "a+b!c#d$e%f&g'h*i/j=k?l^m_n`o{p|q}r~s-t@x.nl"
                                      << "";
        QTest::newRow("geen apenstaart") << "jan.voorbeeld.nl" << MeldingEMailGeenApenstaart;
        QTest::newRow("twee punten") << "jan@voorbeeld..nl" << MeldingEMailGeenApenstaart;
        QTest::newRow("twee punten links") << "jan..j@voorbeeld.nl" << MeldingEMailGeenApenstaart;
        QTest::newRow("links leeg") << "@voorbeeld.nl" << MeldingEMailDeelMist;
        QTest::newRow("rechts drie tekens") << "jan@a.b" << MeldingEMailDeelMist;
        QTest::newRow("rechts zonder punt") << "jan@voorbeeld" << MeldingEMailRechtsOngeldig;
        QTest::newRow("rechts begint met punt") << "jan@.voorbeeld" << MeldingEMailRechtsOngeldig;
        QTest::newRow("een teken na punt") << "jan@voorbeeld.n" << MeldingEMailRechtsOngeldig;
        QTest::newRow("twee tekens na eerste punt") << "jan@ab.cd"
                                                    << "";
        QTest::newRow("blank links") << "jan jansen@voorbeeld.nl" << MeldingEMailLinksTekens;
        QTest::newRow("accent links") << "josé@voorbeeld.nl" << MeldingEMailLinksTekens;
        QTest::newRow("underscore rechts") << "jan@voor_beeld.nl" << MeldingEMailRechtsTekens;
        QTest::newRow("tweede apenstaart") << "jan@voor@beeld.nl" << MeldingEMailRechtsTekens;
        QTest::newRow("blank rechts") << "jan@voorbeeld.nl " << MeldingEMailRechtsTekens;
    }
    void emailAdres() {
        QFETCH(QString, adres);
        QFETCH(QString, melding);
        QCOMPARE(EMailAdresFout(adres), melding);
    }

    void naamGeldig_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<bool>("geldig");
        QTest::newRow("gewoon") << "Mijn set - 2" << true;
        QTest::newRow("leeg") << "" << true;
        QTest::newRow("accent") << "Café" << true;
        QTest::newRow("hoog teken") << QString::fromUtf8("Ω☃") << true;
        for (const char* teken : {"\"", "*", "/", ":", "<", ">", "?", "\\", "|"})
            QTest::newRow(teken) << QString("a%1b").arg(QLatin1String(teken)) << false;
    }
    void naamGeldig() {
        QFETCH(QString, naam);
        QFETCH(bool, geldig);
        QCOMPARE(NaamGeldig(naam), geldig);
    }

    void mapLeegmaken_data() {
        QTest::addColumn<bool>("recursief");
        QTest::addColumn<bool>("slashAchter");
        QTest::newRow("recursief") << true << false;
        QTest::newRow("recursief met slash") << true << true;
        QTest::newRow("alleen bestanden") << false << false;
    }
    void mapLeegmaken() {
        QFETCH(bool, recursief);
        QFETCH(bool, slashAchter);
        QTemporaryDir dir;
        const QString map = dir.path() + "/doel";
        maak(map + "/a.txt");
        maak(map + "/.verborgen");
        maak(map + "/sub/b.txt");
        maak(map + "/sub/diep/c.txt");
        Platform::ZetAlleenLezen(map + "/a.txt", true);
        Platform::ZetAlleenLezen(map + "/sub/diep/c.txt", true);
        // a link to a folder outside is removed, never followed
        maak(dir.path() + "/buiten/blijft.txt");
        QVERIFY(QFile::link(dir.path() + "/buiten", map + "/link"));

        QVERIFY(MapLeegmaken(map + (slashAchter ? "/" : ""), recursief));
        QVERIFY(QFileInfo(map).isDir());
        QVERIFY(QFileInfo::exists(dir.path() + "/buiten/blijft.txt"));
        if (recursief) {
            QCOMPARE(inhoud(map), 0);
        } else {
            QCOMPARE(QDir(map).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{"sub"});
            QVERIFY(QFileInfo::exists(map + "/sub/diep/c.txt"));
        }
        QVERIFY(MapLeegmaken(dir.path() + "/bestaat-niet", true));
    }

    void schrijfbaar() {
        QTemporaryDir dir;
        const QString pad = dir.path() + "/a.txt";
        QVERIFY(BestandSchrijfbaar(pad)); // does not exist
        maak(pad);
        Platform::ZetAlleenLezen(pad, true);
        QVERIFY(BestandSchrijfbaar(pad));
        QVERIFY(!Platform::IsAlleenLezen(pad));
        QVERIFY(MapSchrijfbaar(dir.path()));
    }

    void mapSchrijfbeveiligd() {
        QTemporaryDir dir;
        QVERIFY(!MapSchrijfbeveiligd(dir.path()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 0);
        QVERIFY(MapSchrijfbeveiligd(dir.path() + "/bestaat-niet"));
        maak(dir.path() + "/bestand");
        QVERIFY(MapSchrijfbeveiligd(dir.path() + "/bestand")); // a file is no folder to write in
    }

    void startDocument() {
        QCOMPARE(StartDocument(QString()), -1);
        QCOMPARE(StartDocument("/bestaat/echt/niet.pdf"), 2);
    }

    void omgevingsVariabeleHeel() {
        const QByteArray lang(1000, 'x');
        qputenv("ORVO_LANG", lang);
        QCOMPARE(OmgevingsVariabele("ORVO_LANG").size(), 1000);
        qunsetenv("ORVO_LANG");
        QCOMPARE(OmgevingsVariabele("ORVO_LANG"), QString());
    }
};

QTEST_GUILESS_MAIN(TstAlgemeneFuncties)
#include "tst_algemenefuncties.moc"

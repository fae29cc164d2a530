#include "platform/Bestandskenmerken.h"
#include "platform/Schijfruimte.h"
#include "platform/Volumes.h"
#include "testhulp/TestHulp.h"

#include <QFile>
#include <QTest>
#include <QThread>

using namespace Platform;

class TstPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void naarNatief_data() {
        QTest::addColumn<QString>("programma");
        QTest::addColumn<QString>("natief");
        QTest::newRow("map met slash") << "C:\\home\\jan\\"
                                       << "/home/jan/";
        QTest::newRow("bestand") << "C:\\home\\jan\\brief.txt"
                                 << "/home/jan/brief.txt";
        QTest::newRow("wortel") << "C:\\"
                                << "/";
        QTest::newRow("alleen letter") << "C:"
                                       << "/";
        QTest::newRow("kleine letter") << "c:\\etc"
                                       << "/etc";
        QTest::newRow("onbekende letter") << "Q:\\x"
                                          << "";
        QTest::newRow("geen programmapad") << "/home/jan"
                                           << "";
        QTest::newRow("blanken en accenten") << "C:\\Mijn map\\café.doc"
                                             << "/Mijn map/café.doc";
    }
    void naarNatief() {
        QFETCH(QString, programma);
        QFETCH(QString, natief);
        QCOMPARE(NaarNatief(programma).value_or(QString()), natief);
    }

    void naarProgrammaPad_data() {
        QTest::addColumn<QString>("natief");
        QTest::addColumn<QString>("programma");
        QTest::newRow("map met slash") << "/home/jan/"
                                       << "C:\\home\\jan\\";
        QTest::newRow("bestand") << "/home/jan/brief.txt"
                                 << "C:\\home\\jan\\brief.txt";
        QTest::newRow("wortel") << "/"
                                << "C:\\";
        QTest::newRow("dubbele slash") << "/home//jan"
                                       << "C:\\home\\jan";
        QTest::newRow("backslash in naam") << "/home/a\\b"
                                           << "";
        QTest::newRow("relatief") << "home/jan"
                                  << "";
    }
    void naarProgrammaPad() {
        QFETCH(QString, natief);
        QFETCH(QString, programma);
        QCOMPARE(NaarProgrammaPad(natief).value_or(QString()), programma);
    }

    void geregistreerdVolume() {
        TestHulp::TijdelijkVolume t(QLatin1Char('t'), "Reserve");
        QVERIFY(t.IsGeldig());
        QCOMPARE(WeergaveNaam(QLatin1Char('T')), QStringLiteral("Reserve (T:)"));
        QCOMPARE(WeergaveNaam(QLatin1Char('C')), QStringLiteral("Bestandssysteem (C:)"));
        QVERIFY(LogischeStations() & (1u << ('T' - 'A')));
        QVERIFY(LogischeStations() & (1u << ('C' - 'A')));
        // the longest matching root wins: a path below the temporary folder belongs to T:
        QCOMPARE(NaarProgrammaPad(t.Natief() + "sub/a.txt").value(), QStringLiteral("T:\\sub\\a.txt"));
        QCOMPARE(NaarNatief("T:\\sub\\a.txt").value(), t.Natief() + "sub/a.txt");
        QVERIFY(StationGereed(QLatin1Char('t')));
        WijzigLabel(QLatin1Char('T'), "Ander");
        QCOMPARE(WeergaveNaam(QLatin1Char('T')), QStringLiteral("Ander (T:)"));
    }

    void volumeVerdwijnt() {
        { TestHulp::TijdelijkVolume t(QLatin1Char('U')); }
        QVERIFY(!StationGereed(QLatin1Char('U')));
        QVERIFY(!(LogischeStations() & (1u << ('U' - 'A'))));
        QVERIFY(!NaarNatief("U:\\").has_value());
    }

    void archiefVlag() {
        TestHulp::TijdelijkVolume t(QLatin1Char('V'));
        const QString pad = t.MaakBestand("a.txt", "eerste");
        QVERIFY(HeeftArchiefVlag(pad)); // never cleared
        QVERIFY(WisArchiefVlag(pad));
        QVERIFY(!HeeftArchiefVlag(pad));
        // a write sets it again, also when the size stays the same
        QThread::msleep(5);
        t.MaakBestand("a.txt", "tweede");
        QVERIFY(HeeftArchiefVlag(pad));
        QVERIFY(WisArchiefVlag(pad));
        QVERIFY(ZetArchiefVlag(pad));
        QVERIFY(HeeftArchiefVlag(pad));
        QVERIFY(HeeftArchiefVlag(t.Natief() + "bestaat-niet"));
        QVERIFY(!WisArchiefVlag(t.Natief() + "bestaat-niet"));
    }

    void alleenLezenEnVerborgen() {
        TestHulp::TijdelijkVolume t(QLatin1Char('W'));
        const QString pad = t.MaakBestand(".verborgen", "x");
        QVERIFY(IsVerborgen(pad));
        QVERIFY(!IsVerborgen(t.MaakBestand("zichtbaar", "x")));
        QVERIFY(!IsAlleenLezen(pad));
        QVERIFY(ZetAlleenLezen(pad, true));
        QVERIFY(IsAlleenLezen(pad));
        QVERIFY(WisBeschermendeKenmerken(pad));
        QVERIFY(!IsAlleenLezen(pad));
    }

    void vrijeRuimte() {
        QVERIFY(VrijeBytes("/") > 0);
        QVERIFY(TotaleBytes("/") >= VrijeBytes("/"));
        QCOMPARE(VrijeBytes("/bestaat/echt/niet"), qint64(-1));
    }
};

QTEST_GUILESS_MAIN(TstPlatform)
#include "tst_platform.moc"

#include "common/Orvo_Dialoog.h"
#include "common/ToetsFilter.h"
#include "common/U_ZoekMap.h"
#include "common/U_ZoekMap_Nieuw.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Orvo;

namespace {

// Text of `breedte` pixels wrapped at a width: as many lines as it takes.
MaatInvoer invoer(int breedte, int knoppen = 1) {
    MaatInvoer in;
    in.zichtbareKnoppen = knoppen;
    in.hoofdBreedte = 800;
    in.hoofdGeometrie = QRect(100, 100, 800, 640);
    in.scherm = QSize(1920, 1080);
    in.eenRegelBreedte = breedte;
    in.regelsBij = [breedte](int w) { return (breedte + w - 7) / std::max(1, w - 6); };
    return in;
}

void bewaar(QWidget* w, const QString& naam) {
    QDir().mkpath(ORVO_SCHERMAFDRUKKEN);
    QVERIFY(w->grab().save(QStringLiteral(ORVO_SCHERMAFDRUKKEN "/") + naam + ".png"));
}

} // namespace

class TstDialogen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void korteMelding() {
        const Maat m = PasGrootteAan(invoer(120));
        QCOMPARE(m.client, QSize(249, 95));
        QCOMPARE(m.memoHoogte, 13);
        QCOMPARE(m.memoBreedte, 126);
        // centred over the main window
        QCOMPARE(m.positie, QPoint(100 + (800 - 249) / 2, 100 + (640 - 95) / 2));
    }

    void langeMeldingEerstTweeRegels() {
        const Maat m = PasGrootteAan(invoer(1000));
        QVERIFY(m.memoBreedte <= 800 - 138);
        QCOMPARE(m.memoHoogte, 26);
        QCOMPARE(m.client, QSize(m.memoBreedte + 80, 95));
    }

    void zeerLangeMeldingWordtBlok_data() {
        QTest::addColumn<int>("schermBreedte");
        QTest::addColumn<int>("verhouding");
        QTest::newRow("breed scherm") << 4000 << 4;
        QTest::newRow("smal scherm") << 1024 << 2;
    }
    void zeerLangeMeldingWordtBlok() {
        QFETCH(int, schermBreedte);
        QFETCH(int, verhouding);
        MaatInvoer in = invoer(20000);
        in.scherm = QSize(schermBreedte, 1080);
        const Maat m = PasGrootteAan(in);
        QVERIFY(m.memoHoogte > 26);
        QVERIFY2(m.memoBreedte <= verhouding * m.memoHoogte || m.memoBreedte <= schermBreedte / 2,
                 qPrintable(QString("%1 x %2").arg(m.memoBreedte).arg(m.memoHoogte)));
        QVERIFY(m.memoBreedte <= 4 * m.memoHoogte);
        QCOMPARE(m.client.height(), m.memoHoogte + 56);
    }

    void blijftOpHetScherm() {
        MaatInvoer in = invoer(120);
        in.hoofdGeometrie = QRect(1800, 1000, 800, 640);
        Maat m = PasGrootteAan(in);
        QVERIFY(m.positie.x() + m.client.width() <= 1920);
        QVERIFY(m.positie.y() + m.client.height() <= 1080);
        in.hoofdGeometrie = QRect(-900, -700, 800, 640);
        m = PasGrootteAan(in);
        QCOMPARE(m.positie, QPoint(0, 0));
    }

    void knopSoorten() {
        QCOMPARE(KnopSoortVan(0)->tekst, QStringLiteral("OK"));
        QCOMPARE(KnopSoortVan(5)->resultaat, int(mrJa));
        QCOMPARE(KnopSoortVan(6)->tekst, QStringLiteral("Nee"));
        QCOMPARE(KnopSoortVan(8)->tekst, QStringLiteral("Nee op alles"));
        QCOMPARE(KnopSoortVan(10)->resultaat, int(mrSluit));
        QVERIFY(!KnopSoortVan(11));
        QVERIFY(!KnopSoortVan(-1));
    }

    void haakBeantwoordtMeldingen() {
        QList<Bericht> gezien;
        ZetAntwoordHaak([&](const Bericht& b) {
            gezien.append(b);
            return int(mrJa);
        });
        QCOMPARE(ToonBevestiging("Doorgaan?"), int(mrJa));
        QCOMPARE(ToonWaarschuwing("Let op"), int(mrJa));
        ZetAntwoordHaak({});
        QCOMPARE(gezien.size(), 2);
        QCOMPARE(gezien[0].titel, QStringLiteral("Bevestiging"));
        QCOMPARE(gezien[0].soort, DialoogSoort::Vraag);
        QCOMPARE(gezien[1].titel, QStringLiteral("Waarschuwing"));
    }

    void zonderSchermWachtNiemand() {
        // offscreen: nobody can answer, so a question is "Nee" and a warning OK, without waiting
        QVERIFY(IsZonderScherm());
        QCOMPARE(ToonBevestiging("Bestaande back-up vervangen?"), int(mrNee));
        QCOMPARE(ToonWaarschuwing("Let op"), int(mrOK));
        QCOMPARE(ToonInformatie("Ter info"), int(mrOK));
    }

    void echteDialoog_data() {
        QTest::addColumn<int>("knop"); // -1: the close box
        QTest::addColumn<int>("verwacht");
        QTest::newRow("Ja") << 0 << int(mrJa);
        QTest::newRow("Nee") << 1 << int(mrNee);
        QTest::newRow("sluitknop") << -1 << int(mrAnnuleer);
    }
    void echteDialoog() {
        QFETCH(int, knop);
        QFETCH(int, verwacht);
        TToonBericht dialoog;
        QTimer::singleShot(0, &dialoog, [&] {
            QCOMPARE(dialoog.windowTitle(), QStringLiteral("Bevestiging"));
            QVERIFY(dialoog.Knop(0)->isVisible());
            QVERIFY(dialoog.Knop(1)->isVisible());
            QVERIFY(!dialoog.Knop(2)->isVisible());
            QCOMPARE(dialoog.Knop(0)->text(), QStringLiteral("Ja"));
            QCOMPARE(dialoog.Knop(1)->text(), QStringLiteral("Nee"));
            bewaar(&dialoog, "melding-vraag");
            if (knop < 0)
                dialoog.close();
            else
                dialoog.Knop(knop)->click();
        });
        QCOMPARE(dialoog.Toon(DialoogSoort::Vraag, TitelBevestiging, "Wilt u de bestaande back-up vervangen?",
                              {5, 6}),
                 verwacht);
    }

    void langeMeldingAfdruk() {
        TToonBericht dialoog;
        const QString tekst =
            QStringLiteral("Op de door u gekozen plaats staat al een back-up van een andere back-up set. ")
                .repeated(6);
        QTimer::singleShot(0, &dialoog, [&] {
            QVERIFY(dialoog.MeldTekst()->width() <= 4 * dialoog.MeldTekst()->height() + 4);
            bewaar(&dialoog, "melding-lang");
            dialoog.Knop(0)->click();
        });
        QCOMPARE(dialoog.Toon(DialoogSoort::Waarschuwing, TitelWaarschuwing, tekst, {0}), int(mrOK));
    }

    void toetsFilter() {
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* poort = new QLineEdit(&form);
        poort->setProperty("Tag", 1);
        auto* naam = new QLineEdit(&form);
        auto* memo = new QPlainTextEdit(&form);
        layout->addWidget(poort);
        layout->addWidget(naam);
        layout->addWidget(memo);
        InstalleerToetsFilter(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        poort->setFocus();
        QTest::keyClicks(poort, "2a5-x.");
        QCOMPARE(poort->text(), QStringLiteral("25"));
        QTest::keyClick(poort, Qt::Key_Backspace);
        QCOMPARE(poort->text(), QStringLiteral("2"));
        QTest::keyClick(poort, Qt::Key_Left); // not a character: passes
        QTest::keyClicks(naam, "x");
        naam->clear();
        poort->setFocus();
        QTest::keyClick(poort, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), naam);
        QTest::keyClicks(naam, "a-b.c");
        QCOMPARE(naam->text(), QStringLiteral("a-b.c")); // no Tag: everything passes
        QTest::keyClick(naam, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), memo);
        QTest::keyClicks(memo, "a");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "b");
        QCOMPARE(memo->toPlainText(), QStringLiteral("a\nb")); // Enter in a memo makes a new line
        QCOMPARE(QApplication::focusWidget(), memo);
    }

    void nieuweMapNaam() {
        QTemporaryDir dir;
        const QString pad = dir.path() + "/";
        QDir().mkdir(pad + "bestaat");
        QFile f(pad + "bestand");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(ControleerNieuweMapNaam(pad, ""), MeldingMapNaamLeeg);
        QCOMPARE(ControleerNieuweMapNaam(pad, "bestaat"), MeldingMapBestaat);
        QCOMPARE(ControleerNieuweMapNaam(pad, "bestand"), MeldingMapBestaat);
        QCOMPARE(ControleerNieuweMapNaam(pad, "a:b"), MeldingMapNaamOngeldig);
        QCOMPARE(ControleerNieuweMapNaam(pad, "Mijn nieuwe map"), QString());
        QCOMPARE(MeldingMapNaamOngeldig,
                 QStringLiteral("De map naam bevat een ongeldig teken (<, >, |, \", \\, /, :, * of ?)."));
    }

    void mapKiezer() {
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/Documenten/Brieven");
        TKiesDirectory kiezer;
        kiezer.Selecteer(dir.path() + "/Documenten");
        QCOMPARE(kiezer.GekozenPad(), dir.path() + "/Documenten");
        QCOMPARE(kiezer.GekozenDir()->text(), dir.path() + "/Documenten");
        QVERIFY(kiezer.NieuwKnop()->isEnabled());
        kiezer.Selecteer(dir.path() + "/bestaat-niet");
        QCOMPARE(kiezer.GekozenPad(), QString());
        QVERIFY(!kiezer.NieuwKnop()->isEnabled());

        // Enter accepts, F6 cancels
        kiezer.Selecteer(dir.path() + "/Documenten");
        QTimer::singleShot(0, &kiezer, [&] {
            bewaar(&kiezer, "mapkiezer");
            QTest::keyClick(kiezer.DirectoryBox(), Qt::Key_Return);
        });
        QCOMPARE(kiezer.exec(), int(mrOK));
        QCOMPARE(kiezer.GekozenPad(), dir.path() + "/Documenten");
        QTimer::singleShot(0, &kiezer, [&] { QTest::keyClick(kiezer.DirectoryBox(), Qt::Key_F6); });
        QCOMPARE(kiezer.exec(), int(mrAnnuleer));
    }

    void nieuweMapMaken() {
        QTemporaryDir dir;
        TKiesDirectory kiezer;
        kiezer.Selecteer(dir.path());
        QList<Bericht> gezien;
        ZetAntwoordHaak([&](const Bericht& b) {
            gezien.append(b);
            return int(mrOK);
        });
        QTimer::singleShot(0, &kiezer, [&] {
            auto* naamDialoog = kiezer.findChild<TNieuweMapNaam*>();
            QVERIFY(naamDialoog);
            naamDialoog->MapNaam()->setText("Nieuwe: map");
            naamDialoog->OKKnopClick(); // refused, stays open
            naamDialoog->MapNaam()->setText("Nieuwe map");
            bewaar(naamDialoog, "nieuwe-map");
            naamDialoog->MapNaam()->setFocus();
            QTest::keyClick(naamDialoog->MapNaam(), Qt::Key_F5); // F5 in the edit runs the OK check
        });
        kiezer.NieuwKnopClick();
        ZetAntwoordHaak({});
        QCOMPARE(gezien.size(), 1);
        QCOMPARE(gezien[0].tekst, MeldingMapNaamOngeldig);
        QVERIFY(QFileInfo(dir.path() + "/Nieuwe map").isDir());
        QCOMPARE(kiezer.GekozenPad(), dir.path() + "/Nieuwe map");
    }
};

QTEST_MAIN(TstDialogen)
#include "tst_dialogen.moc"

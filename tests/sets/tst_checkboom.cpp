// The check-tree model on its own: the tri-state rules, paths and the snapshot for workers.
#include "sets/CheckBoom.h"

#include <QTest>

using namespace Orvo;

namespace {

// Deze computer
//   Data (T:)
//     Map            (a, b, Sub(c))
//     los.txt
CheckKnoop* Zoek(CheckBoom& boom, const QString& pad) {
    return boom.KnoopVanPad(pad);
}

void Bouw(CheckBoom& boom) {
    CheckKnoop* wortel = boom.MaakWortel(QStringLiteral("Deze computer"));
    CheckKnoop* station = boom.VoegToe(wortel, NieuweKnoop(QStringLiteral("Data (T:)"), KnoopSoort::Station));
    CheckKnoop* map = boom.VoegToe(station, NieuweKnoop(QStringLiteral("Map"), KnoopSoort::Map));
    boom.VoegToe(station, NieuweKnoop(QStringLiteral("los.txt"), KnoopSoort::Bestand));
    boom.VoegToe(map, NieuweKnoop(QStringLiteral("a"), KnoopSoort::Bestand));
    boom.VoegToe(map, NieuweKnoop(QStringLiteral("b"), KnoopSoort::Bestand));
    CheckKnoop* sub = boom.VoegToe(map, NieuweKnoop(QStringLiteral("Sub"), KnoopSoort::Map));
    boom.VoegToe(sub, NieuweKnoop(QStringLiteral("c"), KnoopSoort::Bestand));
}

} // namespace

class TstCheckBoom : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nieuweKnopenZijnUitgevinkt();
    void zettenWerktDoorNaarGeladenKinderenEnOuders();
    void klikWisseltTussenAanEnUit_data();
    void klikWisseltTussenAanEnUit();
    void deelsAlleenDoorBerekening();
    void padVanKnoop_data();
    void padVanKnoop();
    void knoopVanPad_data();
    void knoopVanPad();
    void hoofdletterExactGaatVoor();
    void eenzameWortelWeigert();
    void momentopnameBlijftOngewijzigd();
};

void TstCheckBoom::nieuweKnopenZijnUitgevinkt() {
    CheckBoom boom;
    Bouw(boom);
    auto nagaan = [](auto&& zelf, const CheckKnoop* k) -> void {
        QCOMPARE(k->Staat, int(Uit));
        for (const auto& kind : k->Kinderen)
            zelf(zelf, kind.get());
    };
    nagaan(nagaan, boom.Wortel());
    auto* plaatshouder = NieuweKnoop(QStringLiteral("X"), KnoopSoort::Map, true).release();
    QVERIFY(plaatshouder->HeeftAlleenPlaatshouder());
    QCOMPARE(plaatshouder->Kind(0)->Caption, QString());
    delete plaatshouder;
}

void TstCheckBoom::zettenWerktDoorNaarGeladenKinderenEnOuders() {
    CheckBoom boom;
    Bouw(boom);
    const QString map = QStringLiteral("Deze computer\\Data (T:)\\Map\\");
    boom.ZetStaat(Zoek(boom, map), Aan);
    QCOMPARE(Zoek(boom, map + QStringLiteral("Sub\\c\\"))->Staat, int(Aan));
    QCOMPARE(Zoek(boom, QStringLiteral("Deze computer\\Data (T:)\\"))->Staat, int(Deels));
    QCOMPARE(boom.Wortel()->Staat, int(Deels));

    boom.ZetStaat(Zoek(boom, QStringLiteral("Deze computer\\Data (T:)\\los.txt\\")), Aan);
    QCOMPARE(Zoek(boom, QStringLiteral("Deze computer\\Data (T:)\\"))->Staat, int(Aan));
    QCOMPARE(boom.Wortel()->Staat, int(Aan));

    boom.ZetStaat(Zoek(boom, map + QStringLiteral("Sub\\c\\")), Uit);
    QCOMPARE(Zoek(boom, map + QStringLiteral("Sub\\"))->Staat, int(Uit));
    QCOMPARE(Zoek(boom, map)->Staat, int(Deels));
    QCOMPARE(boom.Wortel()->Staat, int(Deels));
}

void TstCheckBoom::klikWisseltTussenAanEnUit_data() {
    QTest::addColumn<int>("voor");
    QTest::addColumn<int>("na");
    QTest::newRow("uit wordt aan") << int(Uit) << int(Aan);
    QTest::newRow("aan wordt uit") << int(Aan) << int(Uit);
    QTest::newRow("deels wordt aan") << int(Deels) << int(Aan);
}

void TstCheckBoom::klikWisseltTussenAanEnUit() {
    QFETCH(int, voor);
    QFETCH(int, na);
    CheckBoom boom;
    Bouw(boom);
    CheckKnoop* map = Zoek(boom, QStringLiteral("Deze computer\\Data (T:)\\Map\\"));
    if (voor == Aan)
        boom.ZetStaat(map, Aan);
    if (voor == Deels)
        boom.ZetStaat(map->Kind(0), Aan);
    QCOMPARE(map->Staat, voor);
    boom.Wissel(map);
    QCOMPARE(map->Staat, na);
    for (const auto& kind : map->Kinderen)
        QCOMPARE(kind->Staat, na);
}

void TstCheckBoom::deelsAlleenDoorBerekening() {
    CheckBoom boom;
    Bouw(boom);
    CheckKnoop* map = Zoek(boom, QStringLiteral("Deze computer\\Data (T:)\\Map\\"));
    boom.ZetStaat(map, Deels);
    boom.ZetStaat(map, 0);
    boom.ZetStaat(map, 7);
    QCOMPARE(map->Staat, int(Uit));
}

void TstCheckBoom::padVanKnoop_data() {
    QTest::addColumn<QString>("captionPad");
    QTest::addColumn<QString>("pad");
    QTest::newRow("station") << "Deze computer\\Data (T:)\\"
                             << "T:\\";
    QTest::newRow("map") << "Deze computer\\Data (T:)\\Map\\"
                         << "T:\\Map\\";
    QTest::newRow("diep") << "Deze computer\\Data (T:)\\Map\\Sub\\"
                          << "T:\\Map\\Sub\\";
    QTest::newRow("bestand") << "Deze computer\\Data (T:)\\Map\\a\\"
                             << "T:\\Map\\a\\";
    QTest::newRow("wortel") << "Deze computer\\"
                            << "";
}

void TstCheckBoom::padVanKnoop() {
    QFETCH(QString, captionPad);
    QFETCH(QString, pad);
    CheckBoom boom;
    Bouw(boom);
    const CheckKnoop* knoop = Zoek(boom, captionPad);
    QVERIFY(knoop);
    QCOMPARE(CaptionPad(knoop), captionPad);
    QCOMPARE(PadVan(knoop), pad);
}

void TstCheckBoom::knoopVanPad_data() {
    QTest::addColumn<QString>("pad");
    QTest::addColumn<QString>("gevonden"); // caption, empty when none
    QTest::newRow("andere hoofdletters") << "DEZE COMPUTER\\data (t:)\\map\\SUB\\C\\"
                                         << "c";
    QTest::newRow("zonder slot-backslash") << "Deze computer\\Data (T:)\\Map"
                                           << "Map";
    QTest::newRow("bestaat niet") << "Deze computer\\Data (T:)\\Weg\\"
                                  << "";
    QTest::newRow("lege naam is geen plaatshouder") << "Deze computer\\Data (T:)\\\\"
                                                    << "";
    QTest::newRow("verkeerde wortel") << "Mijn computer\\Data (T:)\\"
                                      << "";
    QTest::newRow("ouder-verwijzing") << "Deze computer\\Data (T:)\\Map\\..\\"
                                      << "";
}

void TstCheckBoom::knoopVanPad() {
    QFETCH(QString, pad);
    QFETCH(QString, gevonden);
    CheckBoom boom;
    Bouw(boom);
    CheckKnoop* station = Zoek(boom, QStringLiteral("Deze computer\\Data (T:)\\"));
    boom.VoegToe(station, NieuweKnoop(QStringLiteral("Leeg"), KnoopSoort::Map, true));
    const CheckKnoop* knoop = boom.KnoopVanPad(pad);
    QCOMPARE(knoop ? knoop->Caption : QString(), gevonden);
}

void TstCheckBoom::hoofdletterExactGaatVoor() {
    CheckBoom boom;
    CheckKnoop* station = boom.VoegToe(boom.MaakWortel(QStringLiteral("Deze computer")),
                                       NieuweKnoop(QStringLiteral("Data (T:)"), KnoopSoort::Station));
    CheckKnoop* groot = boom.VoegToe(station, NieuweKnoop(QStringLiteral("Map"), KnoopSoort::Map));
    CheckKnoop* klein = boom.VoegToe(station, NieuweKnoop(QStringLiteral("map"), KnoopSoort::Map));
    QCOMPARE(boom.KnoopVanPad(QStringLiteral("Deze computer\\Data (T:)\\map\\")), klein);
    QCOMPARE(boom.KnoopVanPad(QStringLiteral("Deze computer\\Data (T:)\\Map\\")), groot);
    QCOMPARE(boom.KnoopVanPad(QStringLiteral("Deze computer\\Data (T:)\\MAP\\")), groot);
}

void TstCheckBoom::eenzameWortelWeigert() {
    CheckBoom boom;
    CheckKnoop* wortel = boom.MaakWortel(QStringLiteral("Deze computer"));
    QVERIFY(!BackUpBoomStateChanging(wortel));
    CheckKnoop* station = boom.VoegToe(wortel, NieuweKnoop(QStringLiteral("Leeg (E:)"), KnoopSoort::Station));
    QVERIFY(BackUpBoomStateChanging(wortel));
    QVERIFY(BackUpBoomStateChanging(station)); // a drive that is not ready can still be ticked
}

void TstCheckBoom::momentopnameBlijftOngewijzigd() {
    CheckBoom boom;
    Bouw(boom);
    CheckKnoop* map = Zoek(boom, QStringLiteral("Deze computer\\Data (T:)\\Map\\"));
    boom.ZetStaat(map, Aan);
    const Momentopname foto = boom.MaakMomentopname();
    boom.ZetStaat(map, Uit);
    boom.VerwijderKinderen(map);
    const CheckKnoop* fotoMap = foto->Kind(0)->Kind(0);
    QCOMPARE(fotoMap->Caption, QStringLiteral("Map"));
    QCOMPARE(fotoMap->Staat, int(Aan));
    QCOMPARE(fotoMap->Aantal(), 3);
    QCOMPARE(fotoMap->Kind(2)->Ouder, fotoMap);
    QCOMPARE(PadVan(fotoMap->Kind(2)->Kind(0)), QStringLiteral("T:\\Map\\Sub\\c\\"));
}

QTEST_GUILESS_MAIN(TstCheckBoom)
#include "tst_checkboom.moc"

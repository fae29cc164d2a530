// The set text: the option string, the drive blocks written from the tree and read back into a freshly
// built tree, on a temporary folder registered as drive T:.
#include "common/AnsiTekst.h"
#include "platform/Volumes.h"
#include "sets/SelectieBoom.h"
#include "sets/SetTekst.h"
#include "testhulp/TestHulp.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>

using namespace Orvo;

namespace {

const QString Wortel = QStringLiteral("Deze computer\\");

QString StationPad(QChar letter) {
    return Wortel + Platform::WeergaveNaam(letter) + QLatin1Char('\\');
}

// Every loaded node below the drive as "path=state" plus "+" for an opened node.
QStringList Staten(const CheckKnoop* knoop) {
    QStringList uit;
    if (knoop->Soort == KnoopSoort::Plaatshouder)
        return uit;
    uit.append(PadVan(knoop) + QLatin1Char('=') + QString::number(knoop->Staat) +
               (knoop->Open ? QStringLiteral("+") : QString()));
    for (const auto& kind : knoop->Kinderen)
        uit += Staten(kind.get());
    return uit;
}

struct Fixture {
    TestHulp::TijdelijkVolume volume{QLatin1Char('T'), QStringLiteral("Test")};
    CheckBoom boom;
    KnoopOpener open = [this](CheckKnoop* k) { VulKnoop(boom, k); };

    Fixture() {
        volume.MaakBestand(QStringLiteral("Map/b.txt"), "b");
        volume.MaakBestand(QStringLiteral("Map/A.txt"), "a");
        volume.MaakBestand(QStringLiteral("Map/c.TXT"), "c");
        volume.MaakBestand(QStringLiteral("Map/.verborgen"), "h");
        volume.MaakBestand(QStringLiteral("Map/sub/diep.txt"), "d");
        volume.MaakBestand(QStringLiteral("Map/sub/ander.txt"), "e");
        volume.MaakBestand(QStringLiteral("Map/Zeta/z.txt"), "z");
        volume.MaakBestand(QStringLiteral("Map/alfa/x.txt"), "x");
        QDir().mkpath(volume.Natief() + QStringLiteral("Map/leeg"));
        volume.MaakBestand(QStringLiteral("los.txt"), "l");
        VulStationBoom(boom);
    }
    CheckKnoop* Knoop(const QString& relatief) { return boom.KnoopVanPad(StationPad('T') + relatief); }
    // Opens the folders on the way like a user and ticks the node.
    void Vink(const QString& relatief) {
        QString pad;
        const QStringList delen = relatief.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        VulKnoop(boom, Knoop(QString()));
        for (qsizetype i = 0; i + 1 < delen.size(); ++i) {
            pad += delen.at(i) + QLatin1Char('\\');
            VulKnoop(boom, Knoop(pad));
        }
        boom.ZetStaat(Knoop(relatief), Aan);
    }
    const CheckKnoop* Station() { return Knoop(QString()); }
    // Reads `regels` into a rebuilt tree.
    void Lees(const QStringList& regels) {
        VulStationBoom(boom);
        LeesSelectie(boom, regels, 0, open);
    }
};

} // namespace

class TstSetTekst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void optieString_data();
    void optieString();
    void nietsAangevinkt();
    void heelStationC();
    void eenBestandDiep();
    void leesTerug();
    void verwijderdeMapWordtOvergeslagen();
    void ontbrekendStationWordtOvergeslagen();
    void gewijzigdVolumelabel();
    void hoofdletterVerschillen();
    void afgebrokenSelectie_data();
    void afgebrokenSelectie();
    void leesOpties_data();
    void leesOpties();
    void mapInhoud();
    void koppelingenEnBijzondereBestanden();
    void openenNeemtStaatOver_data();
    void openenNeemtStaatOver();
    void stationsBoom();
    void pseudoBestandssystemenNietOnderzocht();
};

void TstSetTekst::optieString_data() {
    QTest::addColumn<int>("locatie");
    QTest::addColumn<bool>("comprimeren");
    QTest::addColumn<int>("niveau");
    QTest::addColumn<bool>("snel");
    QTest::addColumn<int>("soort");
    QTest::addColumn<bool>("verwijder");
    QTest::addColumn<bool>("beveilig");
    QTest::addColumn<QString>("verwacht");
    QTest::newRow("standaard") << 0 << true << 9 << true << 0 << false << false << "0J9J0NN";
    QTest::newRow("ftp") << 1 << true << 9 << true << 1 << true << true << "1J9J1JJ";
    QTest::newRow("ongecomprimeerd") << 0 << false << 0 << false << 0 << false << false << "0N0N0NN";
    QTest::newRow("niveau 5") << 0 << true << 5 << true << 1 << true << false << "0J5J1JN";
}

void TstSetTekst::optieString() {
    QFETCH(int, locatie);
    QFETCH(bool, comprimeren);
    QFETCH(int, niveau);
    QFETCH(bool, snel);
    QFETCH(int, soort);
    QFETCH(bool, verwijder);
    QFETCH(bool, beveilig);
    QFETCH(QString, verwacht);
    BackupOpties o;
    o.Locatie = locatie;
    o.Comprimeren = comprimeren;
    o.Niveau = niveau;
    o.SnelleModus = snel;
    o.SnelleModusSoort = soort;
    o.VerwijderRest = verwijder;
    o.Beveilig = beveilig;
    QCOMPARE(OptieString(o), verwacht);
    // and the reader gives the same options back (with the FTP item available)
    BackupOpties terug;
    qsizetype start = 0;
    QVERIFY(LeesSetOpties({SetVersieV2, QString(), verwacht, QString()}, true, terug, start));
    QCOMPARE(terug, o);
    QCOMPARE(start, 4);
}

void TstSetTekst::nietsAangevinkt() {
    CheckBoom boom;
    VulStationBoom(boom);
    const QStringList regels = SchrijfSetTekst(BackupOpties{}, boom.Wortel());
    QCOMPARE(regels, (QStringList{"V2", "", "0J9J0NN", ""}));
    QCOMPARE(Ansi::CodeerRegels(regels), QByteArray("V2\r\n\r\n0J9J0NN\r\n\r\n"));
}

void TstSetTekst::heelStationC() {
    CheckBoom boom;
    VulStationBoom(boom);
    boom.ZetStaat(boom.KnoopVanPad(StationPad('C')), Aan);
    QCOMPARE(SchrijfSelectie(boom.Wortel()), (QStringList{"C:", "X001Bestandssysteem (C:)", "@000"}));
}

void TstSetTekst::eenBestandDiep() {
    Fixture f;
    f.Vink(QStringLiteral("Map\\b.txt"));
    QCOMPARE(SchrijfSelectie(f.boom.Wortel()),
             (QStringList{"T:", "-001Test (T:)", "-002Map", "X003b.txt", "@000"}));
    f.Vink(QStringLiteral("Map\\sub\\diep.txt"));
    QCOMPARE(SchrijfSelectie(f.boom.Wortel()),
             (QStringList{"T:", "-001Test (T:)", "-002Map", "-003sub", "X004diep.txt", "X003b.txt", "@000"}));
}

void TstSetTekst::leesTerug() {
    Fixture f;
    f.Vink(QStringLiteral("Map\\sub\\diep.txt"));
    f.Vink(QStringLiteral("Map\\A.txt"));
    f.Vink(QStringLiteral("Map\\alfa"));
    f.boom.ZetStaat(f.boom.KnoopVanPad(StationPad('C')), Aan);
    const QStringList geschreven = SchrijfSetTekst(BackupOpties{}, f.boom.Wortel());
    // What the reader restores is what a user ticked, with only the folders on the way opened.
    QStringList verwacht = Staten(f.Station());
    verwacht.replaceInStrings(QStringLiteral("+"), QString());

    f.Lees(geschreven.mid(4));
    QCOMPARE(SchrijfSetTekst(BackupOpties{}, f.boom.Wortel()), geschreven);
    QStringList gelezen = Staten(f.Station());
    QVERIFY(gelezen.contains(QStringLiteral("T:\\Map\\=3+")));
    QVERIFY(gelezen.contains(QStringLiteral("T:\\Map\\sub\\=3+")));
    QVERIFY(gelezen.contains(QStringLiteral("T:\\Map\\alfa\\=2"))); // ticked whole, never opened
    gelezen.replaceInStrings(QStringLiteral("+"), QString());
    QCOMPARE(gelezen, verwacht);
    QCOMPARE(f.boom.KnoopVanPad(StationPad('C'))->Staat, int(Aan));
}

void TstSetTekst::verwijderdeMapWordtOvergeslagen() {
    Fixture f;
    f.Vink(QStringLiteral("Map\\sub\\diep.txt"));
    f.Vink(QStringLiteral("Map\\Zeta\\z.txt"));
    f.Vink(QStringLiteral("los.txt"));
    const QStringList geschreven = SchrijfSelectie(f.boom.Wortel());
    QVERIFY(QDir(f.volume.Natief() + QStringLiteral("Map/sub")).removeRecursively());
    f.Lees(geschreven);
    QCOMPARE(SchrijfSelectie(f.boom.Wortel()),
             (QStringList{"T:", "-001Test (T:)", "-002Map", "X003Zeta", "X002los.txt", "@000"}));
}

void TstSetTekst::ontbrekendStationWordtOvergeslagen() {
    Fixture f;
    QVERIFY(!Platform::VolumeVan(QLatin1Char('E')));
    f.Lees({"E:", "-001Schijf (E:)", "-002Map", "X003a.txt", "@000", "T:", "-001Test (T:)", "X002los.txt",
            "@000"});
    QCOMPARE(SchrijfSelectie(f.boom.Wortel()), (QStringList{"T:", "-001Test (T:)", "X002los.txt", "@000"}));
}

void TstSetTekst::gewijzigdVolumelabel() {
    Fixture f;
    f.Vink(QStringLiteral("Map\\b.txt"));
    const QStringList geschreven = SchrijfSelectie(f.boom.Wortel());
    Platform::WijzigLabel(QLatin1Char('T'), QStringLiteral("Anders"));
    f.Lees(geschreven);
    QCOMPARE(SchrijfSelectie(f.boom.Wortel()),
             (QStringList{"T:", "-001Anders (T:)", "-002Map", "X003b.txt", "@000"}));
}

void TstSetTekst::hoofdletterVerschillen() {
    Fixture f;
    f.Lees({"T:", "-001TEST (T:)", "-002mAP", "X003B.TXT", "-003SUB", "X004Diep.Txt", "@000"});
    QCOMPARE(SchrijfSelectie(f.boom.Wortel()),
             (QStringList{"T:", "-001Test (T:)", "-002Map", "-003sub", "X004diep.txt", "X003b.txt", "@000"}));
}

void TstSetTekst::afgebrokenSelectie_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<QStringList>("verwacht");
    const QStringList niets;
    QTest::newRow("eindregel ontbreekt") << QStringList{"T:", "-001Test (T:)", "X002los.txt"}
                                         << QStringList{"T:", "-001Test (T:)", "X002los.txt", "@000"};
    QTest::newRow("kinderen ontbreken") << QStringList{"T:", "-001Test (T:)", "-002Map"} << niets;
    QTest::newRow("blok zonder records") << QStringList{"T:", "@000", "T:", "X001Test (T:)", "@000"}
                                         << QStringList{"T:", "X001Test (T:)", "@000"};
    QTest::newRow("alleen stationregel") << QStringList{"T:"} << niets;
    QTest::newRow("onzin") << QStringList{"", "X", "-", "@", "T:", "-", "X99", "@000"} << niets;
    QTest::newRow("lege naam en ouder-verwijzing")
        << QStringList{"T:", "-001Test (T:)", "X002", "X002..", "-002Map", "X003..", "X003A.txt", "@000"}
        << QStringList{"T:", "-001Test (T:)", "-002Map", "X003A.txt", "@000"};
    QTest::newRow("niveaus overgeslagen")
        << QStringList{"T:", "-001Test (T:)", "X005los.txt", "X002los.txt", "@000"} << QStringList{};
}

void TstSetTekst::afgebrokenSelectie() {
    QFETCH(QStringList, regels);
    QFETCH(QStringList, verwacht);
    Fixture f;
    f.Lees(regels);
    QCOMPARE(SchrijfSelectie(f.boom.Wortel()), verwacht);
}

void TstSetTekst::leesOpties_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<bool>("ftp");
    QTest::addColumn<bool>("gelezen");
    QTest::addColumn<QString>("opties"); // the options written again as a V2 string
    QTest::addColumn<QString>("plaats");
    QTest::addColumn<QString>("wachtwoord");
    QTest::addColumn<int>("start");
    QTest::newRow("v2") << QStringList{"V2", "/back", "0N3J1JJ", "geheim"} << false << true << "0N3J1JJ"
                        << "/back"
                        << "geheim" << 4;
    QTest::newRow("v2 ftp met login") << QStringList{"V2", "", "1J9J0NN", ""} << true << true << "1J9J1JN"
                                      << ""
                                      << "" << 4;
    QTest::newRow("v2 ftp zonder login") << QStringList{"V2", "", "1J7J0NN", ""} << false << true << "0J7J0NN"
                                         << ""
                                         << "" << 4;
    QTest::newRow("alleen hoofdletter J")
        << QStringList{"V2", "", "0j9j0jj", ""} << false << true << "0N9N0NN"
        << ""
        << "" << 4;
    QTest::newRow("langer dan 7") << QStringList{"V2", "", "0J9J0NNXYZ", ""} << false << true << "0J9J0NN"
                                  << ""
                                  << "" << 4;
    QTest::newRow("oud, archiefvlag") << QStringList{"D:\\Back", "J8J0NN", "pw"} << true << true << "0J8J1NN"
                                      << "D:\\Back"
                                      << "pw" << 3;
    QTest::newRow("oud, datum/tijd") << QStringList{"", "N2J1JJ", ""} << true << true << "0N2J0JJ"
                                     << ""
                                     << "" << 3;
    QTest::newRow("oud, ander teken is datum/tijd")
        << QStringList{"", "J9JxNN", ""} << false << true << "0J9J0NN"
        << ""
        << "" << 3;
    const QString leeg;
    QTest::newRow("minder dan drie regels")
        << QStringList{"V2", ""} << false << false << leeg << leeg << leeg << 0;
    QTest::newRow("v2 zonder wachtwoordregel")
        << QStringList{"V2", "", "0J9J0NN"} << false << false << leeg << leeg << leeg << 0;
    QTest::newRow("te kort v2") << QStringList{"V2", "", "0J9J0N", ""} << false << false << leeg << leeg
                                << leeg << 0;
    QTest::newRow("te kort oud") << QStringList{"", "J9J0N", ""} << false << false << leeg << leeg << leeg
                                 << 0;
    QTest::newRow("niveau -1x") << QStringList{"V2", "", "0J-1xNN", ""} << false << false << leeg << leeg
                                << leeg << 0;
    QTest::newRow("niveau 99999") << QStringList{"V2", "", "0J99999", ""} << false << false << leeg << leeg
                                  << leeg << 0;
    QTest::newRow("locatie geen cijfer")
        << QStringList{"V2", "", "xJ9J0NN", ""} << true << false << leeg << leeg << leeg << 0;
    QTest::newRow("locatie 2") << QStringList{"V2", "", "2J9J0NN", ""} << true << false << leeg << leeg
                               << leeg << 0;
    QTest::newRow("oud niveau geen cijfer")
        << QStringList{"", "J-J0NN", ""} << false << false << leeg << leeg << leeg << 0;
}

void TstSetTekst::leesOpties() {
    QFETCH(QStringList, regels);
    QFETCH(bool, ftp);
    QFETCH(bool, gelezen);
    QFETCH(QString, opties);
    QFETCH(QString, plaats);
    QFETCH(QString, wachtwoord);
    QFETCH(int, start);
    BackupOpties o;
    o.Plaats = QStringLiteral("onveranderd");
    const BackupOpties voor = o;
    qsizetype selectieStart = 0;
    QCOMPARE(LeesSetOpties(regels, ftp, o, selectieStart), gelezen);
    if (!gelezen) {
        QCOMPARE(o, voor);
        return;
    }
    QCOMPARE(OptieString(o), opties);
    QCOMPARE(o.Plaats, plaats);
    QCOMPARE(o.Wachtwoord, wachtwoord);
    QCOMPARE(selectieStart, start);
}

void TstSetTekst::mapInhoud() {
    Fixture f;
    const MapInhoud inhoud = LeesMap(f.volume.Natief() + QStringLiteral("Map"));
    QVERIFY(inhoud.Leesbaar);
    QCOMPARE(inhoud.Mappen, (QStringList{"alfa", "leeg", "sub", "Zeta"}));
    QCOMPARE(inhoud.MapHeeftInhoud, (std::vector<bool>{true, false, true, true}));
    QCOMPARE(inhoud.Bestanden, (QStringList{".verborgen", "A.txt", "b.txt", "c.TXT"}));
    QVERIFY(!LeesMap(f.volume.Natief() + QStringLiteral("bestaat-niet")).Leesbaar);

    // In the tree: folders first, each with a button only when it holds something.
    VulKnoop(f.boom, f.Knoop(QString()));
    CheckKnoop* map = f.Knoop(QStringLiteral("Map"));
    QVERIFY(map->HeeftAlleenPlaatshouder());
    VulKnoop(f.boom, map);
    QStringList captions;
    for (const auto& kind : map->Kinderen)
        captions.append(kind->Caption);
    QCOMPARE(captions, (QStringList{"alfa", "leeg", "sub", "Zeta", ".verborgen", "A.txt", "b.txt", "c.TXT"}));
    QVERIFY(map->Kind(1)->Kinderen.empty());
    QVERIFY(map->Kind(2)->HeeftAlleenPlaatshouder());
    QVERIFY(map->Open);
}

void TstSetTekst::koppelingenEnBijzondereBestanden() {
    Fixture f;
    const QString n = f.volume.Natief();
    QVERIFY(QFile::link(n + QStringLiteral("Map"), n + QStringLiteral("naarMap")));
    QVERIFY(QFile::link(n + QStringLiteral("los.txt"), n + QStringLiteral("naarLos")));
    QVERIFY(QFile::link(n + QStringLiteral("weg"), n + QStringLiteral("gebroken")));
    QVERIFY(QFile::link(n, n + QStringLiteral("Map/lus"))); // a loop back to the root
    QCOMPARE(::mkfifo(QFile::encodeName(n + QStringLiteral("fifo")).constData(), 0600), 0);
    f.volume.MaakBestand(QStringLiteral("Map/schuine\\streep"), "x");
    const MapInhoud wortel = LeesMap(n);
    QCOMPARE(wortel.Mappen, (QStringList{"Map", "naarMap"}));
    QCOMPARE(wortel.MapHeeftInhoud, (std::vector<bool>{true, false})); // a folder link is never followed
    QCOMPARE(wortel.Bestanden, (QStringList{"los.txt", "naarLos"}));
    const MapInhoud map = LeesMap(n + QStringLiteral("Map"));
    QVERIFY(map.Mappen.contains(QStringLiteral("lus")));
    QVERIFY(!map.Bestanden.contains(QStringLiteral("schuine\\streep")));
}

void TstSetTekst::openenNeemtStaatOver_data() {
    QTest::addColumn<int>("staat");
    QTest::newRow("aangevinkt") << int(Aan);
    QTest::newRow("niet aangevinkt") << int(Uit);
}

void TstSetTekst::openenNeemtStaatOver() {
    QFETCH(int, staat);
    Fixture f;
    VulKnoop(f.boom, f.Knoop(QString()));
    CheckKnoop* map = f.Knoop(QStringLiteral("Map"));
    f.boom.ZetStaat(map, staat);
    VulKnoop(f.boom, map);
    QCOMPARE(map->Aantal(), 8);
    for (const auto& kind : map->Kinderen)
        QCOMPARE(kind->Staat, staat);
    QCOMPARE(map->Staat, staat);
    QVERIFY(!VulKnoop(f.boom, map)); // listed once; opening again keeps what is there
    QCOMPARE(map->Aantal(), 8);
}

void TstSetTekst::stationsBoom() {
    TestHulp::TijdelijkVolume s(QLatin1Char('S'), QStringLiteral("Schijf"));
    Platform::RegistreerVolume(QLatin1Char('R'), QStringLiteral("/bestaat/niet/cd"), QStringLiteral("Cd"));
    CheckBoom boom;
    VulStationBoom(boom);
    Platform::VerwijderVolume(QLatin1Char('R'));
    QCOMPARE(boom.Wortel()->Caption, QStringLiteral("Deze computer"));
    QVERIFY(boom.Wortel()->Open);
    QStringList captions;
    for (const auto& kind : boom.Wortel()->Kinderen)
        captions.append(kind->Caption);
    QCOMPARE(captions, (QStringList{"Bestandssysteem (C:)", "Cd (R:)", "Schijf (S:)"}));
    QVERIFY(boom.Wortel()->Kind(0)->HeeftAlleenPlaatshouder());
    QVERIFY(boom.Wortel()->Kind(1)->Kinderen.empty()); // not ready: no button
    QVERIFY(boom.Wortel()->Kind(2)->HeeftAlleenPlaatshouder());
}

void TstSetTekst::pseudoBestandssystemenNietOnderzocht() {
    if (!QFileInfo(QStringLiteral("/proc/self")).exists())
        QSKIP("no /proc here");
    const MapInhoud wortel = LeesMap(QStringLiteral("/"));
    const qsizetype proc = wortel.Mappen.indexOf(QStringLiteral("proc"));
    QVERIFY(proc >= 0);
    QVERIFY(!wortel.MapHeeftInhoud[size_t(proc)]);
    const qsizetype sys = wortel.Mappen.indexOf(QStringLiteral("sys"));
    if (sys >= 0)
        QVERIFY(!wortel.MapHeeftInhoud[size_t(sys)]);
    const qsizetype tmp = wortel.Mappen.indexOf(QStringLiteral("tmp"));
    QVERIFY(tmp >= 0);
    QVERIFY(wortel.MapHeeftInhoud[size_t(tmp)]);
}

QTEST_GUILESS_MAIN(TstSetTekst)
#include "tst_settekst.moc"

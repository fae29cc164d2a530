// The configuration and structure files as a user's unzip sees them, and as restore reads them back.

#include "backup/ArchiefFormaat.h"
#include "testhulp/TestHulp.h"
#include "zip/ZipComponent.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Orvo;

namespace {

QByteArray UnzipData(const QString& archief, const QString& wachtwoord, int* code = nullptr) {
    QByteArray uitvoer;
    const int c = TestHulp::Voer(QStringLiteral("unzip"),
                                 {QStringLiteral("-P"), wachtwoord, QStringLiteral("-p"), archief,
                                  QString::fromLatin1(ArchiefEntryNaam)},
                                 &uitvoer);
    if (code)
        *code = c;
    return uitvoer;
}

using Boom = QList<StructuurKnoop>;

StructuurKnoop Map(const QString& naam, const Boom& kinderen = {}) {
    return {naam, true, 0, kinderen};
}
StructuurKnoop Bestand(const QString& naam, qint64 grootte) {
    return {naam, false, grootte, {}};
}

bool Gelijk(const Boom& a, const Boom& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].Naam != b[i].Naam || a[i].IsMap != b[i].IsMap || a[i].Grootte != b[i].Grootte ||
            !Gelijk(a[i].Kinderen, b[i].Kinderen))
            return false;
    return true;
}

} // namespace

class TstArchiefFormaat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void configuratieNaarUnzip_data();
    void configuratieNaarUnzip();
    void configuratieLezen_data();
    void configuratieLezen();
    void configuratieVervangenEnOnleesbaar();
    void structuurVolgorde();
    void structuurMeerdereSchijven();
    void structuurBestand();
    void structuurRegel_data();
    void structuurRegel();
    void naamVolgorde_data();
    void naamVolgorde();
};

void TstArchiefFormaat::initTestCase() {
    if (!TestHulp::ProgrammaBestaat(QStringLiteral("unzip")))
        QFAIL("Info-ZIP unzip is needed");
}

void TstArchiefFormaat::configuratieNaarUnzip_data() {
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<qint64>("grootte");
    QTest::addColumn<bool>("gecomprimeerd");
    QTest::addColumn<bool>("heeftWachtwoord");
    QTest::addColumn<QString>("wachtwoord");
    QTest::addColumn<bool>("meerdere");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("meerdere schijven, geen wachtwoord")
        << QDateTime(QDate(2026, 3, 3), QTime(14, 5, 9)) << qint64(123456789012) << true << false << ""
        << true << ""
        << QByteArray("dinsdag 3 maart 2026 14:05\r\n123456789012\r\nJ\r\nN\r\n\\>Schijven\r\n");
    QTest::newRow("hele schijf, wachtwoord")
        << QDateTime(QDate(2025, 12, 28), QTime(9, 0)) << qint64(0) << true << true << "Geheim 1" << false
        << "C:\\" << QByteArray("zondag 28 december 2025 09:00\r\n0\r\nJ\r\nJGeheim 1\r\nC:\\\r\n");
    QTest::newRow("map, kopie, Windows-1252")
        << QDateTime(QDate(2024, 8, 1), QTime(23, 59)) << qint64(42) << false << true << "€uro" << false
        << "D:\\Privé\\Foto's\\"
        << QByteArray("donderdag 1 augustus 2024 23:59\r\n42\r\nN\r\nJ\x80uro\r\nD:\\Priv\xE9\\Foto's\\\r\n");
}

void TstArchiefFormaat::configuratieNaarUnzip() {
    QFETCH(QDateTime, start);
    QFETCH(qint64, grootte);
    QFETCH(bool, gecomprimeerd);
    QFETCH(bool, heeftWachtwoord);
    QFETCH(QString, wachtwoord);
    QFETCH(bool, meerdere);
    QFETCH(QString, root);
    QFETCH(QByteArray, bytes);

    QTemporaryDir dir;
    const QString archief = dir.filePath(QString::fromLatin1(ConfiguratieBestandNaam));
    ZipComponent zip;
    // Whatever the shared component was set to before, the file gets its own settings.
    zip.ZetNiveau(0);
    zip.ZetVersleutelen(false);
    zip.ZetWachtwoord(QStringLiteral("iets anders"));
    const QStringList regels =
        ConfiguratieRegels(start, grootte, gecomprimeerd, heeftWachtwoord, wachtwoord, meerdere, root);
    QCOMPARE(regels.size(), ConfiguratieRegelAantal);
    QVERIFY2(SchrijfArchiefRegels(zip, archief, regels), qPrintable(zip.FoutMelding()));

    int code = 0;
    QCOMPARE(UnzipData(archief, QString::fromLatin1(ArchiefWachtwoord), &code), bytes);
    QCOMPARE(code, 0);
    UnzipData(archief, QStringLiteral("QmxTelPiK"), &code);
    QVERIFY(code != 0);
    QByteArray lijst;
    QCOMPARE(TestHulp::Voer(QStringLiteral("unzip"), {QStringLiteral("-v"), archief}, &lijst), 0);
    QVERIFY2(lijst.contains("Defl:X") && lijst.contains(" Data\n"), lijst.constData());

    const auto terug = LeesArchiefRegels(zip, archief);
    QVERIFY(terug);
    QCOMPARE(*terug, regels);
    const auto c = LeesConfiguratie(*terug);
    QVERIFY(c);
    QCOMPARE(c->BackupDatum, regels.first());
    QCOMPARE(c->BackupGrootte, grootte);
    QCOMPARE(c->Gecomprimeerd, gecomprimeerd);
    QCOMPARE(c->HeeftWachtwoord, heeftWachtwoord);
    QCOMPARE(c->Wachtwoord, wachtwoord);
    QCOMPARE(c->MultiDisk, meerdere);
    QCOMPARE(c->Origineel, root);
}

void TstArchiefFormaat::configuratieLezen_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<bool>("leesbaar");
    QTest::addColumn<QString>("wachtwoord");
    QTest::addColumn<bool>("meerdere");

    QTest::newRow("vier regels") << QStringList{"ma", "1", "J", "N"} << false << "" << false;
    QTest::newRow("zes regels") << QStringList{"ma", "1", "J", "N", "C:\\", "extra"} << true << "" << false;
    QTest::newRow("wachtwoord met rand")
        << QStringList{"ma", "1", "J", "J  geheim\t", "C:\\"} << true << "geheim" << false;
    QTest::newRow("schijven is hoofdlettergevoelig")
        << QStringList{"ma", "1", "J", "N", "\\>schijven"} << true << "" << false;
    QTest::newRow("kleine j is geen ja")
        << QStringList{"ma", "1", "j", "jgeheim", "\\>Schijven"} << true << "" << true;
}

void TstArchiefFormaat::configuratieLezen() {
    QFETCH(QStringList, regels);
    QFETCH(bool, leesbaar);
    QFETCH(QString, wachtwoord);
    QFETCH(bool, meerdere);
    const auto c = LeesConfiguratie(regels);
    QCOMPARE(bool(c), leesbaar);
    if (!c)
        return;
    QCOMPARE(c->Wachtwoord, wachtwoord);
    QCOMPARE(c->HeeftWachtwoord, !wachtwoord.isEmpty());
    QCOMPARE(c->Gecomprimeerd, regels.at(2) == QLatin1String("J"));
    QCOMPARE(c->MultiDisk, meerdere);
    QCOMPARE(c->Origineel, meerdere ? QString() : regels.at(4));
}

void TstArchiefFormaat::configuratieVervangenEnOnleesbaar() {
    QTemporaryDir dir;
    const QString archief = dir.filePath(QString::fromLatin1(ConfiguratieBestandNaam));
    ZipComponent zip;
    const QDateTime start(QDate(2026, 1, 5), QTime(8, 30));
    QVERIFY(SchrijfArchiefRegels(zip, archief, ConfiguratieRegels(start, 10, true, false, {}, true, {})));
    // The next run replaces the entry in place.
    const QStringList tweede = ConfiguratieRegels(start.addDays(1), 20, false, true, QStringLiteral("x"),
                                                  false, QStringLiteral("C:\\Data\\"));
    QVERIFY(SchrijfArchiefRegels(zip, archief, tweede));
    QCOMPARE(LeesArchiefRegels(zip, archief).value_or(QStringList()), tweede);
    QCOMPARE(UnzipData(archief, QString::fromLatin1(ArchiefWachtwoord)).count("\r\n"), 5);

    // Another password, another entry name, not a ZIP: unreadable, with the component's code.
    const QString ander = dir.filePath(QStringLiteral("ander.OrvoBckDat"));
    zip.ZetVersleutelen(true);
    zip.ZetWachtwoord(QStringLiteral("MuzRantel"));
    QVERIFY(zip.VoegDataToe(ander, QStringLiteral("Data"), "a\r\nb\r\nc\r\nd\r\ne\r\n"));
    QVERIFY(!LeesArchiefRegels(zip, ander));
    QVERIFY(zip.FoutCode() == ZipComponent::VerkeerdWachtwoord ||
            zip.FoutCode() == ZipComponent::WachtwoordOfBeschadigd);
    const QString anderNaam = dir.filePath(QStringLiteral("naam.OrvoBckDat"));
    QVERIFY(zip.VoegDataToe(anderNaam, QStringLiteral("Gegevens"), "a\r\n"));
    QVERIFY(!LeesArchiefRegels(zip, anderNaam));
    QCOMPARE(zip.FoutCode(), int(ZipComponent::EntryNietGevonden));
    QVERIFY(!LeesArchiefRegels(zip, dir.filePath(QStringLiteral("weg"))));
    QCOMPARE(zip.FoutCode(), int(ZipComponent::ArchiefNietGevonden));
}

void TstArchiefFormaat::structuurVolgorde() {
    const Boom boom{
        Bestand(QStringLiteral("zeta.txt"), 30),
        Map(QStringLiteral("beta"),
            {Bestand(QStringLiteral("b.doc"), 2), Bestand(QStringLiteral("A.doc"), 1)}),
        Bestand(QStringLiteral("Alfa.txt"), 10),
        Map(QStringLiteral("Alfa"),
            {Map(QStringLiteral("leeg")), Map(QStringLiteral("Diep"), {Bestand(QStringLiteral("x"), 5)}),
             Bestand(QStringLiteral("in alfa"), 7)}),
    };
    const QStringList verwacht{
        "0001|D|Alfa|0",      "0002|D|Diep|0",      "0003|F|x|5",     "0002|D|leeg|0",
        "0002|F|in alfa|7",   "0001|D|beta|0",      "0002|F|A.doc|1", "0002|F|b.doc|2",
        "0001|F|Alfa.txt|10", "0001|F|zeta.txt|30", "0000",
    };
    const QStringList regels = StructuurRegels(boom);
    QCOMPARE(regels, verwacht);

    int gelezen = 0;
    const Boom terug = LeesStructuur(regels, 1, &gelezen);
    QCOMPARE(gelezen, regels.size() - 1); // all but the end marker
    QVERIFY(Gelijk(LeesStructuur(StructuurRegels(terug)), terug));
    QCOMPARE(StructuurRegels(terug), verwacht);

    // A backup that stored nothing is the end marker alone.
    QCOMPARE(StructuurRegels({}), QStringList{QStringLiteral("0000")});
    QVERIFY(LeesStructuur({QStringLiteral("0000")}).isEmpty());
}

void TstArchiefFormaat::structuurMeerdereSchijven() {
    // The drive folders keep the order of the drives in the tree; below them everything is sorted.
    const Boom boom{
        Map(QStringLiteral("D"), {Bestand(QStringLiteral("b"), 2), Bestand(QStringLiteral("a"), 1)}),
        Map(QStringLiteral("C")), Map(QStringLiteral("E"))};
    const QStringList regels = StructuurRegels(boom, false);
    QCOMPARE(regels,
             (QStringList{"0001|D|D|0", "0002|F|a|1", "0002|F|b|2", "0001|D|C|0", "0001|D|E|0", "0000"}));
    const Boom terug = LeesStructuur(regels);
    QCOMPARE(terug.size(), 3);
    QCOMPARE(terug[0].Kinderen.size(), 2);
    QCOMPARE(terug[1].Naam, QStringLiteral("C"));
}

void TstArchiefFormaat::structuurBestand() {
    QTemporaryDir dir;
    const QString archief = dir.filePath(QString::fromLatin1(StructuurBestandNaam));
    ZipComponent zip;
    const QStringList regels =
        StructuurRegels({Map(QStringLiteral("Café"), {Bestand(QStringLiteral("ß.txt"), 99)})});
    QVERIFY(SchrijfArchiefRegels(zip, archief, regels));
    QCOMPARE(UnzipData(archief, QString::fromLatin1(ArchiefWachtwoord)),
             QByteArray("0001|D|Caf\xE9|0\r\n0002|F|\xDF.txt|99\r\n0000\r\n"));
    QCOMPARE(LeesArchiefRegels(zip, archief).value_or(QStringList()), regels);

    // A name with "|" or a line break would break the lines; the walk must log it instead.
    QVERIFY(!StructuurNaamGeldig(QStringLiteral("a|b")));
    QVERIFY(!StructuurNaamGeldig(QStringLiteral("a\nb")));
    QVERIFY(StructuurNaamGeldig(QStringLiteral("a b")));
}

void TstArchiefFormaat::structuurRegel_data() {
    QTest::addColumn<QString>("regel");
    QTest::addColumn<bool>("geldig");
    QTest::addColumn<int>("diepte");
    QTest::addColumn<bool>("isMap");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<qint64>("grootte");

    QTest::newRow("map") << "0003|D|Mijn map|0" << true << 3 << true << "Mijn map" << qint64(0);
    QTest::newRow("bestand") << "0012|F|a.b.c|5000000000" << true << 12 << false << "a.b.c"
                             << qint64(5000000000);
    QTest::newRow("eindmarkering") << "0000" << false << 0 << false << "" << qint64(0);
    QTest::newRow("onbekende soort") << "0001|X|a|0" << false << 0 << false << "" << qint64(0);
    QTest::newRow("lege naam") << "0001|F||5" << false << 0 << false << "" << qint64(0);
    QTest::newRow("drie cijfers") << "001|F|a|5" << false << 0 << false << "" << qint64(0);
    QTest::newRow("geen grootte") << "0001|F|a" << false << 0 << false << "" << qint64(0);
    QTest::newRow("grootte geen getal") << "0001|F|a|x" << false << 0 << false << "" << qint64(0);
    QTest::newRow("lege regel") << "" << false << 0 << false << "" << qint64(0);
}

void TstArchiefFormaat::structuurRegel() {
    QFETCH(QString, regel);
    QFETCH(bool, geldig);
    QFETCH(int, diepte);
    QFETCH(bool, isMap);
    QFETCH(QString, naam);
    QFETCH(qint64, grootte);
    const auto r = LeesStructuurRegel(regel);
    QCOMPARE(bool(r), geldig);
    if (!r)
        return;
    QCOMPARE(r->Diepte, diepte);
    QCOMPARE(r->IsMap, isMap);
    QCOMPARE(r->Naam, naam);
    QCOMPARE(r->Grootte, grootte);
    QCOMPARE(isMap ? StructuurMapRegel(diepte, naam) : StructuurBestandRegel(diepte, naam, grootte), regel);
}

void TstArchiefFormaat::naamVolgorde_data() {
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QStringList>("gesorteerd");
    QTest::newRow("hoofdletters tellen niet") << QStringList{"banaan", "Citroen", "appel", "Appel"}
                                              << QStringList{"Appel", "appel", "banaan", "Citroen"};
    QTest::newRow("accenten volgens de taal")
        << QStringList{"f", "Écluse", "ezel", "eend"} << QStringList{"Écluse", "eend", "ezel", "f"};
    QTest::newRow("cijfers en leestekens vooraan")
        << QStringList{"b", "_a", "10", "2"} << QStringList{"_a", "10", "2", "b"};
}

void TstArchiefFormaat::naamVolgorde() {
    QFETCH(QStringList, namen);
    QFETCH(QStringList, gesorteerd);
    SorteerNamen(namen);
    QCOMPARE(namen, gesorteerd);
}

QTEST_GUILESS_MAIN(TstArchiefFormaat)
#include "tst_archiefformaat.moc"

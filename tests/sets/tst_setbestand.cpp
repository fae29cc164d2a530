// The set file as a ZIP archive, checked against Info-ZIP zip and unzip.
#include "common/AnsiTekst.h"
#include "common/Orvo_vars.h"
#include "sets/SetBestand.h"
#include "testhulp/TestHulp.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Orvo;

namespace {

const QStringList Voorbeeld{"V2", "D:\\Back-up café", "0J9J0NN",     "",
                            "T:", "-001Test (T:)",    "X002één.txt", "@000"};

bool Schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly) && f.write(inhoud) == inhoud.size();
}

} // namespace

class TstSetBestand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void opgeslagenSetOpentMetUnzip();
    void setVanInfoZipOpent();
    void overschrijvenBehoudtAndereEntries();
    void onleesbareContainer_data();
    void onleesbareContainer();
    void setNamen();

private:
    std::unique_ptr<QTemporaryDir> m_data;
    QString m_sets;
};

void TstSetBestand::initTestCase() {
    if (!TestHulp::ProgrammaBestaat(QStringLiteral("zip")) ||
        !TestHulp::ProgrammaBestaat(QStringLiteral("unzip")))
        QSKIP("Info-ZIP zip/unzip are needed");
}

void TstSetBestand::init() {
    m_data = std::make_unique<QTemporaryDir>();
    Vars().DataMap = m_data->path();
    m_sets = m_data->path() + QStringLiteral("/BackUpSets");
    QVERIFY(QDir().mkpath(m_sets));
}

void TstSetBestand::opgeslagenSetOpentMetUnzip() {
    ZipComponent zip;
    QVERIFY(SchrijfSetBestand(zip, QStringLiteral("Mijn set"), Voorbeeld));
    QCOMPARE(SetBestandPad(QStringLiteral("Mijn set")), m_sets + QStringLiteral("/Mijn set.OrvoBckSet"));
    const QString archief = SetBestandPad(QStringLiteral("Mijn set"));

    QByteArray uit;
    QCOMPARE(TestHulp::Voer(QStringLiteral("unzip"), {QStringLiteral("-Z1"), archief}, &uit), 0);
    QCOMPARE(uit.trimmed(), QByteArray("Mijn set"));
    QCOMPARE(
        TestHulp::Voer(QStringLiteral("unzip"), {QStringLiteral("-Z"), QStringLiteral("-v"), archief}, &uit),
        0);
    QVERIFY2(QString::fromLatin1(uit).contains(
                 QRegularExpression(QStringLiteral("file security status:\\s+encrypted"))),
             uit.constData());
    QVERIFY(uit.contains("deflated"));

    QCOMPARE(TestHulp::Voer(QStringLiteral("unzip"),
                            {QStringLiteral("-P"), QStringLiteral("MuzRantel"), QStringLiteral("-p"), archief,
                             QStringLiteral("Mijn set")},
                            &uit),
             0);
    QByteArray verwacht(
        "V2\r\nD:\\Back-up caf\xE9\r\n0J9J0NN\r\n\r\nT:\r\n-001Test (T:)\r\nX002\xE9\xE9n.txt\r\n@000\r\n");
    QCOMPARE(uit, verwacht);
    QVERIFY(TestHulp::Voer(QStringLiteral("unzip"),
                           {QStringLiteral("-P"), QStringLiteral("fout"), QStringLiteral("-p"), archief},
                           &uit) != 0);

    ZipComponent ander;
    const GelezenSetTekst terug = LeesSetBestand(ander, QStringLiteral("Mijn set"));
    QCOMPARE(terug.Melding, QString());
    QCOMPARE(terug.Regels, Voorbeeld);
}

void TstSetBestand::setVanInfoZipOpent() {
    QVERIFY(Schrijf(m_sets + QStringLiteral("/Thuis"), QByteArray("V2\r\n/back\r\n0N3J1JJ\r\npw\r\n")));
    QCOMPARE(TestHulp::Voer(QStringLiteral("zip"),
                            {QStringLiteral("-q"), QStringLiteral("-9"), QStringLiteral("-P"),
                             QStringLiteral("MuzRantel"), QStringLiteral("Thuis.OrvoBckSet"),
                             QStringLiteral("Thuis")},
                            nullptr, m_sets),
             0);
    QFile::remove(m_sets + QStringLiteral("/Thuis"));
    ZipComponent zip;
    const GelezenSetTekst gelezen = LeesSetBestand(zip, QStringLiteral("Thuis"));
    QCOMPARE(gelezen.Melding, QString());
    QCOMPARE(gelezen.Regels, (QStringList{"V2", "/back", "0N3J1JJ", "pw"}));
}

void TstSetBestand::overschrijvenBehoudtAndereEntries() {
    QVERIFY(Schrijf(m_sets + QStringLiteral("/extra"), "ander"));
    QCOMPARE(TestHulp::Voer(QStringLiteral("zip"),
                            {QStringLiteral("-q"), QStringLiteral("S.OrvoBckSet"), QStringLiteral("extra")},
                            nullptr, m_sets),
             0);
    ZipComponent zip;
    QVERIFY(SchrijfSetBestand(zip, QStringLiteral("S"), {"V2", "", "0J9J0NN", ""}));
    QVERIFY(SchrijfSetBestand(zip, QStringLiteral("S"), {"V2", "nieuw", "0J9J0NN", ""}));
    QByteArray uit;
    QCOMPARE(TestHulp::Voer(QStringLiteral("unzip"),
                            {QStringLiteral("-Z1"), SetBestandPad(QStringLiteral("S"))}, &uit),
             0);
    QCOMPARE(uit, QByteArray("extra\nS\n"));
    QCOMPARE(LeesSetBestand(zip, QStringLiteral("S")).Regels, (QStringList{"V2", "nieuw", "0J9J0NN", ""}));
    // The shared component keeps the set-file settings; the backup sets its own before use.
    QVERIFY(zip.Versleutelen());
    QCOMPARE(zip.Niveau(), 9);
}

void TstSetBestand::onleesbareContainer_data() {
    QTest::addColumn<QString>("soort");
    QTest::newRow("ontbreekt") << "ontbreekt";
    QTest::newRow("leeg bestand") << "leeg";
    QTest::newRow("geen zip") << "tekst";
    QTest::newRow("willekeurige bytes") << "willekeurig";
    QTest::newRow("verkeerd wachtwoord") << "wachtwoord";
    QTest::newRow("geen wachtwoord") << "open";
    QTest::newRow("verkeerde entrynaam") << "entry";
    QTest::newRow("afgekapt") << "afgekapt";
}

void TstSetBestand::onleesbareContainer() {
    QFETCH(QString, soort);
    const QString naam = QStringLiteral("Kapot");
    const QString archief = SetBestandPad(naam);
    const QString bron =
        m_sets + QLatin1Char('/') + (soort == QLatin1String("entry") ? QStringLiteral("Anders") : naam);
    QVERIFY(Schrijf(bron, "V2\r\n\r\n0J9J0NN\r\n\r\n"));
    auto pak = [&](const QStringList& extra) {
        return TestHulp::Voer(QStringLiteral("zip"),
                              QStringList{QStringLiteral("-q")} + extra +
                                  QStringList{archief, QFileInfo(bron).fileName()},
                              nullptr, m_sets);
    };
    if (soort == QLatin1String("leeg")) {
        QVERIFY(Schrijf(archief, QByteArray()));
    } else if (soort == QLatin1String("tekst")) {
        QVERIFY(Schrijf(archief, "V2\r\n\r\n0J9J0NN\r\n\r\n"));
    } else if (soort == QLatin1String("willekeurig")) {
        QByteArray bytes(4096, Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7919 + 13) % 251);
        bytes.replace(0, 4, "PK\x03\x04");
        QVERIFY(Schrijf(archief, bytes));
    } else if (soort == QLatin1String("wachtwoord")) {
        QCOMPARE(pak({QStringLiteral("-P"), QStringLiteral("Anders")}), 0);
    } else if (soort == QLatin1String("open")) {
        QCOMPARE(pak({}), 0);
    } else if (soort == QLatin1String("entry")) {
        QCOMPARE(pak({QStringLiteral("-P"), QStringLiteral("MuzRantel")}), 0);
    } else if (soort == QLatin1String("afgekapt")) {
        QCOMPARE(pak({QStringLiteral("-P"), QStringLiteral("MuzRantel")}), 0);
        QFile f(archief);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(f.size() / 2));
    }
    ZipComponent zip;
    const GelezenSetTekst gelezen = LeesSetBestand(zip, naam);
    if (soort == QLatin1String("open")) {
        // An unencrypted entry of the right name is still the set's text.
        QCOMPARE(gelezen.Melding, QString());
        return;
    }
    QCOMPARE(gelezen.Melding, MeldingSetFoutInlezen);
    QVERIFY(gelezen.Regels.isEmpty());
}

void TstSetBestand::setNamen() {
    for (const char* naam : {"b.OrvoBckSet", "A set.OrvoBckSet", "geen set.txt", "c.ORVOBCKSET"})
        QVERIFY(Schrijf(m_sets + QLatin1Char('/') + QLatin1String(naam), "x"));
    QStringList namen = SetNamen();
    namen.sort();
    QCOMPARE(namen, (QStringList{"A set", "b"}));
    QVERIFY(SetBestaat(QStringLiteral("B")));
    QVERIFY(SetBestaat(QStringLiteral("a SET")));
    QVERIFY(!SetBestaat(QStringLiteral("geen set")));
}

QTEST_GUILESS_MAIN(TstSetBestand)
#include "tst_setbestand.moc"

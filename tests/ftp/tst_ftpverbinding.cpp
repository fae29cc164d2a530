// The FTP operations against a real FTP server (pyftpdlib on loopback) and a real address page.

#include "common/Instellingen.h"
#include "common/Orvo_vars.h"
#include "ftp/FTPVerbinding.h"
#include "testhulp/TestHulp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimeZone>
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Orvo;
using TestHulp::Server;

namespace {

const QString Gebruiker = QStringLiteral("jan");
const QString Wachtwoord = QStringLiteral("geheim");

QByteArray Lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ontbreekt>");
}

void Schrijf(const QString& pad, const QByteArray& inhoud) {
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhoud);
}

// A loopback port on which nothing listens.
quint16 DodePoort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t lengte = sizeof a;
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &lengte);
    close(s);
    return ntohs(a.sin_port);
}

QString Adres(quint16 poort) {
    return QStringLiteral("127.0.0.1:") + QString::number(poort);
}

// Lines of a server's log that start with `begin` (waits a moment for the log to catch up).
int Tel(Server& server, const QByteArray& woord) {
    server.Proces().waitForReadyRead(200);
    int n = 0;
    for (const QByteArray& regel : server.Uitvoer().split('\n'))
        if (regel.contains(woord))
            ++n;
    return n;
}

// Waits until every session the server saw has ended, then counts its logins.
int Logins(Server& server) {
    QElapsedTimer klok;
    klok.start();
    while (klok.elapsed() < 5000 && Tel(server, " open") != Tel(server, " dicht"))
        QTest::qWait(50);
    return Tel(server, " login ");
}

} // namespace

class TstFTPVerbinding : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_werk;          // server home, temporary folder, settings
    QString m_home;                // the server's login folder (native)
    std::unique_ptr<Server> m_ftp; // the ordinary server
    std::unique_ptr<FTPVerbinding> m_verbinding;

    QString Tijdelijk(const QString& naam) const { return Vars().TijdelijkeMap + naam; }
    std::unique_ptr<Server> StartFTP(const QStringList& extra = {});
    void ZetAdres(const QString& adres) { OrvoProgs().SchrijfTekst(SectieAlgemeen, SleutelFTPAdres, adres); }
    QString LeesAdres() { return OrvoProgs().LeesTekst(SectieAlgemeen, SleutelFTPAdres); }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void dirExists_data();
    void dirExists();
    void createDir();
    void delFile();
    void putFile();
    void putFileFailsStillRemovesLocal();
    void delPutFile_data();
    void delPutFile();
    void getFileReplacesStaleCopy();
    void getFileMissing();
    void fileDate();
    void changeDirAndRemoveDir();
    void namesRoundTrip_data();
    void namesRoundTrip();
    void unusableNames_data();
    void unusableNames();
    void oneLoginForASequence();
    void listWithoutMlsd();
    void usedFromAWorkerThread();
    void operationsWithoutConnection();
    void connectFailures_data();
    void connectFailures();
    void addressRetry_data();
    void addressRetry();
    void addressFromPageIsNotStored();
    void silentAddressPage();
    void stall_data();
    void stall();
};

std::unique_ptr<Server> TstFTPVerbinding::StartFTP(const QStringList& extra) {
    auto server = std::make_unique<Server>(
        QStringLiteral("ftp_server.py"),
        QStringList{QStringLiteral("--gebruiker"), Gebruiker, Wachtwoord, m_home, QStringLiteral("--log")} +
            extra);
    return server;
}

void TstFTPVerbinding::initTestCase() {
    QVERIFY(m_werk.isValid());
    m_home = m_werk.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(m_home));
    QVERIFY(QDir().mkpath(m_werk.filePath(QStringLiteral("tmp"))));
    InitVariabelen();
    Vars().TijdelijkeMap = m_werk.filePath(QStringLiteral("tmp")) + QLatin1Char('/');
    m_ftp = StartFTP();
    QVERIFY(m_ftp->IsGestart());
}

void TstFTPVerbinding::init() {
    // Every test starts on an empty server folder, with fresh settings and the right login.
    QDir(m_home).removeRecursively();
    QVERIFY(QDir().mkpath(m_home));
    QDir(Vars().TijdelijkeMap).removeRecursively();
    QVERIFY(QDir().mkpath(Vars().TijdelijkeMap));
    const QString ini = m_werk.filePath(QStringLiteral("OrvoProgs.ini"));
    QFile::remove(ini);
    ZetOrvoProgsBestand(ini);
    Vars().FTPLoginNaam = Gebruiker;
    Vars().FTPLoginWachtwoord = Wachtwoord;
    ZetAdres(Adres(m_ftp->Poort()));
    // An address page nobody serves: a test that needs one starts it.
    m_verbinding =
        std::make_unique<FTPVerbinding>(QStringLiteral("http://127.0.0.1:%1/IPHelper.html").arg(DodePoort()));
}

void TstFTPVerbinding::cleanup() {
    m_verbinding.reset();
}

void TstFTPVerbinding::dirExists_data() {
    QTest::addColumn<QString>("vraag");
    QTest::addColumn<bool>("verwacht");
    QTest::newRow("exact") << QStringLiteral("BackUpData") << true;
    QTest::newRow("other letter case") << QStringLiteral("backupdata") << false;
    QTest::newRow("a file of that name") << QStringLiteral("Bestand") << false;
    QTest::newRow("missing") << QStringLiteral("Niets") << false;
}

void TstFTPVerbinding::dirExists() {
    QFETCH(QString, vraag);
    QFETCH(bool, verwacht);
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/BackUpData")));
    Schrijf(m_home + QStringLiteral("/Bestand"), "x");
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QCOMPARE(m_verbinding->FTPDirExists(vraag), verwacht);
}

void TstFTPVerbinding::createDir() {
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(m_verbinding->FTPCreateDir(QStringLiteral("Nieuw")));
    QVERIFY(QFileInfo(m_home + QStringLiteral("/Nieuw")).isDir());
    QVERIFY(!m_verbinding->FTPCreateDir(QStringLiteral("Nieuw"))); // already there
    QVERIFY(!m_verbinding->LaatsteFout().isEmpty());
    QVERIFY(m_verbinding->FTPDirExists(QStringLiteral("Nieuw")));
}

void TstFTPVerbinding::delFile() {
    Schrijf(m_home + QStringLiteral("/weg.txt"), "x");
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(m_verbinding->FTPDelFile(QStringLiteral("weg.txt")));
    QVERIFY(!QFileInfo::exists(m_home + QStringLiteral("/weg.txt")));
    QVERIFY(!m_verbinding->FTPDelFile(QStringLiteral("weg.txt")));
}

void TstFTPVerbinding::putFile() {
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/Backup_Klanten/jan")));
    QByteArray inhoud;
    for (int i = 0; i < 70000; ++i)
        inhoud.append(char(i % 256)); // every byte value: the transfer must be binary
    inhoud.append("\r\n\n\r");
    Schrijf(Tijdelijk(QStringLiteral("data.zip")), inhoud);
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(m_verbinding->ChangeDir(QStringLiteral("Backup_Klanten")));
    QVERIFY(m_verbinding->ChangeDir(QStringLiteral("jan")));
    QVERIFY(m_verbinding->FTPPutFile(QStringLiteral("data.zip")));
    QCOMPARE(Lees(m_home + QStringLiteral("/Backup_Klanten/jan/data.zip")), inhoud);
    QVERIFY(!QFileInfo::exists(Tijdelijk(QStringLiteral("data.zip"))));
    // An empty file is a file too.
    Schrijf(Tijdelijk(QStringLiteral("leeg")), QByteArray());
    QVERIFY(m_verbinding->FTPPutFile(QStringLiteral("leeg")));
    QVERIFY(QFileInfo(m_home + QStringLiteral("/Backup_Klanten/jan/leeg")).isFile());
}

void TstFTPVerbinding::putFileFailsStillRemovesLocal() {
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/Bezet")));
    Schrijf(Tijdelijk(QStringLiteral("Bezet")), "x");
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(!m_verbinding->FTPPutFile(QStringLiteral("Bezet"))); // a folder has the name
    QVERIFY(!QFileInfo::exists(Tijdelijk(QStringLiteral("Bezet"))));
    QVERIFY(!m_verbinding->FTPPutFile(QStringLiteral("nooitgemaakt"))); // nothing staged
}

void TstFTPVerbinding::delPutFile_data() {
    QTest::addColumn<bool>("metMdtm");
    QTest::addColumn<bool>("alDaar");
    QTest::newRow("MDTM, file present") << true << true;
    QTest::newRow("MDTM, file absent") << true << false;
    QTest::newRow("no MDTM, file present") << false << true;
    QTest::newRow("no MDTM, file absent") << false << false;
}

void TstFTPVerbinding::delPutFile() {
    QFETCH(bool, metMdtm);
    QFETCH(bool, alDaar);
    std::unique_ptr<Server> zonder;
    if (!metMdtm) {
        zonder = StartFTP({QStringLiteral("--zonder-mdtm")});
        QVERIFY(zonder->IsGestart());
        ZetAdres(Adres(zonder->Poort()));
    }
    Server& server = metMdtm ? *m_ftp : *zonder;
    const int delesVoor = Tel(server, " DELE ");
    if (alDaar)
        Schrijf(m_home + QStringLiteral("/DirStruct.OrvoBckDat"), "oude inhoud die langer is");
    Schrijf(Tijdelijk(QStringLiteral("DirStruct.OrvoBckDat")), "nieuw");
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(m_verbinding->FTPDelPutFile(QStringLiteral("DirStruct.OrvoBckDat")));
    QCOMPARE(Lees(m_home + QStringLiteral("/DirStruct.OrvoBckDat")), QByteArray("nieuw"));
    QVERIFY(!QFileInfo::exists(Tijdelijk(QStringLiteral("DirStruct.OrvoBckDat"))));
    m_verbinding->VerbreekFTPVerbinding();
    // Without a modification time the file counts as absent: it is not deleted first.
    QCOMPARE(Tel(server, " DELE ") - delesVoor, metMdtm && alDaar ? 1 : 0);
}

void TstFTPVerbinding::getFileReplacesStaleCopy() {
    Schrijf(m_home + QStringLiteral("/BackUpData.OrvoBckDat"), "vers");
    Schrijf(Tijdelijk(QStringLiteral("BackUpData.OrvoBckDat")), "oude en veel langere inhoud");
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(m_verbinding->FTPGetFile(QStringLiteral("BackUpData.OrvoBckDat")));
    QCOMPARE(Lees(Tijdelijk(QStringLiteral("BackUpData.OrvoBckDat"))), QByteArray("vers"));
}

void TstFTPVerbinding::getFileMissing() {
    Schrijf(Tijdelijk(QStringLiteral("ontbreekt")), "oud");
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(!m_verbinding->FTPGetFile(QStringLiteral("ontbreekt")));
    QVERIFY(Lees(Tijdelijk(QStringLiteral("ontbreekt"))) != QByteArray("oud")); // the stale copy is gone
}

void TstFTPVerbinding::fileDate() {
    Schrijf(m_home + QStringLiteral("/er.txt"), "x");
    const QDateTime gezet(QDate(2021, 3, 4), QTime(5, 6, 7), QTimeZone::utc());
    {
        QFile f(m_home + QStringLiteral("/er.txt"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(gezet, QFileDevice::FileModificationTime));
    }
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QDateTime tijd;
    QVERIFY(m_verbinding->FileDate(QStringLiteral("er.txt"), tijd));
    QCOMPARE(tijd, gezet);
    QVERIFY(m_verbinding->FileDate(QStringLiteral("niet.txt"), tijd));
    QVERIFY(!tijd.isValid());
}

void TstFTPVerbinding::changeDirAndRemoveDir() {
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/A/B")));
    Schrijf(m_home + QStringLiteral("/A/B/in-b.txt"), "b");
    Schrijf(m_home + QStringLiteral("/A/in-a.txt"), "a");
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QCOMPARE(m_verbinding->HuidigeMap(), QStringLiteral("/"));
    QVERIFY(!m_verbinding->ChangeDirUp()); // nothing above the login folder
    QVERIFY(!m_verbinding->ChangeDir(QStringLiteral("Geen")));
    QCOMPARE(m_verbinding->HuidigeMap(), QStringLiteral("/"));
    QVERIFY(!m_verbinding->ChangeDir(QStringLiteral("a"))); // letter case counts on this server
    QVERIFY(m_verbinding->ChangeDir(QStringLiteral("A")));
    QVERIFY(m_verbinding->ChangeDir(QStringLiteral("B")));
    QCOMPARE(m_verbinding->HuidigeMap(), QStringLiteral("/A/B"));
    QList<FTPLijstItem> lijst;
    QVERIFY(m_verbinding->List(lijst));
    QCOMPARE(lijst.size(), 1);
    QCOMPARE(lijst.at(0).Naam, QStringLiteral("in-b.txt"));
    QCOMPARE(lijst.at(0).Grootte, qint64(1));
    QVERIFY(m_verbinding->Delete(QStringLiteral("in-b.txt")));
    QVERIFY(m_verbinding->ChangeDirUp());
    QCOMPARE(m_verbinding->HuidigeMap(), QStringLiteral("/A"));
    QVERIFY(m_verbinding->List(lijst));
    QCOMPARE(lijst.size(), 2);
    QVERIFY(m_verbinding->RemoveDir(QStringLiteral("B")));
    QVERIFY(!QFileInfo::exists(m_home + QStringLiteral("/A/B")));
    QVERIFY(!m_verbinding->RemoveDir(QStringLiteral("B")));
    QVERIFY(m_verbinding->ChangeDirUp());
    QVERIFY(!m_verbinding->RemoveDir(QStringLiteral("A"))); // not empty
    // The folder is kept here, not on the server: a transfer lands where the walk is.
    QVERIFY(m_verbinding->ChangeDir(QStringLiteral("A")));
    Schrijf(Tijdelijk(QStringLiteral("hier.txt")), "h");
    QVERIFY(m_verbinding->FTPPutFile(QStringLiteral("hier.txt")));
    QVERIFY(QFileInfo::exists(m_home + QStringLiteral("/A/hier.txt")));
}

void TstFTPVerbinding::namesRoundTrip_data() {
    QTest::addColumn<QString>("map");
    QTest::addColumn<QString>("bestand");
    QTest::newRow("accents") << QStringLiteral("Café é") << QStringLiteral("résumé.doc");
    QTest::newRow("blanks") << QStringLiteral("Mijn documenten") << QStringLiteral("een  twee drie.txt");
    QTest::newRow("url characters") << QStringLiteral("a%20b#c?d") << QStringLiteral("x;y=z&w+%2F.txt");
}

void TstFTPVerbinding::namesRoundTrip() {
    QFETCH(QString, map);
    QFETCH(QString, bestand);
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(m_verbinding->FTPCreateDir(map));
    QVERIFY(m_verbinding->FTPDirExists(map));
    QVERIFY(QFileInfo(m_home + QLatin1Char('/') + map).isDir());
    QVERIFY(m_verbinding->ChangeDir(map));
    Schrijf(Tijdelijk(bestand), "inhoud");
    QVERIFY(m_verbinding->FTPDelPutFile(bestand));
    QCOMPARE(Lees(m_home + QLatin1Char('/') + map + QLatin1Char('/') + bestand), QByteArray("inhoud"));
    QList<FTPLijstItem> lijst;
    QVERIFY(m_verbinding->List(lijst));
    QCOMPARE(lijst.size(), 1);
    QCOMPARE(lijst.at(0).Naam, bestand);
    QDateTime tijd;
    QVERIFY(m_verbinding->FileDate(bestand, tijd));
    QVERIFY(tijd.isValid());
    QVERIFY(m_verbinding->FTPGetFile(bestand));
    QCOMPARE(Lees(Tijdelijk(bestand)), QByteArray("inhoud"));
    QVERIFY(m_verbinding->FTPDelFile(bestand));
    QVERIFY(m_verbinding->ChangeDirUp());
    QVERIFY(m_verbinding->RemoveDir(map));
    QVERIFY(!QFileInfo::exists(m_home + QLatin1Char('/') + map));
}

void TstFTPVerbinding::unusableNames_data() {
    QTest::addColumn<QString>("naam");
    QTest::newRow("separator") << QStringLiteral("a/b");
    QTest::newRow("parent") << QStringLiteral("..");
    QTest::newRow("empty") << QString();
    QTest::newRow("second command") << QStringLiteral("x\r\nDELE slachtoffer");
}

void TstFTPVerbinding::unusableNames() {
    // A name that cannot be one entry of the folder never reaches the server.
    QFETCH(QString, naam);
    Schrijf(m_home + QStringLiteral("/slachtoffer"), "blijft");
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/sub")));
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(!m_verbinding->FTPDelFile(naam));
    QVERIFY(!m_verbinding->FTPCreateDir(naam));
    QVERIFY(!m_verbinding->FTPGetFile(naam));
    QVERIFY(!m_verbinding->RemoveDir(naam));
    QVERIFY(!m_verbinding->ChangeDir(naam));
    QDateTime tijd;
    QVERIFY(!m_verbinding->FileDate(naam, tijd));
    QCOMPARE(m_verbinding->HuidigeMap(), QStringLiteral("/"));
    QVERIFY(QFileInfo::exists(m_home + QStringLiteral("/slachtoffer")));
    QVERIFY(m_verbinding->FTPDirExists(QStringLiteral("sub"))); // and the connection is still good
}

void TstFTPVerbinding::oneLoginForASequence() {
    std::unique_ptr<Server> eigen = StartFTP(); // its own log
    QVERIFY(eigen->IsGestart());
    ZetAdres(Adres(eigen->Poort()));
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/Backup_Klanten/jan")));
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(m_verbinding->ChangeDir(QStringLiteral("Backup_Klanten")));
    QVERIFY(m_verbinding->ChangeDir(QStringLiteral("jan")));
    QVERIFY(!m_verbinding->FTPDelFile(QStringLiteral("bestaat-niet")));
    QVERIFY(m_verbinding->FTPCreateDir(QStringLiteral("BackUpData")));
    QVERIFY(!m_verbinding->FTPCreateDir(QStringLiteral("BackUpData")));
    QVERIFY(!m_verbinding->ChangeDir(QStringLiteral("bestaat-niet")));
    QVERIFY(!m_verbinding->FTPGetFile(QStringLiteral("bestaat-niet")));
    QVERIFY(!m_verbinding->RemoveDir(QStringLiteral("bestaat-niet")));
    QVERIFY(m_verbinding->ChangeDir(QStringLiteral("BackUpData")));
    for (int i = 0; i < 5; ++i) {
        const QString naam = QStringLiteral("f%1.zip").arg(i);
        Schrijf(Tijdelijk(naam), "x");
        QVERIFY(m_verbinding->FTPDelPutFile(naam));
    }
    QList<FTPLijstItem> lijst;
    QVERIFY(m_verbinding->List(lijst));
    QCOMPARE(lijst.size(), 5);
    QVERIFY(m_verbinding->ChangeDirUp());
    QVERIFY(m_verbinding->FTPDirExists(QStringLiteral("BackUpData")));
    m_verbinding->VerbreekFTPVerbinding();
    QCOMPARE(Logins(*eigen), 1);
    QCOMPARE(Tel(*eigen, " open"), 1);
}

void TstFTPVerbinding::listWithoutMlsd() {
    std::unique_ptr<Server> oud = StartFTP({QStringLiteral("--zonder-mlsd")});
    QVERIFY(oud->IsGestart());
    ZetAdres(Adres(oud->Poort()));
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/BackUpData")));
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/Map met spaties")));
    Schrijf(m_home + QStringLiteral("/bestand é.txt"), "12345");
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QList<FTPLijstItem> lijst;
    QVERIFY(m_verbinding->List(lijst));
    std::sort(lijst.begin(), lijst.end(), [](const auto& a, const auto& b) { return a.Naam < b.Naam; });
    QCOMPARE(lijst.size(), 3);
    QCOMPARE(lijst.at(0).Naam, QStringLiteral("BackUpData"));
    QVERIFY(lijst.at(0).IsDir);
    QCOMPARE(lijst.at(1).Naam, QStringLiteral("Map met spaties"));
    QVERIFY(lijst.at(1).IsDir);
    QCOMPARE(lijst.at(2).Naam, QStringLiteral("bestand é.txt"));
    QVERIFY(!lijst.at(2).IsDir);
    QCOMPARE(lijst.at(2).Grootte, qint64(5));
    QVERIFY(m_verbinding->FTPDirExists(QStringLiteral("BackUpData")));
    QVERIFY(!m_verbinding->FTPDirExists(QStringLiteral("backupdata")));
    m_verbinding->VerbreekFTPVerbinding();
    QCOMPARE(Logins(*oud), 1);
}

void TstFTPVerbinding::usedFromAWorkerThread() {
    // Opened on the main thread, used by a worker, closed on the main thread: one connection throughout.
    std::unique_ptr<Server> eigen = StartFTP();
    QVERIFY(eigen->IsGestart());
    ZetAdres(Adres(eigen->Poort()));
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/BackUpData")));
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(m_verbinding->ChangeDir(QStringLiteral("BackUpData")));
    bool gelukt = false;
    std::unique_ptr<QThread> werker(QThread::create([&] {
        bool ok = true;
        for (int i = 0; i < 20 && ok; ++i) {
            const QString naam = QStringLiteral("w%1.zip").arg(i);
            Schrijf(Tijdelijk(naam), QByteArray(100 + i, 'w'));
            ok = m_verbinding->FTPPutFile(naam);
        }
        QList<FTPLijstItem> lijst;
        gelukt = ok && m_verbinding->List(lijst) && lijst.size() == 20 && m_verbinding->ChangeDirUp();
    }));
    werker->start();
    QVERIFY(werker->wait(60000));
    QVERIFY(gelukt);
    QCOMPARE(m_verbinding->HuidigeMap(), QStringLiteral("/"));
    m_verbinding->VerbreekFTPVerbinding();
    QCOMPARE(Lees(m_home + QStringLiteral("/BackUpData/w7.zip")), QByteArray(107, 'w'));
    QCOMPARE(Logins(*eigen), 1);
}

void TstFTPVerbinding::operationsWithoutConnection() {
    Schrijf(Tijdelijk(QStringLiteral("a.zip")), "x");
    QVERIFY(!m_verbinding->FTPPutFile(QStringLiteral("a.zip")));
    QVERIFY(!QFileInfo::exists(Tijdelijk(QStringLiteral("a.zip"))));
    QVERIFY(!m_verbinding->FTPDirExists(QStringLiteral("x")));
    QVERIFY(!m_verbinding->FTPGetFile(QStringLiteral("x")));
    QVERIFY(!m_verbinding->ChangeDirUp());
    m_verbinding->VerbreekFTPVerbinding(); // closing twice is harmless
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QVERIFY(m_verbinding->MaakFTPVerbinding()); // a second open starts afresh
    QCOMPARE(m_verbinding->HuidigeMap(), QStringLiteral("/"));
    QVERIFY(m_verbinding->Foutmelding.isEmpty());
}

void TstFTPVerbinding::connectFailures_data() {
    QTest::addColumn<QString>("adres"); // "ftp" for the running server, "dood" for a closed port
    QTest::addColumn<QString>("wachtwoord");
    QTest::addColumn<QString>("foutmelding");
    QTest::newRow("wrong password") << QStringLiteral("ftp") << QStringLiteral("fout")
                                    << MeldingFTPGeenVerbinding + QStringLiteral("Authentication failed.");
    QTest::newRow("unreachable address")
        << QStringLiteral("dood") << Wachtwoord
        << MeldingFTPGeenVerbinding + QStringLiteral("Couldn't connect to server");
    QTest::newRow("malformed address")
        << QStringLiteral("ftp.example.nl/x\r\n") << Wachtwoord
        << MeldingFTPGeenVerbinding + QStringLiteral("Ongeldig adres: ftp.example.nl/x\r\n");
    QTest::newRow("no address, no page") << QString() << Wachtwoord << MeldingFTPGeenAdres;
}

void TstFTPVerbinding::connectFailures() {
    QFETCH(QString, adres);
    QFETCH(QString, wachtwoord);
    QFETCH(QString, foutmelding);
    if (adres == QLatin1String("ftp"))
        adres = Adres(m_ftp->Poort());
    else if (adres == QLatin1String("dood"))
        adres = Adres(DodePoort());
    ZetAdres(adres);
    Vars().FTPLoginWachtwoord = wachtwoord;
    m_verbinding->Foutmelding = QStringLiteral("van eerder");
    QVERIFY(!m_verbinding->MaakFTPVerbinding());
    QCOMPARE(m_verbinding->Foutmelding, foutmelding);
    QVERIFY(!m_verbinding->IsVerbonden());
    QCOMPARE(LeesAdres(), adres);
}

void TstFTPVerbinding::addressRetry_data() {
    QTest::addColumn<QStringList>("paginas"); // what the page answers, in turn; "ftp"/"dood" as above
    QTest::addColumn<bool>("verbonden");
    QTest::addColumn<QString>("opgeslagen"); // FTPAdres afterwards
    QTest::addColumn<int>("opvragingen");
    QTest::newRow("page gives a different, working address")
        << QStringList{QStringLiteral("ftp\r\n")} << true << QStringLiteral("ftp") << 1;
    QTest::newRow("page gives the same address")
        << QStringList{QStringLiteral("dood\n")} << false << QStringLiteral("dood") << 1;
    QTest::newRow("page keeps changing its answer")
        << QStringList{QStringLiteral("dood2"), QStringLiteral("dood")} << false << QStringLiteral("dood2")
        << 1;
}

void TstFTPVerbinding::addressRetry() {
    QFETCH(QStringList, paginas);
    QFETCH(bool, verbonden);
    QFETCH(QString, opgeslagen);
    QFETCH(int, opvragingen);
    const QString ftp = Adres(m_ftp->Poort());
    const QString dood = Adres(DodePoort());
    const QString dood2 = Adres(DodePoort() == 1 ? 2 : DodePoort());
    auto vertaal = [&](QString t) {
        t.replace(QLatin1String("dood2"), dood2);
        t.replace(QLatin1String("dood"), dood);
        t.replace(QLatin1String("ftp"), ftp);
        return t;
    };
    QStringList argumenten;
    for (const QString& p : paginas)
        argumenten << QStringLiteral("--antwoord")
                   << vertaal(p)
                          .replace(QLatin1String("\r"), QLatin1String("\\r"))
                          .replace(QLatin1String("\n"), QLatin1String("\\n"));
    Server pagina(QStringLiteral("http_server.py"), argumenten);
    QVERIFY(pagina.IsGestart());
    FTPVerbinding verbinding(QStringLiteral("http://127.0.0.1:%1/IPHelper.html").arg(pagina.Poort()));
    ZetAdres(dood);
    QCOMPARE(verbinding.MaakFTPVerbinding(), verbonden);
    QCOMPARE(LeesAdres(), vertaal(opgeslagen));
    if (verbonden)
        QVERIFY(verbinding.Foutmelding.isEmpty());
    else
        QCOMPARE(verbinding.Foutmelding,
                 MeldingFTPGeenVerbinding + QStringLiteral("Couldn't connect to server"));
    QCOMPARE(Tel(pagina, "GET /IPHelper.html"), opvragingen);
}

void TstFTPVerbinding::addressFromPageIsNotStored() {
    Server pagina(QStringLiteral("http_server.py"),
                  {QStringLiteral("--antwoord"), QStringLiteral("  %1\\r\\n").arg(Adres(m_ftp->Poort()))});
    QVERIFY(pagina.IsGestart());
    FTPVerbinding verbinding(QStringLiteral("http://127.0.0.1:%1/IPHelper.html").arg(pagina.Poort()));
    QCOMPARE(verbinding.GeefFTPAdres(), Adres(m_ftp->Poort()));
    ZetAdres(QString());
    QVERIFY(verbinding.MaakFTPVerbinding());
    QCOMPARE(LeesAdres(), QString());

    Server fout(QStringLiteral("http_server.py"), {QStringLiteral("--antwoord"), Adres(m_ftp->Poort()),
                                                   QStringLiteral("--status"), QStringLiteral("404")});
    QVERIFY(fout.IsGestart());
    FTPVerbinding zonder(QStringLiteral("http://127.0.0.1:%1/IPHelper.html").arg(fout.Poort()));
    QCOMPARE(zonder.GeefFTPAdres(), QString());
    QVERIFY(!zonder.MaakFTPVerbinding());
    QCOMPARE(zonder.Foutmelding, MeldingFTPGeenAdres);
}

void TstFTPVerbinding::silentAddressPage() {
    Server pagina(QStringLiteral("http_server.py"), {QStringLiteral("--stil")});
    QVERIFY(pagina.IsGestart());
    FTPVerbinding verbinding(QStringLiteral("http://127.0.0.1:%1/IPHelper.html").arg(pagina.Poort()));
    FTPTijdLimieten limieten;
    limieten.LageSnelheidSec = 2;
    verbinding.ZetTijdLimieten(limieten);
    ZetAdres(QString());
    QElapsedTimer klok;
    klok.start();
    QVERIFY(!verbinding.MaakFTPVerbinding());
    QCOMPARE(verbinding.Foutmelding, MeldingFTPGeenAdres);
    QVERIFY2(klok.elapsed() < 8000, qPrintable(QString::number(klok.elapsed())));
}

void TstFTPVerbinding::stall_data() {
    QTest::addColumn<QStringList>("serverOpties");
    QTest::addColumn<QString>("wat");
    QTest::newRow("download stops") << QStringList{QStringLiteral("--stil-na"), QStringLiteral("65536")}
                                    << QStringLiteral("get");
    QTest::newRow("upload stops") << QStringList{QStringLiteral("--stil-na"), QStringLiteral("65536")}
                                  << QStringLiteral("put");
    QTest::newRow("no reply to a command")
        << QStringList{QStringLiteral("--stil-bij"), QStringLiteral("DELE")} << QStringLiteral("del");
}

void TstFTPVerbinding::stall() {
    QFETCH(QStringList, serverOpties);
    QFETCH(QString, wat);
    std::unique_ptr<Server> stil = StartFTP(serverOpties);
    QVERIFY(stil->IsGestart());
    ZetAdres(Adres(stil->Poort()));
    Schrijf(m_home + QStringLiteral("/groot.bin"), QByteArray(1024 * 1024, 'g'));
    FTPTijdLimieten limieten;
    limieten.VerbindenMs = 2000;
    limieten.LageSnelheidSec = 2;
    limieten.AntwoordSec = 2;
    m_verbinding->ZetTijdLimieten(limieten);
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    QElapsedTimer klok;
    klok.start();
    if (wat == QLatin1String("get")) {
        QVERIFY(!m_verbinding->FTPGetFile(QStringLiteral("groot.bin")));
    } else if (wat == QLatin1String("put")) {
        // more than the sockets between us can buffer, so the sender has to wait for the server
        Schrijf(Tijdelijk(QStringLiteral("op.bin")), QByteArray(32 * 1024 * 1024, 'g'));
        QVERIFY(!m_verbinding->FTPPutFile(QStringLiteral("op.bin")));
        QVERIFY(!QFileInfo::exists(Tijdelijk(QStringLiteral("op.bin"))));
    } else {
        QVERIFY(!m_verbinding->FTPDelFile(QStringLiteral("groot.bin")));
    }
    // Given up about when the limit says, reported like any other failure.
    QVERIFY2(klok.elapsed() < 8000, qPrintable(QString::number(klok.elapsed())));
    QCOMPARE(m_verbinding->LaatsteFout(), QStringLiteral("Timeout was reached"));
    // The next connection works again, on the same server.
    QVERIFY(m_verbinding->MaakFTPVerbinding());
    Schrijf(Tijdelijk(QStringLiteral("klein.txt")), "k");
    QVERIFY(m_verbinding->FTPPutFile(QStringLiteral("klein.txt")));
    QCOMPARE(Lees(m_home + QStringLiteral("/klein.txt")), QByteArray("k"));
}

QTEST_GUILESS_MAIN(TstFTPVerbinding)
#include "tst_ftpverbinding.moc"

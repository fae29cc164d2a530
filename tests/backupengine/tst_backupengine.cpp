#include "BoomHulp.h"
#include "backup/ArchiefFormaat.h"
#include "backup/P_BackupStart.h"
#include "backup/TBackUpThread.h"
#include "platform/Bestandskenmerken.h"
#include "testhulp/TestHulp.h"
#include "zip/ZipComponent.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace Orvo;
using TestHulp::Vink;

namespace {

// Remembers what the busy panel would have shown.
class Opname : public BackupWeergave {
public:
    QStringList log;
    BackupStand laatste;
    int voortgang = 0;
    void ToonBezig(const BackupStand& s) override { laatste = s; }
    void ToonTotaal(const BackupStand& s) override { laatste = s; }
    void ToonVoortgang(const BackupStand& s) override {
        laatste = s;
        ++voortgang;
    }
    void ToonVoortgangKopie(const BackupStand& s) override {
        laatste = s;
        ++voortgang;
    }
    void ToonNietGedaan(const BackupStand& s) override { laatste = s; }
    void ToonLog(const QStringList& regels) override { log = regels; }
};

// Answers as an unattended run does.
class AutoMelder : public StartMelder {
public:
    QStringList* log;
    explicit AutoMelder(QStringList* l) : log(l) {}
    bool Automatisch() const override { return true; }
    void Meld(const QString& t) override { log->append(t); }
    bool Vraag(const QString&) override { return true; }
};

quint64 inode(const QString& pad) {
    struct stat st {};
    return ::stat(QFile::encodeName(pad).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

bool chattr(const QString& vlag, const QString& pad) {
    return TestHulp::Voer(QStringLiteral("chattr"), {vlag, pad}) == 0;
}

QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray willekeurig(int n, quint32 zaad) {
    QByteArray b(n, Qt::Uninitialized);
    QRandomGenerator g(zaad);
    for (char& c : b)
        c = char(g.bounded(256));
    return b;
}

} // namespace

class TstBackupEngine : public QObject {
    Q_OBJECT

    std::unique_ptr<TestHulp::TijdelijkVolume> m_bron;
    std::unique_ptr<TestHulp::TijdelijkVolume> m_doel;
    std::unique_ptr<CheckBoom> m_boom;
    Opname m_opname;

    // Sources: S:\Docs\ with files and a subfolder, S:\Foto's\ with an image.
    void maakBron() {
        m_bron->MaakBestand("Docs/brief.txt", QByteArray("Beste Jan,\n").repeated(200));
        m_bron->MaakBestand("Docs/.verborgen", "geheim");
        m_bron->MaakBestand("Docs/Sub map/notitie é.txt", "notitie");
        m_bron->MaakBestand("Docs/leeg.txt", "");
        m_bron->MaakBestand("Foto's/vakantie.png", willekeurig(5000, 1));
        QDir().mkpath(m_bron->Natief() + "Docs/Lege map");
    }

    TBackupThreadData run(BackupOpties opties, bool verwacht0 = true) {
        TBackupThreadData r;
        opties.Plaats = m_doel->Natief();
        r.Opties = opties;
        r.CheckDirFiles = opties.VerwijderRest;
        r.Boom = m_boom->MaakMomentopname();
        r.StartTijd = QDateTime::currentDateTime();
        AutoMelder melder(&r.LogEntries);
        bool ok = ControleerStart(r, melder);
        ok = ok && ControleerBestemming(r, m_zip, melder);
        ok = ok && MaakDataMap(r, melder);
        if (!ok)
            return r;
        m_opname = Opname{};
        BackupEngine engine(r, m_opname, QDir::tempPath() + "/");
        engine.Execute();
        if (verwacht0 && r.FoutNiveau != 0)
            qWarning() << r.LogEntries;
        return r;
    }

    QString data(const QString& rel) const { return m_doel->Natief() + "BackUpData/" + rel; }

    ZipComponent m_zip;

private Q_SLOTS:
    void init() {
        m_bron = std::make_unique<TestHulp::TijdelijkVolume>(QLatin1Char('S'), "Bron");
        m_doel = std::make_unique<TestHulp::TijdelijkVolume>(QLatin1Char('R'), "Reserve");
        m_boom = std::make_unique<CheckBoom>();
        maakBron();
    }
    void cleanup() {
        m_boom.reset();
        m_bron.reset();
        m_doel.reset();
    }

    void eenSchijfGecomprimeerd_data() {
        QTest::addColumn<QString>("wachtwoord");
        QTest::addColumn<int>("niveau");
        QTest::newRow("zonder wachtwoord") << "" << 9;
        QTest::newRow("met wachtwoord") << "Geheim 1" << 9;
        QTest::newRow("niveau 0") << "" << 0;
    }
    void eenSchijfGecomprimeerd() {
        QFETCH(QString, wachtwoord);
        QFETCH(int, niveau);
        Vink(*m_boom, "S:\\Docs\\");
        BackupOpties o;
        o.Niveau = niveau;
        o.Beveilig = !wachtwoord.isEmpty();
        o.Wachtwoord = wachtwoord;
        const TBackupThreadData r = run(o);
        QCOMPARE(r.FoutNiveau, 0);
        QCOMPARE(r.RootPad, QStringLiteral("S:\\"));
        for (const char* naam : {"brief.txt", ".verborgen", "Sub map/notitie é.txt", "leeg.txt"})
            QVERIFY2(QFileInfo(data(QString("Docs/") + naam)).isFile(), naam);
        QVERIFY(QFileInfo(data("Docs/Lege map")).isDir());

        // Info-ZIP reads what was stored, with the right password only
        QByteArray uit;
        QStringList args{"-p"};
        if (!wachtwoord.isEmpty())
            args << "-P" << wachtwoord;
        QCOMPARE(TestHulp::Voer("unzip", args + QStringList{data("Docs/brief.txt")}, &uit), 0);
        QCOMPARE(uit, lees(m_bron->Natief() + "Docs/brief.txt"));
        if (!wachtwoord.isEmpty())
            QVERIFY(TestHulp::Voer("unzip", {"-p", "-P", "fout", data("Docs/brief.txt")}) != 0);

        const auto regels = LeesArchiefRegels(m_zip, m_doel->Natief() + "BackUpData.OrvoBckDat");
        QVERIFY(regels);
        QCOMPARE(regels->size(), 5);
        QCOMPARE(regels->at(1), QString::number(m_opname.laatste.TotGrootte));
        QCOMPARE(regels->at(2), QStringLiteral("J"));
        QCOMPARE(regels->at(3), wachtwoord.isEmpty() ? QStringLiteral("N") : "J" + wachtwoord);
        QCOMPARE(regels->at(4), QStringLiteral("S:\\"));
        QCOMPARE(m_opname.laatste.AlGedaan, m_opname.laatste.TotGrootte);
        QVERIFY(m_opname.laatste.ComprGrootte > 0);
    }

    void kopie() {
        Vink(*m_boom, "S:\\Docs\\");
        BackupOpties o;
        o.Comprimeren = false;
        const TBackupThreadData r = run(o);
        QCOMPARE(r.FoutNiveau, 0);
        QCOMPARE(lees(data("Docs/brief.txt")), lees(m_bron->Natief() + "Docs/brief.txt"));
        QCOMPARE(QFileInfo(data("Docs/brief.txt")).lastModified(),
                 QFileInfo(m_bron->Natief() + "Docs/brief.txt").lastModified());
        QCOMPARE(lees(data("Docs/Sub map/notitie é.txt")), QByteArray("notitie"));
        QVERIFY(!Platform::HeeftArchiefVlag(m_bron->Natief() + "Docs/brief.txt"));
        QCOMPARE(LeesArchiefRegels(m_zip, m_doel->Natief() + "BackUpData.OrvoBckDat")->at(2),
                 QStringLiteral("N"));
    }

    void meerdereSchijven() {
        TestHulp::TijdelijkVolume tweede(QLatin1Char('Q'), "Tweede");
        tweede.MaakBestand("a.txt", "A");
        Vink(*m_boom, "S:\\Foto's\\");
        Vink(*m_boom, "Q:\\a.txt");
        const TBackupThreadData r = run(BackupOpties{});
        QCOMPARE(r.FoutNiveau, 0);
        QVERIFY(r.MeerdereSchijven);
        QVERIFY(QFileInfo(data("S/Foto's/vakantie.png")).isFile());
        QVERIFY(QFileInfo(data("Q/a.txt")).isFile());
        QCOMPARE(LeesArchiefRegels(m_zip, m_doel->Natief() + "BackUpData.OrvoBckDat")->at(4),
                 QStringLiteral("\\>Schijven"));
    }

    void snelleModus_data() {
        QTest::addColumn<int>("soort");
        QTest::addColumn<bool>("comprimeren");
        QTest::newRow("datum/tijd, zip") << 0 << true;
        QTest::newRow("archiefvlag, zip") << 1 << true;
        QTest::newRow("datum/tijd, kopie") << 0 << false;
        QTest::newRow("archiefvlag, kopie") << 1 << false;
    }
    void snelleModus() {
        QFETCH(int, soort);
        QFETCH(bool, comprimeren);
        Vink(*m_boom, "S:\\Docs\\");
        BackupOpties o;
        o.SnelleModusSoort = soort;
        o.Comprimeren = comprimeren;
        QCOMPARE(run(o).FoutNiveau, 0);
        const QStringList namen{"brief.txt", ".verborgen", "Sub map/notitie é.txt", "leeg.txt"};
        QMap<QString, quint64> voor;
        for (const QString& n : namen)
            voor[n] = inode(data("Docs/" + n));
        const qint64 comprEerst = m_opname.laatste.ComprGrootte;

        // nothing changed: nothing stored, everything done
        QCOMPARE(run(o).FoutNiveau, 0);
        for (const QString& n : namen)
            QCOMPARE(inode(data("Docs/" + n)), voor[n]);
        QCOMPARE(m_opname.laatste.AlGedaan, m_opname.laatste.TotGrootte);
        if (comprimeren)
            QCOMPARE(m_opname.laatste.ComprGrootte, comprEerst);

        // one file changed: exactly that one is stored again
        const QString brief = m_bron->Natief() + "Docs/brief.txt";
        if (soort == 0) {
            QFile f(brief);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(
                f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        } else {
            QVERIFY(Platform::ZetArchiefVlag(brief));
        }
        QCOMPARE(run(o).FoutNiveau, 0);
        for (const QString& n : namen) {
            if (n == "brief.txt")
                QVERIFY(inode(data("Docs/" + n)) != voor[n]);
            else
                QCOMPARE(inode(data("Docs/" + n)), voor[n]);
        }
        QVERIFY(!QFileInfo::exists(data("Docs/.~orvo~brief.txt")));
    }

    void tijdVerschilOnderDeGrens() {
        Vink(*m_boom, "S:\\Docs\\brief.txt");
        BackupOpties o;
        QCOMPARE(run(o).FoutNiveau, 0);
        const quint64 eerst = inode(data("brief.txt"));
        QFile f(m_bron->Natief() + "Docs/brief.txt");
        QVERIFY(f.open(QIODevice::ReadWrite));
        const QDateTime tijd = QFileInfo(f).lastModified();
        QVERIFY(f.setFileTime(tijd.addSecs(6), QFileDevice::FileModificationTime));
        QCOMPARE(run(o).FoutNiveau, 0);
        QCOMPARE(inode(data("brief.txt")), eerst);
        QVERIFY(f.setFileTime(tijd.addSecs(11), QFileDevice::FileModificationTime));
        QCOMPARE(run(o).FoutNiveau, 0);
        QVERIFY(inode(data("brief.txt")) != eerst);
    }

    void nietOrigineleBestanden_data() {
        QTest::addColumn<bool>("heel");
        QTest::newRow("heel geselecteerd") << true;
        QTest::newRow("deels geselecteerd") << false;
    }
    void nietOrigineleBestanden() {
        QFETCH(bool, heel);
        const QString p =
            heel ? "Docs/" : ""; // a wholly ticked folder that was never opened: the drive is the root
        if (heel) {
            Vink(*m_boom, "S:\\Docs\\");
        } else {
            Vink(*m_boom, "S:\\Docs\\brief.txt");
            Vink(*m_boom, "S:\\Docs\\leeg.txt");
            Vink(*m_boom, "S:\\Docs\\Sub map\\");
        }
        BackupOpties o;
        o.VerwijderRest = true;
        QCOMPARE(run(o).FoutNiveau, 0);
        QVERIFY(QFileInfo(data(p + "leeg.txt")).isFile());
        QVERIFY(QFileInfo(data(p + "Sub map")).isDir());
        // a foreign file at the destination, a deleted source file and (partly) an unticked folder
        m_doel->MaakBestand("BackUpData/" + p + "vreemd.txt", "x");
        QVERIFY(QFile::remove(m_bron->Natief() + "Docs/leeg.txt"));
        if (!heel) {
            m_boom->ZetStaat(TestHulp::Knoop(*m_boom, "S:\\Docs\\Sub map\\"), Uit);
            m_boom->ZetStaat(TestHulp::Knoop(*m_boom, "S:\\Docs\\leeg.txt"), Uit);
        }
        QCOMPARE(run(o).FoutNiveau, 0);
        QVERIFY(!QFileInfo::exists(data(p + "vreemd.txt")));
        QVERIFY(!QFileInfo::exists(data(p + "leeg.txt")));
        QVERIFY(QFileInfo(data(p + "brief.txt")).isFile());
        QCOMPARE(QFileInfo::exists(data(p + "Sub map")), heel);
    }

    void verdwenenBestand() {
        Vink(*m_boom, "S:\\Docs\\brief.txt");
        Vink(*m_boom, "S:\\Docs\\leeg.txt");
        QVERIFY(QFile::remove(m_bron->Natief() + "Docs/leeg.txt"));
        const TBackupThreadData r = run(BackupOpties{}, false);
        QCOMPARE(r.FoutNiveau, 3);
        QCOMPARE(r.LogEntries,
                 (QStringList{"- Van bestand S:\\Docs\\leeg.txt",
                              "  kon geen back-up worden gemaakt; het bestand is niet meer aanwezig."}));
        QCOMPARE(m_opname.laatste.FNietGedaan, qint64(1));
        QCOMPARE(m_opname.log, r.LogEntries);
    }

    void mapNietTeMaken() {
        Vink(*m_boom, "S:\\Docs\\");
        QCOMPARE(run(BackupOpties{}).FoutNiveau, 0);
        m_bron->MaakBestand("Docs/Nieuw/n.txt", "nieuw");
        if (!chattr("+i", data("Docs")))
            QSKIP("chattr is not available here");
        const TBackupThreadData r = run(BackupOpties{}, false);
        chattr("-i", data("Docs"));
        QCOMPARE(r.FoutNiveau, 10);
        QCOMPARE(r.LogEntries,
                 (QStringList{"- Van map S:\\Docs\\Nieuw",
                              "  (met alle daar geselecteerde bestanden) kon geen back-up worden gemaakt."}));
        QCOMPARE(m_opname.laatste.FNietGedaan, qint64(1));
        QCOMPARE(m_opname.laatste.NietGedaan, qint64(5));
    }

    void vorigeVersieNietTeVerwijderen() {
        Vink(*m_boom, "S:\\Docs\\brief.txt");
        BackupOpties o;
        o.SnelleModus = false;
        QCOMPARE(run(o).FoutNiveau, 0);
        const QByteArray opgeslagen = lees(data("brief.txt"));
        if (!chattr("+i", data("brief.txt")))
            QSKIP("chattr is not available here");
        const TBackupThreadData r = run(o, false);
        chattr("-i", data("brief.txt"));
        QCOMPARE(r.FoutNiveau, 5);
        QCOMPARE(r.LogEntries,
                 (QStringList{"- Van bestand S:\\Docs\\brief.txt",
                              "  kon geen back-up worden gemaakt; de vorige back-up versie met deze naam "
                              "kon niet worden verwijderd."}));
        QCOMPARE(lees(data("brief.txt")), opgeslagen);
    }

    void schijfVol() {
        QTemporaryDir klein;
        if (::mount("tmpfs", QFile::encodeName(klein.path()).constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("mounting a small tmpfs is not allowed here");
        Platform::RegistreerVolume(QLatin1Char('K'), klein.path(), "Klein");
        auto klaar = qScopeGuard([&] {
            Platform::VerwijderVolume(QLatin1Char('K'));
            ::umount(QFile::encodeName(klein.path()).constData());
        });
        m_bron->MaakBestand("Groot/a.bin", willekeurig(60 * 1024, 7));
        m_bron->MaakBestand("Groot/b.txt", "klein");
        Vink(*m_boom, "S:\\Groot\\");
        auto draai = [&] {
            TBackupThreadData r;
            r.Opties.Plaats = klein.path();
            r.Opties.SnelleModus = false;
            r.Boom = m_boom->MaakMomentopname();
            r.StartTijd = QDateTime::currentDateTime();
            AutoMelder melder(&r.LogEntries);
            if (ControleerStart(r, melder) && ControleerBestemming(r, m_zip, melder) &&
                MaakDataMap(r, melder)) {
                BackupEngine engine(r, m_opname, QDir::tempPath() + "/");
                engine.Execute();
            }
            return r;
        };
        QCOMPARE(draai().FoutNiveau, 0);
        const QString opgeslagen = klein.path() + "/BackUpData/Groot/a.bin";
        const QByteArray vorige = lees(opgeslagen);
        QVERIFY(!vorige.isEmpty());

        // it grows past what is left: the run stops, and the stored copy of the run before survives
        m_bron->MaakBestand("Groot/a.bin", willekeurig(600 * 1024, 8));
        const TBackupThreadData r = draai();
        QCOMPARE(r.FoutNiveau, 20);
        QCOMPARE(r.LogEntries, BackupEngine::BlokSchijfVol());
        QCOMPARE(lees(opgeslagen), vorige);
        QVERIFY(!QFileInfo::exists(klein.path() + "/BackUpData/Groot/.~orvo~a.bin"));
    }

    void linuxBijzonderheden() {
        // A link to a folder (here its own parent: a loop), a link to a file, a FIFO and a name with a
        // backslash in a wholly ticked folder.
        const QString docs = m_bron->Natief() + "Docs/";
        QVERIFY(QFile::link(m_bron->Natief() + "Docs", docs + "lus"));
        QVERIFY(QFile::link(docs + "brief.txt", docs + "koppeling.txt"));
        QCOMPARE(TestHulp::Voer("mkfifo", {docs + "pijp"}), 0);
        m_bron->MaakBestand("Docs/a\\b.txt", "schuin");
        Vink(*m_boom, "S:\\Docs\\");
        const TBackupThreadData r = run(BackupOpties{}, false);
        QCOMPARE(r.FoutNiveau, 5);
        QCOMPARE(r.LogEntries,
                 (QStringList{"- Van bestand S:\\Docs\\a\\b.txt", "  kon geen back-up worden gemaakt."}));
        QByteArray uit;
        QCOMPARE(TestHulp::Voer("unzip", {"-p", data("Docs/koppeling.txt")}, &uit), 0);
        QCOMPARE(uit, lees(docs + "brief.txt"));
        QVERIFY(!QFileInfo::exists(data("Docs/lus")));
        QVERIFY(!QFileInfo::exists(data("Docs/pijp")));
    }

    void configuratieNietTeSchrijven() {
        Vink(*m_boom, "S:\\Docs\\");
        QVERIFY(QDir().mkpath(m_doel->Natief() + "BackUpData"));
        // a folder where the configuration file belongs
        QVERIFY(QDir().mkpath(m_doel->Natief() + "BackUpData.OrvoBckDat"));
        TBackupThreadData r;
        r.Opties.Plaats = m_doel->Natief();
        r.Boom = m_boom->MaakMomentopname();
        QStringList meldingen;
        AutoMelder melder(&meldingen);
        QVERIFY(ControleerStart(r, melder));
        BackupEngine engine(r, m_opname, QDir::tempPath() + "/");
        engine.Execute();
        QCOMPARE(r.FoutNiveau, 20);
        QCOMPARE(r.LogEntries, BackupEngine::BlokConfiguratie());
        QVERIFY(QDir(data("")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstBackupEngine)
#include "tst_backupengine.moc"

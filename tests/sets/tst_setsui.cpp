// The set operations of the backup tab, the set dialogs and the tree widget, offscreen. Messages are
// answered through the dialog hook; screenshots of the dialogs and the tree go to the test's folder.
#include "common/AnsiTekst.h"
#include "common/Orvo_Dialoog.h"
#include "common/Orvo_vars.h"
#include "sets/BackUpBoom.h"
#include "sets/P_BackupSets.h"
#include "sets/SetBestand.h"
#include "sets/SetTekst.h"
#include "sets/U_BackupSet_Nieuw.h"
#include "sets/U_BackupSet_Open.h"
#include "testhulp/TestHulp.h"
#include "zip/ZipComponent.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace Orvo;

namespace {

// The parts of the main window the set operations use, as plain values and one real tree.
class ProefVenster : public SetVenster {
public:
    ProefVenster() : boom(new TBackUpBoom(&venster)) {
        venster.resize(420, 480);
        auto* layout = new QVBoxLayout(&venster);
        layout->addWidget(boom);
        VulStationBoom(boom);
    }
    QWidget* Venster() override { return &venster; }
    BackupOpties Opties() const override { return opties; }
    void ZetOpties(const BackupOpties& o) override {
        opties = o;
        ++regelsToegepast;
    }
    bool FTPLocatieBeschikbaar() const override { return ftp; }
    QString SetNaam() const override { return naam; }
    void ZetSetNaam(const QString& n, bool g) override {
        naam = n;
        gekozen = g;
    }
    CheckBoomView* BackUpBoom() override { return boom; }
    ZipComponent& Zipper() override { return zip; }
    bool StilOpslaan() const override { return stil; }
    void ZetStilOpslaan(bool s) override {
        stil = s;
        if (s)
            ++stilGezet;
    }
    QString TeOpenenSet() const override { return teOpenen; }
    void FocusOpLocatie() override { ++focus; }
    void BackUpStartClick() override { ++gestart; }

    QWidget venster;
    TBackUpBoom* boom;
    ZipComponent zip;
    BackupOpties opties;
    bool ftp = false;
    QString naam = GeenSet;
    bool gekozen = false;
    bool stil = false;
    QString teOpenen;
    int regelsToegepast = 0, stilGezet = 0, focus = 0, gestart = 0;
};

// Runs `doe` on the modal dialog of type T as soon as it is shown.
template <class T> void BijDialoog(std::function<void(T*)> doe) {
    auto* poging = new int(0);
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            delete poging;
            doe(d);
        } else if (++*poging > 200) {
            timer->stop();
            timer->deleteLater();
            delete poging;
        }
    });
    timer->start(10);
}

void Bewaar(QWidget* w, const QString& naam) {
    QDir().mkpath(QStringLiteral("schermafdrukken"));
    w->grab().save(QStringLiteral("schermafdrukken/") + naam + QStringLiteral(".png"));
}

} // namespace

class TstSetsUi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opslaanMeldtResultaat_data();
    void opslaanMeldtResultaat();
    void nieuweSetWordtStilOpgeslagen();
    void nieuweSetAnnuleren();
    void nieuweSetNaamControle_data();
    void nieuweSetNaamControle();
    void openDialoogToontSets();
    void openZonderKeuzeOpentNiets();
    void automatischOpenenStartBackup();
    void openenVanSetBeschadigd_data();
    void openenVanSetBeschadigd();
    void verwijderen_data();
    void verwijderen();
    void boomOpentEnVinkt();
    void wortelBlijftOpen();
    void schermafdrukBoom();

private:
    std::unique_ptr<QTemporaryDir> m_data;
    QStringList m_berichten;
    int m_antwoord = mrOK;
};

void TstSetsUi::init() {
    m_data = std::make_unique<QTemporaryDir>();
    InitVariabelen();
    Vars().DataMap = m_data->path();
    QVERIFY(QDir().mkpath(SetMap()));
    m_berichten.clear();
    m_antwoord = mrOK;
    ZetAntwoordHaak([this](const Bericht& b) {
        m_berichten.append(b.tekst);
        return b.soort == DialoogSoort::Vraag ? m_antwoord : int(mrOK);
    });
}

void TstSetsUi::cleanup() {
    ZetAntwoordHaak({});
}

void TstSetsUi::opslaanMeldtResultaat_data() {
    QTest::addColumn<bool>("stil");
    QTest::addColumn<bool>("mapKapot");
    QTest::addColumn<QString>("melding");
    QTest::newRow("gelukt") << false << false << MeldingSetOpgeslagen;
    QTest::newRow("mislukt") << false << true << MeldingSetNietOpgeslagen;
    QTest::newRow("stil gelukt") << true << false << QString();
    QTest::newRow("stil mislukt") << true << true << QString();
}

void TstSetsUi::opslaanMeldtResultaat() {
    QFETCH(bool, stil);
    QFETCH(bool, mapKapot);
    QFETCH(QString, melding);
    if (mapKapot) {
        // A file where the sets folder belongs: nothing can be written there.
        QVERIFY(QDir(SetMap()).removeRecursively());
        QFile f(SetMap());
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    ProefVenster v;
    v.ZetSetNaam(QStringLiteral("Werk"), true);
    v.stil = stil;
    QCOMPARE(BackUpSaveClick(v), !mapKapot);
    QCOMPARE(m_berichten, melding.isEmpty() ? QStringList() : QStringList{melding});
    QCOMPARE(v.focus, stil ? 0 : 1);
    QCOMPARE(QFileInfo(SetBestandPad(QStringLiteral("Werk"))).isFile(), !mapKapot);
}

void TstSetsUi::nieuweSetWordtStilOpgeslagen() {
    ProefVenster v;
    v.opties.Plaats = QStringLiteral("/ergens");
    v.boom->Boom().ZetStaat(v.boom->Boom().Wortel()->Kind(0), Aan);
    BijDialoog<TNieuweSet>([](TNieuweSet* d) {
        Bewaar(d, QStringLiteral("TNieuweSet"));
        d->BackUpNaam->setText(QStringLiteral("Mijn eerste set"));
        d->OKKnop->click();
    });
    BackUpNieuwClick(v);
    QCOMPARE(v.naam, QStringLiteral("Mijn eerste set"));
    QVERIFY(v.gekozen);
    QCOMPARE(v.stilGezet, 1);
    QVERIFY(!v.stil);
    QVERIFY(m_berichten.isEmpty());
    QCOMPARE(v.focus, 1);
    ZipComponent zip;
    const GelezenSetTekst tekst = LeesSetBestand(zip, QStringLiteral("Mijn eerste set"));
    QCOMPARE(tekst.Regels,
             (QStringList{"V2", "/ergens", "0J9J0NN", "", "C:", "X001Bestandssysteem (C:)", "@000"}));
}

void TstSetsUi::nieuweSetAnnuleren() {
    ProefVenster v;
    BijDialoog<TNieuweSet>([](TNieuweSet* d) {
        d->BackUpNaam->setText(QStringLiteral("Niet"));
        QTest::keyClick(d, Qt::Key_F6);
    });
    BackUpNieuwClick(v);
    QCOMPARE(v.naam, GeenSet);
    QVERIFY(!v.gekozen);
    QVERIFY(SetNamen().isEmpty());
    QCOMPARE(v.focus, 1);
}

void TstSetsUi::nieuweSetNaamControle_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("melding");
    QTest::newRow("leeg") << "" << MeldingSetNaamLeeg;
    QTest::newRow("bestaat") << "Thuis" << MeldingSetNaamBestaat;
    QTest::newRow("bestaat, andere hoofdletters") << "THUIS" << MeldingSetNaamBestaat;
    QTest::newRow("vraagteken") << "wat?" << MeldingSetNaamOngeldig;
    QTest::newRow("dubbele punt") << "a:b" << MeldingSetNaamOngeldig;
    QTest::newRow("met spaties") << "Mijn set van maandag" << QString();
    QTest::newRow("alleen spaties") << "  " << QString();
}

void TstSetsUi::nieuweSetNaamControle() {
    QFETCH(QString, naam);
    QFETCH(QString, melding);
    ProefVenster v;
    v.ZetSetNaam(QStringLiteral("Thuis"), true);
    v.stil = true;
    QVERIFY(BackUpSaveClick(v));
    QCOMPARE(ControleerNieuweSetNaam(naam), melding);

    TNieuweSet dialoog(&v.venster);
    dialoog.BackUpNaam->setText(naam);
    dialoog.show();
    QTest::keyClick(&dialoog, Qt::Key_F5);
    QCOMPARE(m_berichten, melding.isEmpty() ? QStringList() : QStringList{melding});
    QCOMPARE(dialoog.result(), melding.isEmpty() ? int(mrOK) : 0);
}

void TstSetsUi::openDialoogToontSets() {
    for (const char* naam : {"zomer", "Avond", "bureau", "Één"}) {
        ProefVenster v;
        v.ZetSetNaam(QString::fromUtf8(naam), true);
        v.stil = true;
        QVERIFY(BackUpSaveClick(v));
    }
    TOpenSet dialoog;
    QStringList regels;
    for (int i = 0; i < dialoog.BackUpSets->count(); ++i)
        regels.append(dialoog.BackUpSets->item(i)->text());
    QCOMPARE(regels, (QStringList{"Avond", "bureau", "Één", "zomer"}));
    QCOMPARE(dialoog.GekozenSet(), QString());
    dialoog.BackUpSets->setCurrentRow(1);
    QCOMPARE(dialoog.GekozenSet(), QStringLiteral("bureau"));
    dialoog.show();
    Bewaar(&dialoog, QStringLiteral("TOpenSet"));
}

void TstSetsUi::openZonderKeuzeOpentNiets() {
    ProefVenster v;
    v.ZetSetNaam(QStringLiteral("Thuis"), true);
    v.stil = true;
    QVERIFY(BackUpSaveClick(v));
    ProefVenster w;
    BijDialoog<TOpenSet>([](TOpenSet* d) { QTest::keyClick(d, Qt::Key_F5); });
    BackUpOpenClick(w);
    QCOMPARE(w.naam, GeenSet);
    QVERIFY(!w.gekozen);
    QCOMPARE(w.regelsToegepast, 1); // the option rules run anyway
    QCOMPARE(w.focus, 1);
    QCOMPARE(w.gestart, 0);
}

void TstSetsUi::automatischOpenenStartBackup() {
    TestHulp::TijdelijkVolume t(QLatin1Char('T'), QStringLiteral("Test"));
    t.MaakBestand(QStringLiteral("Map/a.txt"), "a");
    t.MaakBestand(QStringLiteral("Map/b.txt"), "b");
    QStringList geschreven;
    {
        ProefVenster v;
        v.opties.Niveau = 4;
        v.opties.Beveilig = true;
        v.opties.Wachtwoord = QStringLiteral("geheim");
        CheckBoom& boom = v.boom->Boom();
        const QString station = QStringLiteral("Deze computer\\Test (T:)\\");
        v.boom->OpenKnoop(boom.KnoopVanPad(station));
        v.boom->OpenKnoop(boom.KnoopVanPad(station + QStringLiteral("Map\\")));
        v.boom->KlikVakje(boom.KnoopVanPad(station + QStringLiteral("Map\\b.txt\\")));
        v.ZetSetNaam(QStringLiteral("Nacht"), true);
        v.stil = true;
        QVERIFY(BackUpSaveClick(v));
        geschreven = SchrijfSelectie(boom.Wortel());
    }
    QCOMPARE(geschreven, (QStringList{"T:", "-001Test (T:)", "-002Map", "X003b.txt", "@000"}));

    Vars().AutomatischeModus = true;
    ProefVenster w;
    w.teOpenen = QStringLiteral("Nacht");
    BackUpOpenClick(w);
    QCOMPARE(w.naam, QStringLiteral("Nacht"));
    QVERIFY(w.gekozen);
    QVERIFY(m_berichten.isEmpty());
    QCOMPARE(w.opties.Niveau, 4);
    QCOMPARE(w.opties.Wachtwoord, QStringLiteral("geheim"));
    QCOMPARE(SchrijfSelectie(w.boom->Boom().Wortel()), geschreven);
    const CheckKnoop* map = w.boom->Boom().KnoopVanPad(QStringLiteral("Deze computer\\Test (T:)\\Map\\"));
    QVERIFY(w.boom->isExpanded(w.boom->IndexVan(map)));
    QVERIFY(Vars().ToonZandloper);
    QCOMPARE(w.focus, 1);
    QCOMPARE(w.gestart, 1);
}

void TstSetsUi::openenVanSetBeschadigd_data() {
    QTest::addColumn<QByteArray>("tekst"); // empty: the archive itself is replaced by other bytes
    QTest::addColumn<QString>("melding");
    QTest::newRow("twee regels") << QByteArray("V2\r\n\r\n") << MeldingSetBeschadigd;
    QTest::newRow("niveau -1x") << QByteArray("V2\r\n\r\n0J-1xNN\r\n\r\n") << MeldingSetBeschadigd;
    QTest::newRow("niveau 99999") << QByteArray("V2\r\n\r\n0J99999\r\n\r\n") << MeldingSetBeschadigd;
    QTest::newRow("regel van 10 MB") << QByteArray("V2\r\n") + QByteArray(10 * 1024 * 1024, 'x') +
                                            "\r\n0\r\n\r\n"
                                     << MeldingSetBeschadigd;
    QTest::newRow("lange naamregel") << QByteArray("V2\r\n\r\n0J9J0NN\r\n\r\nC:\r\n-001") +
                                            QByteArray(10 * 1024 * 1024, 'y') + "\r\n@000\r\n"
                                     << QString();
    QTest::newRow("geen zip") << QByteArray() << MeldingSetFoutInlezen;
}

void TstSetsUi::openenVanSetBeschadigd() {
    QFETCH(QByteArray, tekst);
    QFETCH(QString, melding);
    {
        ZipComponent zip;
        BereidZipVoor(zip);
        QVERIFY(zip.VoegDataToe(SetBestandPad(QStringLiteral("Kapot")), QStringLiteral("Kapot"),
                                tekst.isEmpty() ? QByteArray("x") : tekst));
        if (tekst.isEmpty()) {
            QFile f(SetBestandPad(QStringLiteral("Kapot")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(2000, '\x50'));
        }
    }
    Vars().AutomatischeModus = true;
    ProefVenster v;
    v.opties.Plaats = QStringLiteral("blijft");
    v.boom->Boom().ZetStaat(v.boom->Boom().Wortel()->Kind(0), Aan);
    v.teOpenen = QStringLiteral("Kapot");
    BackUpOpenClick(v);
    QCOMPARE(m_berichten, melding.isEmpty() ? QStringList() : QStringList{melding});
    // The chosen name stays with the buttons enabled, the tree is rebuilt without ticks.
    QCOMPARE(v.naam, QStringLiteral("Kapot"));
    QVERIFY(v.gekozen);
    QCOMPARE(v.boom->Boom().Wortel()->Staat, int(Uit));
    QCOMPARE(v.gestart, melding.isEmpty() ? 1 : 0);
    if (!melding.isEmpty())
        QCOMPARE(v.opties.Plaats, QStringLiteral("blijft"));
    QVERIFY(Vars().ToonZandloper);
    QVERIFY(!QApplication::overrideCursor());
    // Still usable: the screen's state can be saved over the damaged set.
    v.stil = true;
    QVERIFY(BackUpSaveClick(v));
    ZipComponent zip;
    QCOMPARE(LeesSetBestand(zip, QStringLiteral("Kapot")).Regels.first(), QStringLiteral("V2"));
}

void TstSetsUi::verwijderen_data() {
    QTest::addColumn<bool>("bestaat");
    QTest::addColumn<int>("antwoord");
    QTest::addColumn<QStringList>("berichten");
    QTest::addColumn<bool>("weg");
    QTest::newRow("bestaat niet") << false << int(mrJa) << QStringList{MeldingNietsTeVerwijderen} << true;
    QTest::newRow("nee") << true << int(mrNee) << QStringList{VraagSetVerwijderen} << false;
    QTest::newRow("ja") << true << int(mrJa) << QStringList{VraagSetVerwijderen} << true;
}

void TstSetsUi::verwijderen() {
    QFETCH(bool, bestaat);
    QFETCH(int, antwoord);
    QFETCH(QStringList, berichten);
    QFETCH(bool, weg);
    ProefVenster v;
    v.ZetSetNaam(QStringLiteral("Oud"), true);
    v.opties.Niveau = 3;
    v.boom->Boom().ZetStaat(v.boom->Boom().Wortel()->Kind(0), Aan);
    if (bestaat) {
        v.stil = true;
        QVERIFY(BackUpSaveClick(v));
    }
    m_antwoord = antwoord;
    BackUpDeleteClick(v);
    QCOMPARE(m_berichten, berichten);
    QCOMPARE(QFileInfo::exists(SetBestandPad(QStringLiteral("Oud"))), !weg);
    const bool gewist = bestaat && weg;
    QCOMPARE(v.naam, gewist ? QString() : QStringLiteral("Oud"));
    QCOMPARE(v.gekozen, !gewist);
    QCOMPARE(v.opties.Niveau, 3);
    QCOMPARE(v.boom->Boom().Wortel()->Kind(0)->Staat, int(Aan));
    QCOMPARE(v.focus, 1);
}

void TstSetsUi::boomOpentEnVinkt() {
    TestHulp::TijdelijkVolume t(QLatin1Char('T'), QStringLiteral("Test"));
    t.MaakBestand(QStringLiteral("Map/a.txt"), "a");
    t.MaakBestand(QStringLiteral("Map/Sub/b.txt"), "b");
    ProefVenster v;
    CheckBoomView* boom = v.boom;
    CheckBoom& model = boom->Boom();
    const QString station = QStringLiteral("Deze computer\\Test (T:)\\");
    CheckKnoop* t1 = model.KnoopVanPad(station);
    boom->expand(boom->IndexVan(t1)); // as a click on the button
    CheckKnoop* map = model.KnoopVanPad(station + QStringLiteral("Map\\"));
    QVERIFY(map && map->HeeftAlleenPlaatshouder());
    QVERIFY(boom->Model().setData(boom->IndexVan(map), Qt::Checked, Qt::CheckStateRole));
    boom->expand(boom->IndexVan(map));
    QCOMPARE(map->Aantal(), 2);
    QCOMPARE(boom->Model().data(boom->IndexVan(map->Kind(1)), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(boom->Model().setData(boom->IndexVan(map->Kind(1)), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(boom->Model().data(boom->IndexVan(map), Qt::CheckStateRole).toInt(), int(Qt::PartiallyChecked));
    // A click on a partly ticked box ticks it.
    QVERIFY(boom->Model().setData(boom->IndexVan(map), Qt::PartiallyChecked, Qt::CheckStateRole));
    QCOMPARE(map->Staat, int(Aan));
    QVERIFY(!boom->Model().data(boom->IndexVan(map), Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(!boom->Model().data(boom->IndexVan(map->Kind(1)), Qt::DecorationRole).value<QIcon>().isNull());

    // "Vernieuw boom": every tick and every opened folder is gone.
    VerversBackUpBoomClick(boom);
    QCOMPARE(model.Wortel()->Staat, int(Uit));
    QVERIFY(model.KnoopVanPad(station)->HeeftAlleenPlaatshouder());
}

void TstSetsUi::wortelBlijftOpen() {
    ProefVenster v;
    const QModelIndex wortel = v.boom->IndexVan(v.boom->Boom().Wortel());
    QVERIFY(v.boom->isExpanded(wortel));
    v.boom->collapse(wortel);
    QVERIFY(v.boom->isExpanded(wortel));
    CheckKnoop* c = v.boom->Boom().Wortel()->Kind(0);
    v.boom->OpenKnoop(c);
    v.boom->SluitKnoop(c);
    QVERIFY(!v.boom->isExpanded(v.boom->IndexVan(c)));
    QVERIFY(!c->Open);
    QVERIFY(c->Aantal() > 1); // its children stay loaded

    // A tree that holds only its root refuses to be ticked.
    CheckBoomView leeg;
    leeg.Boom().MaakWortel(QStringLiteral("Deze computer"));
    leeg.KlikVakje(leeg.Boom().Wortel());
    QCOMPARE(leeg.Boom().Wortel()->Staat, int(Uit));
}

void TstSetsUi::schermafdrukBoom() {
    TestHulp::TijdelijkVolume d(QLatin1Char('D'), QStringLiteral("Data"));
    d.MaakBestand(QStringLiteral("Documenten/brief.odt"), "x");
    d.MaakBestand(QStringLiteral("Documenten/Foto's/strand.jpg"), "x");
    d.MaakBestand(QStringLiteral("Documenten/rekening.pdf"), "x");
    d.MaakBestand(QStringLiteral("Muziek/lied.mp3"), "x");
    d.MaakBestand(QStringLiteral("notities.txt"), "x");
    ProefVenster v;
    CheckBoom& boom = v.boom->Boom();
    const QString station = QStringLiteral("Deze computer\\Data (D:)\\");
    v.boom->OpenKnoop(boom.KnoopVanPad(station));
    v.boom->OpenKnoop(boom.KnoopVanPad(station + QStringLiteral("Documenten\\")));
    v.boom->KlikVakje(boom.KnoopVanPad(station + QStringLiteral("Documenten\\rekening.pdf\\")));
    v.boom->KlikVakje(boom.KnoopVanPad(station + QStringLiteral("Documenten\\Foto's\\")));
    v.boom->KlikVakje(boom.KnoopVanPad(station + QStringLiteral("notities.txt\\")));
    v.venster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v.venster));
    Bewaar(&v.venster, QStringLiteral("BackUpBoom"));
    QCOMPARE(boom.KnoopVanPad(station)->Staat, int(Deels));
}

QTEST_MAIN(TstSetsUi)
#include "tst_setsui.moc"

// The e-mail settings dialog: its rules, the recipient list and what "OK" leaves in the settings file.

#include "common/Instellingen.h"
#include "common/Orvo_Dialoog.h"
#include "common/P_AlgemeneFuncties.h"
#include "mail/U_EMailGegevens.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

using namespace Orvo;

namespace {

struct Rij {
    QString naam, adres;
};

QList<Rij> Rijen(const QTreeWidget* lijst) {
    QList<Rij> uit;
    for (int i = 0; i < lijst->topLevelItemCount(); ++i)
        uit.append(Rij{lijst->topLevelItem(i)->text(0), lijst->topLevelItem(i)->text(1)});
    return uit;
}

QStringList Namen(const QTreeWidget* lijst) {
    QStringList uit;
    for (const Rij& r : Rijen(lijst))
        uit.append(r.naam);
    return uit;
}

QStringList Adressen(const QTreeWidget* lijst) {
    QStringList uit;
    for (const Rij& r : Rijen(lijst))
        uit.append(r.adres);
    return uit;
}

void KlikKop(QTreeWidget* lijst, int kolom) {
    QHeaderView* kop = lijst->header();
    QTest::mouseClick(kop->viewport(), Qt::LeftButton, {},
                      QPoint(kop->sectionViewportPosition(kolom) + 20, kop->height() / 2));
}

void KiesRij(QTreeWidget* lijst, int rij) {
    QTreeWidgetItem* it = lijst->topLevelItem(rij);
    const QRect vak = lijst->visualItemRect(it);
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, vak.center());
}

} // namespace

class TestEMailGegevens : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_map;
    QList<Bericht> m_berichten;
    int m_antwoord = mrJa;

    QString IniPad() const { return m_map->filePath(QStringLiteral("OrvoProgs.ini")); }

    QString Lees(const QString& sleutel) {
        return OrvoProgs().LeesTekst(SectieBackUp, sleutel, QStringLiteral("<geen>"));
    }

    // A fresh settings object over the file as it is on disk, so the test sees what was written.
    void LeesOpnieuw() { ZetOrvoProgsBestand(IniPad()); }

    void ZetOntvangers(const QList<Rij>& lijst) {
        Instellingen& ini = OrvoProgs();
        ini.SchrijfGetal(SectieBackUp, QStringLiteral("EMailOntvangers"), int(lijst.size()));
        for (int i = 0; i < lijst.size(); ++i) {
            ini.SchrijfTekst(SectieBackUp, QStringLiteral("EMailNaam") + QString::number(i),
                             lijst.at(i).naam);
            ini.SchrijfTekst(SectieBackUp, QStringLiteral("EMailAdres") + QString::number(i),
                             lijst.at(i).adres);
        }
    }

    void VulGeldig(TEMailGegevens& d) {
        d.EMailZend->setChecked(true);
        d.EMailZendClick();
        d.SMTPNaam->setText(QStringLiteral("Kantoor"));
        d.SMTPAdrs->setText(QStringLiteral("backup@voorbeeld.nl"));
        d.SMTPHost->setText(QStringLiteral("smtp.voorbeeld.nl"));
        d.SMTPPrt->setText(QStringLiteral("587"));
        d.EMailNaam->setText(QStringLiteral("Piet"));
        d.EMailAdres->setText(QStringLiteral("piet@voorbeeld.nl"));
        d.NieuwKnopClick();
    }

    QStringList Meldingen() const {
        QStringList uit;
        for (const Bericht& b : m_berichten)
            uit.append(b.tekst);
        return uit;
    }

private Q_SLOTS:
    void init() {
        m_map = std::make_unique<QTemporaryDir>();
        ZetOrvoProgsBestand(IniPad());
        m_berichten.clear();
        m_antwoord = mrJa;
        ZetAntwoordHaak([this](const Bericht& b) {
            m_berichten.append(b);
            return b.soort == DialoogSoort::Vraag ? m_antwoord : int(mrOK);
        });
    }

    void cleanup() { ZetAntwoordHaak({}); }

    void openenZonderInstellingen() {
        TEMailGegevens d;
        d.show();
        QCOMPARE(d.windowTitle(), TitelEMailGegevens);
        QVERIFY(!d.EMailZend->isChecked());
        QVERIFY(!d.EMailFout->isChecked());
        QVERIFY(!d.SMTPBev->isChecked());
        for (QLineEdit* e :
             {d.SMTPNaam, d.SMTPAdrs, d.SMTPHost, d.SMTPLog, d.SMTPPass, d.EMailNaam, d.EMailAdres})
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        QCOMPARE(d.SMTPPrt->text(), QStringLiteral("25"));
        QCOMPARE(d.SMTPPrt->property("Tag").toInt(), 1);
        QVERIFY(!d.AanmeldPanel->isVisible());
        QCOMPARE(d.AdresLijst->topLevelItemCount(), 0);
        QVERIFY(d.EMailZend->isEnabled());
        for (QWidget* w : std::initializer_list<QWidget*>{
                 d.EMailFout, d.SMTPNaam, d.SMTPAdrs, d.SMTPHost, d.SMTPPrt, d.SMTPBev, d.SMTPLog, d.SMTPPass,
                 d.AdresLijst, d.EMailNaam, d.EMailAdres, d.NieuwKnop, d.WijzigKnop, d.VerwijderKnop})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QCOMPARE(d.AdresLijst->headerItem()->text(0), QStringLiteral("Naam ontvanger"));
        QCOMPARE(d.AdresLijst->headerItem()->text(1), QStringLiteral("E-mail adres ontvanger"));
        QCOMPARE(d.AdresLijst->header()->sectionSize(0), 176);
        QCOMPARE(d.AdresLijst->header()->sectionSize(1), 176);
        QCOMPARE(d.palette().color(QPalette::Window), QColor(241, 237, 237));
        QCOMPARE(d.StatusBalk->palette().color(QPalette::Window), QColor(0, 0, 128));
    }

    void openenLeestAlles() {
        Instellingen& ini = OrvoProgs();
        ini.SchrijfBoolean(SectieBackUp, QStringLiteral("EMailZend"), true);
        ini.SchrijfBoolean(SectieBackUp, QStringLiteral("EMailFout"), true);
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPNaam"), QStringLiteral("Kantoor"));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPPrt"), QStringLiteral("0x1D"));
        ini.SchrijfBoolean(SectieBackUp, QStringLiteral("SMTPBev"), true);
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPLog"), QStringLiteral("eim"));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPPass"),
                         VersleutelTekst(QStringLiteral("Geheim 1")));
        // A count higher than the stored rows (a hand edit, a crash) gives no rows of nothing.
        ini.SchrijfGetal(SectieBackUp, QStringLiteral("EMailOntvangers"), 2147483647);
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("EMailNaam0"), QStringLiteral("Zus"));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("EMailAdres0"), QStringLiteral("zus@x.nl"));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("EMailNaam1"), QStringLiteral("anna"));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("EMailAdres1"), QStringLiteral("anna@x.nl"));
        TEMailGegevens d;
        d.show();
        QVERIFY(d.EMailZend->isChecked());
        QVERIFY(d.EMailFout->isChecked());
        QCOMPARE(d.SMTPNaam->text(), QStringLiteral("Kantoor"));
        QCOMPARE(d.SMTPPrt->text(), QStringLiteral("29"));
        QCOMPARE(d.SMTPLog->text(), QStringLiteral("abc"));
        QCOMPARE(d.SMTPPass->text(), QStringLiteral("Geheim 1"));
        QVERIFY(d.AanmeldPanel->isVisible());
        QVERIFY(d.SMTPLog->isEnabled());
        QCOMPARE(Namen(d.AdresLijst), (QStringList{QStringLiteral("anna"), QStringLiteral("Zus")}));
        QCOMPARE(d.SorteerKolom(), 0);
        QVERIFY(d.SorteerOplopend());
    }

    void aanvinkRegels() {
        TEMailGegevens d;
        d.show();
        QTest::mouseClick(d.EMailZend, Qt::LeftButton, {}, QPoint(8, d.EMailZend->height() / 2));
        QVERIFY(d.EMailZend->isChecked());
        for (QWidget* w : std::initializer_list<QWidget*>{
                 d.EMailFout, d.SMTPNaam, d.SMTPAdrs, d.SMTPHost, d.SMTPPrt, d.SMTPBev, d.SMTPLog, d.SMTPPass,
                 d.AdresLijst, d.EMailNaam, d.EMailAdres, d.NieuwKnop})
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!d.WijzigKnop->isEnabled()); // nothing selected yet

        QVERIFY(!d.AanmeldPanel->isVisible());
        d.SMTPBev->click();
        QVERIFY(d.AanmeldPanel->isVisible());
        d.SMTPLog->setText(QStringLiteral("ik"));
        d.SMTPBev->click();
        QVERIFY(!d.AanmeldPanel->isVisible());
        QCOMPARE(d.SMTPLog->text(), QStringLiteral("ik")); // values stay as they are

        d.EMailZend->click();
        QVERIFY(!d.SMTPNaam->isEnabled());
        QVERIFY(!d.OntvangersGroep->isEnabled());
        QVERIFY(d.OKKnop->isEnabled());
        QVERIFY(d.AnnuleerKnop->isEnabled());
    }

    void sorterenMetKopKlikken() {
        ZetOntvangers({{QStringLiteral("bert"), QStringLiteral("a@z.nl")},
                       {QStringLiteral("_Anna"), QStringLiteral("C@x.nl")},
                       {QStringLiteral("Anna"), QStringLiteral("b@y.nl")}});
        TEMailGegevens d;
        d.EMailZend->click();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        // By code, with only a to z folded: "_" (95) comes after every letter.
        QCOMPARE(Namen(d.AdresLijst),
                 (QStringList{QStringLiteral("Anna"), QStringLiteral("bert"), QStringLiteral("_Anna")}));
        KlikKop(d.AdresLijst, 0);
        QCOMPARE(Namen(d.AdresLijst),
                 (QStringList{QStringLiteral("_Anna"), QStringLiteral("bert"), QStringLiteral("Anna")}));
        QVERIFY(!d.SorteerOplopend());
        KlikKop(d.AdresLijst, 1);
        QCOMPARE(d.SorteerKolom(), 1);
        QVERIFY(d.SorteerOplopend());
        QCOMPARE(Adressen(d.AdresLijst),
                 (QStringList{QStringLiteral("a@z.nl"), QStringLiteral("b@y.nl"), QStringLiteral("C@x.nl")}));
        KlikKop(d.AdresLijst, 1);
        QCOMPARE(Adressen(d.AdresLijst),
                 (QStringList{QStringLiteral("C@x.nl"), QStringLiteral("b@y.nl"), QStringLiteral("a@z.nl")}));
    }

    void toevoegenWijzigenVerwijderen() {
        TEMailGegevens d;
        d.EMailZend->click();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        d.EMailNaam->setText(QStringLiteral("Piet"));
        d.NieuwKnop->click();
        QCOMPARE(Meldingen(), QStringList{MeldingOntvangerInvullen});
        QCOMPARE(QApplication::focusWidget(), d.EMailNaam);

        m_berichten.clear();
        d.EMailAdres->setText(QStringLiteral("piet@@voorbeeld.nl"));
        d.NieuwKnop->click();
        QCOMPARE(Meldingen(), QStringList{EMailAdresFout(QStringLiteral("piet@@voorbeeld.nl"))});
        QCOMPARE(QApplication::focusWidget(), d.EMailAdres);
        QCOMPARE(d.AdresLijst->topLevelItemCount(), 0);

        m_berichten.clear();
        d.EMailAdres->setText(QStringLiteral("piet@voorbeeld.nl"));
        d.NieuwKnop->click();
        d.EMailNaam->setText(QStringLiteral("Anna"));
        d.EMailAdres->setText(QStringLiteral("anna@voorbeeld.nl"));
        d.NieuwKnop->click();
        QVERIFY(d.EMailNaam->text().isEmpty()); // nothing selected: the edits are emptied for the next
        d.EMailNaam->setText(QStringLiteral("Anna"));
        d.EMailAdres->setText(QStringLiteral("anna@voorbeeld.nl"));
        d.NieuwKnop->click(); // no check for duplicates
        QVERIFY(Meldingen().isEmpty());
        QCOMPARE(Namen(d.AdresLijst),
                 (QStringList{QStringLiteral("Anna"), QStringLiteral("Anna"), QStringLiteral("Piet")}));
        QCOMPARE(QApplication::focusWidget(), d.AdresLijst);
        QVERIFY(!d.WijzigKnop->isEnabled());

        KiesRij(d.AdresLijst, 2);
        QCOMPARE(d.EMailNaam->text(), QStringLiteral("Piet"));
        QCOMPARE(d.EMailAdres->text(), QStringLiteral("piet@voorbeeld.nl"));
        QVERIFY(d.WijzigKnop->isEnabled());
        QVERIFY(d.VerwijderKnop->isEnabled());
        d.EMailAdres->setText(QStringLiteral("aaa@voorbeeld.nl"));
        d.WijzigKnop->click();
        QCOMPARE(Rijen(d.AdresLijst).at(2).naam, QStringLiteral("Piet"));
        QCOMPARE(Rijen(d.AdresLijst).at(2).adres, QStringLiteral("aaa@voorbeeld.nl"));
        QCOMPARE(d.EMailAdres->text(), QStringLiteral("aaa@voorbeeld.nl")); // still selected

        m_antwoord = mrNee;
        d.VerwijderKnop->click();
        QCOMPARE(Meldingen(), QStringList{VraagOntvangerVerwijderen});
        QCOMPARE(d.AdresLijst->topLevelItemCount(), 3);

        m_antwoord = mrJa;
        d.VerwijderKnop->click();
        QCOMPARE(Namen(d.AdresLijst), (QStringList{QStringLiteral("Anna"), QStringLiteral("Anna")}));
        QVERIFY(d.AdresLijst->selectedItems().isEmpty());
        QVERIFY(d.EMailNaam->text().isEmpty());
        QVERIFY(d.EMailAdres->text().isEmpty());
        QVERIFY(!d.WijzigKnop->isEnabled());
        QVERIFY(!d.VerwijderKnop->isEnabled());
        QCOMPARE(QApplication::focusWidget(), d.AdresLijst);
    }

    void okWeigert_data() {
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("waarde");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("focus");
        QTest::newRow("naam leeg") << "SMTPNaam"
                                   << "" << MeldingRubriekenInvullen << "SMTPNaam";
        QTest::newRow("adres leeg") << "SMTPAdrs"
                                    << "" << MeldingRubriekenInvullen << "SMTPNaam";
        QTest::newRow("server leeg") << "SMTPHost"
                                     << "" << MeldingRubriekenInvullen << "SMTPNaam";
        QTest::newRow("poort leeg") << "SMTPPrt"
                                    << "" << MeldingRubriekenInvullen << "SMTPNaam";
        QTest::newRow("poort 0") << "SMTPPrt"
                                 << "0" << MeldingRubriekenInvullen << "SMTPPrt";
        QTest::newRow("poort 65536") << "SMTPPrt"
                                     << "65536" << MeldingRubriekenInvullen << "SMTPPrt";
        QTest::newRow("poort geplakt") << "SMTPPrt"
                                       << "25a" << MeldingRubriekenInvullen << "SMTPPrt";
        QTest::newRow("login leeg") << "SMTPLog"
                                    << "" << MeldingRubriekenInvullen << "SMTPLog";
        QTest::newRow("wachtwoord leeg") << "SMTPPass"
                                         << "" << MeldingRubriekenInvullen << "SMTPLog";
        QTest::newRow("geen ontvanger") << "AdresLijst"
                                        << "" << MeldingMinstensEenOntvanger << "AdresLijst";
        QTest::newRow("afzender ongeldig") << "SMTPAdrs"
                                           << "backup@x" << MeldingEMailDeelMist << "SMTPAdrs";
    }

    void okWeigert() {
        QFETCH(QString, veld);
        QFETCH(QString, waarde);
        QFETCH(QString, melding);
        QFETCH(QString, focus);
        TEMailGegevens d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        VulGeldig(d);
        d.SMTPBev->click();
        d.SMTPLog->setText(QStringLiteral("ik"));
        d.SMTPPass->setText(QStringLiteral("geheim"));
        if (veld == QLatin1String("AdresLijst"))
            d.AdresLijst->clear();
        else
            d.findChild<QLineEdit*>(veld)->setText(waarde);

        d.OKKnop->click();
        QCOMPARE(Meldingen(), QStringList{melding});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(d.isVisible());
        QVERIFY(!QFile::exists(IniPad())); // nothing written
    }

    // With no mail to send every value is saved as it stands; only a port that cannot be a number is
    // refused, because it could not be stored as one.
    void zonderVerzendenGeenControles() {
        TEMailGegevens d;
        d.show();
        d.SMTPAdrs->setText(QStringLiteral("geen adres"));
        d.OKKnop->click();
        QVERIFY(Meldingen().isEmpty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        LeesOpnieuw();
        QCOMPARE(Lees(QStringLiteral("EMailZend")), QStringLiteral("0"));
        QCOMPARE(Lees(QStringLiteral("SMTPAdrs")), QStringLiteral("geen adres"));
        QCOMPARE(Lees(QStringLiteral("SMTPHost")), QString());
        QCOMPARE(Lees(QStringLiteral("SMTPPrt")), QStringLiteral("25"));
        QCOMPARE(Lees(QStringLiteral("EMailOntvangers")), QStringLiteral("0"));

        TEMailGegevens e;
        e.show();
        e.SMTPPrt->setText(QString());
        e.OKKnop->click();
        QCOMPARE(Meldingen(), QStringList{MeldingRubriekenInvullen});
        QVERIFY(e.isVisible());
    }

    void bewaartInVasteVolgorde() {
        TEMailGegevens d;
        d.show();
        VulGeldig(d);
        d.EMailFout->click();
        d.EMailNaam->setText(QStringLiteral("Anna"));
        d.EMailAdres->setText(QStringLiteral("zz@voorbeeld.nl"));
        d.NieuwKnopClick();
        d.SMTPLog->setText(QStringLiteral("abc")); // kept and scrambled though no login is asked for
        d.OKKnop->click();
        QVERIFY(Meldingen().isEmpty());
        QCOMPARE(d.result(), int(QDialog::Accepted));

        QFile f(IniPad());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray tekst = f.readAll();
        QCOMPARE(tekst, QByteArray("[Orvo Back-up]\r\n"
                                   "EMailZend=1\r\n"
                                   "EMailFout=1\r\n"
                                   "SMTPNaam=Kantoor\r\n"
                                   "SMTPAdrs=backup@voorbeeld.nl\r\n"
                                   "SMTPHost=smtp.voorbeeld.nl\r\n"
                                   "SMTPPrt=587\r\n"
                                   "SMTPBev=0\r\n"
                                   "SMTPLog=eim\r\n"
                                   "SMTPPass=\r\n"
                                   "EMailOntvangers=2\r\n"
                                   "EMailNaam0=Anna\r\n"
                                   "EMailAdres0=zz@voorbeeld.nl\r\n"
                                   "EMailNaam1=Piet\r\n"
                                   "EMailAdres1=piet@voorbeeld.nl\r\n"
                                   "\r\n"));
    }

    void drieOntvangersWordenEen() {
        ZetOntvangers({{QStringLiteral("A"), QStringLiteral("a@x.nl")},
                       {QStringLiteral("B"), QStringLiteral("b@x.nl")},
                       {QStringLiteral("C"), QStringLiteral("c@x.nl")}});
        TEMailGegevens d;
        d.EMailZend->click();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        KiesRij(d.AdresLijst, 0);
        d.VerwijderKnop->click();
        KiesRij(d.AdresLijst, 1);
        d.VerwijderKnop->click();
        QCOMPARE(Namen(d.AdresLijst), QStringList{QStringLiteral("B")});
        d.EMailZend->click(); // no checks needed for the rest
        d.OKKnop->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));

        LeesOpnieuw();
        QCOMPARE(Lees(QStringLiteral("EMailOntvangers")), QStringLiteral("1"));
        QCOMPARE(Lees(QStringLiteral("EMailNaam0")), QStringLiteral("B"));
        QCOMPARE(Lees(QStringLiteral("EMailAdres0")), QStringLiteral("b@x.nl"));
        for (const char* sleutel : {"EMailNaam1", "EMailAdres1", "EMailNaam2", "EMailAdres2"})
            QVERIFY2(!OrvoProgs().BestaatSleutel(SectieBackUp, QLatin1String(sleutel)), sleutel);
    }

    void sorteervolgordeNummertOpnieuw() {
        ZetOntvangers({{QStringLiteral("A"), QStringLiteral("z@x.nl")},
                       {QStringLiteral("B"), QStringLiteral("y@x.nl")}});
        TEMailGegevens d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.AdresLijstColumnClick(1);
        d.OKKnop->click();
        LeesOpnieuw();
        QCOMPARE(Lees(QStringLiteral("EMailNaam0")), QStringLiteral("B"));
        QCOMPARE(Lees(QStringLiteral("EMailAdres0")), QStringLiteral("y@x.nl"));
        QCOMPARE(Lees(QStringLiteral("EMailNaam1")), QStringLiteral("A"));
    }

    void functietoetsen_data() {
        QTest::addColumn<int>("toets");
        QTest::addColumn<int>("resultaat");
        QTest::newRow("F5 bevestigt") << int(Qt::Key_F5) << int(QDialog::Accepted);
        QTest::newRow("F6 annuleert") << int(Qt::Key_F6) << int(QDialog::Rejected);
    }

    void functietoetsen() {
        QFETCH(int, toets);
        QFETCH(int, resultaat);
        TEMailGegevens d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        VulGeldig(d);
        // The key reaches the form from whichever control has the focus.
        d.SMTPHost->setFocus();
        QCOMPARE(QApplication::focusWidget(), d.SMTPHost);
        QTest::keyClick(d.SMTPHost, Qt::Key(toets));
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), resultaat);
        LeesOpnieuw();
        QCOMPARE(OrvoProgs().BestaatSleutel(SectieBackUp, QStringLiteral("SMTPHost")),
                 resultaat == QDialog::Accepted);
    }

    void poortNeemtAlleenCijfers() {
        TEMailGegevens d;
        d.EMailZend->click();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.SMTPPrt->clear();
        d.SMTPPrt->setFocus();
        QTest::keyClicks(d.SMTPPrt, QStringLiteral("5x8 7"));
        QCOMPARE(d.SMTPPrt->text(), QStringLiteral("587"));
        QTest::keyClick(d.SMTPPrt, Qt::Key_Return);
        QVERIFY(QApplication::focusWidget() != d.SMTPPrt);
        QVERIFY(d.isVisible()); // Enter moves on, it does not confirm
    }

    // A settings file that cannot be written is said so; the dialog stays open with what was entered.
    void schrijfFoutBlijftOpen() {
        const QString map = m_map->filePath(QStringLiteral("geen_bestand"));
        QVERIFY(QDir().mkpath(map));
        ZetOrvoProgsBestand(map); // a folder where the file should be
        TEMailGegevens d;
        d.show();
        d.SMTPHost->setText(QStringLiteral("smtp.x.nl"));
        d.OKKnop->click();
        QCOMPARE(m_berichten.size(), 1);
        QCOMPARE(m_berichten.first().soort, DialoogSoort::Waarschuwing);
        QVERIFY(m_berichten.first().tekst.startsWith(MeldingOpslaanMislukt));
        QVERIFY(d.isVisible());
        QCOMPARE(d.SMTPHost->text(), QStringLiteral("smtp.x.nl"));
    }

    void annulerenSchrijftNiets() {
        ZetOntvangers({{QStringLiteral("A"), QStringLiteral("a@x.nl")}});
        QFile f(IniPad());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray voor = f.readAll();
        f.close();
        TEMailGegevens d;
        d.show();
        d.EMailZend->click();
        KiesRij(d.AdresLijst, 0);
        d.VerwijderKnop->click();
        d.AnnuleerKnop->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), voor);
    }

    void schermafdrukken_data() {
        QTest::addColumn<bool>("zend");
        QTest::newRow("aangevinkt") << true;
        QTest::newRow("niet aangevinkt") << false;
    }

    void schermafdrukken() {
        QFETCH(bool, zend);
        Instellingen& ini = OrvoProgs();
        ini.SchrijfBoolean(SectieBackUp, QStringLiteral("EMailZend"), zend);
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPNaam"), QStringLiteral("Orvo op Kantoor-PC"));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPAdrs"), QStringLiteral("backup@voorbeeld.nl"));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPHost"), QStringLiteral("smtp.voorbeeld.nl"));
        ini.SchrijfBoolean(SectieBackUp, QStringLiteral("SMTPBev"), zend);
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPLog"), VersleutelTekst(QStringLiteral("rapport")));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPPass"), VersleutelTekst(QStringLiteral("geheim")));
        ZetOntvangers({{QStringLiteral("Piet Jansen"), QStringLiteral("piet@voorbeeld.nl")},
                       {QStringLiteral("Marie de Vries"), QStringLiteral("marie@voorbeeld.nl")}});
        TEMailGegevens d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QString map = QDir::current().filePath(QStringLiteral("schermafdrukken"));
        QDir().mkpath(map);
        const QString pad = map + (zend ? QStringLiteral("/EMailGegevens_aan.png")
                                        : QStringLiteral("/EMailGegevens_uit.png"));
        QVERIFY(d.grab().save(pad));
        qInfo() << "schermafdruk:" << pad;
    }
};

QTEST_MAIN(TestEMailGegevens)
#include "tst_emailgegevens.moc"

// The report mail against a real SMTP server (aiosmtpd on loopback), read back with Python's email
// module by the server itself.

#include "common/Instellingen.h"
#include "common/P_AlgemeneFuncties.h"
#include "mail/MailBericht.h"
#include "mail/VerzendLogMail.h"
#include "testhulp/TestHulp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace Orvo;

namespace {

const QString Gebruiker = QStringLiteral("rapport");
const QString Wachtwoord = QStringLiteral("geheim=42");

const QStringList Verslag{
    QStringLiteral("Back-up set              : Thuis"),
    QStringLiteral("Gestart op               : dinsdag 3 maart 2026 14:05:00"),
    QString(),
    QStringLiteral("  Fout bij <C:\\Map & \"Sub\">: overgeslagen"),
    QStringLiteral("Bestand 'Één €'   niet gevonden  "),
};

struct Ontvanger {
    QString naam, adres;
};

const QList<Ontvanger> DrieOntvangers{
    {QStringLiteral("Piet Jansen"), QStringLiteral("piet@voorbeeld.nl")},
    {QStringLiteral("Jansen, Marie (kantoor)"), QStringLiteral("marie@voorbeeld.nl")},
    {QStringLiteral("Jürgen Müller-Øster"), QStringLiteral("jurgen@voorbeeld.de")},
};

QStringList Lijst(const QJsonValue& v) {
    QStringList uit;
    for (const QJsonValue& x : v.toArray())
        uit.append(x.toString());
    return uit;
}

} // namespace

class TestVerzendLogMail : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_ini;
    std::unique_ptr<QTemporaryDir> m_post;
    MailTijden m_kort{2, 2, 2};

    std::unique_ptr<TestHulp::Server> StartServer(const QString& modus, const QStringList& extra = {}) {
        auto s = std::make_unique<TestHulp::Server>(QStringLiteral("smtp_server.py"),
                                                    QStringList{QStringLiteral("--modus"), modus,
                                                                QStringLiteral("--map"), m_post->path(),
                                                                QStringLiteral("--gebruiker"), Gebruiker,
                                                                QStringLiteral("--wachtwoord"), Wachtwoord} +
                                                        extra);
        return s;
    }

    void ZetServer(quint16 poort, bool bev = false, const QString& login = {},
                   const QString& wachtwoord = {}) {
        Instellingen& ini = OrvoProgs();
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPNaam"), QStringLiteral("Orvo op Kantoor-PC"));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPAdrs"), QStringLiteral("backup@voorbeeld.nl"));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPHost"), QStringLiteral("127.0.0.1"));
        ini.SchrijfGetal(SectieBackUp, QStringLiteral("SMTPPrt"), poort);
        ini.SchrijfBoolean(SectieBackUp, QStringLiteral("SMTPBev"), bev);
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPLog"), VersleutelTekst(login));
        ini.SchrijfTekst(SectieBackUp, QStringLiteral("SMTPPass"), VersleutelTekst(wachtwoord));
    }

    void ZetOntvangers(const QList<Ontvanger>& lijst) {
        Instellingen& ini = OrvoProgs();
        ini.SchrijfGetal(SectieBackUp, QStringLiteral("EMailOntvangers"), int(lijst.size()));
        for (int i = 0; i < lijst.size(); ++i) {
            ini.SchrijfTekst(SectieBackUp, QStringLiteral("EMailNaam") + QString::number(i),
                             lijst.at(i).naam);
            ini.SchrijfTekst(SectieBackUp, QStringLiteral("EMailAdres") + QString::number(i),
                             lijst.at(i).adres);
        }
    }

    QJsonObject Ontvangen(int nummer) {
        QFile f(m_post->filePath(QStringLiteral("bericht-%1.json").arg(nummer)));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }

    int AantalOntvangen() { return int(QDir(m_post->path()).entryList({QStringLiteral("*.eml")}).size()); }

    void ControleerBericht(const QJsonObject& b, const QStringList& regels, const QList<Ontvanger>& aan) {
        QVERIFY2(!b.contains(QStringLiteral("fout")), qPrintable(b.value(QStringLiteral("fout")).toString()));
        QCOMPARE(b.value(QStringLiteral("soort")).toString(), QStringLiteral("multipart/alternative"));
        QCOMPARE(Lijst(b.value(QStringLiteral("delen"))),
                 (QStringList{QStringLiteral("text/plain"), QStringLiteral("text/html")}));
        QCOMPARE(b.value(QStringLiteral("onderwerp")).toString(), OnderwerpVerslag);
        QCOMPARE(b.value(QStringLiteral("x_mailer")).toString(), MailAgent);
        QCOMPARE(b.value(QStringLiteral("mime_versie")).toString(), QStringLiteral("1.0"));
        QVERIFY(b.value(QStringLiteral("datum_geldig")).toBool());
        QVERIFY(b.value(QStringLiteral("message_id")).toString().startsWith(QLatin1Char('<')));
        const QJsonArray van = b.value(QStringLiteral("van")).toArray();
        QCOMPARE(van.size(), 1);
        QCOMPARE(Lijst(van.at(0)),
                 (QStringList{QStringLiteral("Orvo op Kantoor-PC"), QStringLiteral("backup@voorbeeld.nl")}));
        const QJsonArray ontvangers = b.value(QStringLiteral("aan")).toArray();
        QCOMPARE(ontvangers.size(), aan.size());
        for (int i = 0; i < aan.size(); ++i)
            QCOMPARE(Lijst(ontvangers.at(i)), (QStringList{aan.at(i).naam, aan.at(i).adres}));
        QCOMPARE(Lijst(b.value(QStringLiteral("tekst_regels"))), regels);
        QCOMPARE(Lijst(b.value(QStringLiteral("html_regels"))), regels);
        QVERIFY(b.value(QStringLiteral("html_stijl")).toString().contains(QStringLiteral("'Courier New'")));
        for (const QJsonValue& stijl : b.value(QStringLiteral("html_fonts")).toArray())
            QVERIFY(stijl.toString().contains(QStringLiteral("'Courier New'")));
    }

private Q_SLOTS:
    void init() {
        m_ini = std::make_unique<QTemporaryDir>();
        m_post = std::make_unique<QTemporaryDir>();
        ZetOrvoProgsBestand(m_ini->filePath(QStringLiteral("OrvoProgs.ini")));
    }

    void neemtBerichtAan_data() {
        QTest::addColumn<QString>("modus");
        QTest::addColumn<bool>("bev");
        QTest::addColumn<QString>("login");
        QTest::addColumn<bool>("aangemeld");
        QTest::newRow("AUTH LOGIN verplicht") << "login" << true << Gebruiker << true;
        QTest::newRow("geen AUTH aangeboden, aanmelden gevraagd") << "open" << true << Gebruiker << false;
        QTest::newRow("geen AUTH aangeboden") << "open" << false << QString() << false;
        QTest::newRow("alleen AUTH PLAIN aangeboden") << "plain" << true << Gebruiker << false;
        QTest::newRow("login bewaard maar niet verplicht") << "plain" << false << Gebruiker << false;
        QTest::newRow("verplicht met lege login") << "plain" << true << QString() << false;
    }

    void neemtBerichtAan() {
        QFETCH(QString, modus);
        QFETCH(bool, bev);
        QFETCH(QString, login);
        QFETCH(bool, aangemeld);
        auto server = StartServer(modus);
        QVERIFY(server->IsGestart());
        ZetServer(server->Poort(), bev, login, Wachtwoord);
        ZetOntvangers(DrieOntvangers);

        QString reden;
        QVERIFY2(VerzendLogMail(Verslag, m_kort, &reden), qPrintable(reden));

        QCOMPARE(AantalOntvangen(), 1);
        const QJsonObject ontvangen = Ontvangen(1);
        QCOMPARE(ontvangen.value(QStringLiteral("aangemeld")).toBool(), aangemeld);
        if (aangemeld) {
            QCOMPARE(ontvangen.value(QStringLiteral("mechanisme")).toString(), QStringLiteral("LOGIN"));
            QCOMPARE(ontvangen.value(QStringLiteral("login")).toString(), Gebruiker);
        }
        QCOMPARE(ontvangen.value(QStringLiteral("afzender")).toString(),
                 QStringLiteral("backup@voorbeeld.nl"));
        QCOMPARE(Lijst(ontvangen.value(QStringLiteral("ontvangers"))),
                 (QStringList{QStringLiteral("piet@voorbeeld.nl"), QStringLiteral("marie@voorbeeld.nl"),
                              QStringLiteral("jurgen@voorbeeld.de")}));
        ControleerBericht(ontvangen.value(QStringLiteral("bericht")).toObject(), Verslag, DrieOntvangers);
    }

    void legeTekstGaatToch() {
        auto server = StartServer(QStringLiteral("open"));
        QVERIFY(server->IsGestart());
        ZetServer(server->Poort());
        ZetOntvangers(DrieOntvangers.mid(0, 1));
        QVERIFY(VerzendLogMail({}, m_kort));
        ControleerBericht(Ontvangen(1).value(QStringLiteral("bericht")).toObject(), {},
                          DrieOntvangers.mid(0, 1));
    }

    // A name is the user's text; a line break in it must not become a header of its own.
    void naamKanGeenKopMaken() {
        auto server = StartServer(QStringLiteral("open"));
        QVERIFY(server->IsGestart());
        ZetServer(server->Poort());
        ZetOntvangers(
            {{QStringLiteral("Piet\r\nBcc: stiekem@elders.nl"), QStringLiteral("piet@voorbeeld.nl")}});
        QVERIFY(VerzendLogMail(Verslag, m_kort));
        QFile eml(m_post->filePath(QStringLiteral("bericht-1.eml")));
        QVERIFY(eml.open(QIODevice::ReadOnly));
        QVERIFY(!eml.readAll().contains("\nBcc:"));
        const QJsonObject b = Ontvangen(1).value(QStringLiteral("bericht")).toObject();
        QCOMPARE(Lijst(b.value(QStringLiteral("aan")).toArray().at(0)),
                 (QStringList{QStringLiteral("Piet  Bcc: stiekem@elders.nl"),
                              QStringLiteral("piet@voorbeeld.nl")}));
        QCOMPARE(Lijst(Ontvangen(1).value(QStringLiteral("ontvangers"))),
                 QStringList{QStringLiteral("piet@voorbeeld.nl")});
    }

    void tweeAanroepenNaElkaar() {
        auto server = StartServer(QStringLiteral("open"));
        QVERIFY(server->IsGestart());
        ZetServer(server->Poort());
        ZetOntvangers(DrieOntvangers);
        QVERIFY(VerzendLogMail(Verslag, m_kort));
        const QList<Ontvanger> tweede{{QStringLiteral("Alleen Ik"), QStringLiteral("ik@voorbeeld.nl")}};
        ZetOntvangers(tweede);
        const QStringList regels{QStringLiteral("Tweede verslag"), QStringLiteral("Resultaat : geslaagd")};
        QVERIFY(VerzendLogMail(regels, m_kort));

        QCOMPARE(AantalOntvangen(), 2);
        const QJsonObject twee = Ontvangen(2);
        QCOMPARE(Lijst(twee.value(QStringLiteral("ontvangers"))),
                 QStringList{QStringLiteral("ik@voorbeeld.nl")});
        ControleerBericht(twee.value(QStringLiteral("bericht")).toObject(), regels, tweede);
    }

    void mislukt_data() {
        QTest::addColumn<QString>("modus");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("wachtwoord");
        QTest::addColumn<int>("ontvangers");
        QTest::addColumn<QString>("host");
        QTest::newRow("verkeerd wachtwoord") << "login" << QStringList() << "fout" << 3 << "127.0.0.1";
        QTest::newRow("aanmelden niet ingesteld") << "login" << QStringList() << "" << 3 << "127.0.0.1";
        QTest::newRow("ontvanger geweigerd")
            << "open" << QStringList{QStringLiteral("--weiger"), QStringLiteral("marie@voorbeeld.nl")} << ""
            << 3 << "127.0.0.1";
        QTest::newRow("geen ontvangers") << "open" << QStringList() << "" << 0 << "127.0.0.1";
        QTest::newRow("geen server ingesteld") << "open" << QStringList() << "" << 3 << "";
        QTest::newRow("server zwijgt") << "stil" << QStringList() << "" << 3 << "127.0.0.1";
        QTest::newRow("server zwijgt na het bericht") << "traag" << QStringList() << "" << 3 << "127.0.0.1";
    }

    void mislukt() {
        QFETCH(QString, modus);
        QFETCH(QStringList, extra);
        QFETCH(QString, wachtwoord);
        QFETCH(int, ontvangers);
        QFETCH(QString, host);
        auto server = StartServer(modus, extra);
        QVERIFY(server->IsGestart());
        ZetServer(server->Poort(), !wachtwoord.isEmpty(), Gebruiker, wachtwoord);
        OrvoProgs().SchrijfTekst(SectieBackUp, QStringLiteral("SMTPHost"), host);
        ZetOntvangers(DrieOntvangers.mid(0, ontvangers));

        QElapsedTimer klok;
        klok.start();
        QString reden;
        QVERIFY(!VerzendLogMail(Verslag, m_kort, &reden));
        qInfo() << "reden:" << reden;
        QVERIFY(!reden.isEmpty());
        // A silent server is given up after the waiting times, not waited for forever.
        QVERIFY2(klok.elapsed() < 20000, qPrintable(QString::number(klok.elapsed())));
        QCOMPARE(AantalOntvangen(), 0);
    }

    void serverIsErNiet() {
        quint16 poort = 0;
        {
            auto server = StartServer(QStringLiteral("open"));
            QVERIFY(server->IsGestart());
            poort = server->Poort();
        } // stopped: the port is closed now
        ZetServer(poort);
        ZetOntvangers(DrieOntvangers);
        QString reden;
        QVERIFY(!VerzendLogMail(Verslag, m_kort, &reden));
        qInfo() << "reden:" << reden;
    }

    // What the headers look like for names a plain header cannot carry.
    void kopTeksten_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QByteArray>("kop");
        QTest::newRow("gewoon") << "Piet Jansen" << QByteArray("Piet Jansen <p@x.nl>");
        QTest::newRow("komma") << "Jansen, Piet" << QByteArray("\"Jansen, Piet\" <p@x.nl>");
        QTest::newRow("aanhalingsteken")
            << "Piet \"P\" J\\" << QByteArray("\"Piet \\\"P\\\" J\\\\\" <p@x.nl>");
        QTest::newRow("leeg") << "" << QByteArray("<p@x.nl>");
        QTest::newRow("umlaut") << "Jürgen" << QByteArray("=?UTF-8?B?SsO8cmdlbg==?= <p@x.nl>");
    }

    void kopTeksten() {
        QFETCH(QString, naam);
        QFETCH(QByteArray, kop);
        QCOMPARE(AdresKop(MailAdres{naam, QStringLiteral("p@x.nl")}), kop);
    }

    void langeNaamBlijftBinnenRegels() {
        const QByteArray kop = KopTekst(QString(60, QChar(0x00E9)));
        for (const QByteArray& woord : kop.split('\n'))
            QVERIFY(woord.trimmed().size() <= 75);
        QCOMPARE(kop.count("=?UTF-8?B?"), 3); // 120 bytes in words of at most 45
    }

    void datumKop() {
        const QDateTime moment(QDate(2026, 3, 3), QTime(14, 5, 9), QTimeZone(3600));
        QCOMPARE(DatumKop(moment), QByteArray("Tue, 3 Mar 2026 14:05:09 +0100"));
    }
};

QTEST_GUILESS_MAIN(TestVerzendLogMail)
#include "tst_verzendlogmail.moc"

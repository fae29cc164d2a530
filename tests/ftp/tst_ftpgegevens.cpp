// The FTP login dialog: storing, the connection test against a real server, keys, and its picture.

#include "common/Instellingen.h"
#include "common/Orvo_Dialoog.h"
#include "common/Orvo_vars.h"
#include "common/P_AlgemeneFuncties.h"
#include "ftp/FTPVerbinding.h"
#include "ftp/U_FTPGegevens.h"
#include "testhulp/TestHulp.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Orvo;

class TstFTPGegevens : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_werk;
    std::unique_ptr<TestHulp::Server> m_ftp;
    QList<Bericht> m_berichten;
    bool m_knoppenUitTijdensBericht = false;
    std::unique_ptr<FTPVerbinding> m_verbinding;
    std::unique_ptr<TFTPGegevens> m_dialoog;

    QString Opgeslagen(const QString& sleutel) {
        return OrvoProgs().LeesTekst(SectieBackUp, sleutel, QStringLiteral("<geen>"));
    }
    void Open() {
        m_dialoog = std::make_unique<TFTPGegevens>(*m_verbinding);
        m_dialoog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialoog.get()));
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void picture();
    void opensWithTheLoginInMemory();
    void okStores_data();
    void okStores();
    void cancelAfterSuccessfulTestChangesNothing();
    void testWithEmptyFields_data();
    void testWithEmptyFields();
    void testAgainstServer_data();
    void testAgainstServer();
    void keys_data();
    void keys();
    void releaseWithoutPressIsNotOurs();
};

void TstFTPGegevens::initTestCase() {
    QVERIFY(m_werk.isValid());
    const QString home = m_werk.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));
    m_ftp = std::make_unique<TestHulp::Server>(
        QStringLiteral("ftp_server.py"),
        QStringList{QStringLiteral("--gebruiker"), QStringLiteral("klant7"), QStringLiteral("juist"), home});
    QVERIFY(m_ftp->IsGestart());
    InitVariabelen();
    Vars().TijdelijkeMap = m_werk.path() + QLatin1Char('/');
    ZetAntwoordHaak([this](const Bericht& b) {
        m_berichten.append(b);
        m_knoppenUitTijdensBericht = m_dialoog && !m_dialoog->CheckKnop()->isEnabled() &&
                                     !m_dialoog->OKKnop()->isEnabled() &&
                                     !m_dialoog->AnnuleerKnop()->isEnabled();
        return int(mrOK);
    });
}

void TstFTPGegevens::init() {
    const QString ini = m_werk.filePath(QStringLiteral("OrvoProgs.ini"));
    QFile::remove(ini);
    ZetOrvoProgsBestand(ini);
    OrvoProgs().SchrijfTekst(SectieAlgemeen, SleutelFTPAdres,
                             QStringLiteral("127.0.0.1:%1").arg(m_ftp->Poort()));
    Vars().FTPLoginNaam = QStringLiteral("oud");
    Vars().FTPLoginWachtwoord = QStringLiteral("oudww");
    m_berichten.clear();
    m_knoppenUitTijdensBericht = false;
    m_verbinding = std::make_unique<FTPVerbinding>(QStringLiteral("http://127.0.0.1:9/IPHelper.html"));
    Open();
}

void TstFTPGegevens::cleanup() {
    m_dialoog.reset();
    m_verbinding.reset();
}

void TstFTPGegevens::picture() {
    m_dialoog->FTP_Login()->setText(QStringLiteral("klant7"));
    m_dialoog->FTP_Wachtwoord()->setText(QStringLiteral("juist"));
    QCOMPARE(m_dialoog->windowTitle(), TitelFTPGegevens);
    const QString pad = QDir::current().filePath(QStringLiteral("U_FTPGegevens.png"));
    QVERIFY(m_dialoog->grab().save(pad));
    qInfo("picture: %s", qPrintable(pad));
}

void TstFTPGegevens::opensWithTheLoginInMemory() {
    QCOMPARE(m_dialoog->FTP_Login()->text(), QStringLiteral("oud"));
    QCOMPARE(m_dialoog->FTP_Wachtwoord()->text(), QStringLiteral("oudww"));
    QCOMPARE(m_dialoog->FTP_Wachtwoord()->echoMode(), QLineEdit::Password);
}

void TstFTPGegevens::okStores_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("wachtwoord");
    QTest::addColumn<bool>("inGeheugen");
    QTest::newRow("both") << QStringLiteral("klant7") << QStringLiteral("juist") << true;
    QTest::newRow("empty password") << QStringLiteral("klant7") << QString() << false;
    QTest::newRow("empty login") << QString() << QStringLiteral("juist") << false;
}

void TstFTPGegevens::okStores() {
    QFETCH(QString, login);
    QFETCH(QString, wachtwoord);
    QFETCH(bool, inGeheugen);
    m_dialoog->FTP_Login()->setText(login);
    m_dialoog->FTP_Wachtwoord()->setText(wachtwoord);
    QTest::mouseClick(m_dialoog->OKKnop(), Qt::LeftButton);
    QCOMPARE(m_dialoog->result(), int(mrOK));
    QCOMPARE(m_dialoog->result(), int(QDialog::Accepted));
    QCOMPARE(Opgeslagen(SleutelFTPLogin), VersleutelTekst(login));
    QCOMPARE(Opgeslagen(SleutelFTPPass), VersleutelTekst(wachtwoord));
    QCOMPARE(OntsleutelTekst(Opgeslagen(SleutelFTPLogin)), login);
    QCOMPARE(Vars().FTPLoginNaam, inGeheugen ? login : QString());
    QCOMPARE(Vars().FTPLoginWachtwoord, inGeheugen ? wachtwoord : QString());
    QVERIFY(m_berichten.isEmpty()); // OK never tests
}

void TstFTPGegevens::cancelAfterSuccessfulTestChangesNothing() {
    m_dialoog->FTP_Login()->setText(QStringLiteral("klant7"));
    m_dialoog->FTP_Wachtwoord()->setText(QStringLiteral("juist"));
    QTest::mouseClick(m_dialoog->CheckKnop(), Qt::LeftButton);
    QCOMPARE(m_berichten.size(), 1);
    QCOMPARE(m_berichten.at(0).tekst, MeldingFTPGegevensGoed);
    QTest::mouseClick(m_dialoog->AnnuleerKnop(), Qt::LeftButton);
    QCOMPARE(m_dialoog->result(), int(mrAnnuleer));
    QCOMPARE(Opgeslagen(SleutelFTPLogin), QStringLiteral("<geen>"));
    QCOMPARE(Opgeslagen(SleutelFTPPass), QStringLiteral("<geen>"));
    QCOMPARE(Vars().FTPLoginNaam, QStringLiteral("oud"));
    QCOMPARE(Vars().FTPLoginWachtwoord, QStringLiteral("oudww"));
}

void TstFTPGegevens::testWithEmptyFields_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("wachtwoord");
    QTest::newRow("no password") << QStringLiteral("klant7") << QString();
    QTest::newRow("no login") << QString() << QStringLiteral("juist");
}

void TstFTPGegevens::testWithEmptyFields() {
    QFETCH(QString, login);
    QFETCH(QString, wachtwoord);
    m_dialoog->FTP_Login()->setText(login);
    m_dialoog->FTP_Wachtwoord()->setText(wachtwoord);
    QTest::mouseClick(m_dialoog->CheckKnop(), Qt::LeftButton);
    QCOMPARE(m_berichten.size(), 1);
    QCOMPARE(m_berichten.at(0).soort, DialoogSoort::Informatie);
    QCOMPARE(m_berichten.at(0).tekst, MeldingFTPGegevensLeeg);
    QVERIFY(m_dialoog->isVisible());
}

void TstFTPGegevens::testAgainstServer_data() {
    QTest::addColumn<QString>("wachtwoord");
    QTest::addColumn<int>("soort");
    QTest::addColumn<QString>("melding");
    QTest::newRow("right") << QStringLiteral("juist") << int(DialoogSoort::Informatie)
                           << MeldingFTPGegevensGoed;
    QTest::newRow("wrong password") << QStringLiteral("fout") << int(DialoogSoort::Waarschuwing)
                                    << MeldingFTPGegevensFout;
}

void TstFTPGegevens::testAgainstServer() {
    QFETCH(QString, wachtwoord);
    QFETCH(int, soort);
    QFETCH(QString, melding);
    m_dialoog->FTP_Login()->setText(QStringLiteral("klant7"));
    m_dialoog->FTP_Wachtwoord()->setText(wachtwoord);
    QTest::mouseClick(m_dialoog->CheckKnop(), Qt::LeftButton);
    QCOMPARE(m_berichten.size(), 1);
    QCOMPARE(int(m_berichten.at(0).soort), soort);
    QCOMPARE(m_berichten.at(0).tekst, melding);
    QVERIFY(m_knoppenUitTijdensBericht);
    QVERIFY(!m_verbinding->IsVerbonden()); // the test closes what it opened
    QVERIFY(m_dialoog->CheckKnop()->isEnabled());
    QVERIFY(m_dialoog->OKKnop()->isEnabled());
    QVERIFY(m_dialoog->AnnuleerKnop()->isEnabled());
    QCOMPARE(Vars().FTPLoginNaam, QStringLiteral("oud"));
    QCOMPARE(Vars().FTPLoginWachtwoord, QStringLiteral("oudww"));
    QCOMPARE(Opgeslagen(SleutelFTPLogin), QStringLiteral("<geen>"));
    QVERIFY(m_dialoog->isVisible());
}

void TstFTPGegevens::keys_data() {
    QTest::addColumn<QString>("waar"); // the control with the focus
    QTest::addColumn<int>("toets");
    QTest::addColumn<int>("resultaat");
    QTest::newRow("Enter in the login") << QStringLiteral("FTP_Login") << int(Qt::Key_Return) << int(mrOK);
    QTest::newRow("Enter in the password")
        << QStringLiteral("FTP_Wachtwoord") << int(Qt::Key_Return) << int(mrOK);
    QTest::newRow("keypad Enter") << QStringLiteral("FTP_Login") << int(Qt::Key_Enter) << int(mrOK);
    QTest::newRow("F5") << QStringLiteral("FTP_Wachtwoord") << int(Qt::Key_F5) << int(mrOK);
    QTest::newRow("F6") << QStringLiteral("FTP_Login") << int(Qt::Key_F6) << int(mrAnnuleer);
    QTest::newRow("Escape") << QStringLiteral("FTP_Wachtwoord") << int(Qt::Key_Escape) << int(mrAnnuleer);
}

void TstFTPGegevens::keys() {
    QFETCH(QString, waar);
    QFETCH(int, toets);
    QFETCH(int, resultaat);
    m_dialoog->FTP_Login()->setText(QStringLiteral("nieuw"));
    m_dialoog->FTP_Wachtwoord()->setText(QStringLiteral("nieuwww"));
    auto* edit = m_dialoog->findChild<QLineEdit*>(waar);
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key(toets));
    QVERIFY(!m_dialoog->isVisible());
    QCOMPARE(m_dialoog->result(), resultaat);
    const bool opgeslagen = resultaat == int(mrOK);
    QCOMPARE(Vars().FTPLoginNaam, opgeslagen ? QStringLiteral("nieuw") : QStringLiteral("oud"));
    QCOMPARE(Opgeslagen(SleutelFTPLogin),
             opgeslagen ? VersleutelTekst(QStringLiteral("nieuw")) : QStringLiteral("<geen>"));
}

void TstFTPGegevens::releaseWithoutPressIsNotOurs() {
    // The Enter that closed a message box lets go over this dialog: that is no request to store.
    m_dialoog->FTP_Login()->setFocus();
    QTest::keyRelease(m_dialoog->FTP_Login(), Qt::Key_Return);
    QVERIFY(m_dialoog->isVisible());
    QCOMPARE(Opgeslagen(SleutelFTPLogin), QStringLiteral("<geen>"));
}

QTEST_MAIN(TstFTPGegevens)
#include "tst_ftpgegevens.moc"

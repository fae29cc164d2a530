#include "ftp/U_FTPGegevens.h"
#include "common/Instellingen.h"
#include "common/Orvo_Dialoog.h"
#include "common/Orvo_vars.h"
#include "common/P_AlgemeneFuncties.h"
#include "common/P_AlgemeneFunctiesUI.h"
#include "common/ToetsFilter.h"
#include "ftp/FTPVerbinding.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace Orvo {

TFTPGegevens::TFTPGegevens(FTPVerbinding& verbinding, QWidget* parent)
    : QDialog(parent), m_verbinding(verbinding) {
    setWindowTitle(TitelFTPGegevens);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(241, 237, 237));
    setPalette(pal);

    m_info =
        new QLabel(QStringLiteral("Vul hier uw toegangsgegevens in, die u van ons heeft ontvangen"), this);
    m_info->setObjectName(QStringLiteral("InfoTekst"));
    QFont vet = m_info->font();
    vet.setBold(true);
    m_info->setFont(vet);

    m_login = new QLineEdit(Vars().FTPLoginNaam, this);
    m_login->setObjectName(QStringLiteral("FTP_Login"));
    m_wachtwoord = new QLineEdit(Vars().FTPLoginWachtwoord, this);
    m_wachtwoord->setObjectName(QStringLiteral("FTP_Wachtwoord"));
    m_wachtwoord->setEchoMode(QLineEdit::Password);
    m_wachtwoord->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // '*'
    for (QLineEdit* e : {m_login, m_wachtwoord})
        e->setMinimumWidth(200);

    m_check = new QPushButton(QStringLiteral("Controleer gegevens"), this);
    m_check->setObjectName(QStringLiteral("CheckKnop"));

    auto* balk = new QStatusBar(this);
    balk->setSizeGripEnabled(false);
    balk->setStyleSheet(QStringLiteral("QStatusBar { background: #000080; }"));
    m_ok = new QPushButton(QStringLiteral("OK"), balk);
    m_ok->setObjectName(QStringLiteral("OKKnop"));
    m_annuleer = new QPushButton(QStringLiteral("Annuleer"), balk);
    m_annuleer->setObjectName(QStringLiteral("AnnuleerKnop"));
    for (QPushButton* k : {m_ok, m_annuleer}) {
        k->setMinimumWidth(80);
        balk->addPermanentWidget(k);
    }
    for (QPushButton* k : {m_check, m_ok, m_annuleer})
        k->setAutoDefault(false); // Enter is the form's own key, not a button's
    connect(m_check, &QPushButton::clicked, this, &TFTPGegevens::CheckKnopClick);
    connect(m_ok, &QPushButton::clicked, this, &TFTPGegevens::OKKnopClick);
    connect(m_annuleer, &QPushButton::clicked, this, &TFTPGegevens::reject);

    auto* rooster = new QGridLayout;
    rooster->addWidget(new QLabel(QStringLiteral("Login naam FTP server"), this), 0, 0);
    rooster->addWidget(m_login, 0, 1);
    rooster->addWidget(new QLabel(QStringLiteral("Wachtwoord FTP server"), this), 1, 0);
    rooster->addWidget(m_wachtwoord, 1, 1);
    rooster->addWidget(m_check, 2, 1, Qt::AlignRight);
    rooster->setHorizontalSpacing(12);

    auto* inhoud = new QVBoxLayout;
    inhoud->setContentsMargins(12, 12, 12, 8);
    inhoud->setSpacing(12);
    inhoud->addWidget(m_info);
    inhoud->addLayout(rooster);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(inhoud);
    layout->addWidget(balk);
    setFixedSize(sizeHint());
    InstalleerToetsFilter(this);
    // Watched after the key filter has been installed, so this sees each press before the filter
    // takes Enter for moving the focus.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

// F5 and Enter press "OK", F6 cancels, on the key's release as the program's forms do; Enter's press has
// then already moved the focus (key filter). Watched here, on every control, because an edit keeps
// its key releases to itself. A release whose press went elsewhere (to the message box that answered
// the connection test) is not ours.
bool TFTPGegevens::eventFilter(QObject* object, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QDialog::eventFilter(object, event);
    auto* toets = static_cast<QKeyEvent*>(event);
    const int k = toets->key();
    const bool ok = k == Qt::Key_F5 || k == Qt::Key_Return || k == Qt::Key_Enter;
    if (!ok && k != Qt::Key_F6)
        return QDialog::eventFilter(object, event);
    if (event->type() == QEvent::KeyPress) {
        m_ingedrukt = k;
        return QDialog::eventFilter(object, event);
    }
    if (toets->isAutoRepeat() || k != m_ingedrukt)
        return QDialog::eventFilter(object, event);
    m_ingedrukt = 0;
    if (ok)
        OKKnopClick();
    else
        reject();
    return true;
}

void TFTPGegevens::OKKnopClick() {
    const QString login = m_login->text();
    const QString wachtwoord = m_wachtwoord->text();
    Instellingen& ini = OrvoProgs();
    ini.SchrijfTekst(SectieBackUp, SleutelFTPLogin, VersleutelTekst(login));
    ini.SchrijfTekst(SectieBackUp, SleutelFTPPass, VersleutelTekst(wachtwoord));
    // Half a login is no login: the FTP choices need both.
    const bool beide = !login.isEmpty() && !wachtwoord.isEmpty();
    Vars().FTPLoginNaam = beide ? login : QString();
    Vars().FTPLoginWachtwoord = beide ? wachtwoord : QString();
    done(mrOK);
}

void TFTPGegevens::CheckKnopClick() {
    if (m_login->text().isEmpty() || m_wachtwoord->text().isEmpty()) {
        ToonInformatie(MeldingFTPGegevensLeeg);
        return;
    }
    ProgrammaToestand& v = Vars();
    const QString naam = v.FTPLoginNaam;
    const QString wachtwoord = v.FTPLoginWachtwoord;
    v.FTPLoginNaam = m_login->text();
    v.FTPLoginWachtwoord = m_wachtwoord->text();
    ZetKnoppen(false);
    bool verbonden = false;
    {
        Zandloper zandloper;
        verbonden = m_verbinding.MaakFTPVerbinding();
    }
    if (verbonden) {
        m_verbinding.VerbreekFTPVerbinding();
        ToonInformatie(MeldingFTPGegevensGoed);
    } else {
        ToonWaarschuwing(MeldingFTPGegevensFout);
    }
    v.FTPLoginNaam = naam;
    v.FTPLoginWachtwoord = wachtwoord;
    ZetKnoppen(true);
}

void TFTPGegevens::reject() {
    done(mrAnnuleer);
}

void TFTPGegevens::ZetKnoppen(bool aan) {
    for (QPushButton* k : {m_check, m_ok, m_annuleer})
        k->setEnabled(aan);
}

} // namespace Orvo

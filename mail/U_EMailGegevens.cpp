#include "mail/U_EMailGegevens.h"
#include "common/Orvo_Dialoog.h"
#include "common/P_AlgemeneFunctiesUI.h"
#include "common/ToetsFilter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace Orvo {

namespace {

const QColor FormKleur(241, 237, 237);
const QColor BalkKleur(0, 0, 128); // navy
constexpr int KolomBreedte = 176;

QLineEdit* MaakEdit(const QString& naam, QWidget* ouder) {
    auto* e = new QLineEdit(ouder);
    e->setObjectName(naam);
    return e;
}

QPushButton* MaakKnop(const QString& tekst, const QString& naam, QWidget* ouder) {
    auto* k = new QPushButton(tekst, ouder);
    k->setObjectName(naam);
    // Enter belongs to the key filter (next control), never to a default button.
    k->setAutoDefault(false);
    k->setDefault(false);
    return k;
}

} // namespace

TEMailGegevens::TEMailGegevens(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EMailGegevens"));
    setWindowTitle(TitelEMailGegevens);
    BouwOp();
    // Edits and buttons keep their key releases to themselves; F5 and F6 must reach the form from
    // whichever control has the focus.
    for (QWidget* kind : findChildren<QWidget*>())
        kind->installEventFilter(this);
    InstalleerToetsFilter(this);
    LeesIn();
}

void TEMailGegevens::BouwOp() {
    auto* hoofd = new QVBoxLayout(this);
    hoofd->setContentsMargins(0, 0, 0, 0);
    hoofd->setSpacing(0);
    hoofd->setSizeConstraint(QLayout::SetFixedSize);

    auto* inhoud = new QWidget(this);
    auto* vak = new QVBoxLayout(inhoud);
    vak->setContentsMargins(12, 12, 12, 10);
    vak->setSpacing(6);
    hoofd->addWidget(inhoud);

    EMailZend =
        new QCheckBox(QStringLiteral("Verzend een e-mail na een automatisch uitgevoerde back-up"), inhoud);
    EMailZend->setObjectName(QStringLiteral("EMailZend"));
    EMailFout = new QCheckBox(QStringLiteral("Verzend alleen als er problemen zijn opgetreden"), inhoud);
    EMailFout->setObjectName(QStringLiteral("EMailFout"));
    vak->addWidget(EMailZend);
    vak->addWidget(EMailFout);
    vak->addSpacing(6);

    auto* server = new QGridLayout;
    server->setHorizontalSpacing(8);
    server->setVerticalSpacing(6);
    SMTPNaam = MaakEdit(QStringLiteral("SMTPNaam"), inhoud);
    SMTPAdrs = MaakEdit(QStringLiteral("SMTPAdrs"), inhoud);
    SMTPHost = MaakEdit(QStringLiteral("SMTPHost"), inhoud);
    SMTPPrt = MaakEdit(QStringLiteral("SMTPPrt"), inhoud);
    SMTPPrt->setProperty("Tag", 1); // digits only
    SMTPPrt->setFixedWidth(60);
    auto* naamLabel = new QLabel(QStringLiteral("Naam afzender"), inhoud);
    auto* adresLabel = new QLabel(QStringLiteral("Uw e-mail adres"), inhoud);
    server->addWidget(naamLabel, 0, 0);
    server->addWidget(SMTPNaam, 0, 1, 1, 3);
    server->addWidget(adresLabel, 1, 0);
    server->addWidget(SMTPAdrs, 1, 1, 1, 3);
    server->addWidget(new QLabel(QStringLiteral("SMTP server"), inhoud), 2, 0);
    server->addWidget(SMTPHost, 2, 1);
    server->addWidget(new QLabel(QStringLiteral("Poort"), inhoud), 2, 2);
    server->addWidget(SMTPPrt, 2, 3);
    SMTPBev = new QCheckBox(QStringLiteral("Aanmelden verplicht"), inhoud);
    SMTPBev->setObjectName(QStringLiteral("SMTPBev"));
    SMTPBev->setLayoutDirection(Qt::RightToLeft); // the text left of the box
    server->addWidget(SMTPBev, 3, 0, 1, 2, Qt::AlignAbsolute | Qt::AlignLeft);
    server->setColumnStretch(1, 1);
    vak->addLayout(server);

    AanmeldPanel = new QWidget(inhoud);
    AanmeldPanel->setObjectName(QStringLiteral("AanmeldPanel"));
    auto* aanmeld = new QGridLayout(AanmeldPanel);
    aanmeld->setContentsMargins(0, 0, 0, 0);
    aanmeld->setHorizontalSpacing(8);
    SMTPLog = MaakEdit(QStringLiteral("SMTPLog"), AanmeldPanel);
    SMTPPass = MaakEdit(QStringLiteral("SMTPPass"), AanmeldPanel);
    SMTPPass->setEchoMode(QLineEdit::Password);
    SMTPPass->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    auto* loginLabel = new QLabel(QStringLiteral("Login naam"), AanmeldPanel);
    // The login row lines up with the fields above it.
    const int labelBreedte = qMax(adresLabel->sizeHint().width(), naamLabel->sizeHint().width());
    loginLabel->setMinimumWidth(labelBreedte);
    naamLabel->setMinimumWidth(labelBreedte);
    aanmeld->addWidget(loginLabel, 0, 0);
    aanmeld->addWidget(SMTPLog, 0, 1);
    aanmeld->addWidget(new QLabel(QStringLiteral("Wachtwoord"), AanmeldPanel), 0, 2);
    aanmeld->addWidget(SMTPPass, 0, 3);
    // The form keeps its size while the panel is hidden, as a fixed form would.
    QSizePolicy beleid = AanmeldPanel->sizePolicy();
    beleid.setRetainSizeWhenHidden(true);
    AanmeldPanel->setSizePolicy(beleid);
    vak->addWidget(AanmeldPanel);
    vak->addSpacing(4);

    OntvangersGroep = new QGroupBox(QStringLiteral("Ontvangers e-mail bericht"), inhoud);
    OntvangersGroep->setObjectName(QStringLiteral("OntvangersGroep"));
    auto* groep = new QGridLayout(OntvangersGroep);
    groep->setHorizontalSpacing(8);
    groep->setVerticalSpacing(4);
    AdresLijst = new QTreeWidget(OntvangersGroep);
    AdresLijst->setObjectName(QStringLiteral("AdresLijst"));
    AdresLijst->setColumnCount(2);
    AdresLijst->setHeaderLabels({QStringLiteral("Naam ontvanger"), QStringLiteral("E-mail adres ontvanger")});
    AdresLijst->setRootIsDecorated(false);
    AdresLijst->setItemsExpandable(false);
    AdresLijst->setUniformRowHeights(true);
    AdresLijst->setAllColumnsShowFocus(true);
    AdresLijst->setSelectionBehavior(QAbstractItemView::SelectRows);
    AdresLijst->setSelectionMode(QAbstractItemView::SingleSelection);
    AdresLijst->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AdresLijst->setSortingEnabled(false); // our own order, see Sorteer()
    QHeaderView* kop = AdresLijst->header();
    kop->setStretchLastSection(false);
    kop->setSectionResizeMode(QHeaderView::Fixed);
    kop->resizeSection(0, KolomBreedte);
    kop->resizeSection(1, KolomBreedte);
    kop->setSectionsClickable(true);
    kop->setSortIndicatorShown(true);
    AdresLijst->setFixedWidth(2 * KolomBreedte + 2 * AdresLijst->frameWidth() + 20);
    AdresLijst->setFixedHeight(130);
    groep->addWidget(AdresLijst, 0, 0, 1, 2);
    EMailNaam = MaakEdit(QStringLiteral("EMailNaam"), OntvangersGroep);
    EMailAdres = MaakEdit(QStringLiteral("EMailAdres"), OntvangersGroep);
    groep->addWidget(new QLabel(QStringLiteral("Naam ontvanger"), OntvangersGroep), 1, 0);
    groep->addWidget(new QLabel(QStringLiteral("E-mail adres ontvanger"), OntvangersGroep), 1, 1);
    groep->addWidget(EMailNaam, 2, 0);
    groep->addWidget(EMailAdres, 2, 1);
    auto* knoppen = new QHBoxLayout;
    NieuwKnop = MaakKnop(QStringLiteral("Voeg toe"), QStringLiteral("NieuwKnop"), OntvangersGroep);
    WijzigKnop = MaakKnop(QStringLiteral("Wijzig"), QStringLiteral("WijzigKnop"), OntvangersGroep);
    VerwijderKnop = MaakKnop(QStringLiteral("Verwijder"), QStringLiteral("VerwijderKnop"), OntvangersGroep);
    WijzigKnop->setEnabled(false);
    VerwijderKnop->setEnabled(false);
    knoppen->addStretch(1);
    knoppen->addWidget(NieuwKnop);
    knoppen->addWidget(WijzigKnop);
    knoppen->addWidget(VerwijderKnop);
    groep->addLayout(knoppen, 3, 0, 1, 2);
    vak->addWidget(OntvangersGroep);

    StatusBalk = new QStatusBar(this);
    StatusBalk->setObjectName(QStringLiteral("StatusBalk"));
    StatusBalk->setSizeGripEnabled(false);
    OKKnop = MaakKnop(QStringLiteral("OK"), QStringLiteral("OKKnop"), StatusBalk);
    AnnuleerKnop = MaakKnop(QStringLiteral("Annuleer"), QStringLiteral("AnnuleerKnop"), StatusBalk);
    auto* balkKnoppen = new QWidget(StatusBalk);
    auto* balkLaag = new QHBoxLayout(balkKnoppen);
    balkLaag->setContentsMargins(0, 4, 6, 4);
    balkLaag->addWidget(OKKnop);
    balkLaag->addWidget(AnnuleerKnop);
    StatusBalk->addPermanentWidget(balkKnoppen);
    hoofd->addWidget(StatusBalk);

    connect(EMailZend, &QCheckBox::clicked, this, &TEMailGegevens::EMailZendClick);
    connect(SMTPBev, &QCheckBox::clicked, this, &TEMailGegevens::SMTPBevClick);
    connect(kop, &QHeaderView::sectionClicked, this, &TEMailGegevens::AdresLijstColumnClick);
    connect(AdresLijst, &QTreeWidget::itemSelectionChanged, this, &TEMailGegevens::AdresLijstClick);
    connect(NieuwKnop, &QPushButton::clicked, this, &TEMailGegevens::NieuwKnopClick);
    connect(WijzigKnop, &QPushButton::clicked, this, &TEMailGegevens::WijzigKnopClick);
    connect(VerwijderKnop, &QPushButton::clicked, this, &TEMailGegevens::VerwijderKnopClick);
    connect(OKKnop, &QPushButton::clicked, this, &TEMailGegevens::OKKnopClick);
    connect(AnnuleerKnop, &QPushButton::clicked, this, &TEMailGegevens::AnnuleerKnopClick);
}

void TEMailGegevens::LeesIn() {
    QPalette vorm = palette();
    vorm.setColor(QPalette::Window, FormKleur);
    setPalette(vorm);
    setAutoFillBackground(true);
    QPalette balk = StatusBalk->palette();
    balk.setColor(QPalette::Window, BalkKleur);
    StatusBalk->setPalette(balk);
    StatusBalk->setAutoFillBackground(true);

    const EMailInstellingen e = LeesEMailInstellingen();
    EMailZend->setChecked(e.zend);
    EMailFout->setChecked(e.alleenBijFout);
    SMTPNaam->setText(e.naam);
    SMTPAdrs->setText(e.adres);
    SMTPHost->setText(e.host);
    SMTPPrt->setText(e.poort);
    SMTPBev->setChecked(e.aanmelden);
    SMTPLog->setText(e.login);
    SMTPPass->setText(e.wachtwoord);
    for (const Ontvanger& o : e.ontvangers)
        new QTreeWidgetItem(AdresLijst, QStringList{o.naam, o.adres});

    m_sorteerKolom = 0;
    m_oplopend = true;
    Sorteer();
    EMailZendClick();
    SMTPBevClick();
}

void TEMailGegevens::EMailZendClick() {
    const bool aan = EMailZend->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(EMailFout), static_cast<QWidget*>(SMTPNaam), static_cast<QWidget*>(SMTPAdrs),
          static_cast<QWidget*>(SMTPHost), static_cast<QWidget*>(SMTPPrt), static_cast<QWidget*>(SMTPBev),
          static_cast<QWidget*>(SMTPLog), static_cast<QWidget*>(SMTPPass),
          static_cast<QWidget*>(OntvangersGroep)})
        w->setEnabled(aan);
}

void TEMailGegevens::SMTPBevClick() {
    AanmeldPanel->setVisible(SMTPBev->isChecked());
}

void TEMailGegevens::AdresLijstColumnClick(int kolom) {
    if (kolom == m_sorteerKolom)
        m_oplopend = !m_oplopend;
    else {
        m_sorteerKolom = kolom;
        m_oplopend = true;
    }
    Sorteer();
}

void TEMailGegevens::Sorteer() {
    // The rows are reordered by hand: the list's own sorting compares by locale, the program by code
    // with only a to z folded.
    struct Rij {
        QString naam, adres;
        bool gekozen;
    };
    QList<Rij> rijen;
    for (int i = 0; i < AdresLijst->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = AdresLijst->topLevelItem(i);
        rijen.append(Rij{it->text(0), it->text(1), it->isSelected()});
    }
    const int kolom = m_sorteerKolom;
    const bool oplopend = m_oplopend;
    std::stable_sort(rijen.begin(), rijen.end(), [kolom, oplopend](const Rij& a, const Rij& b) {
        const int v =
            kolom == 0 ? VergelijkOntvangerTekst(a.naam, b.naam) : VergelijkOntvangerTekst(a.adres, b.adres);
        return oplopend ? v < 0 : v > 0;
    });
    {
        const QSignalBlocker stil(AdresLijst);
        for (int i = 0; i < rijen.size(); ++i) {
            QTreeWidgetItem* it = AdresLijst->topLevelItem(i);
            it->setText(0, rijen.at(i).naam);
            it->setText(1, rijen.at(i).adres);
            it->setSelected(rijen.at(i).gekozen);
            if (rijen.at(i).gekozen)
                AdresLijst->setCurrentItem(it, 0, QItemSelectionModel::NoUpdate);
        }
    }
    AdresLijst->header()->setSortIndicator(m_sorteerKolom,
                                           m_oplopend ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TEMailGegevens::AdresLijstClick() {
    const QList<QTreeWidgetItem*> gekozen = AdresLijst->selectedItems();
    if (gekozen.isEmpty()) {
        EMailNaam->clear();
        EMailAdres->clear();
        WijzigKnop->setEnabled(false);
        VerwijderKnop->setEnabled(false);
        return;
    }
    EMailNaam->setText(gekozen.first()->text(0));
    EMailAdres->setText(gekozen.first()->text(1));
    WijzigKnop->setEnabled(true);
    VerwijderKnop->setEnabled(true);
}

void TEMailGegevens::NieuwKnopClick() {
    VoegToeOfWijzig(false);
}

void TEMailGegevens::WijzigKnopClick() {
    VoegToeOfWijzig(true);
}

void TEMailGegevens::VoegToeOfWijzig(bool wijzig) {
    if (EMailNaam->text().isEmpty() || EMailAdres->text().isEmpty()) {
        ToonInformatie(MeldingOntvangerInvullen);
        EMailNaam->setFocus();
        return;
    }
    if (!EMailAdresGeldig(EMailAdres->text(), true)) {
        EMailAdres->setFocus();
        return;
    }
    const QStringList rij{EMailNaam->text(), EMailAdres->text()};
    if (!wijzig) {
        new QTreeWidgetItem(AdresLijst, rij);
    } else {
        const QList<QTreeWidgetItem*> gekozen = AdresLijst->selectedItems();
        if (gekozen.isEmpty())
            return; // the button is disabled then; nothing to change
        gekozen.first()->setText(0, rij.at(0));
        gekozen.first()->setText(1, rij.at(1));
    }
    Sorteer();
    AdresLijst->setFocus();
    AdresLijstClick();
}

void TEMailGegevens::VerwijderKnopClick() {
    const QList<QTreeWidgetItem*> gekozen = AdresLijst->selectedItems();
    if (gekozen.isEmpty())
        return;
    if (ToonBevestiging(VraagOntvangerVerwijderen) == mrJa) {
        const QSignalBlocker stil(AdresLijst);
        delete gekozen.first();
        AdresLijst->clearSelection();
    }
    AdresLijst->setFocus();
    AdresLijstClick();
}

EMailInstellingen TEMailGegevens::Invoer() const {
    EMailInstellingen e;
    e.zend = EMailZend->isChecked();
    e.alleenBijFout = EMailFout->isChecked();
    e.naam = SMTPNaam->text();
    e.adres = SMTPAdrs->text();
    e.host = SMTPHost->text();
    e.poort = SMTPPrt->text();
    e.aanmelden = SMTPBev->isChecked();
    e.login = SMTPLog->text();
    e.wachtwoord = SMTPPass->text();
    for (int i = 0; i < AdresLijst->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = AdresLijst->topLevelItem(i);
        e.ontvangers.append(Ontvanger{it->text(0), it->text(1)});
    }
    return e;
}

void TEMailGegevens::Focus(EMailVeld veld) {
    switch (veld) {
    case EMailVeld::SMTPNaam:
        SMTPNaam->setFocus();
        break;
    case EMailVeld::SMTPPrt:
        SMTPPrt->setFocus();
        break;
    case EMailVeld::SMTPLog:
        SMTPLog->setFocus();
        break;
    case EMailVeld::AdresLijst:
        AdresLijst->setFocus();
        break;
    case EMailVeld::SMTPAdrs:
        SMTPAdrs->setFocus();
        break;
    case EMailVeld::Geen:
        break;
    }
}

void TEMailGegevens::OKKnopClick() {
    const EMailInstellingen e = Invoer();
    const EMailControle c = ControleerEMailInstellingen(e);
    if (!c.melding.isEmpty()) {
        // A refused sender address shows the address check's own message.
        if (c.veld == EMailVeld::SMTPAdrs)
            EMailAdresGeldig(e.adres, true);
        else
            ToonInformatie(c.melding);
        Focus(c.veld);
        return;
    }
    QString fout;
    if (!SchrijfEMailInstellingen(e, &fout)) {
        ToonWaarschuwing(MeldingOpslaanMislukt + (fout.isEmpty() ? QString() : QStringLiteral("\n") + fout));
        return;
    }
    accept();
}

void TEMailGegevens::AnnuleerKnopClick() {
    reject();
}

bool TEMailGegevens::FunctieToets(int toets) {
    if (toets == Qt::Key_F5) {
        OKKnopClick();
        return true;
    }
    if (toets == Qt::Key_F6) {
        AnnuleerKnopClick();
        return true;
    }
    return false;
}

void TEMailGegevens::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && FunctieToets(event->key()))
        return;
    QDialog::keyReleaseEvent(event);
}

bool TEMailGegevens::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        auto* toets = static_cast<QKeyEvent*>(event);
        if (!toets->isAutoRepeat() && FunctieToets(toets->key()))
            return true;
    }
    return QDialog::eventFilter(object, event);
}

int ToonEMailGegevens(QWidget* eigenaar) {
    TEMailGegevens dialoog(eigenaar);
    return dialoog.exec();
}

} // namespace Orvo

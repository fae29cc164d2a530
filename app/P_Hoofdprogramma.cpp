#include "app/P_Hoofdprogramma.h"
#include "app/M_Data.h"
#include "app/Opdrachtregel.h"
#include "common/Bedieningen.h"
#include "common/Instellingen.h"
#include "common/Orvo_Dialoog.h"
#include "common/Orvo_vars.h"
#include "common/P_AlgemeneFuncties.h"
#include "common/ToetsFilter.h"
#include "common/U_ZoekMap.h"
#include "ftp/FTPVerbinding.h"
#include "ftp/U_FTPGegevens.h"
#include "mail/U_EMailGegevens.h"
#include "platform/SpecialeMappen.h"
#include "sets/BackUpBoom.h"
#include "sets/P_BackupSets.h"
#include "sets/SetBestand.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace Orvo {

const QString MeldingNogNietBeschikbaar =
    QStringLiteral("Deze mogelijkheid is in deze versie van Orvo Back-up nog niet beschikbaar.");

QString MeldingSetBestaatNiet(const QString& naam) {
    return QStringLiteral("De door u opgegeven back-up set \"") + naam + QStringLiteral("\" bestaat niet.");
}

QString MeldingInstellingenNietOpgeslagen(const QString& bestand, const QString& reden) {
    return QStringLiteral("De instellingen konden niet worden opgeslagen in \"") + bestand +
           QStringLiteral("\" (") + reden +
           QStringLiteral("). Wijzigingen in de instellingen gaan verloren.");
}

namespace {

constexpr int VensterBreedte = 800;
constexpr int VensterHoogte = 640;

QLabel* waardeLabel(QWidget* parent, const QString& naam) {
    auto* l = new QLabel(parent);
    l->setObjectName(naam);
    l->setMinimumWidth(200);
    return l;
}

QLabel* kop(const QString& tekst, QWidget* parent, const QString& naam) {
    auto* l = new QLabel(tekst, parent);
    l->setObjectName(naam);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("color: #000080;"));
    return l;
}

QPlainTextEdit* logMemo(QWidget* parent, const QString& naam) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(naam);
    memo->setReadOnly(true);
    memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    return memo;
}

QProgressBar* voortgangsBalk(QWidget* parent, const QString& naam) {
    auto* balk = new QProgressBar(parent);
    balk->setObjectName(naam);
    balk->setRange(0, 100);
    balk->setValue(0);
    balk->setFormat(QStringLiteral("%p%"));
    return balk;
}

} // namespace

TMain::TMain(TModules& modules, const QStringList& argumenten, QWidget* parent)
    : QMainWindow(parent), Modules(modules) {
    setWindowTitle(ProgrammaTitel);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    BouwVenster();
    setFixedSize(VensterBreedte, VensterHoogte);
    m_weergaveKlok.setInterval(50);
    connect(&m_weergaveKlok, &QTimer::timeout, this, &TMain::ToonWachtrij);
    ZetHoofdvenster(this);
    FormCreate(argumenten);
    InstalleerToetsFilter(this);
}

TMain::~TMain() {
    ZetHoofdvenster(nullptr);
}

// ---------------------------------------------------------------------------------------------------
// Start-up

void TMain::FormCreate(const QStringList& argumenten) {
    // 1, 2
    InitVariabelen();
    TeOpenenSetNaam.clear();
    EersteKeer = true;
    StilOpslaanVlag = false;
    // 3
    FirewallToestaan(ProgrammaTitel, QCoreApplication::applicationFilePath());
    // 4
    TeOpenenSetNaam = SetNaamUitArgumenten(argumenten);
    // 5
    DirStructuur.clear();
    // 6, 8: the temporary folder. The ZIP library is linked in, so step 7 cannot fail here.
    QString temp = OmgevingsVariabele(QStringLiteral("TEMP"));
    if (temp.isEmpty())
        temp = OmgevingsVariabele(QStringLiteral("TMP"));
    if (temp.isEmpty())
        temp = SpecialeMap(Platform::CSIDL_COMMON_APPDATA) + QStringLiteral("/Talvane BV");
    if (!temp.endsWith(QLatin1Char('/')))
        temp += QLatin1Char('/');
    Vars().TijdelijkeMap = temp;
    // 9 - 12
    KiesDataMap();
    // 13
    VersieLabel->setText(QStringLiteral("Versie ") + ProgrammaVersie);
    // 14
    VulStationBoom(BackUpBoomView);
}

void TMain::KiesDataMap() {
    ProgrammaToestand& v = Vars();
    Instellingen& ini = OrvoProgs();
    if (QFileInfo(v.ProgrammaMap + QStringLiteral("/BackUpSets")).isDir()) {
        v.DataMap = v.ProgrammaMap; // a portable installation keeps its sets beside the program
    } else {
        v.DataMap = ini.LeesTekst(SectieBackUp, QStringLiteral("DataRootDirectory"),
                                  SpecialeMap(Platform::CSIDL_COMMON_APPDATA) +
                                      QStringLiteral("/Talvane BV/Orvo Back-up"));
    }
    while (v.DataMap.size() > 1 &&
           (v.DataMap.endsWith(QLatin1Char('/')) || v.DataMap.endsWith(QLatin1Char('\\'))))
        v.DataMap.chop(1);
    // The whole path: on a fresh account even the data home may be missing.
    QDir().mkpath(v.DataMap + QStringLiteral("/BackUpSets"));

    bool ok = ini.SchrijfTekst(SectieBackUp, QStringLiteral("PrgRootDirectory"), v.ProgrammaMap);
    ok = ini.SchrijfTekst(SectieBackUp, QStringLiteral("DataRootDirectory"), v.DataMap) && ok;
    ok = ini.SchrijfTekst(SectieBackUp, QStringLiteral("Versie"), ProgrammaVersie) && ok;
    if (!ok)
        m_instellingenFout = MeldingInstellingenNietOpgeslagen(ini.Bestand(), ini.Fout());
}

void TMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first paint's work runs once the window is on the screen.
    QTimer::singleShot(0, this, &TMain::FormPaint);
}

void TMain::FormPaint() {
    if (EersteKeer && !Fout) {
        EersteKeer = false;
        if (!m_instellingenFout.isEmpty())
            ToonWaarschuwing(m_instellingenFout);
        BereidWerkmapVoor();
        ProgrammaToestand& v = Vars();
        v.FTPLoginNaam = OntsleutelTekst(OrvoProgs().LeesTekst(SectieBackUp, SleutelFTPLogin));
        v.FTPLoginWachtwoord = OntsleutelTekst(OrvoProgs().LeesTekst(SectieBackUp, SleutelFTPPass));
        WerkFTPBeschikbaarheid();
        v.AutoOpslaan = OrvoProgs().LeesBoolean(SectieBackUp, SleutelAutoSave, true);
        BackupAutoSave->setChecked(v.AutoOpslaan);
        if (!TeOpenenSetNaam.isEmpty())
            OpenGenoemdeSet();
    }
    if (Fout)
        close();
}

void TMain::BereidWerkmapVoor() {
    ProgrammaToestand& v = Vars();
    const QString werkmap = v.TijdelijkeMap + QStringLiteral("OrvoTmp");
    if (QFileInfo(werkmap).isDir()) {
        MapLeegmaken(werkmap, true);
    } else if (!QDir().mkpath(werkmap)) {
        ToonWaarschuwing(MeldingGeenWerkmap);
        Fout = true;
    }
    if (!Fout)
        v.TijdelijkeMap = werkmap + QLatin1Char('/');
}

void TMain::OpenGenoemdeSet() {
    const QString bestand = SetBestandPad(TeOpenenSetNaam);
    if (!QFileInfo(bestand).isFile()) {
        ToonWaarschuwing(MeldingSetBestaatNiet(TeOpenenSetNaam));
        if (IsZonderScherm()) {
            // Nobody can use the window: an unattended start of a missing set ends at once.
            AfsluitCode = 3;
            QTimer::singleShot(0, this, &TMain::close);
        }
        return;
    }
    Vars().AutomatischeModus = true;
    BackUpOpenClick(*this);
    if (IsZonderScherm() && !IsRunActief() && Vars().AutomatischeModus) {
        // The set could not be read (that was said on standard error) and nobody is there to go on.
        AfsluitCode = 3;
        QTimer::singleShot(0, this, &TMain::close);
    }
}

void TMain::closeEvent(QCloseEvent* event) {
    if (!TerugKnop->isEnabled() || TerugKnop->isHidden()) {
        event->ignore(); // a run is active
        return;
    }
    const QString tijdelijk = Vars().TijdelijkeMap;
    if (!Fout && !tijdelijk.isEmpty() && QFileInfo(tijdelijk).isDir())
        MapLeegmaken(tijdelijk, true);
    event->accept();
}

void TMain::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F5 && TerugKnop->isEnabled() && TerugKnop->isVisible()) {
        TerugKnopClick();
        return;
    }
    QMainWindow::keyReleaseEvent(event);
}

// ---------------------------------------------------------------------------------------------------
// Buttons and option rules

void TMain::TerugKnopClick() {
    close();
}

void TMain::MenuKnopClick() {
    MenuKnop->setVisible(false);
    Pagina->setCurrentWidget(OptiePanel);
    if (MenuKnop->property("Tag").toInt() == 2)
        RestoreLocatie->setFocus();
    else
        BackUpLocatie->setFocus();
}

void TMain::InfoKnopClick() {
    StartDocument(Vars().ProgrammaMap + QStringLiteral("/Handleiding.pdf"));
}

void TMain::OptiePanelChange() {
    if (OptiePanel->currentWidget() != RestoreTab)
        return;
    RPlaatsBackup->setText(QString());
    RPlaatsBackupExit();
    RestoreLocatieClick();
}

void TMain::WerkFTPBeschikbaarheid() {
    const ProgrammaToestand& v = Vars();
    if (!v.FTPLoginNaam.isEmpty() && !v.FTPLoginWachtwoord.isEmpty()) {
        BackUpLocatie->Item(1)->setEnabled(true);
        RestoreLocatie->Item(1)->setEnabled(true);
        return;
    }
    for (RadioGroep* groep : {BackUpLocatie, RestoreLocatie}) {
        if (groep->ItemIndex() == 1)
            groep->ZetItemIndex(0);
        groep->Item(1)->setEnabled(false);
    }
    BackUpLocatieClick();
    RestoreLocatieClick();
}

void TMain::BackUpLocatieClick() {
    if (BackUpLocatie->ItemIndex() == 1) {
        BLokaalPanel->setVisible(false);
        Comprimeren->setChecked(true);
        CompressieNiveau->setValue(CompressieNiveau->maximum());
        SnelleModusSoort->ZetItemIndex(1);
        VerwijderRest->setChecked(true);
        VerwijderRest->setEnabled(false);
    } else {
        BLokaalPanel->setVisible(true);
        VerwijderRest->setEnabled(true);
    }
    ComprimerenClick();
    SnelleModusClick();
}

void TMain::ComprimerenClick() {
    if (!Comprimeren->isChecked())
        BBeveilig->setChecked(false);
    CompressieNiveau->setEnabled(Comprimeren->isChecked());
    BBeveilig->setEnabled(Comprimeren->isChecked());
    BBeveiligClick();
}

void TMain::BBeveiligClick() {
    BWachtwoord->setEnabled(BBeveilig->isChecked());
    if (!BBeveilig->isChecked())
        BWachtwoord->clear();
}

void TMain::SnelleModusClick() {
    SnelleModusSoort->setEnabled(SnelleModus->isChecked() && BackUpLocatie->ItemIndex() == 0);
}

void TMain::BackUpPlaatsButtonClick() {
    const QString map = KiesMap(BackUpPlaats->text());
    if (!map.isEmpty())
        BackUpPlaats->setText(map);
    BackUpPlaats->setFocus();
}

void TMain::BackupAutoSaveClick() {
    const bool nieuw = BackupAutoSave->isChecked();
    if (nieuw == Vars().AutoOpslaan)
        return;
    Vars().AutoOpslaan = nieuw;
    if (!OrvoProgs().SchrijfBoolean(SectieBackUp, SleutelAutoSave, nieuw))
        ToonWaarschuwing(MeldingInstellingenNietOpgeslagen(OrvoProgs().Bestand(), OrvoProgs().Fout()));
}

void TMain::RestoreLocatieClick() {
    RLokaalPanel->setVisible(RestoreLocatie->ItemIndex() != 1);
}

void TMain::RPlaatsBackupExit() {}

void TMain::FTPGegevensKnopClick() {
    TFTPGegevens dialoog(Modules.FTP(), this);
    if (dialoog.exec() == mrOK)
        WerkFTPBeschikbaarheid();
}

void TMain::EMailInstKnopClick() {
    ToonEMailGegevens(this);
}

// ---------------------------------------------------------------------------------------------------
// The set operations, and what they need of this window

void TMain::BackUpNieuwKlik() {
    BackUpNieuwClick(*this);
}

void TMain::BackUpOpenKlik() {
    BackUpOpenClick(*this);
}

void TMain::BackUpSaveKlik() {
    BackUpSaveClick(*this);
}

void TMain::BackUpDeleteKlik() {
    BackUpDeleteClick(*this);
}

BackupOpties TMain::Opties() const {
    BackupOpties o;
    o.Locatie = BackUpLocatie->ItemIndex() == 1 ? 1 : 0;
    o.Plaats = BackUpPlaats->text();
    o.Comprimeren = Comprimeren->isChecked();
    o.Niveau = CompressieNiveau->value();
    o.SnelleModus = SnelleModus->isChecked();
    o.SnelleModusSoort = SnelleModusSoort->ItemIndex() == 1 ? 1 : 0;
    o.VerwijderRest = VerwijderRest->isChecked();
    o.Beveilig = BBeveilig->isChecked();
    o.Wachtwoord = BWachtwoord->text();
    return o;
}

void TMain::ZetOpties(const BackupOpties& o) {
    BackUpLocatie->ZetItemIndex(o.Locatie);
    BackUpPlaats->setText(o.Plaats);
    Comprimeren->setChecked(o.Comprimeren);
    CompressieNiveau->setValue(o.Niveau);
    SnelleModus->setChecked(o.SnelleModus);
    SnelleModusSoort->ZetItemIndex(o.SnelleModusSoort);
    VerwijderRest->setChecked(o.VerwijderRest);
    BBeveilig->setChecked(o.Beveilig);
    BWachtwoord->setEnabled(o.Beveilig);
    BWachtwoord->setText(o.Wachtwoord);
    BackUpLocatieClick();
}

bool TMain::FTPLocatieBeschikbaar() const {
    return BackUpLocatie->Item(1)->isEnabled();
}

QString TMain::SetNaam() const {
    return BackUpSet->text();
}

void TMain::ZetSetNaam(const QString& naam, bool gekozen) {
    BackUpSet->setText(naam);
    BackUpSave->setEnabled(gekozen);
    BackUpDelete->setEnabled(gekozen);
}

CheckBoomView* TMain::BackUpBoom() {
    return BackUpBoomView;
}

void TMain::FocusOpLocatie() {
    BackUpLocatie->setFocus();
}

// ---------------------------------------------------------------------------------------------------
// Layout

void TMain::BouwVenster() {
    Pagina = new QStackedWidget(this);
    OptiePanel = new QTabWidget(Pagina);
    OptiePanel->setObjectName(QStringLiteral("OptiePanel"));
    BackUpTab = BouwBackUpTab();
    RestoreTab = BouwRestoreTab();
    Informatie = BouwInformatieTab();
    OptiePanel->addTab(BackUpTab, QStringLiteral("Back-up maken"));
    OptiePanel->addTab(RestoreTab, QStringLiteral("Back-up terugzetten"));
    OptiePanel->addTab(Informatie, QStringLiteral("Informatie / Instellingen"));
    BBezigPanel = BouwBBezigPanel();
    RBezigPanel = BouwRBezigPanel();
    Pagina->addWidget(OptiePanel);
    Pagina->addWidget(BBezigPanel);
    Pagina->addWidget(RBezigPanel);
    setCentralWidget(Pagina);
    connect(OptiePanel, &QTabWidget::currentChanged, this, &TMain::OptiePanelChange);

    auto* balk = new QStatusBar(this);
    balk->setSizeGripEnabled(false);
    MenuKnop = new QPushButton(QStringLiteral("Menu"), balk);
    MenuKnop->setObjectName(QStringLiteral("MenuKnop"));
    MenuKnop->setVisible(false);
    TerugKnop = new QPushButton(QStringLiteral("Einde"), balk);
    TerugKnop->setObjectName(QStringLiteral("TerugKnop"));
    for (QPushButton* k : {MenuKnop, TerugKnop}) {
        k->setMinimumWidth(90);
        balk->addPermanentWidget(k);
    }
    setStatusBar(balk);
    connect(TerugKnop, &QPushButton::clicked, this, &TMain::TerugKnopClick);
    connect(MenuKnop, &QPushButton::clicked, this, &TMain::MenuKnopClick);
}

QWidget* TMain::BouwBackUpTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("BackUpTab"));

    // Back-up sets
    auto* sets = new QGroupBox(QStringLiteral("Back-up sets"), tab);
    BackUpSet = new QLabel(QStringLiteral("< Geen >"), sets);
    BackUpSet->setObjectName(QStringLiteral("BackUpSet"));
    QFont vet = BackUpSet->font();
    vet.setBold(true);
    BackUpSet->setFont(vet);
    BackUpNieuw = new QPushButton(QStringLiteral("Nieuwe back-up set"), sets);
    BackUpOpen = new QPushButton(QStringLiteral("Open back-up set"), sets);
    BackUpSave = new QPushButton(QStringLiteral("Sla back-up set op"), sets);
    BackUpDelete = new QPushButton(QStringLiteral("Verwijder back-up set"), sets);
    BackUpSave->setEnabled(false);
    BackUpDelete->setEnabled(false);
    BackupAutoSave =
        new QCheckBox(QStringLiteral("Back-up set automatisch opslaan zodra u een back-up maakt"), sets);
    BackupAutoSave->setChecked(true);
    auto* setsLayout = new QGridLayout(sets);
    setsLayout->addWidget(new QLabel(QStringLiteral("Gekozen back-up set:"), sets), 0, 0);
    setsLayout->addWidget(BackUpSet, 0, 1);
    setsLayout->addWidget(BackUpNieuw, 1, 0);
    setsLayout->addWidget(BackUpOpen, 1, 1);
    setsLayout->addWidget(BackUpSave, 2, 0);
    setsLayout->addWidget(BackUpDelete, 2, 1);
    setsLayout->addWidget(BackupAutoSave, 3, 0, 1, 2);
    connect(BackupAutoSave, &QCheckBox::clicked, this, &TMain::BackupAutoSaveClick);
    connect(BackUpNieuw, &QPushButton::clicked, this, &TMain::BackUpNieuwKlik);
    connect(BackUpOpen, &QPushButton::clicked, this, &TMain::BackUpOpenKlik);
    connect(BackUpSave, &QPushButton::clicked, this, &TMain::BackUpSaveKlik);
    connect(BackUpDelete, &QPushButton::clicked, this, &TMain::BackUpDeleteKlik);

    // Back-up instellingen
    auto* opties = new QGroupBox(QStringLiteral("Back-up instellingen"), tab);
    BackUpLocatie = new RadioGroep(
        QString(), {QStringLiteral("Back-up lokaal opslaan"), QStringLiteral("Bij Talvane B.V.")}, 2, opties);
    BackUpLocatie->setObjectName(QStringLiteral("BackUpLocatie"));
    BackUpLocatie->setFlat(true);
    BackUpLocatie->ZetItemIndex(0);
    BLokaalPanel = new QWidget(opties);
    BLokaalPanel->setObjectName(QStringLiteral("BLokaalPanel"));
    BackUpPlaats = new MapEdit(BLokaalPanel);
    BackUpPlaats->setObjectName(QStringLiteral("BackUpPlaats"));
    Comprimeren = new QCheckBox(QStringLiteral("Comprimeren"), BLokaalPanel);
    Comprimeren->setChecked(true);
    CompressieNiveau = new QSlider(Qt::Horizontal, BLokaalPanel);
    CompressieNiveau->setObjectName(QStringLiteral("CompressieNiveau"));
    CompressieNiveau->setRange(0, 9);
    CompressieNiveau->setValue(9);
    CompressieNiveau->setTickPosition(QSlider::TicksBelow);
    CompressieNiveau->setPageStep(1);
    auto* lokaal = new QGridLayout(BLokaalPanel);
    lokaal->setContentsMargins(0, 0, 0, 0);
    lokaal->addWidget(new QLabel(QStringLiteral("Plaats back-up in"), BLokaalPanel), 0, 0);
    lokaal->addWidget(BackUpPlaats, 0, 1, 1, 3);
    lokaal->addWidget(Comprimeren, 1, 0);
    lokaal->addWidget(new QLabel(QStringLiteral("Min."), BLokaalPanel), 1, 1);
    lokaal->addWidget(CompressieNiveau, 1, 2);
    lokaal->addWidget(new QLabel(QStringLiteral("Max."), BLokaalPanel), 1, 3);

    SnelleModus = new QCheckBox(QStringLiteral("Snelle modus (alleen wijzigingen overschrijven)"), opties);
    SnelleModus->setChecked(true);
    SnelleModusSoort = new RadioGroep(
        QString(), {QStringLiteral("Datum / tijd"), QStringLiteral("Archief vlag")}, 2, opties);
    SnelleModusSoort->setObjectName(QStringLiteral("SnelleModusSoort"));
    SnelleModusSoort->setFlat(true);
    SnelleModusSoort->ZetItemIndex(0);
    VerwijderRest =
        new QCheckBox(QStringLiteral("Niet-originele bestanden op eindbestemming verwijderen"), opties);
    BBeveilig = new QCheckBox(QStringLiteral("Beveilig met wachtwoord"), opties);
    BWachtwoord = new QLineEdit(opties);
    BWachtwoord->setObjectName(QStringLiteral("BWachtwoord"));
    BWachtwoord->setEchoMode(QLineEdit::Password);
    BWachtwoord->setEnabled(false);

    auto* optiesLayout = new QGridLayout(opties);
    optiesLayout->addWidget(BackUpLocatie, 0, 0, 1, 2);
    optiesLayout->addWidget(BLokaalPanel, 1, 0, 1, 2);
    optiesLayout->addWidget(SnelleModus, 2, 0, 1, 2);
    optiesLayout->addWidget(SnelleModusSoort, 3, 0, 1, 2);
    optiesLayout->addWidget(VerwijderRest, 4, 0, 1, 2);
    optiesLayout->addWidget(BBeveilig, 5, 0);
    optiesLayout->addWidget(BWachtwoord, 5, 1);
    connect(BackUpLocatie, &RadioGroep::Click, this, &TMain::BackUpLocatieClick);
    connect(Comprimeren, &QCheckBox::clicked, this, &TMain::ComprimerenClick);
    connect(BBeveilig, &QCheckBox::clicked, this, &TMain::BBeveiligClick);
    connect(SnelleModus, &QCheckBox::clicked, this, &TMain::SnelleModusClick);
    connect(BackUpPlaats, &MapEdit::KnopClick, this, &TMain::BackUpPlaatsButtonClick);

    // Selection tree
    BoomGroep = new QGroupBox(QStringLiteral("Plaats de volgende bestanden in de back-up"), tab);
    VernieuwBoom = new QPushButton(QStringLiteral("Vernieuw boom"), BoomGroep);
    BackUpBoomView = new TBackUpBoom(BoomGroep);
    BackUpBoomView->setObjectName(QStringLiteral("BackUpBoom"));
    auto* boomLayout = new QVBoxLayout(BoomGroep);
    boomLayout->addWidget(BackUpBoomView, 1);
    connect(VernieuwBoom, &QPushButton::clicked, this, [this] { VerversBackUpBoomClick(BackUpBoomView); });
    auto* vernieuwRij = new QHBoxLayout;
    vernieuwRij->addStretch();
    vernieuwRij->addWidget(VernieuwBoom);
    boomLayout->addLayout(vernieuwRij);

    BackUpStart = new QPushButton(QStringLiteral("Maak back-up"), tab);
    BackUpStart->setObjectName(QStringLiteral("BackUpStart"));
    BackUpStart->setMinimumHeight(32);
    connect(BackUpStart, &QPushButton::clicked, this, &TMain::BackUpStartClick);

    auto* links = new QVBoxLayout;
    links->addWidget(sets);
    links->addWidget(opties);
    links->addStretch();
    links->addWidget(BackUpStart);
    auto* layout = new QHBoxLayout(tab);
    layout->addLayout(links, 1);
    layout->addWidget(BoomGroep, 1);
    return tab;
}

QWidget* TMain::BouwRestoreTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("RestoreTab"));
    RestoreLocatie = new RadioGroep(
        QStringLiteral("Back-up terugzetten van"),
        {QStringLiteral("Lokaal opgeslagen back-up"), QStringLiteral("Bijj Talvane B.V.")}, 2, tab);
    RestoreLocatie->setObjectName(QStringLiteral("RestoreLocatie"));
    RestoreLocatie->ZetItemIndex(0);
    RLokaalPanel = new QWidget(tab);
    RLokaalPanel->setObjectName(QStringLiteral("RLokaalPanel"));
    RPlaatsBackup = new MapEdit(RLokaalPanel);
    RPlaatsBackup->setObjectName(QStringLiteral("RPlaatsBackup"));
    auto* lokaal = new QHBoxLayout(RLokaalPanel);
    lokaal->setContentsMargins(0, 0, 0, 0);
    lokaal->addWidget(new QLabel(QStringLiteral("Plaats back-up bestanden"), RLokaalPanel));
    lokaal->addWidget(RPlaatsBackup, 1);

    BackUpDatum = new QLabel(tab);
    BackUpDatum->setObjectName(QStringLiteral("BackUpDatum"));
    RWachtwoord = new QLineEdit(tab);
    RWachtwoord->setObjectName(QStringLiteral("RWachtwoord"));
    RWachtwoord->setEchoMode(QLineEdit::Password);
    RWachtwoord->setEnabled(false);

    auto* doel = new QGroupBox(QStringLiteral("Terugzetten naar"), tab);
    ROrigineel = new QRadioButton(QStringLiteral("Originele locatie"), doel);
    ROrigineel->setChecked(true);
    RAnder = new QRadioButton(QStringLiteral("Andere locatie"), doel);
    PlaatsRestore = new MapEdit(doel);
    PlaatsRestore->setObjectName(QStringLiteral("PlaatsRestore"));
    PlaatsRestore->setEnabled(false);
    ROverschrijf = new QCheckBox(QStringLiteral("Bestaande bestanden overschrijven"), doel);
    ROverschrijf->setChecked(true);
    auto* doelLayout = new QGridLayout(doel);
    doelLayout->addWidget(ROrigineel, 0, 0);
    doelLayout->addWidget(RAnder, 1, 0);
    doelLayout->addWidget(PlaatsRestore, 1, 1);
    doelLayout->addWidget(ROverschrijf, 2, 0, 1, 2);

    auto* gegevens = new QFormLayout;
    gegevens->addRow(QStringLiteral("Datum back-up"), BackUpDatum);
    gegevens->addRow(QStringLiteral("Back-up wachtwoord"), RWachtwoord);

    auto* boomGroep = new QGroupBox(QStringLiteral("Terug te zetten bestanden en mappen"), tab);
    auto* boom = new QTreeView(boomGroep);
    boom->setHeaderHidden(true);
    RestoreBoom = boom;
    RestoreBoom->setObjectName(QStringLiteral("RestoreBoom"));
    RestoreBoom->setEnabled(false);
    auto* boomLayout = new QVBoxLayout(boomGroep);
    boomLayout->addWidget(RestoreBoom);

    RestoreStart = new QPushButton(QStringLiteral("Zet de geselecteerde bestanden / mappen terug"), tab);
    RestoreStart->setObjectName(QStringLiteral("RestoreStart"));
    RestoreStart->setEnabled(false);
    RestoreStart->setMinimumHeight(32);

    auto* links = new QVBoxLayout;
    links->addWidget(RestoreLocatie);
    links->addWidget(RLokaalPanel);
    links->addLayout(gegevens);
    links->addWidget(doel);
    links->addStretch();
    links->addWidget(RestoreStart);
    auto* layout = new QHBoxLayout(tab);
    layout->addLayout(links, 5);
    layout->addWidget(boomGroep, 4);

    connect(RestoreLocatie, &RadioGroep::Click, this, &TMain::RestoreLocatieClick);
    connect(RAnder, &QRadioButton::toggled, PlaatsRestore, &QWidget::setEnabled);
    return tab;
}

QWidget* TMain::BouwInformatieTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("Informatie"));
    auto* logo = new QLabel(tab);
    logo->setPixmap(QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(64, 64));
    auto* naam = new QLabel(ProgrammaTitel, tab);
    QFont groot = naam->font();
    groot.setPointSizeF(groot.pointSizeF() * 2);
    groot.setBold(true);
    naam->setFont(groot);
    VersieLabel = new QLabel(tab);
    VersieLabel->setObjectName(QStringLiteral("VersieLabel"));
    auto* vast = new QLabel(QStringLiteral("Maakt veilig en snel een reservekopie van uw bestanden,\n"
                                           "in een map van uw keuze of op de FTP server van Talvane B.V."),
                            tab);
    auto* link = new QLabel(QStringLiteral("<a href=\"https://www.talvane.nl\">www.talvane.nl</a>"), tab);
    link->setOpenExternalLinks(true);
    InfoKnop = new QPushButton(QStringLiteral("Informatie over Orvo Back-up"), tab);
    InfoKnop->setObjectName(QStringLiteral("InfoKnop"));
    connect(InfoKnop, &QPushButton::clicked, this, &TMain::InfoKnopClick);

    auto* ftp = new QGroupBox(QStringLiteral("Back-up op de FTP server van Talvane B.V."), tab);
    auto* ftpTekst =
        new QLabel(QStringLiteral("Met een abonnement bij Talvane B.V. bewaart u uw back-up buiten de deur, "
                                  "op de FTP server van Talvane B.V. Vul hier de inloggegevens in die u "
                                  "van ons heeft gekregen; daarna kunt u bij het maken en terugzetten van "
                                  "een back-up kiezen voor \"Bij Talvane B.V.\"."),
                   ftp);
    ftpTekst->setWordWrap(true);
    FTPGegevensKnop = new QPushButton(QStringLiteral("Inloggegevens FTP server"), ftp);
    FTPGegevensKnop->setObjectName(QStringLiteral("FTPGegevensKnop"));
    connect(FTPGegevensKnop, &QPushButton::clicked, this, &TMain::FTPGegevensKnopClick);
    auto* ftpLayout = new QHBoxLayout(ftp);
    ftpLayout->addWidget(ftpTekst, 1);
    ftpLayout->addWidget(FTPGegevensKnop);

    auto* auto_ = new QGroupBox(QStringLiteral("Instellingen automatische back-up"), tab);
    EMailInstKnop = new QPushButton(QStringLiteral("E-mail versturen\nna back-up"), auto_);
    EMailInstKnop->setObjectName(QStringLiteral("EMailInstKnop"));
    connect(EMailInstKnop, &QPushButton::clicked, this, &TMain::EMailInstKnopClick);
    SnelkoppelingKnop = new QPushButton(QStringLiteral("Snelkoppeling maken"), auto_);
    SnelkoppelingKnop->setObjectName(QStringLiteral("SnelkoppelingKnop"));
    TaakPlannerKnop = new QPushButton(QStringLiteral("Back-up plannen"), auto_);
    TaakPlannerKnop->setObjectName(QStringLiteral("TaakPlannerKnop"));
    // Planning and shortcuts come in a later version; until then the buttons say so.
    for (QPushButton* k : {SnelkoppelingKnop, TaakPlannerKnop})
        connect(k, &QPushButton::clicked, this, [] { ToonInformatie(MeldingNogNietBeschikbaar); });
    auto* autoLayout = new QHBoxLayout(auto_);
    for (QPushButton* k : {EMailInstKnop, SnelkoppelingKnop, TaakPlannerKnop}) {
        k->setMinimumSize(150, 48);
        autoLayout->addWidget(k);
    }

    auto* kopRij = new QHBoxLayout;
    kopRij->addWidget(logo);
    auto* kopTekst = new QVBoxLayout;
    kopTekst->addWidget(naam);
    kopTekst->addWidget(VersieLabel);
    kopRij->addLayout(kopTekst, 1);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(kopRij);
    layout->addWidget(vast);
    layout->addWidget(link);
    layout->addWidget(InfoKnop, 0, Qt::AlignLeft);
    layout->addWidget(ftp);
    layout->addWidget(auto_);
    layout->addStretch();
    return tab;
}

QWidget* TMain::BouwBBezigPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("BBezigPanel"));
    BezigKop = kop(QStringLiteral("Back-up wordt gemaakt"), panel, QStringLiteral("BezigKop"));
    BTotGrt = waardeLabel(panel, QStringLiteral("BTotGrt"));
    BAlGedaan = waardeLabel(panel, QStringLiteral("BAlGedaan"));
    BNietGedaan = waardeLabel(panel, QStringLiteral("BNietGedaan"));
    BFNietGedaan = waardeLabel(panel, QStringLiteral("BFNietGedaan"));
    BBackGrt = waardeLabel(panel, QStringLiteral("BBackGrt"));
    BCompressie = waardeLabel(panel, QStringLiteral("BCompressie"));
    BStart = waardeLabel(panel, QStringLiteral("BStart"));
    BEind = waardeLabel(panel, QStringLiteral("BEind"));
    LEind = new QLabel(QStringLiteral("Klaar op (geschat)"), panel);
    LEind->setObjectName(QStringLiteral("LEind"));
    BVoortgangBalk = voortgangsBalk(panel, QStringLiteral("BVoortgangBalk"));
    BVoortgang = waardeLabel(panel, QStringLiteral("BVoortgang"));
    BLog = logMemo(panel, QStringLiteral("BLog"));

    auto* niet = new QHBoxLayout;
    BNietGedaan->setMinimumWidth(0);
    BFNietGedaan->setMinimumWidth(0);
    niet->addWidget(BNietGedaan);
    niet->addWidget(BFNietGedaan);
    niet->addStretch(1);
    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("Totale grootte origineel"), BTotGrt);
    velden->addRow(QStringLiteral("Al gedaan"), BAlGedaan);
    velden->addRow(QStringLiteral("Niet gedaan"), niet);
    velden->addRow(QStringLiteral("Grootte back-up"), BBackGrt);
    velden->addRow(QStringLiteral("Compressie"), BCompressie);
    velden->addRow(QStringLiteral("Gestart op"), BStart);
    velden->addRow(LEind, BEind);
    velden->addRow(QStringLiteral("Voortgang"), BVoortgangBalk);
    velden->addRow(QStringLiteral("Huidig bestand / actie"), BVoortgang);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(BezigKop);
    layout->addLayout(velden);
    layout->addWidget(new QLabel(QStringLiteral("Opgetreden problemen"), panel));
    layout->addWidget(BLog, 1);
    return panel;
}

QWidget* TMain::BouwRBezigPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("RBezigPanel"));
    RBezigKop = kop(QStringLiteral("Back-up wordt teruggezet"), panel, QStringLiteral("RBezigKop"));
    RFTotaal = waardeLabel(panel, QStringLiteral("RFTotaal"));
    RFGedaan = waardeLabel(panel, QStringLiteral("RFGedaan"));
    RFNietGedaan = waardeLabel(panel, QStringLiteral("RFNietGedaan"));
    RStart = waardeLabel(panel, QStringLiteral("RStart"));
    REind = waardeLabel(panel, QStringLiteral("REind"));
    LREind = new QLabel(QStringLiteral("Klaar op (geschat)"), panel);
    LREind->setObjectName(QStringLiteral("LREind"));
    RVoortgangBalk = voortgangsBalk(panel, QStringLiteral("RVoortgangBalk"));
    RVoortgang = waardeLabel(panel, QStringLiteral("RVoortgang"));
    RLog = logMemo(panel, QStringLiteral("RLog"));
    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("Te restoren bestanden"), RFTotaal);
    velden->addRow(QStringLiteral("Al gerestored"), RFGedaan);
    velden->addRow(QStringLiteral("Niet gerestored"), RFNietGedaan);
    velden->addRow(QStringLiteral("Gestart op"), RStart);
    velden->addRow(LREind, REind);
    velden->addRow(QStringLiteral("Voortgang"), RVoortgangBalk);
    velden->addRow(QStringLiteral("Huidig bestand / actie"), RVoortgang);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(RBezigKop);
    layout->addLayout(velden);
    layout->addWidget(new QLabel(QStringLiteral("Opgetreden problemen"), panel));
    layout->addWidget(RLog, 1);
    return panel;
}

} // namespace Orvo

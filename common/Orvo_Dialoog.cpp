#include "common/Orvo_Dialoog.h"
#include "common/P_AlgemeneFunctiesUI.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextStream>
#include <cstdio>

namespace Orvo {
namespace {

AntwoordHaak& haak() {
    static AntwoordHaak h;
    return h;
}

QPointer<QWidget>& hoofdvenster() {
    static QPointer<QWidget> v;
    return v;
}

// Created at the first message and reused for every later one.
TToonBericht* gedeeldeDialoog() {
    static QPointer<TToonBericht> dialoog;
    if (!dialoog)
        dialoog = new TToonBericht(hoofdvenster());
    return dialoog;
}

const KnopSoort knopSoorten[] = {
    {QStringLiteral("OK"), 0, mrOK},
    {QStringLiteral("Annuleer"), 1, mrAnnuleer},
    {QStringLiteral("Afbreken"), 2, mrAfbreken},
    {QStringLiteral("Opnieuw proberen"), 3, mrOpnieuw},
    {QStringLiteral("Negeren"), 4, mrNegeren},
    {QStringLiteral("Ja"), 5, mrJa},
    {QStringLiteral("Nee"), 6, mrNee},
    {QStringLiteral("Alle"), 5, mrAlle},
    {QStringLiteral("Nee op alles"), 6, mrNeeOpAlles},
    {QStringLiteral("Ja op alles"), 5, mrJaOpAlles},
    {QStringLiteral("Sluit"), 7, mrSluit},
};

QIcon glyph(int index) {
    static const QStyle::StandardPixmap iconen[] = {
        QStyle::SP_DialogOkButton, QStyle::SP_DialogCancelButton, QStyle::SP_BrowserStop,
        QStyle::SP_BrowserReload,  QStyle::SP_DialogIgnoreButton, QStyle::SP_DialogYesButton,
        QStyle::SP_DialogNoButton, QStyle::SP_DialogCloseButton};
    if (index < 0 || index > 7)
        return QIcon();
    return QApplication::style()->standardIcon(iconen[index]);
}

constexpr int RegelHoogte = 13; // pixels per memo line
constexpr int MemoLinks = 60;
constexpr int MemoBoven = 12;
constexpr int BalkHoogte = 34;

int toon(DialoogSoort soort, const QString& titel, const QString& tekst, const QList<int>& knoppen) {
    const Bericht bericht{soort, titel, tekst};
    if (haak())
        return haak()(bericht);
    if (IsZonderScherm()) {
        std::fprintf(stderr, "%s: %s\n", titel.toLocal8Bit().constData(), tekst.toLocal8Bit().constData());
        return soort == DialoogSoort::Vraag ? mrNee : mrOK;
    }
    return gedeeldeDialoog()->Toon(soort, titel, tekst, knoppen);
}

} // namespace

void ZetAntwoordHaak(AntwoordHaak h) {
    haak() = std::move(h);
}

void ZetHoofdvenster(QWidget* venster) {
    hoofdvenster() = venster;
}

bool IsZonderScherm() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

const KnopSoort* KnopSoortVan(int soort) {
    if (soort < 0 || soort > 10)
        return nullptr;
    return &knopSoorten[soort];
}

int ToonInformatie(const QString& tekst) {
    return toon(DialoogSoort::Informatie, TitelInformatie, tekst, {0});
}

int ToonBevestiging(const QString& tekst) {
    return toon(DialoogSoort::Vraag, TitelBevestiging, tekst, {5, 6});
}

int ToonWaarschuwing(const QString& tekst) {
    return toon(DialoogSoort::Waarschuwing, TitelWaarschuwing, tekst, {0});
}

Maat PasGrootteAan(const MaatInvoer& in) {
    Maat m;
    // 1. room the buttons need
    int a = in.knopBreedte + 4 + in.knopBreedte * std::max(0, in.zichtbareKnoppen - 1);
    a = std::max(a, 249);
    // 2. widest text
    int maxBreedte = in.hoofdBreedte - 138;
    if (a - 88 > maxBreedte)
        maxBreedte = a - 88;
    // 3. the text in one line
    auto hoogteBij = [&](int breedte) { return RegelHoogte * std::max(1, in.regelsBij(breedte)); };
    int w = in.eenRegelBreedte + 6;
    int h = hoogteBij(w);
    // 4. wrap: first to two lines, then to a block no wider than 4 (or 2) times its height
    if (w > maxBreedte) {
        while (w > maxBreedte && h <= 2 * RegelHoogte && w > 10) {
            w -= 10;
            h = hoogteBij(w);
        }
        if (w > maxBreedte) {
            while (w > 4 * h && w > 10) {
                w -= 10;
                h = hoogteBij(w);
            }
            if (w > in.scherm.width() / 2) {
                while (w > 2 * h && w > 10) {
                    w -= 10;
                    h = hoogteBij(w);
                }
            }
        }
    }
    m.memoBreedte = w;
    m.memoHoogte = h;
    // 5, 6. client size
    m.client = QSize(w > a - 80 ? w + 80 : a, h < 40 ? 95 : h + 56);
    // 7. centred over the main window, kept on the screen
    const int breedte = m.client.width() + in.randBreedte;
    const int hoogte = m.client.height() + in.randHoogte;
    int x = in.hoofdGeometrie.left() + (in.hoofdGeometrie.width() - breedte) / 2;
    int y = in.hoofdGeometrie.top() + (in.hoofdGeometrie.height() - hoogte) / 2;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    if (x + breedte >= in.scherm.width())
        x = std::max(0, in.scherm.width() - breedte);
    if (y + hoogte >= in.scherm.height())
        y = std::max(0, in.scherm.height() - hoogte);
    m.positie = QPoint(x, y);
    return m;
}

TToonBericht::TToonBericht(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);

    const QStyle::StandardPixmap iconen[] = {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxQuestion,
                                             QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
    static const char* namen[] = {"PicInfo", "PicVraag", "PicAlarm", "PicFout"};
    for (int i = 0; i < 4; ++i) {
        m_plaatjes[i] = new QLabel(this);
        m_plaatjes[i]->setObjectName(QLatin1String(namen[i]));
        m_plaatjes[i]->setGeometry(12, 12, 38, 38);
        m_plaatjes[i]->setPixmap(style()->standardIcon(iconen[i]).pixmap(32, 32));
        m_plaatjes[i]->setAlignment(Qt::AlignCenter);
    }

    m_meldTekst = new QPlainTextEdit(this);
    m_meldTekst->setObjectName(QStringLiteral("MeldTekst"));
    m_meldTekst->setReadOnly(true);
    m_meldTekst->setFrameStyle(QFrame::NoFrame);
    m_meldTekst->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_meldTekst->setWordWrapMode(QTextOption::WordWrap);
    m_meldTekst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_meldTekst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_meldTekst->document()->setDocumentMargin(0);
    m_meldTekst->setFocusPolicy(Qt::NoFocus);
    QPalette memoPal = m_meldTekst->palette();
    memoPal.setColor(QPalette::Base, Qt::white);
    m_meldTekst->setPalette(memoPal);

    m_balk = new QStatusBar(this);
    m_balk->setSizeGripEnabled(false);
    m_balk->setStyleSheet(QStringLiteral("QStatusBar { background: #000080; }"));
    for (int i = 0; i < 5; ++i) {
        m_knoppen[i] = new QPushButton(m_balk);
        m_knoppen[i]->setObjectName(QStringLiteral("Knop%1").arg(i + 1));
        m_knoppen[i]->setGeometry(2 + i * 80, 4, 78, BalkHoogte - 8);
        m_knoppen[i]->setAutoDefault(false);
        connect(m_knoppen[i], &QPushButton::clicked, this,
                [this, i] { done(m_knoppen[i]->property("resultaat").toInt()); });
    }
}

void TToonBericht::StelKnopIn(QPushButton* knop, int soort) {
    if (const KnopSoort* k = KnopSoortVan(soort)) {
        knop->setText(k->tekst);
        knop->setIcon(glyph(k->glyph));
        knop->setProperty("resultaat", k->resultaat);
    }
    knop->setVisible(true);
}

void TToonBericht::PasGrootteAan(const QString& tekst) {
    const QFontMetrics fm(m_meldTekst->font());
    int eenRegel = 0;
    for (const QString& regel : tekst.split(QLatin1Char('\n')))
        eenRegel = std::max(eenRegel, fm.horizontalAdvance(regel));

    int zichtbaar = 0;
    for (QPushButton* k : m_knoppen)
        if (!k->isHidden())
            ++zichtbaar;

    MaatInvoer in;
    in.zichtbareKnoppen = std::max(1, zichtbaar);
    QWidget* hoofd = hoofdvenster();
    QScreen* scherm = hoofd ? hoofd->screen() : QGuiApplication::primaryScreen();
    in.scherm = scherm ? scherm->availableGeometry().size() : QSize(1024, 768);
    in.hoofdBreedte = hoofd ? hoofd->width() : 640;
    in.hoofdGeometrie = hoofd ? hoofd->frameGeometry() : QRect(QPoint(0, 0), in.scherm);
    in.eenRegelBreedte = eenRegel;
    in.regelsBij = [&](int breedte) {
        const QRect r =
            fm.boundingRect(QRect(0, 0, std::max(1, breedte - 6), 1 << 20), Qt::TextWordWrap, tekst);
        return std::max(1, (r.height() + fm.lineSpacing() - 1) / fm.lineSpacing());
    };
    const Maat m = Orvo::PasGrootteAan(in);

    m_meldTekst->setGeometry(MemoLinks, MemoBoven, m.memoBreedte, m.memoHoogte + 4);
    setFixedSize(m.client.width(), m.client.height() + BalkHoogte);
    m_balk->setGeometry(0, height() - BalkHoogte, width(), BalkHoogte);
    move(m.positie);
}

int TToonBericht::Toon(DialoogSoort soort, const QString& titel, const QString& tekst,
                       const QList<int>& knopSoorten) {
    setWindowTitle(titel);
    for (int i = 0; i < 4; ++i)
        m_plaatjes[i]->setVisible(i == int(soort));
    for (int i = 0; i < 5; ++i) {
        if (i < knopSoorten.size())
            StelKnopIn(m_knoppen[i], knopSoorten[i]);
        else
            m_knoppen[i]->setVisible(false);
    }
    m_meldTekst->setPlainText(tekst);
    PasGrootteAan(tekst);
    m_knoppen[0]->setFocus();
    Piep();
    return exec();
}

void TToonBericht::reject() {
    done(mrAnnuleer); // the close box and Escape answer "Annuleer"
}

} // namespace Orvo

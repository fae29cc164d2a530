#pragma once
// The program's one message dialog. Every message to the user goes through ToonInformatie,
// ToonBevestiging or ToonWaarschuwing, never through the system's message box.

#include <QDialog>
#include <QRect>
#include <QSize>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace Orvo {

// Modal results, as the buttons give them.
enum ModaalResultaat {
    mrGeen = 0,
    mrOK = 1,
    mrAnnuleer = 2,
    mrAfbreken = 3,
    mrOpnieuw = 4,
    mrNegeren = 5,
    mrJa = 6,
    mrNee = 7,
    mrAlle = 8,
    mrNeeOpAlles = 9,
    mrJaOpAlles = 10,
    mrSluit = 11
};

enum class DialoogSoort { Informatie = 0, Vraag = 1, Waarschuwing = 2, Fout = 3 };

int ToonInformatie(const QString& tekst);
int ToonBevestiging(const QString& tekst); // mrJa or mrNee (mrAnnuleer from the close box)
int ToonWaarschuwing(const QString& tekst);

inline const QString TitelInformatie = QStringLiteral("Informatie");
inline const QString TitelBevestiging = QStringLiteral("Bevestiging");
inline const QString TitelWaarschuwing = QStringLiteral("Waarschuwing");

// A message as it would be shown; tests answer it through the hook instead of a person.
struct Bericht {
    DialoogSoort soort;
    QString titel;
    QString tekst;
};
using AntwoordHaak = std::function<int(const Bericht&)>;
void ZetAntwoordHaak(AntwoordHaak haak); // an empty hook shows real dialogs again

// The window the dialogs centre over.
void ZetHoofdvenster(QWidget* venster);

// Without a screen (offscreen platform) nobody can answer: the text goes to standard error, an
// information or warning counts as OK and a question as "Nee".
bool IsZonderScherm();

// Button kinds: caption, glyph and modal result.
struct KnopSoort {
    QString tekst;
    int glyph;
    int resultaat;
};
const KnopSoort* KnopSoortVan(int soort); // nullptr for kinds outside 0..10

// The sizing of the dialog, apart from any screen so it can be checked on its own.
struct MaatInvoer {
    int knopBreedte = 80;              // width of each button
    int zichtbareKnoppen = 1;          // Knop1 plus the visible others
    int hoofdBreedte = 0;              // main window width
    QRect hoofdGeometrie;              // main window frame
    QSize scherm;                      // screen size
    int eenRegelBreedte = 0;           // text width in one line, in the dialog's font
    std::function<int(int)> regelsBij; // number of lines the memo shows at a width
    int randBreedte = 0;               // frame width added to the client width
    int randHoogte = 0;                // frame height added to the client height
};
struct Maat {
    int memoBreedte = 0;
    int memoHoogte = 0;
    QSize client;
    QPoint positie;
};
Maat PasGrootteAan(const MaatInvoer& in);

class TToonBericht : public QDialog {
    Q_OBJECT
public:
    explicit TToonBericht(QWidget* parent = nullptr);
    int Toon(DialoogSoort soort, const QString& titel, const QString& tekst, const QList<int>& knopSoorten);

    QPlainTextEdit* MeldTekst() const { return m_meldTekst; }
    QPushButton* Knop(int i) const { return m_knoppen[i]; } // 0..4 = Knop1..Knop5

public Q_SLOTS:
    void reject() override;

private:
    void StelKnopIn(QPushButton* knop, int soort);
    void PasGrootteAan(const QString& tekst);

    QLabel* m_plaatjes[4] = {};
    QPlainTextEdit* m_meldTekst = nullptr;
    QStatusBar* m_balk = nullptr;
    QPushButton* m_knoppen[5] = {};
};

} // namespace Orvo

#pragma once
// The e-mail settings dialog: whether a report goes out after an automatic backup, the SMTP server,
// the sender, an optional login and the recipients. It sends nothing itself.

#include "mail/EMailInstellingen.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QWidget;

namespace Orvo {

inline const QString TitelEMailGegevens = QStringLiteral("Instellingen e-mail na automatische back-up");

class TEMailGegevens : public QDialog {
    Q_OBJECT
public:
    explicit TEMailGegevens(QWidget* parent = nullptr);

    // The controls, by their names, for the owner and for tests.
    QCheckBox* EMailZend = nullptr;
    QCheckBox* EMailFout = nullptr;
    QLineEdit* SMTPNaam = nullptr;
    QLineEdit* SMTPAdrs = nullptr;
    QLineEdit* SMTPHost = nullptr;
    QLineEdit* SMTPPrt = nullptr;
    QCheckBox* SMTPBev = nullptr;
    QWidget* AanmeldPanel = nullptr;
    QLineEdit* SMTPLog = nullptr;
    QLineEdit* SMTPPass = nullptr;
    QGroupBox* OntvangersGroep = nullptr;
    QTreeWidget* AdresLijst = nullptr;
    QLineEdit* EMailNaam = nullptr;
    QLineEdit* EMailAdres = nullptr;
    QPushButton* NieuwKnop = nullptr;
    QPushButton* WijzigKnop = nullptr;
    QPushButton* VerwijderKnop = nullptr;
    QPushButton* OKKnop = nullptr;
    QPushButton* AnnuleerKnop = nullptr;
    QStatusBar* StatusBalk = nullptr;

    int SorteerKolom() const { return m_sorteerKolom; }
    bool SorteerOplopend() const { return m_oplopend; }

    // The handlers, named after their control and event.
    void EMailZendClick();
    void SMTPBevClick();
    void AdresLijstColumnClick(int kolom);
    void AdresLijstClick();
    void NieuwKnopClick();
    void WijzigKnopClick();
    void VerwijderKnopClick();
    void OKKnopClick();
    void AnnuleerKnopClick();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void BouwOp();
    void LeesIn();
    void VoegToeOfWijzig(bool wijzig);
    void Sorteer();
    EMailInstellingen Invoer() const;
    void Focus(EMailVeld veld);
    bool FunctieToets(int toets);

    int m_sorteerKolom = 0;
    bool m_oplopend = true;
};

// Opens the dialog modally over `eigenaar`; the modal result (QDialog::Accepted after a save).
int ToonEMailGegevens(QWidget* eigenaar);

} // namespace Orvo

#pragma once
// "Gegevens FTP server Talvane B.V.": the customer's FTP login, tested against the server and stored.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Orvo {

class FTPVerbinding;

inline const QString TitelFTPGegevens = QStringLiteral("Gegevens FTP server Talvane B.V.");
inline const QString MeldingFTPGegevensLeeg =
    QStringLiteral("U moet eerst uw login naam en wachtwoord opgeven.");
inline const QString MeldingFTPGegevensGoed =
    QStringLiteral("De gegevens zijn correct, er kan verbinding met de FTP server worden gemaakt.");
inline const QString MeldingFTPGegevensFout =
    QStringLiteral("Er kan GEEN verbinding met de FTP server worden gemaakt, vermoedelijk zijn de gegevens "
                   "niet correct ingevoerd.");

// Modal; closes with mrOK (1, QDialog::Accepted) after "OK", with mrAnnuleer otherwise. The test uses
// the program's one connection, which must be closed when the dialog opens.
class TFTPGegevens : public QDialog {
    Q_OBJECT
public:
    explicit TFTPGegevens(FTPVerbinding& verbinding, QWidget* parent = nullptr);

    QLineEdit* FTP_Login() const { return m_login; }
    QLineEdit* FTP_Wachtwoord() const { return m_wachtwoord; }
    QPushButton* CheckKnop() const { return m_check; }
    QPushButton* OKKnop() const { return m_ok; }
    QPushButton* AnnuleerKnop() const { return m_annuleer; }

public Q_SLOTS:
    void OKKnopClick();
    void CheckKnopClick();
    void reject() override; // Escape and the close box cancel like "Annuleer"

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void ZetKnoppen(bool aan);

    FTPVerbinding& m_verbinding;
    QLabel* m_info;
    QLineEdit* m_login;
    QLineEdit* m_wachtwoord;
    QPushButton* m_check;
    QPushButton* m_ok;
    QPushButton* m_annuleer;
    int m_ingedrukt = 0; // the form key pressed in this dialog and not yet released
};

} // namespace Orvo

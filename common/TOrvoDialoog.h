#pragma once
// What the program's small dialogs share: "OK" and "Annuleer" at the bottom right, F5 and Enter run
// the OK check from any control, F6 cancels, and the shared key filter.

#include <QDialog>

class QHBoxLayout;
class QPushButton;

namespace Orvo {

class TOrvoDialoog : public QDialog {
    Q_OBJECT
public:
    explicit TOrvoDialoog(QWidget* parent = nullptr);

public Q_SLOTS:
    // The OK check; closes with OK unless a dialog checks something first.
    virtual void OKKnopClick();

protected:
    // The button row; `ok` receives the OK button (named "OKKnop"), which runs OKKnopClick.
    QHBoxLayout* MaakKnoppen(QPushButton** ok = nullptr);
    // Installs the key filter; call at the end of the constructor, when every control exists.
    void RondAf();
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace Orvo

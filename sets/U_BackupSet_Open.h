#pragma once
// "Open een back-up set": chooses one of the saved sets.

#include <QDialog>

class QListWidget;

namespace Orvo {

class TOpenSet : public QDialog {
    Q_OBJECT
public:
    explicit TOpenSet(QWidget* parent = nullptr);

    // The selected line, or empty when none is selected.
    QString GekozenSet() const;
    QListWidget* BackUpSets = nullptr;

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace Orvo

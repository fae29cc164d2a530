#pragma once
// The folder chooser: a tree of the folders of every volume, with a button to make a new folder.

#include "common/TOrvoDialoog.h"

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace Orvo {

inline const QString MeldingMapNietAangemaakt = QStringLiteral("De map kon niet aangemaakt worden.");

class TKiesDirectory : public TOrvoDialoog {
    Q_OBJECT
public:
    explicit TKiesDirectory(QWidget* parent = nullptr);

    // Selects a native folder; an empty or missing one leaves no folder selected.
    void Selecteer(const QString& map);
    QString GekozenPad() const; // native path of the selection, or empty

    QTreeView* DirectoryBox() const { return m_boom; }
    QLabel* GekozenDir() const { return m_gekozen; }
    QPushButton* NieuwKnop() const { return m_nieuw; }

public Q_SLOTS:
    void NieuwKnopClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void DirectoryBoxChange();

    QFileSystemModel* m_model;
    QTreeView* m_boom;
    QLabel* m_gekozen;
    QPushButton* m_nieuw;
};

// The chosen native folder, or empty when the user cancelled. `start` is where it opens.
QString KiesMap(const QString& start);
// The one chooser of the program, created at start-up with the main window as owner.
void MaakKiesDirectory(QWidget* eigenaar);
TKiesDirectory* KiesDirectory();

} // namespace Orvo

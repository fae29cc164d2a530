#pragma once
// Small controls the forms share: a titled radio group with item indexes, and an edit with a folder
// button beside it.

#include <QGroupBox>
#include <QWidget>

class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace Orvo {

class RadioGroep : public QGroupBox {
    Q_OBJECT
public:
    RadioGroep(const QString& titel, const QStringList& items, int kolommen, QWidget* parent = nullptr);

    int ItemIndex() const;        // -1 when none is chosen
    void ZetItemIndex(int index); // does not emit Click
    QRadioButton* Item(int index) const;
    int Aantal() const;

Q_SIGNALS:
    void Click(); // the user chose an item

private:
    QButtonGroup* m_groep;
};

class MapEdit : public QWidget {
    Q_OBJECT
public:
    explicit MapEdit(QWidget* parent = nullptr);
    QLineEdit* Edit() const { return m_edit; }
    QToolButton* Knop() const { return m_knop; }
    QString text() const;
    void setText(const QString& tekst);

Q_SIGNALS:
    void KnopClick();

private:
    QLineEdit* m_edit;
    QToolButton* m_knop;
};

} // namespace Orvo

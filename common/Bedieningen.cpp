#include "common/Bedieningen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

namespace Orvo {

RadioGroep::RadioGroep(const QString& titel, const QStringList& items, int kolommen, QWidget* parent)
    : QGroupBox(titel, parent), m_groep(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    const int rijen = (int(items.size()) + kolommen - 1) / std::max(1, kolommen);
    for (int i = 0; i < items.size(); ++i) {
        auto* knop = new QRadioButton(items.at(i), this);
        m_groep->addButton(knop, i);
        layout->addWidget(knop, i % rijen, i / rijen);
    }
    connect(m_groep, &QButtonGroup::idClicked, this, [this](int) { Q_EMIT Click(); });
}

int RadioGroep::ItemIndex() const {
    return m_groep->checkedId();
}

void RadioGroep::ZetItemIndex(int index) {
    if (QAbstractButton* knop = m_groep->button(index)) {
        knop->setChecked(true);
    } else if (QAbstractButton* gekozen = m_groep->checkedButton()) {
        m_groep->setExclusive(false);
        gekozen->setChecked(false);
        m_groep->setExclusive(true);
    }
}

QRadioButton* RadioGroep::Item(int index) const {
    return qobject_cast<QRadioButton*>(m_groep->button(index));
}

int RadioGroep::Aantal() const {
    return int(m_groep->buttons().size());
}

MapEdit::MapEdit(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_knop(new QToolButton(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_knop->setIcon(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_knop->setToolTip(QStringLiteral("Kies een map"));
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_knop);
    setFocusProxy(m_edit);
    connect(m_knop, &QToolButton::clicked, this, &MapEdit::KnopClick);
}

QString MapEdit::text() const {
    return m_edit->text();
}

void MapEdit::setText(const QString& tekst) {
    m_edit->setText(tekst);
}

} // namespace Orvo

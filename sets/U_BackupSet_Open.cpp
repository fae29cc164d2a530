#include "sets/U_BackupSet_Open.h"

#include "common/Orvo_Dialoog.h"
#include "common/ToetsFilter.h"
#include "sets/SelectieBoom.h"
#include "sets/SetBestand.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Orvo {

TOpenSet::TOpenSet(QWidget* parent) : TOrvoDialoog(parent) {
    setWindowTitle(QStringLiteral("Open een back-up set"));
    auto* label = new QLabel(QStringLiteral("Back-up sets"), this);
    BackUpSets = new QListWidget(this);
    BackUpSets->setObjectName(QStringLiteral("BackUpSets"));
    BackUpSets->setMinimumSize(300, 200);
    label->setBuddy(BackUpSets);
    QStringList namen = SetNamen();
    SorteerNamen(namen);
    BackUpSets->addItems(namen);

    auto* knoppen = MaakKnoppen();
    connect(BackUpSets, &QListWidget::itemDoubleClicked, this, [this] { done(mrOK); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(BackUpSets, 1);
    layout->addLayout(knoppen);
    RondAf();
}

QString TOpenSet::GekozenSet() const {
    const QList<QListWidgetItem*> gekozen = BackUpSets->selectedItems();
    return gekozen.isEmpty() ? QString() : gekozen.first()->text();
}

} // namespace Orvo

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

TOpenSet::TOpenSet(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Open een back-up set"));
    auto* label = new QLabel(QStringLiteral("Back-up sets"), this);
    BackUpSets = new QListWidget(this);
    BackUpSets->setObjectName(QStringLiteral("BackUpSets"));
    BackUpSets->setMinimumSize(300, 200);
    label->setBuddy(BackUpSets);
    QStringList namen = SetNamen();
    SorteerNamen(namen);
    BackUpSets->addItems(namen);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKKnop"));
    auto* annuleer = new QPushButton(QStringLiteral("Annuleer"), this);
    annuleer->setObjectName(QStringLiteral("AnnuleerKnop"));
    for (QPushButton* k : {ok, annuleer}) {
        k->setAutoDefault(false);
        k->setMinimumWidth(80);
    }
    connect(ok, &QPushButton::clicked, this, [this] { done(mrOK); });
    connect(annuleer, &QPushButton::clicked, this, [this] { done(mrAnnuleer); });
    connect(BackUpSets, &QListWidget::itemDoubleClicked, this, [this] { done(mrOK); });

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(ok);
    knoppen->addWidget(annuleer);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(BackUpSets, 1);
    layout->addLayout(knoppen);
    InstalleerToetsFilter(this);
}

QString TOpenSet::GekozenSet() const {
    const QList<QListWidgetItem*> gekozen = BackUpSets->selectedItems();
    return gekozen.isEmpty() ? QString() : gekozen.first()->text();
}

void TOpenSet::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F5 || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        done(mrOK);
    else if (event->key() == Qt::Key_F6)
        done(mrAnnuleer);
    else
        QDialog::keyReleaseEvent(event);
}

} // namespace Orvo

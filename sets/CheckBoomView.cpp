#include "sets/CheckBoomView.h"

#include "platform/Volumes.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyle>

namespace Orvo {

CheckBoomModel::CheckBoomModel(CheckBoom& boom, CheckBoomView& view)
    : QAbstractItemModel(&view), m_boom(boom), m_view(view) {
    m_boom.ZetWaarnemer(this);
}

CheckBoomModel::~CheckBoomModel() {
    m_boom.ZetWaarnemer(nullptr);
}

CheckKnoop* CheckBoomModel::KnoopVan(const QModelIndex& index) {
    return index.isValid() ? static_cast<CheckKnoop*>(index.internalPointer()) : nullptr;
}

QModelIndex CheckBoomModel::IndexVan(const CheckKnoop* knoop) const {
    if (!knoop)
        return {};
    return createIndex(knoop->Ouder ? knoop->Rij : 0, 0, const_cast<CheckKnoop*>(knoop));
}

QModelIndex CheckBoomModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && m_boom.Wortel() ? createIndex(0, 0, m_boom.Wortel()) : QModelIndex();
    const CheckKnoop* ouder = KnoopVan(parent);
    if (row >= ouder->Aantal())
        return {};
    return createIndex(row, 0, ouder->Kind(row));
}

QModelIndex CheckBoomModel::parent(const QModelIndex& child) const {
    const CheckKnoop* knoop = KnoopVan(child);
    return knoop ? IndexVan(knoop->Ouder) : QModelIndex();
}

int CheckBoomModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return m_boom.Wortel() ? 1 : 0;
    if (parent.column() != 0)
        return 0;
    return KnoopVan(parent)->Aantal();
}

int CheckBoomModel::columnCount(const QModelIndex&) const {
    return 1;
}

QIcon CheckBoomModel::Icoon(const CheckKnoop* knoop) const {
    switch (knoop->Soort) {
    case KnoopSoort::Wortel:
        return m_iconen.icon(QAbstractFileIconProvider::Computer);
    case KnoopSoort::Station:
        return m_iconen.icon(QAbstractFileIconProvider::Drive);
    case KnoopSoort::Map:
        return knoop->Open ? m_view.style()->standardIcon(QStyle::SP_DirOpenIcon)
                           : m_iconen.icon(QAbstractFileIconProvider::Folder);
    case KnoopSoort::Bestand: {
        const QString suffix = QFileInfo(knoop->Caption).suffix().toLower();
        auto it = m_bestandIconen.constFind(suffix);
        if (it != m_bestandIconen.constEnd())
            return *it;
        QIcon icoon;
        if (const auto natief = Platform::NaarNatief(PadVan(knoop))) {
            QString pad = *natief;
            pad.chop(1); // a file has no trailing separator
            icoon = m_iconen.icon(QFileInfo(pad));
        }
        if (icoon.isNull())
            icoon = m_iconen.icon(QAbstractFileIconProvider::File);
        m_bestandIconen.insert(suffix, icoon);
        return icoon;
    }
    case KnoopSoort::Plaatshouder:
        break;
    }
    return {};
}

QVariant CheckBoomModel::data(const QModelIndex& index, int role) const {
    const CheckKnoop* knoop = KnoopVan(index);
    if (!knoop)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return knoop->Caption;
    case Qt::DecorationRole:
        return Icoon(knoop);
    case Qt::CheckStateRole:
        if (knoop->Soort == KnoopSoort::Plaatshouder)
            return {};
        return knoop->Staat == Aan     ? Qt::Checked
               : knoop->Staat == Deels ? Qt::PartiallyChecked
                                       : Qt::Unchecked;
    default:
        return {};
    }
}

bool CheckBoomModel::setData(const QModelIndex& index, const QVariant&, int role) {
    CheckKnoop* knoop = KnoopVan(index);
    if (!knoop || role != Qt::CheckStateRole)
        return false;
    // Whatever state the view proposes, a click toggles checked and unchecked.
    const int voor = knoop->Staat;
    m_view.KlikVakje(knoop);
    return knoop->Staat != voor;
}

Qt::ItemFlags CheckBoomModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

void CheckBoomModel::VoorInvoegen(CheckKnoop* ouder, int eerste, int laatste) {
    beginInsertRows(IndexVan(ouder), eerste, laatste);
}

void CheckBoomModel::NaInvoegen() {
    endInsertRows();
}

void CheckBoomModel::VoorVerwijderen(CheckKnoop* ouder, int eerste, int laatste) {
    beginRemoveRows(IndexVan(ouder), eerste, laatste);
}

void CheckBoomModel::NaVerwijderen() {
    endRemoveRows();
}

void CheckBoomModel::Gewijzigd(CheckKnoop* ouder, int eerste, int laatste) {
    const QModelIndex p = IndexVan(ouder);
    Q_EMIT dataChanged(index(eerste, 0, p), index(laatste, 0, p));
}

CheckBoomView::CheckBoomView(QWidget* parent) : QTreeView(parent) {
    m_model = new CheckBoomModel(m_boom, *this);
    setModel(m_model);
    setHeaderHidden(true);
    setRootIsDecorated(false); // no button and no lines for the root
    setIndentation(19);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& i) { Openen(KnoopVan(i)); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& i) { Sluiten(KnoopVan(i)); });
}

CheckBoomView::~CheckBoomView() {
    // The model would otherwise outlive the tree it watches (children go after the members).
    setModel(nullptr);
    delete m_model;
    m_model = nullptr;
}

void CheckBoomView::OpenKnoop(CheckKnoop* knoop) {
    if (!knoop)
        return;
    Openen(knoop);
    for (CheckKnoop* k = knoop; k; k = k->Ouder)
        if (!isExpanded(IndexVan(k)))
            expand(IndexVan(k));
}

void CheckBoomView::SluitKnoop(CheckKnoop* knoop) {
    if (knoop)
        collapse(IndexVan(knoop));
}

void CheckBoomView::KlikVakje(CheckKnoop* knoop) {
    if (knoop && MagStaatWijzigen(knoop))
        m_boom.Wissel(knoop);
}

void CheckBoomView::Openen(CheckKnoop* knoop) {
    if (knoop)
        m_boom.ZetOpen(knoop, true);
}

void CheckBoomView::Sluiten(CheckKnoop* knoop) {
    if (knoop)
        m_boom.ZetOpen(knoop, false);
}

} // namespace Orvo

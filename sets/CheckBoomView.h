#pragma once
// The widget of a check tree: a tree view over CheckBoom with tri-state boxes and the small system
// icons. Opening, closing and state changes go through virtual steps, so the selection tree and the
// restore tree fill their nodes each in their own way.

#include "sets/CheckBoom.h"

#include <QAbstractItemModel>
#include <QFileIconProvider>
#include <QHash>
#include <QTreeView>

namespace Orvo {

class CheckBoomView;

// Adapter from the tree to Qt's model/view; the view owns it.
class CheckBoomModel : public QAbstractItemModel, public CheckBoomWaarnemer {
    Q_OBJECT
public:
    CheckBoomModel(CheckBoom& boom, CheckBoomView& view);
    ~CheckBoomModel() override;

    QModelIndex IndexVan(const CheckKnoop* knoop) const;
    static CheckKnoop* KnoopVan(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void VoorInvoegen(CheckKnoop* ouder, int eerste, int laatste) override;
    void NaInvoegen() override;
    void VoorVerwijderen(CheckKnoop* ouder, int eerste, int laatste) override;
    void NaVerwijderen() override;
    void Gewijzigd(CheckKnoop* ouder, int eerste, int laatste) override;

private:
    QIcon Icoon(const CheckKnoop* knoop) const;

    CheckBoom& m_boom;
    CheckBoomView& m_view;
    QFileIconProvider m_iconen;
    mutable QHash<QString, QIcon> m_bestandIconen; // by suffix: one look-up per kind of file
};

class CheckBoomView : public QTreeView {
    Q_OBJECT
public:
    explicit CheckBoomView(QWidget* parent = nullptr);
    ~CheckBoomView() override;

    CheckBoom& Boom() { return m_boom; }
    const CheckBoom& Boom() const { return m_boom; }
    CheckBoomModel& Model() { return *m_model; }

    QModelIndex IndexVan(const CheckKnoop* knoop) const { return m_model->IndexVan(knoop); }
    CheckKnoop* KnoopVan(const QModelIndex& index) const { return CheckBoomModel::KnoopVan(index); }

    // Opens a node as a click on its button would (it is filled first when needed).
    void OpenKnoop(CheckKnoop* knoop);
    void SluitKnoop(CheckKnoop* knoop);
    // What a click on the node's box does, subject to the state rule.
    void KlikVakje(CheckKnoop* knoop);

    // The tree's events. Openen fills the node; Sluiten closes it; MagStaatWijzigen is the state rule.
    virtual void Openen(CheckKnoop* knoop);
    virtual void Sluiten(CheckKnoop* knoop);
    virtual bool MagStaatWijzigen(const CheckKnoop* knoop) { return BackUpBoomStateChanging(knoop); }

private:
    CheckBoom m_boom;
    CheckBoomModel* m_model = nullptr;
};

} // namespace Orvo

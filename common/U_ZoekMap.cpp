#include "common/U_ZoekMap.h"
#include "common/Orvo_Dialoog.h"
#include "common/ToetsFilter.h"
#include "common/U_ZoekMap_Nieuw.h"
#include "platform/Volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace Orvo {
namespace {

// The root of the file system carries the volume's display name, as the program shows drives.
class MappenModel : public QFileSystemModel {
public:
    using QFileSystemModel::QFileSystemModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && index.column() == 0 && filePath(index) == QLatin1String("/"))
            return Platform::WeergaveNaam(QLatin1Char('C'));
        return QFileSystemModel::data(index, role);
    }
};

QPointer<TKiesDirectory>& kiesDirectory() {
    static QPointer<TKiesDirectory> d;
    return d;
}

} // namespace

TKiesDirectory::TKiesDirectory(QWidget* parent) : TOrvoDialoog(parent) {
    setWindowTitle(QStringLiteral("Kies een map"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(241, 237, 237));
    setPalette(pal);

    m_model = new MappenModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::Drives);
    m_model->setResolveSymlinks(false);
    m_model->setReadOnly(true);
    m_model->setRootPath(QStringLiteral("/"));

    m_boom = new QTreeView(this);
    m_boom->setObjectName(QStringLiteral("DirectoryBox"));
    m_boom->setModel(m_model);
    for (int kolom = 1; kolom < m_model->columnCount(); ++kolom)
        m_boom->hideColumn(kolom);
    m_boom->setHeaderHidden(true);
    m_boom->setSortingEnabled(true);
    m_boom->sortByColumn(0, Qt::AscendingOrder);
    m_boom->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_boom->setSelectionMode(QAbstractItemView::SingleSelection);
    m_boom->setMinimumSize(340, 320);
    connect(m_boom->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& huidig) {
                if (huidig.isValid())
                    m_boom->expand(huidig); // a node opens when selected
                DirectoryBoxChange();
            });

    m_gekozen = new QLabel(this);
    m_gekozen->setObjectName(QStringLiteral("GekozenDir"));
    m_gekozen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_gekozen->setMinimumHeight(22);
    m_nieuw = new QPushButton(QStringLiteral("Nieuwe map"), this);
    m_nieuw->setObjectName(QStringLiteral("NieuwKnop"));
    m_nieuw->setAutoDefault(false);
    m_nieuw->setEnabled(false);
    connect(m_nieuw, &QPushButton::clicked, this, &TKiesDirectory::NieuwKnopClick);

    auto* balk = new QStatusBar(this);
    balk->setSizeGripEnabled(false);
    balk->setStyleSheet(QStringLiteral("QStatusBar { background: #000080; }"));
    auto* ok = new QPushButton(QStringLiteral("OK"), balk);
    auto* annuleer = new QPushButton(QStringLiteral("Annuleer"), balk);
    for (QPushButton* k : {ok, annuleer}) {
        k->setAutoDefault(false);
        k->setMinimumWidth(80);
        balk->addWidget(k);
    }
    connect(ok, &QPushButton::clicked, this, [this] { done(mrOK); });
    connect(annuleer, &QPushButton::clicked, this, [this] { done(mrAnnuleer); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* inhoud = new QVBoxLayout;
    inhoud->setContentsMargins(10, 10, 10, 6);
    inhoud->addWidget(new QLabel(QStringLiteral("Mappen"), this));
    inhoud->addWidget(m_boom, 1);
    inhoud->addWidget(new QLabel(QStringLiteral("Gekozen map"), this));
    auto* rij = new QHBoxLayout;
    rij->addWidget(m_gekozen, 1);
    rij->addWidget(m_nieuw);
    inhoud->addLayout(rij);
    layout->addLayout(inhoud, 1);
    layout->addWidget(balk);
    resize(420, 480);
    RondAf();
}

void TKiesDirectory::Selecteer(const QString& map) {
    const QFileInfo info(map);
    if (map.isEmpty() || !info.isDir()) {
        m_boom->setCurrentIndex(QModelIndex());
        m_boom->clearSelection();
        DirectoryBoxChange();
        return;
    }
    const QModelIndex index = m_model->index(QDir::cleanPath(info.absoluteFilePath()));
    m_boom->setCurrentIndex(index);
    m_boom->scrollTo(index);
    m_boom->expand(index);
}

QString TKiesDirectory::GekozenPad() const {
    const QModelIndex index = m_boom->currentIndex();
    if (!index.isValid())
        return QString();
    return m_model->filePath(index);
}

void TKiesDirectory::DirectoryBoxChange() {
    const QString pad = GekozenPad();
    m_gekozen->setText(pad);
    m_nieuw->setEnabled(!pad.isEmpty());
}

void TKiesDirectory::NieuwKnopClick() {
    TNieuweMapNaam naamDialoog(this);
    QString pad = GekozenPad();
    if (!pad.endsWith(QLatin1Char('/')))
        pad += QLatin1Char('/');
    naamDialoog.Pad = pad;
    if (naamDialoog.exec() != mrOK)
        return;
    const QString nieuw = pad + naamDialoog.MapNaam()->text();
    if (!QDir().mkdir(nieuw)) {
        ToonWaarschuwing(MeldingMapNietAangemaakt);
        return;
    }
    Selecteer(nieuw);
}

void TKiesDirectory::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QModelIndex index = m_boom->currentIndex();
    if (index.isValid())
        m_boom->expand(index);
}

void MaakKiesDirectory(QWidget* eigenaar) {
    if (!kiesDirectory())
        kiesDirectory() = new TKiesDirectory(eigenaar);
}

TKiesDirectory* KiesDirectory() {
    MaakKiesDirectory(nullptr);
    return kiesDirectory();
}

QString KiesMap(const QString& start) {
    TKiesDirectory* d = KiesDirectory();
    d->Selecteer(start);
    if (d->exec() != mrOK)
        return QString();
    return d->GekozenPad();
}

} // namespace Orvo

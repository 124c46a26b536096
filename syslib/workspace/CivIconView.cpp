// SPDX-License-Identifier: BSD-3-Clause
#include "CivIconView.h"

#include <QDropEvent>
#include <QHash>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPersistentModelIndex>
#include <QToolTip>

#include <algorithm>

namespace
{
// The places the items of a view take, sorted by the grid cells they touch,
// so that telling whether a place is free looks only at its neighbours.
class TakenPlaces
{
public:
    explicit TakenPlaces(const QSize& p_qsCell)
        : m_qsCell(p_qsCell)
    { }

    void Add(const QRect& p_qrPlace)
    {
        ForCells(p_qrPlace, [&](const QPoint& p_qpCell) { m_qhCells[p_qpCell].append(p_qrPlace); });
    }
    bool Overlaps(const QRect& p_qrPlace) const
    {
        bool bOverlaps = false;
        ForCells(p_qrPlace, [&](const QPoint& p_qpCell) {
            const auto it = m_qhCells.constFind(p_qpCell);
            bOverlaps = bOverlaps
                || (it != m_qhCells.cend() && std::any_of(it->cbegin(), it->cend(), [&](const QRect& p_qrTaken) {
                            return p_qrTaken.intersects(p_qrPlace);
                        }));
        });
        return bOverlaps;
    }

private:
    template <typename Each> void ForCells(const QRect& p_qrPlace, Each p_fnEach) const
    {
        const auto cell
            = [](int p_iAt, int p_iSize) { return p_iAt >= 0 ? p_iAt / p_iSize : -((-p_iAt - 1) / p_iSize) - 1; };
        for (int iY = cell(p_qrPlace.top(), m_qsCell.height()); iY <= cell(p_qrPlace.bottom(), m_qsCell.height()); ++iY)
            for (int iX = cell(p_qrPlace.left(), m_qsCell.width()); iX <= cell(p_qrPlace.right(), m_qsCell.width());
                 ++iX)
                p_fnEach(QPoint(iX, iY));
    }

    QSize m_qsCell;
    QHash<QPoint, QList<QRect>> m_qhCells;
};
}

class Q_DECL_HIDDEN CivIconView::Private
{
public:
    QHash<QListWidgetItem*, QPoint> m_qhPositions;
    QPersistentModelIndex m_qpmiRenamed;
    // An unset side leaves the grid size invalid, and the view sizes items itself.
    int m_iGridX = -1;
    int m_iGridY = -1;
};

CivIconView::CivIconView(QWidget* parent)
    : QListWidget(parent)
    , d(new Private)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Free);
    setWordWrap(true);
    // Flow positions start off the corner, so (0, 0) can stand for "placed
    // by the view".
    setSpacing(5);
    setIconSize(QSize(32, 32));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setContextMenuPolicy(Qt::CustomContextMenu);

    // A double-click emits itemDoubleClicked and itemActivated; only the
    // first one counts, Return is handled in keyPressEvent.
    connect(this, &QListWidget::itemDoubleClicked, this, &CivIconView::doubleClicked);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& p_qpPos) {
        Q_EMIT rightButtonPressed(itemAt(p_qpPos), viewport()->mapToGlobal(p_qpPos));
    });
}

CivIconView::~CivIconView() = default;

QPoint CivIconView::ItemPos(QListWidgetItem* p_pqiviItem) const
{
    return rectForIndex(indexFromItem(p_pqiviItem)).topLeft();
}

void CivIconView::MoveItem(QListWidgetItem* p_pqiviItem, const QPoint& p_qpPos)
{
    if (!p_pqiviItem || p_pqiviItem->listWidget() != this)
        return;
    // Applied by the next layout: placing items one by one would lay the
    // whole view out again for each of them.
    d->m_qhPositions.insert(p_pqiviItem, p_qpPos);
    scheduleDelayedItemsLayout();
}

void CivIconView::SetRenameEnabled(QListWidgetItem* p_pqiviItem, bool p_bEnabled)
{
    if (!p_pqiviItem)
        return;
    p_pqiviItem->setFlags(p_bEnabled ? p_pqiviItem->flags() | Qt::ItemIsEditable
                                     : p_pqiviItem->flags() & ~Qt::ItemIsEditable);
}

void CivIconView::RenameItem(QListWidgetItem* p_pqiviItem)
{
    if (p_pqiviItem && (p_pqiviItem->flags() & Qt::ItemIsEditable))
        editItem(p_pqiviItem);
}

void CivIconView::setAutoArrange(bool p_bAutoArrange)
{
    setResizeMode(p_bAutoArrange ? QListView::Adjust : QListView::Fixed);
}

void CivIconView::setWordWrapIconText(bool p_bWrap)
{
    setWordWrap(p_bWrap);
}

void CivIconView::setArrangement(int p_iArrangement)
{
    setFlow(p_iArrangement == 0 ? QListView::LeftToRight : QListView::TopToBottom);
}

void CivIconView::setSorting(bool p_bSort, bool p_bAscending)
{
    setSortingEnabled(p_bSort);
    if (p_bSort)
        sortItems(p_bAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CivIconView::setGridX(int p_iGridX)
{
    d->m_iGridX = p_iGridX;
    setGridSize(QSize(d->m_iGridX, d->m_iGridY));
}

void CivIconView::setGridY(int p_iGridY)
{
    d->m_iGridY = p_iGridY;
    setGridSize(QSize(d->m_iGridX, d->m_iGridY));
}

void CivIconView::doItemsLayout()
{
    // The base layout forgets every position given to an item: put the
    // remembered ones back.
    QListWidget::doItemsLayout();
    if (d->m_qhPositions.isEmpty())
        return;
    const QSize qsCell = gridSize().isValid() ? gridSize() : QSize(80, 75);
    TakenPlaces taken(qsCell);
    for (auto it = d->m_qhPositions.cbegin(); it != d->m_qhPositions.cend(); ++it) {
        const QModelIndex qmiItem = indexFromItem(it.key());
        setPositionForIndex(it.value(), qmiItem);
        taken.Add(rectForIndex(qmiItem));
    }
    // An item placed by the flow where a kept one stands goes to the first
    // free cell of the grid instead of lying on top of it, centred in it as
    // the flow centres its items.
    const int iColumns = qMax(1, viewport()->width() / qsCell.width());
    int iFreeCell = 0;
    for (int iRow = 0; iRow < count(); ++iRow) {
        QListWidgetItem* pqiviItem = item(iRow);
        if (d->m_qhPositions.contains(pqiviItem))
            continue;
        QRect qrItem = rectForIndex(indexFromItem(pqiviItem));
        if (taken.Overlaps(qrItem)) {
            QRect qrCell;
            do {
                qrCell = QRect(QPoint(iFreeCell % iColumns * qsCell.width(), iFreeCell / iColumns * qsCell.height()),
                               qsCell);
                ++iFreeCell;
            } while (taken.Overlaps(qrCell));
            qrItem.moveTopLeft(qrCell.topLeft() + QPoint((qsCell.width() - qrItem.width()) / 2, 0));
            setPositionForIndex(qrItem.topLeft(), indexFromItem(pqiviItem));
        }
        taken.Add(qrItem);
    }
}

void CivIconView::reset()
{
    d->m_qhPositions.clear();
    QListWidget::reset();
}

bool CivIconView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool bEditing = QListWidget::edit(index, trigger, event);
    if (bEditing)
        d->m_qpmiRenamed = index;
    return bEditing;
}

void CivIconView::commitData(QWidget* editor)
{
    QListWidgetItem* pqiviItem = itemFromIndex(d->m_qpmiRenamed);
    const QString qstrOld = pqiviItem ? pqiviItem->text() : QString();
    QListWidget::commitData(editor);
    if (!pqiviItem || pqiviItem->text() == qstrOld)
        return;
    // Told once the view has closed the editor: a receiver that opens a
    // dialog would otherwise let the editor be deleted under the view.
    const QPersistentModelIndex qpmiRenamed = d->m_qpmiRenamed;
    QMetaObject::invokeMethod(
        this,
        [this, qpmiRenamed]() {
            if (QListWidgetItem* pqiviRenamed = itemFromIndex(qpmiRenamed))
                Q_EMIT itemRenamed(pqiviRenamed, pqiviRenamed->text());
        },
        Qt::QueuedConnection);
}

bool CivIconView::viewportEvent(QEvent* event)
{
    // A name cut short under its picture can be read in full as a tool tip.
    if (event->type() == QEvent::ToolTip) {
        const auto* pqheHelp = static_cast<QHelpEvent*>(event);
        const QListWidgetItem* pqiviItem = itemAt(pqheHelp->pos());
        if (pqiviItem && pqiviItem->toolTip().isEmpty()) {
            QToolTip::showText(pqheHelp->globalPos(), pqiviItem->text(), viewport(), visualItemRect(pqiviItem));
            return true;
        }
    }
    return QListWidget::viewportEvent(event);
}

void CivIconView::keyPressEvent(QKeyEvent* event)
{
    const bool bReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (bReturn && state() != QAbstractItemView::EditingState && currentItem()) {
        Q_EMIT returnPressed(currentItem());
        event->accept();
        return;
    }
    // The context menu key and Shift+F10 open the current item's menu.
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QListWidgetItem* pqiviItem = currentItem();
        const QRect qrAt = pqiviItem ? visualItemRect(pqiviItem) : viewport()->rect();
        Q_EMIT rightButtonPressed(pqiviItem, viewport()->mapToGlobal(qrAt.center()));
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void CivIconView::dropEvent(QDropEvent* event)
{
    QListWidget::dropEvent(event);
    // Items dragged within the view stay where the user put them.
    if (event->source() == this) {
        const QList<QListWidgetItem*> qlMoved = selectedItems();
        for (QListWidgetItem* pqiviItem : qlMoved)
            d->m_qhPositions.insert(pqiviItem, ItemPos(pqiviItem));
    }
}

void CivIconView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    if (!d->m_qhPositions.isEmpty()) {
        for (int iRow = start; iRow <= end; ++iRow)
            d->m_qhPositions.remove(item(iRow));
    }
    QListWidget::rowsAboutToBeRemoved(parent, start, end);
}

#include "moc_CivIconView.cpp"

// SPDX-License-Identifier: BSD-3-Clause
#ifndef CIVICONVIEW_H
#define CIVICONVIEW_H

#include "torvasyslib_export.h"

#include <QHash>
#include <QListWidget>
#include <QPersistentModelIndex>
#include <QPoint>

// An icon view: a QListWidget in icon mode whose items keep the positions
// given to them (by MoveItem or by the user dragging them) across insertions,
// removals and re-layouts, with in-place renaming and the signals of a
// classic icon view. An item's tool tip is its whole text.
class TORVASYSLIB_EXPORT CivIconView : public QListWidget
{
    Q_OBJECT

public:
    explicit CivIconView(QWidget* parent = nullptr);
    ~CivIconView() override;

    // Top-left corner of the item in contents coordinates.
    QPoint ItemPos(QListWidgetItem* p_pqiviItem) const;
    // Places the item with its top-left corner at the given contents position
    // and keeps it there.
    void MoveItem(QListWidgetItem* p_pqiviItem, const QPoint& p_qpPos);

    void SetRenameEnabled(QListWidgetItem* p_pqiviItem, bool p_bEnabled);
    void RenameItem(QListWidgetItem* p_pqiviItem);

    void setAutoArrange(bool p_bAutoArrange);
    void setWordWrapIconText(bool p_bWrap);
    void setArrangement(int p_iArrangement);
    void setSorting(bool p_bSort, bool p_bAscending);
    void setGridX(int p_iGridX);
    void setGridY(int p_iGridY);

    void doItemsLayout() override;
    void reset() override;

Q_SIGNALS:
    void doubleClicked(QListWidgetItem* p_pqiviItem);
    void returnPressed(QListWidgetItem* p_pqiviItem);
    void rightButtonPressed(QListWidgetItem* p_pqiviItem, const QPoint& p_qpGlobalPos);
    // The user changed the item's text in place; emitted once the editor has
    // closed.
    void itemRenamed(QListWidgetItem* p_pqiviItem, const QString& p_qstrText);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool viewportEvent(QEvent* event) override;

protected Q_SLOTS:
    void commitData(QWidget* editor) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    void ApplyGrid();

    QHash<QListWidgetItem*, QPoint> m_qhPositions;
    QPersistentModelIndex m_qpmiRenamed;
    int m_iGridX = -1;
    int m_iGridY = -1;
};

#endif

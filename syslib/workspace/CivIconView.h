// SPDX-License-Identifier: BSD-3-Clause
#ifndef CIVICONVIEW_H
#define CIVICONVIEW_H

#include "torvasyslib_export.h"

#include <QListWidget>
#include <QPoint>

#include <memory>

/// An icon view: a QListWidget in icon mode whose items keep the places
/// given to them, with in-place renaming and the signals of a classic icon
/// view.
///
/// Positions given with MoveItem() or by the user dragging icons survive
/// insertions, removals and new layouts (a plain QListWidget forgets them).
/// F2 renames the current item, Return opens it, the context menu key and
/// Shift+F10 ask for its context menu; an item's tool tip is its whole text.
///
/// \code
/// auto* view = new CivIconView(this);
/// auto* item = new QListWidgetItem(QIcon(":/pictures/editor.png"), "Editor", view);
/// view->MoveItem(item, QPoint(40, 20));     // stays there through new layouts
/// view->SetRenameEnabled(item, true);       // F2 renames it
/// connect(view, &CivIconView::itemRenamed, this,
///         [](QListWidgetItem*, const QString& text) { qDebug() << "renamed to" << text; });
/// \endcode
class TORVASYSLIB_EXPORT CivIconView : public QListWidget
{
    Q_OBJECT

public:
    /// An empty icon view: icons of 32 pixels, free movement, single selection.
    explicit CivIconView(QWidget* parent = nullptr);
    ~CivIconView() override;

    /// The item's top-left corner in contents coordinates; (0, 0) for an
    /// item that is not in this view.
    QPoint ItemPos(QListWidgetItem* p_pqiviItem) const;
    /// Places the item with its top-left corner at the contents position and
    /// keeps it there; an item of another view (or null) is left alone.
    void MoveItem(QListWidgetItem* p_pqiviItem, const QPoint& p_qpPos);

    /// Allows or forbids renaming the item in place; null does nothing.
    void SetRenameEnabled(QListWidgetItem* p_pqiviItem, bool p_bEnabled);
    /// Starts renaming the item in place, if renaming it is allowed.
    void RenameItem(QListWidgetItem* p_pqiviItem);

    /// True lays the icons out again when the view is resized.
    void setAutoArrange(bool p_bAutoArrange);
    /// Wraps long icon texts onto several lines.
    void setWordWrapIconText(bool p_bWrap);
    /// 0 lays the icons out left to right, any other value top to bottom.
    void setArrangement(int p_iArrangement);
    /// Sorts the items by text when p_bSort is true, in ascending or
    /// descending order.
    void setSorting(bool p_bSort, bool p_bAscending);
    /// The width of the layout's grid in pixels; -1 lets the view choose.
    void setGridX(int p_iGridX);
    /// The height of the layout's grid in pixels; -1 lets the view choose.
    void setGridY(int p_iGridY);

    /// Lays the items out and puts every item with a kept position back there.
    void doItemsLayout() override;
    /// Forgets the kept positions with the items.
    void reset() override;

Q_SIGNALS:
    /// The user double-clicked the item (sent once per double-click).
    void doubleClicked(QListWidgetItem* p_pqiviItem);
    /// The user pressed Return or Enter on the current item.
    void returnPressed(QListWidgetItem* p_pqiviItem);
    /// The user asked for a context menu: by the right mouse button, the
    /// context menu key or Shift+F10.
    /// \param p_pqiviItem the item under the mouse (or the current item for
    ///        the keys); null beside the icons.
    /// \param p_qpGlobalPos where the menu belongs, in global coordinates.
    void rightButtonPressed(QListWidgetItem* p_pqiviItem, const QPoint& p_qpGlobalPos);
    /// The user changed the item's text in place; sent once the editor has
    /// closed, so that a receiver may open dialogs. A change by the program
    /// sends nothing.
    void itemRenamed(QListWidgetItem* p_pqiviItem, const QString& p_qstrText);

protected:
    /// Remembers the item being renamed.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    /// Return and Enter open the current item; the context menu key and
    /// Shift+F10 ask for its context menu.
    void keyPressEvent(QKeyEvent* event) override;
    /// Icons dragged within the view keep the places they were dropped at.
    void dropEvent(QDropEvent* event) override;
    /// Shows an item's whole text as its tool tip.
    bool viewportEvent(QEvent* event) override;

protected Q_SLOTS:
    /// Takes the renamed text and tells itemRenamed() once the editor has closed.
    void commitData(QWidget* editor) override;
    /// Forgets the kept positions of removed items.
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif

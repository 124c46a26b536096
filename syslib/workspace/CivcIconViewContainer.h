// SPDX-License-Identifier: BSD-3-Clause
#ifndef CIVCICONVIEWCONTAINER_H
#define CIVCICONVIEWCONTAINER_H

#include "torvasyslib_export.h"

#include <QString>

#include <memory>

class CboBusinessObject;
class CivIconView;
class CwsDirectoryIcon;
class CwsIcon;
class QComboBox;
class QTreeWidget;

/// The workspace store: it owns the workspace tree of one view and keeps it
/// in a record file of the engine rbox, named by the directory followed by
/// "/icons".
///
/// The tree is read when the store is made and written, atomically, when it
/// is destroyed or told to Save(). A record file that cannot be read is kept
/// aside as "icons.damaged-<date>-<time>" at the next save, never
/// overwritten. Folders are linked by name; diagnostics are English lines on
/// standard output (logging category "torvasyslib.workspace").
///
/// Several stores, in one program or in several, can keep one workspace:
/// what another one saved since this store read or wrote the file is taken
/// in before this one writes (and by Refresh()), so that neither loses the
/// other's changes. A node is known by its folder's name and its own: a
/// field changed by one of them keeps that change (this store's when both
/// changed it); a node added by one is kept; a node deleted by one is gone
/// unless the other changed it or something in it. A save holds the lock
/// file "icons.lock" beside the file meanwhile.
///
/// \code
/// CivIconView view;
/// CivcIconViewContainer store(&view, workspaceFolder);    // reads workspaceFolder + "/icons"
/// CwsDirectoryIcon* root = store.GetRoot();
/// root->AddChild(new CwsIcon(&view, "Notiz", "kwrite notiz.txt", "", IconUser, 0, 0, 1, root), true);
/// if (!store.Save())
///     qWarning("the workspace was not saved");
/// \endcode
class TORVASYSLIB_EXPORT CivcIconViewContainer
{
public:
    /// Reads the tree from the record file; a missing or unreadable file
    /// gives an empty root.
    /// \param p_pqivView the view every node is shown in; not owned.
    /// \param p_qstrDirectory the workspace folder.
    CivcIconViewContainer(CivIconView* p_pqivView, QString p_qstrDirectory);
    /// Does nothing: the store keeps its nodes in the tree.
    virtual void AddObject(CboBusinessObject* p_pcboObject);
    /// Saves the tree, then deletes it (shown items leave the view).
    virtual ~CivcIconViewContainer();

    CivcIconViewContainer(const CivcIconViewContainer&) = delete;
    CivcIconViewContainer& operator=(const CivcIconViewContainer&) = delete;

    /// The root folder, named "root"; the store owns it and the whole tree.
    CwsDirectoryIcon* GetRoot() const;
    /// Replaces the tree by an empty root; the next save writes the empty tree.
    void Reset();
    /// Writes the tree now, atomically, as destruction does, after taking in
    /// what another store saved since (see Refresh()); shown icons are
    /// written where they stand. The file keeps its permissions (and owner,
    /// where the process may set it); a symbolic link stays a link.
    /// \return false when the file was not written (the old file stays whole
    ///         and a line on standard output says so), also when another
    ///         store kept it locked for more than a few seconds.
    bool Save();
    /// Takes in what another store, in this program or another, saved to the
    /// record file since this store last read or wrote it, keeping this
    /// store's own changes. Nodes that go are deleted (their items leave the
    /// view); shown nodes show what changed, but new nodes are not shown.
    /// \return whether the tree changed by what was taken in, here or by a
    ///          Save() since the last call.
    bool Refresh();

    /// Does nothing: the store keeps its nodes in the tree.
    void RemoveObject(CboBusinessObject* p_pcboObject);
    /// Does nothing: the store keeps its nodes in the tree.
    void RemoveObject(QString p_qstrName);
    /// Does nothing: the store keeps its nodes in the tree.
    void FillComboBox(QComboBox* p_pqcbBox);
    /// Does nothing: the store keeps its nodes in the tree.
    void FillListView(QTreeWidget* p_pqtwView);
    /// Always null: the store keeps its nodes in the tree.
    CboBusinessObject* SearchAfterName(QString p_qstrName);
    /// Always null: the store keeps its nodes in the tree.
    CboBusinessObject* SearchAfterNumber(QString p_qstrNumber);

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif

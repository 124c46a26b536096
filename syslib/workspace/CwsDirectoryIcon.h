// SPDX-License-Identifier: BSD-3-Clause
#ifndef CWSDIRECTORYICON_H
#define CWSDIRECTORYICON_H

#include "CwsIcon.h"
#include "torvasyslib_export.h"

#include <QList>

#include <memory>

/// A folder of the workspace tree: it owns its children and shows them as
/// the icons of its view, one folder at a time.
///
/// Every folder but the one named "root" has the up link ".." as its first
/// child. No two children of a folder share a name.
///
/// \code
/// CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
/// auto* tools = new CwsDirectoryIcon(&view, "Werkzeuge", &root, 0, 0, 1);
/// root.AddChild(tools, true);
/// tools->AddChild(new CwsIcon(&view, "Editor", "editor", "", IconSystem, 0, 0, 1, tools), true);
/// tools->ShowDirectory();                   // "..", "Editor"
/// \endcode
class TORVASYSLIB_EXPORT CwsDirectoryIcon : public CwsIcon
{
    Q_OBJECT

public:
    /// A hidden folder with its up link (the root, named "root", has none).
    /// Like CwsIcon, it does not add itself to its parent.
    /// \param p_pqivView the view its children are shown in; not owned.
    /// \param p_qstrName its name; "root" marks the root.
    /// \param p_pcwsParent the folder that will hold it; null for the root.
    /// \param p_iX, p_iY its place among its parent's icons; (0, 0) lets the view place it.
    /// \param p_iDepth its place in its parent's order.
    CwsDirectoryIcon(CivIconView* p_pqivView, QString p_qstrName, CwsDirectoryIcon* p_pcwsParent, int p_iX, int p_iY,
                     int p_iDepth);
    /// Deletes the whole subtree; the items of shown descendants leave the view.
    ~CwsDirectoryIcon() override;

    /// Makes this folder's children the icons of the view: hides the
    /// parent's icons, then shows every child in ascending order of depth
    /// (children of equal depth in list order; no gap or repeat hides one).
    void ShowDirectory();
    /// Hides every child, recording where each stood.
    void HideDirectory();

    /// Takes the node as the last child, unless a child of that name (exact,
    /// case-sensitive) exists.
    /// \param p_pcwsIcon the node; the folder owns it when it is taken.
    /// \param p_bQuiet false shows the folder again afterwards.
    /// \return whether the node was taken; a refused node stays with the
    ///         caller, and nothing is shown again.
    bool AddChild(CwsIcon* p_pcwsIcon, bool p_bQuiet);
    /// Removes and deletes the child (with its subtree). Without the force
    /// flag, a program entry or the up link is kept and a "Fehler" box says
    /// "Dies ist ein Programm Icon, diese können Sie nicht löschen". A node
    /// that is not a child is left alone.
    void RemoveChild(CwsIcon* p_pcwsIcon, bool p_bForce);
    /// RemoveChild() for the first child of that name; no such child, nothing.
    void RemoveChild(QString p_qstrName, bool p_bForce);

    /// The child whose shown item this is; null for an item of another folder or null.
    CwsIcon* GetWsIcon(QListWidgetItem* p_pqiviItem) const;
    /// The folder's own list of children, up link first, for going through
    /// them; the folder owns the list and the nodes.
    QList<CwsIcon*>* GetChildrenList() const;
    /// The number of children, the up link included.
    int GetChildCount() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif

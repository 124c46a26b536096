// SPDX-License-Identifier: BSD-3-Clause
#ifndef CWSICON_H
#define CWSICON_H

#include "CboBusinessObject.h"
#include "torvasyslib_export.h"

#include <QString>

#include <memory>

class CivIconView;
class CwsDirectoryIcon;
class QListWidgetItem;
class QPixmap;

/// The kinds of workspace nodes; the first three are stored as "System",
/// "User" and "Directory".
enum EIconType {
    IconSystem = 0, ///< a program entry: its command goes to the host (CivmIconViewManager::SystemCall)
    IconUser = 1, ///< a user entry: its command is run by the shell in the background
    IconDirectory = 2, ///< a folder (CwsDirectoryIcon)
    IconUp = 3 ///< a folder's up link "..", never stored
};

/// One node of the workspace tree: a launcher entry, a folder (see
/// CwsDirectoryIcon) or a folder's up link "..".
///
/// A node is hidden or shown; while shown it owns the item that stands for
/// it in its view. Its folder owns it. See the README's "The workspace tree".
///
/// \code
/// auto* entry = new CwsIcon(&view, "Terminal", "xterm", "terminal.png", IconUser, 0, 0, 2, folder);
/// if (!folder->AddChild(entry, false))      // shown at once
///     delete entry;                         // the folder holds a "Terminal" already
/// \endcode
class TORVASYSLIB_EXPORT CwsIcon : public CboBusinessObject
{
    Q_OBJECT

public:
    /// A hidden node. It does not add itself to its folder: the creator
    /// calls the folder's CwsDirectoryIcon::AddChild().
    /// \param p_pqivView the view it is shown in; not owned.
    /// \param p_qstrName the text under its picture, unique in its folder.
    /// \param p_qstrFunctionality an entry's command; empty for folders.
    /// \param p_qstrIconFilename its picture file; a relative name is looked
    ///        up in the working directory. A file that is missing or cannot
    ///        be read shows the desktop's (or the library's) picture for the
    ///        kind of node: a program, a script, a folder, the up arrow.
    /// \param p_eType what kind of node it is.
    /// \param p_iX, p_iY its place in the view; (0, 0) lets the view place it.
    /// \param p_iDepth its place in its folder's order (see CwsDirectoryIcon::ShowDirectory()).
    /// \param p_pcwsParent its folder; null for the root.
    CwsIcon(CivIconView* p_pqivView, QString p_qstrName, QString p_qstrFunctionality, QString p_qstrIconFilename,
            EIconType p_eType, int p_iX, int p_iY, int p_iDepth, CwsDirectoryIcon* p_pcwsParent);
    /// Removes the node's item from the view.
    ~CwsIcon() override;

    /// Makes an item for the node in its view (once; a second call does
    /// nothing), with the node's name and picture, at its place if it has one.
    void Show();
    /// Records where the item stands and removes it; a hidden node is left alone.
    void Hide();

    /// Stores the name; the text of a shown item stays as it is.
    void SetName(QString p_qstrName);
    /// Stores the command.
    void SetFunctionality(QString p_qstrFunctionality);
    /// Stores the picture file and, if the node is shown, shows its picture.
    void SetPixmap(QString p_qstrIconFilename);
    /// Shows the picture on a shown node's item; the stored file stays.
    void SetPixmap(const QPixmap& p_qpPixmap);
    /// Stores the folder pointer; no folder's list changes.
    void SetParent(CwsDirectoryIcon* p_pcwsParent);

    /// The name.
    QString GetName() const;
    /// The command; empty for folders and up links.
    QString GetFunctionality() const;
    /// The picture file.
    QString GetIconFilename() const;
    /// The kind of node.
    EIconType GetType() const;
    /// The horizontal place recorded when the node was last hidden (or given).
    int GetX() const;
    /// The vertical place recorded when the node was last hidden (or given).
    int GetY() const;
    /// The place in its folder's order.
    int GetDepth() const;
    /// The folder; null for the root.
    CwsDirectoryIcon* GetParent() const;
    /// The view; null once the view is gone.
    CivIconView* GetView() const;
    /// The item that stands for the node, null while it is hidden.
    QListWidgetItem* GetIcon() const;

private:
    friend class CwsDirectoryIcon;
    friend class CivcIconViewContainer; // takes in what another store saved

    class Private;
    std::unique_ptr<Private> d;
};

#endif

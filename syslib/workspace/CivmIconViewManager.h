// SPDX-License-Identifier: BSD-3-Clause
#ifndef CIVMICONVIEWMANAGER_H
#define CIVMICONVIEWMANAGER_H

#include "CivIconView.h"
#include "torvasyslib_export.h"

#include <memory>

class CwsDirectoryIcon;
class CwsIcon;

/// The workspace widget: an icon view that shows one folder of the workspace
/// tree at a time and opens, creates, renames, deletes and edits its
/// folders and entries.
///
/// A double-click or Return opens the icon: a folder shows its children, the
/// up link ".." its parent folder, a program entry hands its command to the
/// host through SystemCall(), a user entry runs its command with the shell
/// in the background (the window never waits for it, and it goes on when
/// the host ends); a command the shell cannot run is told in a "Fehler" box.
/// The right mouse button (or the context menu key, or Shift+F10) opens the
/// context menu: "Öffnen", "Neuer Ordner", "Neuer Eintrag", "Eintrag
/// löschen", "Umbenennen", "Eigenschaften" on an icon, the two "Neu…" entries
/// beside the icons. A name that its folder already holds, another folder's
/// name, "root" and an empty name are refused with a "Fehler" box; a folder
/// that holds entries is deleted only after a question.
///
/// The tree lives in a CivcIconViewContainer on the workspace folder. Every
/// change made through the widget is made to the tree as the file holds it
/// now and saved at once (all changes of one event in one save); a save
/// that fails is told in a "Fehler" box. The tree is saved again when the
/// widget is destroyed. Widgets in several windows or programs can show one
/// workspace: each shows what the others save (the folder shown stays,
/// unless it went) and none loses another's changes. See the README's "The
/// workspace widget".
///
/// \code
/// auto* workspace = new CivmIconViewManager(this, workspaceFolder);
/// connect(workspace, &CivmIconViewManager::SystemCall, this, [this](const QString& command) {
///     if (command == "help")
///         showHelp();
/// });
/// workspace->ShowDirectory();
/// setCentralWidget(workspace);
/// \endcode
class TORVASYSLIB_EXPORT CivmIconViewManager : public CivIconView
{
    Q_OBJECT

public:
    /// A workspace kept in the application's data folder
    /// (QStandardPaths::AppDataLocation), as a form made in Qt Designer
    /// builds it.
    explicit CivmIconViewManager(QWidget* p_pqwParent = nullptr);
    /// Reads the workspace tree from the record file p_qstrDirectory + "/icons";
    /// nothing is shown until ShowDirectory().
    CivmIconViewManager(QWidget* p_pqwParent, QString p_qstrDirectory);
    /// Saves the tree and deletes it.
    ~CivmIconViewManager() override;

    /// Shows the current folder's children and makes the first one current.
    void ShowDirectory();
    /// The folder that is (or is to be) shown; the root at first.
    CwsDirectoryIcon* GetCurrentDirectory() const;
    /// Adds the node to the current folder and shows the folder again.
    /// \return false when the folder already has a child of that name; the
    ///         node then stays with the caller.
    bool InsertItem(CwsIcon* p_pcwsIcon);
    /// Deletes the node from the current folder; a program entry or the up
    /// link is kept, with a "Fehler" box.
    void RemoveItem(CwsIcon* p_pcwsIcon);
    /// Takes the icons out of the view; the nodes stay in the tree.
    void RemoveAllItems();
    /// Replaces the tree by an empty root, which becomes the current folder;
    /// nothing is shown until ShowDirectory().
    void ResetView();

Q_SIGNALS:
    /// A program entry was opened.
    /// \param p_qstrFunction its command, exactly as stored.
    void SystemCall(QString p_qstrFunction);

protected:
    /// Icons moved by dragging keep their places, and the places are saved.
    void dropEvent(QDropEvent* event) override;
    /// F2 renames as "Umbenennen" does: a program entry or the up link is
    /// kept, with a "Fehler" box.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

protected Q_SLOTS:
    /// Shows the context menu and carries out the entry chosen.
    /// \param p_pqiviIcon the icon asked for, null beside the icons.
    /// \param p_pqpPos where the menu opens, in global coordinates.
    virtual void RightMouseButtonClickedSlot(QListWidgetItem* p_pqiviIcon, const QPoint& p_pqpPos);
    /// Opens the node of the icon; an icon of no child of the current folder
    /// does nothing.
    virtual void DoubleClickedSlot(QListWidgetItem* p_pqiviIcon);
    /// Gives the node of the renamed icon its new name, or refuses the name
    /// (a "Fehler" box, told after the editor has closed) and puts the old
    /// text back.
    virtual void IconRenamedSlot(QListWidgetItem* p_pqviIcon, const QString& p_qstrName);

private:
    friend class CsfdSimpleFileDialogIf; // changes the tree as the manager does

    class Private;
    std::unique_ptr<Private> d;
};

#endif

// SPDX-License-Identifier: BSD-3-Clause
#ifndef CIVMICONVIEWMANAGER_P_H
#define CIVMICONVIEWMANAGER_P_H

#include "CivmIconViewManager.h"
#include "deletednodes_p.h"

class CivcIconViewContainer;
class CommandLauncher;
class QFileSystemWatcher;
class QMenu;
class QTimer;

// The workspace widget's data and helpers; the entry dialog changes the
// tree through them as the widget does.
class Q_DECL_HIDDEN CivmIconViewManager::Private
{
public:
    explicit Private(CivmIconViewManager* p_q)
        : q(p_q)
    { }

    void RunDialog(bool p_bEntryMode, const char* p_szName, CwsIcon* p_pcwsIcon);
    void ShowError(const QString& p_qstrText);
    // Tells that the node a change was for has been deleted meanwhile.
    void ShowNodeGone();
    // Asks before a folder that holds entries is deleted with them.
    bool ConfirmDeletion(CwsIcon* p_pcwsIcon);
    // "Eintrag löschen" (or Delete) on the icon: asks, refuses or deletes,
    // and remembers what it deleted for UndoDeletion().
    void DeleteNode(QListWidgetItem* p_pqiviIcon);
    // Shows the folder above the shown one, if there is one.
    void GoUp();
    // Puts the node deleted last back, or tells why it cannot.
    void UndoDeletion();
    // Takes in and shows what another window or program saved to the
    // workspace; the folder shown stays, unless it went (the nearest one
    // above it then). Nodes that went are deleted, so that pointers to
    // nodes are to be guarded across it.
    void TakeInOthers();
    // Saves a change made to the tree; a failure is told.
    bool Commit();
    // Looks at the workspace's file again after it changed, once nothing
    // that holds on to the shown nodes (a dialog, a menu, renaming or
    // dragging) is under way.
    void WatchedFileChanged();

    CivmIconViewManager* q;
    QMenu* m_pqpmRightButtonPopup = nullptr;
    QMenu* m_pqpmNoSelectionRightButtonPopup = nullptr;
    QString m_qstrDirectory;
    CivcIconViewContainer* m_pcivcContainer = nullptr;
    CwsDirectoryIcon* m_pcwsCurrentDirectory = nullptr;
    QFileSystemWatcher* m_pqfswWatcher = nullptr;
    QTimer* m_pqtTakeIn = nullptr;
    CommandLauncher* m_pLauncher = nullptr;
    DeletedNodes m_deleted;
};

#endif

// SPDX-License-Identifier: BSD-3-Clause
#ifndef CIVMICONVIEWMANAGER_H
#define CIVMICONVIEWMANAGER_H

#include "CivIconView.h"
#include "torvasyslib_export.h"

class CivcIconViewContainer;
class CwsDirectoryIcon;
class CwsIcon;
class QMenu;
class QTimer;

// The workspace widget: shows one folder of the workspace tree kept in
// directory + "/icons", opens entries and folders on double-click or Return,
// and offers a context menu to open, create, delete, rename and edit them.
// Program entries are handed to the host through SystemCall; user entries
// are run with system(). Every change made through the widget (new, renamed,
// deleted or edited entries, moved icons) is saved at once, and the tree is
// saved again when the widget is destroyed.
class TORVASYSLIB_EXPORT CivmIconViewManager : public CivIconView
{
    Q_OBJECT

public:
    explicit CivmIconViewManager(QWidget* p_pqwParent = nullptr);
    CivmIconViewManager(QWidget* p_pqwParent, QString p_qstrDirectory);
    ~CivmIconViewManager() override;

    void ShowDirectory();
    CwsDirectoryIcon* GetCurrentDirectory();
    // Adds the node to the current folder and shows it; false if the folder
    // already has a child of that name (the node then stays with the caller).
    bool InsertItem(CwsIcon* p_pcwsIcon);
    void RemoveItem(CwsIcon* p_pcwsIcon);
    void RemoveAllItems();
    void ResetView();

Q_SIGNALS:
    void SystemCall(QString p_qstrFunction);

protected:
    void dropEvent(QDropEvent* event) override;

protected Q_SLOTS:
    virtual void RightMouseButtonClickedSlot(QListWidgetItem* p_pqiviIcon, const QPoint& p_pqpPos);
    virtual void DoubleClickedSlot(QListWidgetItem* p_pqiviIcon);
    virtual void IconRenamedSlot(QListWidgetItem* p_pqviIcon, const QString& p_qstrName);

private:
    void FillView();
    void RunDialog(bool p_bEntryMode, const char* p_szName, CwsIcon* p_pcwsIcon);
    void ShowError(const QString& p_qstrText);
    // Asks before a folder that holds entries is deleted with them.
    bool ConfirmDeletion(CwsIcon* p_pcwsIcon);

    QMenu* m_pqpmRightButtonPopup;
    QMenu* m_pqpmNoSelectionRightButtonPopup;
    QString m_qstrDirectory;
    CivcIconViewContainer* m_pcivcContainer = nullptr;
    CwsDirectoryIcon* m_pcwsCurrentDirectory = nullptr;
    QTimer* m_pqtSave;
};

#endif

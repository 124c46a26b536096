// SPDX-License-Identifier: BSD-3-Clause
#include "CivmIconViewManager.h"

#include "CivcIconViewContainer.h"
#include "CsfdSimpleFileDialogIf.h"
#include "CwsDirectoryIcon.h"
#include "questionbox_p.h"
#include "workspacenames_p.h"

#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>
#include <utility>

namespace
{
enum EMenuId { MenuOpen = 0, MenuNewFolder = 1, MenuNewEntry = 2, MenuDelete = 3, MenuRename = 4, MenuProperties = 5 };

void AddMenuItem(QMenu* p_pqpmMenu, const QString& p_qstrText, int p_iId)
{
    p_pqpmMenu->addAction(p_qstrText)->setData(p_iId);
}

// Folders and entries below the folder, up links not counted.
int CountEntries(CwsDirectoryIcon* p_pcwsFolder)
{
    int iCount = 0;
    for (CwsIcon* pcwsChild : std::as_const(*p_pcwsFolder->GetChildrenList())) {
        if (pcwsChild->GetType() == IconDirectory)
            iCount += 1 + CountEntries(static_cast<CwsDirectoryIcon*>(pcwsChild));
        else if (pcwsChild->GetType() != IconUp)
            ++iCount;
    }
    return iCount;
}
}

CivmIconViewManager::CivmIconViewManager(QWidget* p_pqwParent)
    : CivmIconViewManager(p_pqwParent, [] {
        const QString qstrFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(qstrFolder);
        return qstrFolder;
    }())
{ }

CivmIconViewManager::CivmIconViewManager(QWidget* p_pqwParent, QString p_qstrDirectory)
    : CivIconView(p_pqwParent)
    , m_pqpmRightButtonPopup(new QMenu(this))
    , m_pqpmNoSelectionRightButtonPopup(nullptr)
    , m_qstrDirectory(std::move(p_qstrDirectory))
    , m_pqtSave(new QTimer(this))
{
    m_pqpmRightButtonPopup->setObjectName("Right Button Popup");
    AddMenuItem(m_pqpmRightButtonPopup, tr("Öffnen"), MenuOpen);
    AddMenuItem(m_pqpmRightButtonPopup, tr("Neuer Ordner"), MenuNewFolder);
    AddMenuItem(m_pqpmRightButtonPopup, tr("Neuer Eintrag"), MenuNewEntry);
    AddMenuItem(m_pqpmRightButtonPopup, tr("Eintrag löschen"), MenuDelete);
    AddMenuItem(m_pqpmRightButtonPopup, tr("Umbenennen"), MenuRename);
    AddMenuItem(m_pqpmRightButtonPopup, tr("Eigenschaften"), MenuProperties);

    connect(this, &CivIconView::doubleClicked, this, &CivmIconViewManager::DoubleClickedSlot);
    connect(this, &CivIconView::returnPressed, this, &CivmIconViewManager::DoubleClickedSlot);
    connect(this, &CivIconView::rightButtonPressed, this, &CivmIconViewManager::RightMouseButtonClickedSlot);
    connect(this, &CivIconView::itemRenamed, this, &CivmIconViewManager::IconRenamedSlot);

    m_pqpmNoSelectionRightButtonPopup = new QMenu(this);
    m_pqpmNoSelectionRightButtonPopup->setObjectName("No Selection Right Button Popup");
    AddMenuItem(m_pqpmNoSelectionRightButtonPopup, tr("Neuer Ordner"), MenuNewFolder);
    AddMenuItem(m_pqpmNoSelectionRightButtonPopup, tr("Neuer Eintrag"), MenuNewEntry);

    setAutoArrange(true);
    setWordWrapIconText(true);
    setArrangement(0);
    setSorting(false, true);
    setGridX(80);
    setGridY(75);

    // Changes are saved as soon as the event that made them is done, all
    // changes of one event in one save.
    m_pqtSave->setSingleShot(true);
    m_pqtSave->setInterval(0);
    connect(m_pqtSave, &QTimer::timeout, this, [this]() { m_pcivcContainer->Save(); });

    FillView();
}

CivmIconViewManager::~CivmIconViewManager()
{
    // Saves the tree and releases its items while the view still exists.
    delete m_pcivcContainer;
}

void CivmIconViewManager::FillView()
{
    m_pcivcContainer = new CivcIconViewContainer(this, m_qstrDirectory);
    m_pcwsCurrentDirectory = m_pcivcContainer->GetRoot();
}

void CivmIconViewManager::ShowDirectory()
{
    m_pcwsCurrentDirectory->ShowDirectory();
    // The keyboard starts at the folder's first icon.
    setCurrentItem(item(0), QItemSelectionModel::NoUpdate);
}

CwsDirectoryIcon* CivmIconViewManager::GetCurrentDirectory()
{
    return m_pcwsCurrentDirectory;
}

bool CivmIconViewManager::InsertItem(CwsIcon* p_pcwsIcon)
{
    return m_pcwsCurrentDirectory->AddChild(p_pcwsIcon, false);
}

void CivmIconViewManager::RemoveItem(CwsIcon* p_pcwsIcon)
{
    m_pcwsCurrentDirectory->RemoveChild(p_pcwsIcon, false);
}

void CivmIconViewManager::RemoveAllItems()
{
    m_pcwsCurrentDirectory->HideDirectory();
}

void CivmIconViewManager::ResetView()
{
    m_pcivcContainer->Reset();
    m_pcwsCurrentDirectory = m_pcivcContainer->GetRoot();
}

void CivmIconViewManager::DoubleClickedSlot(QListWidgetItem* p_pqiviIcon)
{
    CwsIcon* pcwsIcon = m_pcwsCurrentDirectory->GetWsIcon(p_pqiviIcon);
    if (!pcwsIcon)
        return;
    switch (pcwsIcon->GetType()) {
    case IconSystem:
        Q_EMIT SystemCall(pcwsIcon->GetFunctionality());
        break;
    case IconUser: {
        // Runs until the command interpreter returns; what it returns is
        // not looked at.
        const int iStatus = std::system(pcwsIcon->GetFunctionality().toLocal8Bit().constData());
        Q_UNUSED(iStatus);
        break;
    }
    case IconDirectory:
        m_pcwsCurrentDirectory = static_cast<CwsDirectoryIcon*>(pcwsIcon);
        ShowDirectory();
        break;
    case IconUp:
        m_pcwsCurrentDirectory->HideDirectory();
        m_pcwsCurrentDirectory = m_pcwsCurrentDirectory->GetParent();
        ShowDirectory();
        break;
    }
}

void CivmIconViewManager::RightMouseButtonClickedSlot(QListWidgetItem* p_pqiviIcon, const QPoint& p_pqpPos)
{
    QMenu* pqpmMenu = p_pqiviIcon ? m_pqpmRightButtonPopup : m_pqpmNoSelectionRightButtonPopup;
    const QAction* pqaChosen = pqpmMenu->exec(p_pqpPos);
    pqpmMenu->hide();
    if (!pqaChosen)
        return;

    switch (pqaChosen->data().toInt()) {
    case MenuOpen:
        DoubleClickedSlot(p_pqiviIcon);
        break;
    case MenuNewFolder:
        RunDialog(false, "FileDialog", nullptr);
        break;
    case MenuNewEntry:
        RunDialog(true, "DirectoryDialog", nullptr);
        break;
    case MenuDelete:
        // The clicked node itself: another child may carry the same text.
        if (CwsIcon* pcwsIcon = m_pcwsCurrentDirectory->GetWsIcon(p_pqiviIcon); pcwsIcon && ConfirmDeletion(pcwsIcon)) {
            m_pcwsCurrentDirectory->RemoveChild(pcwsIcon, false);
            m_pqtSave->start();
        }
        break;
    case MenuRename:
        if (CwsIcon* pcwsIcon = m_pcwsCurrentDirectory->GetWsIcon(p_pqiviIcon)) {
            if (pcwsIcon->GetType() == IconSystem || pcwsIcon->GetType() == IconUp)
                ShowError(tr("Dies ist ein Programm Icon, diese können Sie nicht umbenannt werden\n"));
            else
                RenameItem(p_pqiviIcon);
        }
        break;
    case MenuProperties:
        if (CwsIcon* pcwsIcon = m_pcwsCurrentDirectory->GetWsIcon(p_pqiviIcon)) {
            if (pcwsIcon->GetType() == IconDirectory)
                RunDialog(false, "FileDialog", pcwsIcon);
            else if (pcwsIcon->GetType() == IconUser)
                RunDialog(true, "FileDialog", pcwsIcon);
            else
                ShowError(tr("Dies ist ein Programm Icon, diese Icon haben keine sichtbaren Eigenschaften\n"));
        }
        break;
    }
}

void CivmIconViewManager::IconRenamedSlot(QListWidgetItem* p_pqviIcon, const QString& p_qstrName)
{
    CwsIcon* pcwsIcon = m_pcwsCurrentDirectory->GetWsIcon(p_pqviIcon);
    if (!pcwsIcon)
        return;
    const QString qstrRefusal
        = WorkspaceNames::Refusal(m_pcwsCurrentDirectory, pcwsIcon, p_qstrName, pcwsIcon->GetType() == IconDirectory);
    if (!qstrRefusal.isEmpty()) {
        p_pqviIcon->setText(pcwsIcon->GetName());
        ShowError(qstrRefusal);
        return;
    }
    pcwsIcon->SetName(p_qstrName);
    m_pqtSave->start();
}

void CivmIconViewManager::RunDialog(bool p_bEntryMode, const char* p_szName, CwsIcon* p_pcwsIcon)
{
    CsfdSimpleFileDialogIf qdDialog(p_bEntryMode, this, p_szName, true, {});
    if (p_pcwsIcon)
        qdDialog.FillDialog(p_pcwsIcon);
    qdDialog.exec();
    m_pqtSave->start();
}

bool CivmIconViewManager::ConfirmDeletion(CwsIcon* p_pcwsIcon)
{
    if (p_pcwsIcon->GetType() != IconDirectory)
        return true;
    const int iEntries = CountEntries(static_cast<CwsDirectoryIcon*>(p_pcwsIcon));
    if (iEntries == 0)
        return true;
    const QString qstrText = iEntries == 1
        ? tr("Der Ordner \"%1\" enthält einen Eintrag.\nSoll der Ordner mit seinem Inhalt gelöscht werden?")
        : tr("Der Ordner \"%1\" enthält %n Einträge.\nSoll der Ordner mit seinem Inhalt gelöscht werden?", nullptr,
             iEntries);
    return AskQuestion(this, tr("Ordner löschen"), qstrText.arg(p_pcwsIcon->GetName()), {tr("&Ja"), tr("&Nein")}, 1, 1)
        == 0;
}

void CivmIconViewManager::dropEvent(QDropEvent* event)
{
    CivIconView::dropEvent(event);
    if (event->source() == this)
        m_pqtSave->start();
}

void CivmIconViewManager::ShowError(const QString& p_qstrText)
{
    QMessageBox::information(this, tr("Fehler"), p_qstrText);
}

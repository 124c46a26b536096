// SPDX-License-Identifier: BSD-3-Clause
#include "CivmIconViewManager.h"

#include "CivmIconViewManager_p.h"

#include "CivcIconViewContainer.h"
#include "CsfdSimpleFileDialogIf.h"
#include "CwsDirectoryIcon.h"
#include "builtinicons_p.h"
#include "commandlauncher_p.h"
#include "questionbox_p.h"
#include "workspacenames_p.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <utility>
#include <vector>

namespace
{
enum EMenuId { MenuOpen = 0, MenuNewFolder = 1, MenuNewEntry = 2, MenuDelete = 3, MenuRename = 4, MenuProperties = 5 };

// An entry with its picture and, where it has one, its key shown beside it;
// the key itself works in the view (see the constructor).
void AddMenuItem(QMenu* p_pqpmMenu, BuiltinIcons::Icon p_eIcon, const QString& p_qstrText, int p_iId,
                 const QKeySequence& p_qksKey = {})
{
    QAction* pqaEntry = p_pqpmMenu->addAction(BuiltinIcons::Get(p_eIcon), p_qstrText);
    pqaEntry->setData(p_iId);
    pqaEntry->setShortcut(p_qksKey);
    pqaEntry->setShortcutVisibleInContextMenu(true);
}

// Gives the keys that the handler knows to the view before any shortcut of
// its window, and has them done; the others go their usual way.
class KeyHandler : public QObject
{
public:
    using Handler = std::function<std::function<void()>(const QKeyEvent*)>;
    KeyHandler(QObject* p_pqoParent, Handler p_fnHandler)
        : QObject(p_pqoParent)
        , m_fnHandler(std::move(p_fnHandler))
    { }

protected:
    bool eventFilter(QObject*, QEvent* p_pqeEvent) override
    {
        const bool bPress = p_pqeEvent->type() == QEvent::KeyPress;
        if (!bPress && p_pqeEvent->type() != QEvent::ShortcutOverride)
            return false;
        const std::function<void()> fnDo = m_fnHandler(static_cast<QKeyEvent*>(p_pqeEvent));
        if (!fnDo)
            return false;
        p_pqeEvent->accept();
        if (bPress)
            fnDo();
        return bPress;
    }

private:
    Handler m_fnHandler;
};

// The names of the folders from the root's child down to the folder.
QStringList FolderPath(const CwsDirectoryIcon* p_pcwsFolder)
{
    QStringList qslPath;
    for (; p_pcwsFolder && p_pcwsFolder->GetParent(); p_pcwsFolder = p_pcwsFolder->GetParent())
        qslPath.prepend(p_pcwsFolder->GetName());
    return qslPath;
}

// The folder at the end of the path, or the last one of it that is there.
CwsDirectoryIcon* FolderAt(CwsDirectoryIcon* p_pcwsRoot, const QStringList& p_qslPath)
{
    CwsDirectoryIcon* pcwsFolder = p_pcwsRoot;
    for (const QString& qstrName : p_qslPath) {
        const QList<CwsIcon*>& qlChildren = *pcwsFolder->GetChildrenList();
        const auto it = std::find_if(qlChildren.cbegin(), qlChildren.cend(), [&](const CwsIcon* p_pcwsChild) {
            return p_pcwsChild->GetType() == IconDirectory && p_pcwsChild->GetName() == qstrName;
        });
        if (it == qlChildren.cend())
            break;
        pcwsFolder = static_cast<CwsDirectoryIcon*>(*it);
    }
    return pcwsFolder;
}

// Folders and entries below the folder, up links not counted; trees of any
// depth are counted without recursion.
int CountEntries(CwsDirectoryIcon* p_pcwsFolder)
{
    int iCount = 0;
    for (std::vector<CwsDirectoryIcon*> vFolders {p_pcwsFolder}; !vFolders.empty();) {
        CwsDirectoryIcon* pcwsFolder = vFolders.back();
        vFolders.pop_back();
        for (CwsIcon* pcwsChild : std::as_const(*pcwsFolder->GetChildrenList())) {
            if (pcwsChild->GetType() == IconDirectory)
                vFolders.push_back(static_cast<CwsDirectoryIcon*>(pcwsChild));
            iCount += pcwsChild->GetType() != IconUp;
        }
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
    , d(new Private(this))
{
    d->m_pqpmRightButtonPopup = new QMenu(this);
    d->m_qstrDirectory = std::move(p_qstrDirectory);
    d->m_pqfswWatcher = new QFileSystemWatcher(this);
    d->m_pqtTakeIn = new QTimer(this);
    d->m_pLauncher = new CommandLauncher(this);
    d->m_pqpmRightButtonPopup->setObjectName("Right Button Popup");
    using BuiltinIcons::Icon;
    AddMenuItem(d->m_pqpmRightButtonPopup, Icon::Open, tr("Öffnen"), MenuOpen);
    AddMenuItem(d->m_pqpmRightButtonPopup, Icon::NewFolder, tr("Neuer Ordner"), MenuNewFolder);
    AddMenuItem(d->m_pqpmRightButtonPopup, Icon::NewEntry, tr("Neuer Eintrag"), MenuNewEntry);
    AddMenuItem(d->m_pqpmRightButtonPopup, Icon::Delete, tr("Eintrag löschen"), MenuDelete,
                QKeySequence(Qt::Key_Delete));
    AddMenuItem(d->m_pqpmRightButtonPopup, Icon::Rename, tr("Umbenennen"), MenuRename, QKeySequence(Qt::Key_F2));
    AddMenuItem(d->m_pqpmRightButtonPopup, Icon::Properties, tr("Eigenschaften"), MenuProperties);

    connect(this, &CivIconView::doubleClicked, this, &CivmIconViewManager::DoubleClickedSlot);
    connect(this, &CivIconView::returnPressed, this, &CivmIconViewManager::DoubleClickedSlot);
    connect(this, &CivIconView::rightButtonPressed, this, &CivmIconViewManager::RightMouseButtonClickedSlot);
    connect(this, &CivIconView::itemRenamed, this, &CivmIconViewManager::IconRenamedSlot);

    d->m_pqpmNoSelectionRightButtonPopup = new QMenu(this);
    d->m_pqpmNoSelectionRightButtonPopup->setObjectName("No Selection Right Button Popup");
    AddMenuItem(d->m_pqpmNoSelectionRightButtonPopup, Icon::NewFolder, tr("Neuer Ordner"), MenuNewFolder);
    AddMenuItem(d->m_pqpmNoSelectionRightButtonPopup, Icon::NewEntry, tr("Neuer Eintrag"), MenuNewEntry);

    // The keys of a file manager; F2 and Return are the view's. Not while an
    // icon is renamed: its editor has the keys then.
    installEventFilter(new KeyHandler(this, [this](const QKeyEvent* p_pqkeKey) -> std::function<void()> {
        const QKeyCombination qkcKey = p_pqkeKey->keyCombination();
        if (qkcKey == QKeyCombination(Qt::Key_Delete))
            return [this] { d->DeleteNode(currentItem()); };
        if (qkcKey == QKeyCombination(Qt::Key_Backspace) || qkcKey == (Qt::ALT | Qt::Key_Up))
            return [this] { d->GoUp(); };
        if (p_pqkeKey->matches(QKeySequence::Undo))
            return [this] { d->UndoDeletion(); };
        return {};
    }));

    setAutoArrange(true);
    setWordWrapIconText(true);
    setArrangement(0);
    setSorting(false, true);
    setGridX(80);
    setGridY(75);

    // A save replaces the file by a new one: the folder is watched too.
    d->m_pqtTakeIn->setSingleShot(true);
    d->m_pqtTakeIn->setInterval(50);
    connect(d->m_pqtTakeIn, &QTimer::timeout, this, [this] { d->WatchedFileChanged(); });
    connect(d->m_pqfswWatcher, &QFileSystemWatcher::directoryChanged, d->m_pqtTakeIn, qOverload<>(&QTimer::start));
    connect(d->m_pqfswWatcher, &QFileSystemWatcher::fileChanged, d->m_pqtTakeIn, qOverload<>(&QTimer::start));

    connect(d->m_pLauncher, &CommandLauncher::NotRun, this, [this](const QString& p_qstrCommand) {
        d->ShowError(tr("Der Befehl \"%1\" kann nicht ausgeführt werden.\n").arg(p_qstrCommand));
    });

    d->m_pcivcContainer = new CivcIconViewContainer(this, d->m_qstrDirectory);
    d->m_pcwsCurrentDirectory = d->m_pcivcContainer->GetRoot();
    d->WatchedFileChanged();
}

CivmIconViewManager::~CivmIconViewManager()
{
    // Saves the tree and releases its items while the view still exists.
    delete d->m_pcivcContainer;
}

void CivmIconViewManager::ShowDirectory()
{
    d->m_pcwsCurrentDirectory->ShowDirectory();
    // The keyboard starts at the folder's first icon.
    setCurrentItem(item(0), QItemSelectionModel::NoUpdate);
}

CwsDirectoryIcon* CivmIconViewManager::GetCurrentDirectory() const
{
    return d->m_pcwsCurrentDirectory;
}

bool CivmIconViewManager::InsertItem(CwsIcon* p_pcwsIcon)
{
    return d->m_pcwsCurrentDirectory->AddChild(p_pcwsIcon, false);
}

void CivmIconViewManager::RemoveItem(CwsIcon* p_pcwsIcon)
{
    d->m_pcwsCurrentDirectory->RemoveChild(p_pcwsIcon, false);
}

void CivmIconViewManager::RemoveAllItems()
{
    d->m_pcwsCurrentDirectory->HideDirectory();
}

void CivmIconViewManager::ResetView()
{
    d->m_pcivcContainer->Reset();
    d->m_pcwsCurrentDirectory = d->m_pcivcContainer->GetRoot();
}

void CivmIconViewManager::Private::TakeInOthers()
{
    const QStringList qslShown = FolderPath(m_pcwsCurrentDirectory);
    const QString qstrCurrent = q->currentItem() ? q->currentItem()->text() : QString();
    if (!m_pcivcContainer->Refresh())
        return;
    m_pcwsCurrentDirectory = FolderAt(m_pcivcContainer->GetRoot(), qslShown);
    q->ShowDirectory();
    if (!qstrCurrent.isNull()) {
        if (QListWidgetItem* pqiviCurrent = q->findItems(qstrCurrent, Qt::MatchExactly).value(0))
            q->setCurrentItem(pqiviCurrent, QItemSelectionModel::NoUpdate);
    }
}

bool CivmIconViewManager::Private::Commit()
{
    const bool bSaved = m_pcivcContainer->Save();
    TakeInOthers(); // what the save took in
    if (!bSaved)
        ShowError(CivmIconViewManager::tr(
            "Der Arbeitsplatz konnte nicht gespeichert werden. Die Änderung ist nur in diesem Fenster zu "
            "sehen, bis das Speichern wieder gelingt.\n"));
    return bSaved;
}

void CivmIconViewManager::Private::WatchedFileChanged()
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() || q->state() == EditingState
        || q->state() == DraggingState) {
        m_pqtTakeIn->start(250);
        return;
    }
    TakeInOthers();
    const QString qstrFile = m_qstrDirectory + QLatin1String("/icons");
    for (const QString& qstrPath : {m_qstrDirectory, qstrFile}) {
        if (QFileInfo::exists(qstrPath) && !m_pqfswWatcher->files().contains(qstrPath)
            && !m_pqfswWatcher->directories().contains(qstrPath))
            m_pqfswWatcher->addPath(qstrPath);
    }
}

void CivmIconViewManager::DoubleClickedSlot(QListWidgetItem* p_pqiviIcon)
{
    CwsIcon* pcwsIcon = d->m_pcwsCurrentDirectory->GetWsIcon(p_pqiviIcon);
    if (!pcwsIcon)
        return;
    switch (pcwsIcon->GetType()) {
    case IconSystem:
        Q_EMIT SystemCall(pcwsIcon->GetFunctionality());
        break;
    case IconUser:
        d->m_pLauncher->Start(pcwsIcon->GetFunctionality());
        break;
    case IconDirectory:
        d->m_pcwsCurrentDirectory = static_cast<CwsDirectoryIcon*>(pcwsIcon);
        ShowDirectory();
        break;
    case IconUp:
        d->GoUp();
        break;
    }
}

void CivmIconViewManager::Private::DeleteNode(QListWidgetItem* p_pqiviIcon)
{
    // The clicked node itself: another child may carry the same text.
    // Asked about what it holds now, deleted with what it holds then.
    QPointer<CwsIcon> qpNode = m_pcwsCurrentDirectory->GetWsIcon(p_pqiviIcon);
    TakeInOthers();
    if (!qpNode || !ConfirmDeletion(qpNode))
        return;
    TakeInOthers();
    if (!qpNode) // deleted meanwhile
        return;
    // What RemoveChild() deletes can be put back.
    if (qpNode->GetType() != IconSystem && qpNode->GetType() != IconUp)
        m_deleted.Remember(qpNode);
    qpNode->GetParent()->RemoveChild(qpNode, false);
    if (!qpNode)
        Commit();
}

void CivmIconViewManager::Private::GoUp()
{
    if (!m_pcwsCurrentDirectory->GetParent())
        return;
    m_pcwsCurrentDirectory->HideDirectory();
    m_pcwsCurrentDirectory = m_pcwsCurrentDirectory->GetParent();
    q->ShowDirectory();
}

void CivmIconViewManager::Private::UndoDeletion()
{
    if (m_deleted.IsEmpty())
        return;
    TakeInOthers();
    QString qstrRefusal;
    CwsIcon* pcwsNode = m_deleted.RestoreNewest(q, m_pcivcContainer->GetRoot(), qstrRefusal);
    if (!pcwsNode)
        return ShowError(qstrRefusal);
    if (pcwsNode->GetParent() == m_pcwsCurrentDirectory)
        q->ShowDirectory();
    Commit();
}

void CivmIconViewManager::RightMouseButtonClickedSlot(QListWidgetItem* p_pqiviIcon, const QPoint& p_pqpPos)
{
    QMenu* pqpmMenu = p_pqiviIcon ? d->m_pqpmRightButtonPopup : d->m_pqpmNoSelectionRightButtonPopup;
    const QAction* pqaChosen = pqpmMenu->exec(p_pqpPos);
    pqpmMenu->hide();
    if (!pqaChosen)
        return;

    switch (pqaChosen->data().toInt()) {
    case MenuOpen:
        DoubleClickedSlot(p_pqiviIcon);
        break;
    case MenuNewFolder:
        d->RunDialog(false, "FileDialog", nullptr);
        break;
    case MenuNewEntry:
        d->RunDialog(true, "DirectoryDialog", nullptr);
        break;
    case MenuDelete:
        d->DeleteNode(p_pqiviIcon);
        break;
    case MenuRename:
        RenameItem(p_pqiviIcon); // refused in edit() for a program entry or the up link
        break;
    case MenuProperties:
        if (CwsIcon* pcwsIcon = d->m_pcwsCurrentDirectory->GetWsIcon(p_pqiviIcon)) {
            if (pcwsIcon->GetType() == IconDirectory)
                d->RunDialog(false, "FileDialog", pcwsIcon);
            else if (pcwsIcon->GetType() == IconUser)
                d->RunDialog(true, "FileDialog", pcwsIcon);
            else
                d->ShowError(tr("Dies ist ein Programm Icon, diese Icon haben keine sichtbaren Eigenschaften\n"));
        }
        break;
    }
}

void CivmIconViewManager::IconRenamedSlot(QListWidgetItem* p_pqviIcon, const QString& p_qstrName)
{
    // Taking in another window's changes may show the folder anew: the item
    // and its text go then.
    const QString qstrName = p_qstrName;
    QPointer<CwsIcon> qpNode = d->m_pcwsCurrentDirectory->GetWsIcon(p_pqviIcon);
    if (!qpNode)
        return;
    d->TakeInOthers();
    if (!qpNode)
        return d->ShowNodeGone();
    const QString qstrRefusal
        = WorkspaceNames::Refusal(qpNode->GetParent(), qpNode, qstrName, qpNode->GetType() == IconDirectory);
    if (QListWidgetItem* pqiviItem = qpNode->GetIcon())
        pqiviItem->setText(qstrRefusal.isEmpty() ? qstrName : qpNode->GetName());
    if (!qstrRefusal.isEmpty()) {
        d->ShowError(qstrRefusal);
        return;
    }
    qpNode->SetName(qstrName);
    d->Commit();
}

void CivmIconViewManager::Private::RunDialog(bool p_bEntryMode, const char* p_szName, CwsIcon* p_pcwsIcon)
{
    CsfdSimpleFileDialogIf qdDialog(p_bEntryMode, q, p_szName, true, {});
    if (p_pcwsIcon)
        qdDialog.FillDialog(p_pcwsIcon);
    qdDialog.exec();
}

bool CivmIconViewManager::Private::ConfirmDeletion(CwsIcon* p_pcwsIcon)
{
    if (p_pcwsIcon->GetType() != IconDirectory)
        return true;
    const int iEntries = CountEntries(static_cast<CwsDirectoryIcon*>(p_pcwsIcon));
    if (iEntries == 0)
        return true;
    const QString qstrText = iEntries == 1
        ? CivmIconViewManager::tr(
            "Der Ordner \"%1\" enthält einen Eintrag.\nSoll der Ordner mit seinem Inhalt gelöscht werden?")
        : CivmIconViewManager::tr(
            "Der Ordner \"%1\" enthält %n Einträge.\nSoll der Ordner mit seinem Inhalt gelöscht werden?", nullptr,
            iEntries);
    return AskQuestion(q, CivmIconViewManager::tr("Ordner löschen"), qstrText.arg(p_pcwsIcon->GetName()),
                       {{CivmIconViewManager::tr("&Ja"), QMessageBox::YesRole},
                        {CivmIconViewManager::tr("&Nein"), QMessageBox::NoRole}},
                       1, 1)
        == 0;
}

void CivmIconViewManager::dropEvent(QDropEvent* event)
{
    QList<std::pair<QPointer<CwsIcon>, QPoint>> qlPlaces;
    for (CwsIcon* pcwsChild : std::as_const(*d->m_pcwsCurrentDirectory->GetChildrenList())) {
        if (pcwsChild->GetIcon())
            qlPlaces.append({pcwsChild, ItemPos(pcwsChild->GetIcon())});
    }
    CivIconView::dropEvent(event);
    if (event->source() != this)
        return;
    // The icons dropped keep their new places on the tree as the file has it now.
    for (auto& [qpNode, qpPlace] : qlPlaces)
        qpPlace = qpNode && qpNode->GetIcon() && ItemPos(qpNode->GetIcon()) != qpPlace ? ItemPos(qpNode->GetIcon())
                                                                                       : QPoint();
    d->TakeInOthers();
    for (const auto& [qpNode, qpPlace] : std::as_const(qlPlaces)) {
        if (qpNode && qpNode->GetIcon() && !qpPlace.isNull())
            MoveItem(qpNode->GetIcon(), qpPlace);
    }
    d->Commit();
}

bool CivmIconViewManager::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Renaming starts here, by F2 or by the menu; other triggers open no editor. The tree is only
    // looked at for these two: the view also calls in here while the tree is being taken down.
    if (trigger != EditKeyPressed && trigger != AllEditTriggers)
        return CivIconView::edit(index, trigger, event);
    const CwsIcon* pcwsIcon = d->m_pcwsCurrentDirectory->GetWsIcon(itemFromIndex(index));
    if (pcwsIcon && (pcwsIcon->GetType() == IconSystem || pcwsIcon->GetType() == IconUp)) {
        d->ShowError(tr("Dies ist ein Programm Icon, diese können Sie nicht umbenannt werden\n"));
        return false;
    }
    return CivIconView::edit(index, trigger, event);
}

void CivmIconViewManager::Private::ShowError(const QString& p_qstrText)
{
    QMessageBox::information(q, CivmIconViewManager::tr("Fehler"), p_qstrText);
}

void CivmIconViewManager::Private::ShowNodeGone()
{
    ShowError(
        CivmIconViewManager::tr("Der Eintrag wurde inzwischen in einem anderen Fenster oder Programm gelöscht.\n"));
}

#include "moc_CivmIconViewManager.cpp"

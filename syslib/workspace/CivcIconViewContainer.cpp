// SPDX-License-Identifier: BSD-3-Clause
#include "CivcIconViewContainer.h"

#include "CivIconView.h"
#include "CwsDirectoryIcon.h"
#include "CwsIcon_p.h"
#include "diagnostics_p.h"
#include "filelock_p.h"
#include "filestamp_p.h"
#include "workspacerows_p.h"

#include <rbox.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace
{
using Row = WorkspaceRows::Row;
enum Column { Type = WorkspaceRows::Type, Parent, Name, Functionality, IconFilename, XPos, YPos, Depth, Columns };

const QString RootName = QStringLiteral("root");
const QString DirectoryType = QStringLiteral("Directory");
const QString SystemType = QStringLiteral("System");
const QString UserType = QStringLiteral("User");
const QString EmptyText = QStringLiteral("");

// Every call of the engine names table 1.
constexpr int Table = 1;

int Number(const QString& p_qstrText)
{
    // Positions and depths are written as plain decimals of a few digits.
    const qsizetype iSize = p_qstrText.size();
    const qsizetype iStart = iSize > 0 && p_qstrText[0] == QLatin1Char('-') ? 1 : 0;
    if (iSize > iStart && iSize - iStart <= 9) {
        int iValue = 0;
        qsizetype i = iStart;
        for (; i < iSize && p_qstrText[i] >= QLatin1Char('0') && p_qstrText[i] <= QLatin1Char('9'); ++i)
            iValue = iValue * 10 + (p_qstrText[i].unicode() - '0');
        if (i == iSize)
            return iStart ? -iValue : iValue;
    }
    bool bOk = false;
    const int iValue = p_qstrText.toInt(&bOk, 10);
    return bOk ? iValue : 0;
}

// A whole number as a plain decimal, without the locale machinery of
// QString::number(); the small ones that positions and depths mostly are
// made once.
QString Decimal(int p_iValue)
{
    static const std::vector<QString> s_vSmall = [] {
        std::vector<QString> vSmall;
        for (int i = 0; i < 1024; ++i)
            vSmall.push_back(QString::number(i));
        return vSmall;
    }();
    if (p_iValue >= 0 && p_iValue < int(s_vSmall.size()))
        return s_vSmall[size_t(p_iValue)];
    char16_t acDigits[12];
    char16_t* const pEnd = acDigits + 12;
    char16_t* pDigit = pEnd;
    unsigned int uValue = p_iValue < 0 ? 0u - unsigned(p_iValue) : unsigned(p_iValue);
    do {
        *--pDigit = char16_t(u'0' + uValue % 10);
        uValue /= 10;
    } while (uValue != 0);
    if (p_iValue < 0)
        *--pDigit = u'-';
    return QString(reinterpret_cast<const QChar*>(pDigit), pEnd - pDigit);
}

// The tree's rows, every folder before its children; with a writer, each
// is written too, and each up link as an empty data set.
void Walk(CwsDirectoryIcon* p_pcwsRoot, WorkspaceRows& p_rows, CrboTableWriter* p_pWriter)
{
    QStringList qslValues(Columns);
    // Folders under way, each with the place of its next child; a tree of
    // any depth needs no more stack than this.
    std::vector<std::pair<const QList<CwsIcon*>*, qsizetype>> vFolders {{p_pcwsRoot->GetChildrenList(), 0}};
    while (!vFolders.empty()) {
        auto& [pqlChildren, iNext] = vFolders.back();
        if (iNext == pqlChildren->size()) {
            vFolders.pop_back();
            continue;
        }
        CwsIcon* pcwsIcon = pqlChildren->at(iNext++);
        const EIconType eType = pcwsIcon->GetType();
        if (eType == IconUp) {
            if (p_pWriter)
                p_pWriter->AddDataSet(QStringList());
            continue;
        }
        const Row& row = p_rows.m_dqRows.emplace_back(WorkspaceRows::RowOf(pcwsIcon));
        if (p_pWriter) {
            QString* pValues = qslValues.data();
            pValues[Type] = eType == IconDirectory ? DirectoryType : eType == IconSystem ? SystemType : UserType;
            pValues[Parent] = row.m_qstrParent;
            pValues[Name] = row.m_qstrName;
            // Every item there, as the format has it: a folder's command is
            // an empty text, not none.
            pValues[Functionality] = row.m_qstrFunctionality.isNull() ? EmptyText : row.m_qstrFunctionality;
            pValues[IconFilename] = row.m_qstrIconFilename.isNull() ? EmptyText : row.m_qstrIconFilename;
            pValues[XPos] = Decimal(row.m_iX);
            pValues[YPos] = Decimal(row.m_iY);
            pValues[Depth] = Decimal(row.m_iDepth);
            p_pWriter->AddDataSet(qslValues);
        }
        if (eType == IconDirectory)
            vFolders.emplace_back(static_cast<CwsDirectoryIcon*>(pcwsIcon)->GetChildrenList(), 0);
    }
}
}

class Q_DECL_HIDDEN CivcIconViewContainer::Private
{
public:
    QString GetFileName() const;
    void CreateRoot();
    void LoadRBOX();
    bool SaveRBOX();
    // A node of the data set's values, in the order the store reads them,
    // in that folder.
    void CreateIcon(const QStringList& p_qslValues, CwsDirectoryIcon* p_pcwsParent);
    void CreateDirectoryIcon(const QStringList& p_qslValues, CwsDirectoryIcon* p_pcwsParent);
    CwsDirectoryIcon* SearchDirectoryIcon(const QString& p_qstrName);
    // Moves a record file that could not be read out of the way of the next
    // save; false if it is still in the way.
    bool SetAsideUnreadableFile();
    // Takes in what another store saved since the store last read or wrote
    // the file.
    void TakeIn();
    // Makes the tree the one of the rows, keeping every node that stays;
    // true when anything changed.
    bool Apply(const WorkspaceRows& p_rows);
    // Gives the node the row's fields; true when any changed.
    static bool Update(CwsIcon* p_pcwsIcon, const Row& p_row);
    // Takes the node as the folder's last child unless the folder has a
    // child of its name, as AddChild() does, but with the names of each
    // folder kept while the file is read: a folder of any size fills in
    // linear time.
    bool Adopt(CwsDirectoryIcon* p_pcwsFolder, CwsIcon* p_pcwsIcon);

    CwsDirectoryIcon* m_pcwsRoot = nullptr;
    // Folders read from the file by name, the first one read of each name.
    QHash<QString, CwsDirectoryIcon*> m_qhDirectories;
    CivIconView* m_pqivView;
    QString m_qstrDirectory;
    bool m_bUnreadableFile = false;
    // The file as this store last read or wrote it, and its stamp then.
    WorkspaceRows m_base;
    FileStamp m_stamp;
    // What another store saved was taken in since the last Refresh().
    bool m_bTookIn = false;
    // Where the rows of the nodes read go while the file is read, and the
    // names of each folder's children.
    WorkspaceRows* m_pReading = nullptr;
    QHash<CwsDirectoryIcon*, QSet<QString>> m_qhNames;
    // A store made to read what another store saved writes nothing.
    bool m_bReadOnly = false;
};

CivcIconViewContainer::CivcIconViewContainer(CivIconView* p_pqivView, QString p_qstrDirectory)
    : d(new Private)
{
    d->m_pqivView = p_pqivView;
    d->m_qstrDirectory = std::move(p_qstrDirectory);
    d->LoadRBOX();
}

CivcIconViewContainer::~CivcIconViewContainer()
{
    d->SaveRBOX();
    delete d->m_pcwsRoot;
}

void CivcIconViewContainer::AddObject(CboBusinessObject*) { }

CwsDirectoryIcon* CivcIconViewContainer::GetRoot() const
{
    return d->m_pcwsRoot;
}

void CivcIconViewContainer::Reset()
{
    delete d->m_pcwsRoot;
    d->CreateRoot();
}

void CivcIconViewContainer::RemoveObject(CboBusinessObject*) { }

void CivcIconViewContainer::RemoveObject(QString) { }

void CivcIconViewContainer::FillComboBox(QComboBox*) { }

void CivcIconViewContainer::FillListView(QTreeWidget*) { }

CboBusinessObject* CivcIconViewContainer::SearchAfterName(QString)
{
    return nullptr;
}

CboBusinessObject* CivcIconViewContainer::SearchAfterNumber(QString)
{
    return nullptr;
}

QString CivcIconViewContainer::Private::GetFileName() const
{
    return m_qstrDirectory + QLatin1String("/icons");
}

void CivcIconViewContainer::Private::CreateRoot()
{
    m_pcwsRoot = new CwsDirectoryIcon(m_pqivView, RootName, nullptr, 0, 0, 0);
    m_qhDirectories.clear();
}

void CivcIconViewContainer::Private::LoadRBOX()
{
    CreateRoot();
    // Taken before reading: a file replaced meanwhile is taken in again.
    m_stamp = FileStamp::Of(GetFileName());
    m_base = WorkspaceRows();
    m_pReading = &m_base;
    rbox engine(GetFileName());
    // Siblings follow each other in the file: the folder found for the last
    // parent named is tried first. A folder found stays the one of its name.
    QString qstrLastParent;
    CwsDirectoryIcon* pcwsLastParent = nullptr;
    const bool bRead = engine.Load(Table, WorkspaceRows::ColumnNames(), [&](int, const QStringList& p_qslValues) {
        if (p_qslValues[Type].isNull())
            return;
        const QString& qstrParent = p_qslValues[Parent];
        if (!pcwsLastParent || qstrParent != qstrLastParent) {
            pcwsLastParent = qstrParent.isNull() ? m_pcwsRoot : SearchDirectoryIcon(qstrParent);
            qstrLastParent = qstrParent;
            if (pcwsLastParent == m_pcwsRoot && qstrParent != RootName)
                pcwsLastParent = nullptr; // not found (told), or no parent: looked up again
        }
        CwsDirectoryIcon* pcwsParent = pcwsLastParent ? pcwsLastParent : m_pcwsRoot;
        if (p_qslValues[Type] == DirectoryType)
            CreateDirectoryIcon(p_qslValues, pcwsParent);
        else
            CreateIcon(p_qslValues, pcwsParent);
    });
    m_pReading = nullptr;
    m_qhNames.clear();
    // A record file without the workspace's columns is another's, or one
    // whose columns were changed: nothing of it is taken, and it is kept.
    const QStringList qslColumns = engine.GetColumns(Table);
    const bool bWorkspace = std::all_of(WorkspaceRows::ColumnNames().cbegin(), WorkspaceRows::ColumnNames().cend(),
                                        [&](const QString& p_qstrColumn) { return qslColumns.contains(p_qstrColumn); });
    if (!bRead || !bWorkspace) {
        // Nothing of a file that cannot be read completely is shown, and the
        // file is kept for its owner when it is there.
        delete m_pcwsRoot;
        CreateRoot();
        m_base = WorkspaceRows();
        const QFileInfo qfiFile(GetFileName());
        m_bUnreadableFile = qfiFile.exists() && !qfiFile.isDir();
    }
}

void CivcIconViewContainer::Private::CreateIcon(const QStringList& p_qslValues, CwsDirectoryIcon* p_pcwsParent)
{
    const QString& qstrType = p_qslValues[Type];
    EIconType eType = IconUser;
    if (qstrType == QLatin1String("System")) {
        eType = IconSystem;
    } else if (qstrType != QLatin1String("User")) {
        Diagnostics::Line(lcWorkspace(), QStringLiteral("Unknown Type will be ignored"));
    }
    auto* pcwsIcon
        = new CwsIcon(m_pqivView, p_qslValues[Name], p_qslValues[Functionality], p_qslValues[IconFilename], eType,
                      Number(p_qslValues[XPos]), Number(p_qslValues[YPos]), Number(p_qslValues[Depth]), p_pcwsParent);
    if (!Adopt(p_pcwsParent, pcwsIcon)) {
        delete pcwsIcon;
        return;
    }
    if (m_pReading)
        m_pReading->m_dqRows.push_back(WorkspaceRows::RowOf(pcwsIcon));
}

void CivcIconViewContainer::Private::CreateDirectoryIcon(const QStringList& p_qslValues, CwsDirectoryIcon* p_pcwsParent)
{
    const QString& qstrName = p_qslValues[Name];
    auto* pcwsDirectory = new CwsDirectoryIcon(m_pqivView, qstrName, p_pcwsParent, Number(p_qslValues[XPos]),
                                               Number(p_qslValues[YPos]), Number(p_qslValues[Depth]));
    if (!Adopt(p_pcwsParent, pcwsDirectory)) {
        delete pcwsDirectory;
        return;
    }
    if (!m_qhDirectories.contains(qstrName))
        m_qhDirectories.insert(qstrName, pcwsDirectory);
    if (m_pReading)
        m_pReading->m_dqRows.push_back(WorkspaceRows::RowOf(pcwsDirectory));
}

CwsDirectoryIcon* CivcIconViewContainer::Private::SearchDirectoryIcon(const QString& p_qstrName)
{
    if (p_qstrName == RootName)
        return m_pcwsRoot;
    if (m_qhDirectories.isEmpty()) {
        Diagnostics::Line(lcWorkspace(), QStringLiteral("No Directory in List!!!"));
    } else if (CwsDirectoryIcon* pcwsDirectory = m_qhDirectories.value(p_qstrName)) {
        return pcwsDirectory;
    } else {
        Diagnostics::Line(lcWorkspace(), QStringLiteral("No Directory Found!!!"));
    }
    Diagnostics::Line(lcWorkspace(), QLatin1String("Searched for Directory: ") + p_qstrName);
    Diagnostics::Line(lcWorkspace(), QStringLiteral("take Root Directory instead"));
    return m_pcwsRoot;
}

bool CivcIconViewContainer::Save()
{
    return d->SaveRBOX();
}

bool CivcIconViewContainer::Refresh()
{
    d->TakeIn();
    return std::exchange(d->m_bTookIn, false);
}

bool CivcIconViewContainer::Private::SaveRBOX()
{
    if (!m_pcwsRoot || m_bReadOnly)
        return false;
    FileLock lock(GetFileName());
    if (!lock.Lock()) {
        Diagnostics::Line(lcWorkspace(),
                          (lock.KeptByOther() ? QStringLiteral(
                               "The workspace file %1 is kept locked by another program; the workspace was not saved")
                                              : QStringLiteral("Could not write the workspace file %1"))
                              .arg(GetFileName()));
        return false;
    }
    TakeIn();
    if (m_bUnreadableFile && !SetAsideUnreadableFile())
        return false;
    CrboTableWriter writer(GetFileName(), Table, WorkspaceRows::ColumnNames());
    WorkspaceRows rows;
    Walk(m_pcwsRoot, rows, &writer);
    if (!writer.Finish()) {
        Diagnostics::Line(lcWorkspace(), QStringLiteral("Could not write the workspace file %1").arg(GetFileName()));
        return false;
    }
    m_base = std::move(rows);
    m_stamp = FileStamp::Of(GetFileName());
    return true;
}

void CivcIconViewContainer::Private::TakeIn()
{
    const FileStamp now = FileStamp::Of(GetFileName());
    if (m_bReadOnly || !now.Exists() || now == m_stamp)
        return;
    // What another store saved, read as a store of its own reads it.
    CivcIconViewContainer theirs(nullptr, m_qstrDirectory);
    theirs.d->m_bReadOnly = true;
    m_stamp = theirs.d->m_stamp;
    m_bUnreadableFile = theirs.d->m_bUnreadableFile;
    if (m_bUnreadableFile)
        return; // kept aside at the next save
    WorkspaceRows ours;
    Walk(m_pcwsRoot, ours, nullptr);
    const WorkspaceRows merged = WorkspaceRows::Merged(m_base, ours, theirs.d->m_base);
    m_base = std::move(theirs.d->m_base);
    m_bTookIn = Apply(merged) || m_bTookIn;
}

bool CivcIconViewContainer::Private::Apply(const WorkspaceRows& p_rows)
{
    CwsDirectoryIcon* pcwsRoot = m_pcwsRoot;
    // Every node by its folder's name and its own, taken out of its folder;
    // each folder keeps only its up link for now.
    QHash<std::pair<QString, QString>, QList<CwsIcon*>> qhNodes;
    QHash<CwsDirectoryIcon*, QList<CwsIcon*>> qhBefore;
    for (std::vector<CwsDirectoryIcon*> vFolders {pcwsRoot}; !vFolders.empty();) {
        CwsDirectoryIcon* pcwsFolder = vFolders.back();
        vFolders.pop_back();
        QList<CwsIcon*>& qlChildren = *pcwsFolder->GetChildrenList();
        qhBefore.insert(pcwsFolder, qlChildren);
        for (CwsIcon* pcwsChild : std::as_const(qlChildren)) {
            if (pcwsChild->GetType() == IconUp)
                continue;
            qhNodes[{pcwsFolder->GetName(), pcwsChild->GetName()}].append(pcwsChild);
            if (pcwsChild->GetType() == IconDirectory)
                vFolders.push_back(static_cast<CwsDirectoryIcon*>(pcwsChild));
        }
        qlChildren.erase(std::remove_if(qlChildren.begin(), qlChildren.end(),
                                        [](const CwsIcon* p_pcwsChild) { return p_pcwsChild->GetType() != IconUp; }),
                         qlChildren.end());
    }

    // The rows' nodes into their folders, in the rows' order: a node that
    // stays takes its row's fields, the others are made.
    bool bChanged = false;
    QHash<QString, CwsDirectoryIcon*> qhFolders {{RootName, pcwsRoot}};
    for (const Row& row : p_rows.m_dqRows) {
        CwsDirectoryIcon* pcwsParent = qhFolders.value(row.m_qstrParent, pcwsRoot);
        const bool bFolder = row.m_iType == IconDirectory;
        QList<CwsIcon*>& qlSame = qhNodes[{row.m_qstrParent, row.m_qstrName}];
        CwsIcon* pcwsNode = nullptr;
        if (!qlSame.isEmpty() && (qlSame.first()->GetType() == IconDirectory) == bFolder) {
            pcwsNode = qlSame.takeFirst();
            pcwsNode->SetParent(pcwsParent);
            bChanged = Update(pcwsNode, row) || bChanged;
        } else if (bFolder) {
            pcwsNode = new CwsDirectoryIcon(m_pqivView, row.m_qstrName, pcwsParent, row.m_iX, row.m_iY, row.m_iDepth);
        } else {
            pcwsNode = new CwsIcon(m_pqivView, row.m_qstrName, row.m_qstrFunctionality, row.m_qstrIconFilename,
                                   EIconType(row.m_iType), row.m_iX, row.m_iY, row.m_iDepth, pcwsParent);
        }
        pcwsParent->GetChildrenList()->append(pcwsNode);
        if (bFolder && !qhFolders.contains(row.m_qstrName))
            qhFolders.insert(row.m_qstrName, static_cast<CwsDirectoryIcon*>(pcwsNode));
    }

    // The nodes left go; their children have gone or moved already.
    for (const QList<CwsIcon*>& qlLeft : std::as_const(qhNodes)) {
        bChanged = bChanged || !qlLeft.isEmpty();
        qDeleteAll(qlLeft);
    }
    for (auto it = qhBefore.cbegin(); !bChanged && it != qhBefore.cend(); ++it)
        bChanged = *it.key()->GetChildrenList() != it.value();
    return bChanged;
}

bool CivcIconViewContainer::Private::Update(CwsIcon* p_pcwsIcon, const Row& p_row)
{
    bool bChanged = false;
    if (p_pcwsIcon->GetType() != IconDirectory) {
        bChanged = p_pcwsIcon->d->m_eType != p_row.m_iType;
        p_pcwsIcon->d->m_eType = EIconType(p_row.m_iType);
        if (p_pcwsIcon->GetFunctionality() != p_row.m_qstrFunctionality) {
            p_pcwsIcon->SetFunctionality(p_row.m_qstrFunctionality);
            bChanged = true;
        }
        if (p_pcwsIcon->GetIconFilename() != p_row.m_qstrIconFilename) {
            p_pcwsIcon->SetPixmap(p_row.m_qstrIconFilename);
            bChanged = true;
        }
    }
    const QPoint qpPlace(p_row.m_iX, p_row.m_iY);
    if (p_pcwsIcon->d->m_iDepth != p_row.m_iDepth || WorkspaceRows::Place(p_pcwsIcon) != qpPlace) {
        bChanged = true;
        p_pcwsIcon->d->m_iDepth = p_row.m_iDepth;
        p_pcwsIcon->d->m_iX = qpPlace.x();
        p_pcwsIcon->d->m_iY = qpPlace.y();
        if (p_pcwsIcon->GetIcon() && p_pcwsIcon->GetView() && !qpPlace.isNull())
            p_pcwsIcon->GetView()->MoveItem(p_pcwsIcon->GetIcon(), qpPlace);
    }
    return bChanged;
}

bool CivcIconViewContainer::Private::Adopt(CwsDirectoryIcon* p_pcwsFolder, CwsIcon* p_pcwsIcon)
{
    // Most folders are small: their children are looked through, as
    // AddChild() does; a large one gets a set of its names.
    constexpr qsizetype SmallFolder = 32;
    QList<CwsIcon*>& qlChildren = *p_pcwsFolder->GetChildrenList();
    if (qlChildren.size() < SmallFolder)
        return p_pcwsFolder->AddChild(p_pcwsIcon, true);
    auto it = m_qhNames.find(p_pcwsFolder);
    if (it == m_qhNames.end()) {
        it = m_qhNames.insert(p_pcwsFolder, {});
        for (const CwsIcon* pcwsChild : std::as_const(qlChildren))
            it->insert(pcwsChild->GetName());
    }
    const qsizetype iNames = it->size();
    it->insert(p_pcwsIcon->GetName());
    if (it->size() == iNames)
        return false;
    qlChildren.append(p_pcwsIcon);
    return true;
}

bool CivcIconViewContainer::Private::SetAsideUnreadableFile()
{
    const QString qstrFile = GetFileName();
    const QString qstrStem = qstrFile + QDateTime::currentDateTime().toString("'.damaged-'yyyyMMdd-HHmmss");
    QString qstrAside = qstrStem;
    for (int i = 2; QFileInfo::exists(qstrAside); ++i)
        qstrAside = qstrStem + QLatin1Char('-') + QString::number(i);
    if (!QFile::rename(qstrFile, qstrAside)) {
        Diagnostics::Line(
            lcWorkspace(),
            QStringLiteral("The workspace file %1 could not be read nor moved aside; the workspace was not saved")
                .arg(qstrFile));
        return false;
    }
    Diagnostics::Line(
        lcWorkspace(),
        QStringLiteral("The workspace file %1 could not be read; it was kept as %2").arg(qstrFile, qstrAside));
    m_bUnreadableFile = false;
    return true;
}

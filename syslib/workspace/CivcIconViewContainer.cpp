// SPDX-License-Identifier: BSD-3-Clause
#include "CivcIconViewContainer.h"

#include "CivIconView.h"
#include "CwsDirectoryIcon.h"

#include <rbox.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <utility>

namespace
{
const QString TypeColumn = QStringLiteral("Type/ENUM");
const QString ParentColumn = QStringLiteral("Parent/STRING");
const QString NameColumn = QStringLiteral("Name/STRING");
const QString FunctionalityColumn = QStringLiteral("Functionality/STRING");
const QString IconFilenameColumn = QStringLiteral("IconFilename/STRING");
const QString XPosColumn = QStringLiteral("XPos/INT");
const QString YPosColumn = QStringLiteral("YPos/INT");
const QString DepthColumn = QStringLiteral("Depth/INT");

const QString RootName = QStringLiteral("root");
const QString DirectoryType = QStringLiteral("Directory");

// Every call of the engine names table 1.
constexpr int Table = 1;

QString Text(CrboDataSet* p_pcrboDataSet, const QString& p_qstrColumn)
{
    const CrboDataSetItem* pItem = p_pcrboDataSet->GetItem(p_qstrColumn);
    return pItem ? pItem->GetString() : QString();
}

int Number(CrboDataSet* p_pcrboDataSet, const QString& p_qstrColumn)
{
    const QString qstrText = Text(p_pcrboDataSet, p_qstrColumn);
    // Positions and depths are written as plain decimals of a few digits.
    const qsizetype iSize = qstrText.size();
    const qsizetype iStart = iSize > 0 && qstrText[0] == QLatin1Char('-') ? 1 : 0;
    if (iSize > iStart && iSize - iStart <= 9) {
        int iValue = 0;
        qsizetype i = iStart;
        for (; i < iSize && qstrText[i] >= QLatin1Char('0') && qstrText[i] <= QLatin1Char('9'); ++i)
            iValue = iValue * 10 + (qstrText[i].unicode() - '0');
        if (i == iSize)
            return iStart ? -iValue : iValue;
    }
    bool bOk = false;
    const int iValue = qstrText.toInt(&bOk, 10);
    return bOk ? iValue : 0;
}

QByteArray Printable(const QString& p_qstrText)
{
    return p_qstrText.toLocal8Bit();
}
}

CivcIconViewContainer::CivcIconViewContainer(CivIconView* p_pqivView, QString p_qstrDirectory)
    : m_pqivView(p_pqivView)
    , m_qstrDirectory(std::move(p_qstrDirectory))
{
    LoadRBOX();
}

CivcIconViewContainer::~CivcIconViewContainer()
{
    SaveRBOX();
    delete m_pcwsRoot;
}

void CivcIconViewContainer::AddObject(CboBusinessObject*) { }

CwsDirectoryIcon* CivcIconViewContainer::GetRoot()
{
    return m_pcwsRoot;
}

void CivcIconViewContainer::Reset()
{
    delete m_pcwsRoot;
    CreateRoot();
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

QString CivcIconViewContainer::GetFileName() const
{
    return m_qstrDirectory + QLatin1String("/icons");
}

void CivcIconViewContainer::CreateRoot()
{
    m_pcwsRoot = new CwsDirectoryIcon(m_pqivView, RootName, nullptr, 0, 0, 0);
    m_qhDirectories.clear();
}

void CivcIconViewContainer::LoadRBOX()
{
    CreateRoot();
    rbox engine(GetFileName());
    if (!engine.Load()) {
        // A file that is there but cannot be read is kept for its owner.
        const QFileInfo qfiFile(GetFileName());
        m_bUnreadableFile = qfiFile.exists() && !qfiFile.isDir();
        return;
    }
    const int iCount = engine.GetNumberOfDataSets(Table);
    for (int i = 0; i < iCount; ++i) {
        CrboDataSet* pcrboDataSet = engine.GetDataSet(Table, i);
        if (!pcrboDataSet)
            continue;
        const CrboDataSetItem* pType = pcrboDataSet->GetItem(TypeColumn);
        if (!pType)
            continue;
        if (pType->GetString() == DirectoryType)
            CreateDirectoryIcon(pcrboDataSet);
        else
            CreateIcon(pcrboDataSet);
    }
}

void CivcIconViewContainer::CreateIcon(CrboDataSet* p_pcrboDataSet)
{
    const QString qstrType = Text(p_pcrboDataSet, TypeColumn);
    EIconType eType = IconUser;
    if (qstrType == QLatin1String("System")) {
        eType = IconSystem;
    } else if (qstrType != QLatin1String("User")) {
        std::printf("Unknown Type will be ignored\n");
    }
    const CrboDataSetItem* pParent = p_pcrboDataSet->GetItem(ParentColumn);
    CwsDirectoryIcon* pcwsParent = pParent ? SearchDirectoryIcon(pParent->GetString()) : m_pcwsRoot;

    auto* pcwsIcon
        = new CwsIcon(m_pqivView, Text(p_pcrboDataSet, NameColumn), Text(p_pcrboDataSet, FunctionalityColumn),
                      Text(p_pcrboDataSet, IconFilenameColumn), eType, Number(p_pcrboDataSet, XPosColumn),
                      Number(p_pcrboDataSet, YPosColumn), Number(p_pcrboDataSet, DepthColumn), pcwsParent);
    if (!pcwsParent->AddChild(pcwsIcon, true))
        delete pcwsIcon;
}

void CivcIconViewContainer::CreateDirectoryIcon(CrboDataSet* p_pcrboDataSet)
{
    const CrboDataSetItem* pType = p_pcrboDataSet->GetItem(TypeColumn);
    if (pType && pType->GetString() != DirectoryType) {
        std::printf("It was tried to create a Directory which is not a Directory\n");
        std::printf("FATAL ERROR Report it to TORVA Solutions\n");
        return;
    }
    const CrboDataSetItem* pParent = p_pcrboDataSet->GetItem(ParentColumn);
    CwsDirectoryIcon* pcwsParent = pParent ? SearchDirectoryIcon(pParent->GetString()) : m_pcwsRoot;

    const QString qstrName = Text(p_pcrboDataSet, NameColumn);
    auto* pcwsDirectory = new CwsDirectoryIcon(m_pqivView, qstrName, pcwsParent, Number(p_pcrboDataSet, XPosColumn),
                                               Number(p_pcrboDataSet, YPosColumn), Number(p_pcrboDataSet, DepthColumn));
    if (!pcwsParent->AddChild(pcwsDirectory, true)) {
        delete pcwsDirectory;
        return;
    }
    if (!m_qhDirectories.contains(qstrName))
        m_qhDirectories.insert(qstrName, pcwsDirectory);
}

CwsDirectoryIcon* CivcIconViewContainer::SearchDirectoryIcon(QString p_qstrName)
{
    if (p_qstrName == RootName)
        return m_pcwsRoot;
    if (m_qhDirectories.isEmpty()) {
        std::printf("No Directory in List!!!\n");
    } else if (CwsDirectoryIcon* pcwsDirectory = m_qhDirectories.value(p_qstrName)) {
        return pcwsDirectory;
    } else {
        std::printf("No Directory Found!!!\n");
    }
    std::printf("Searched for Directory: %s\n", Printable(p_qstrName).constData());
    std::printf("take Root Directory instead\n");
    return m_pcwsRoot;
}

bool CivcIconViewContainer::Save()
{
    return SaveRBOX();
}

bool CivcIconViewContainer::SaveRBOX()
{
    if (!m_pcwsRoot)
        return false;
    if (m_bUnreadableFile && !SetAsideUnreadableFile())
        return false;
    rbox engine(GetFileName());
    engine.Save();
    for (const QString& qstrColumn : {TypeColumn, ParentColumn, NameColumn, FunctionalityColumn, IconFilenameColumn,
                                      XPosColumn, YPosColumn, DepthColumn})
        engine.AddHeaderItem(Table, qstrColumn, RboString);
    SaveIteration(&engine, m_pcwsRoot->GetChildrenList());
    if (engine.SetFinished())
        return true;
    std::printf("Could not write the workspace file %s\n", Printable(GetFileName()).constData());
    return false;
}

void CivcIconViewContainer::SaveIteration(rbox* p_prbox, QList<CwsIcon*>* p_pqlChildren)
{
    for (CwsIcon* pcwsIcon : std::as_const(*p_pqlChildren)) {
        const int iId = p_prbox->CreateDataSet(Table);
        switch (pcwsIcon->GetType()) {
        case IconDirectory:
            SaveIteration(p_prbox, static_cast<CwsDirectoryIcon*>(pcwsIcon)->GetChildrenList());
            p_prbox->AddItemToDataSet(Table, iId, TypeColumn, DirectoryType);
            break;
        case IconSystem:
            p_prbox->AddItemToDataSet(Table, iId, TypeColumn, QStringLiteral("System"));
            break;
        case IconUser:
            p_prbox->AddItemToDataSet(Table, iId, TypeColumn, QStringLiteral("User"));
            break;
        case IconUp:
            continue;
        }
        // A shown icon is written where it stands now, not where it was last hidden.
        QPoint qpPos(pcwsIcon->GetX(), pcwsIcon->GetY());
        if (pcwsIcon->GetIcon() && pcwsIcon->GetView())
            qpPos = pcwsIcon->GetView()->ItemPos(pcwsIcon->GetIcon());
        const CwsDirectoryIcon* pcwsParent = pcwsIcon->GetParent();
        p_prbox->AddItemToDataSet(Table, iId, ParentColumn, pcwsParent ? pcwsParent->GetName() : RootName);
        p_prbox->AddItemToDataSet(Table, iId, NameColumn, pcwsIcon->GetName());
        p_prbox->AddItemToDataSet(Table, iId, FunctionalityColumn, pcwsIcon->GetFunctionality());
        p_prbox->AddItemToDataSet(Table, iId, IconFilenameColumn, pcwsIcon->GetIconFilename());
        p_prbox->AddItemToDataSet(Table, iId, XPosColumn, QString::number(qpPos.x()));
        p_prbox->AddItemToDataSet(Table, iId, YPosColumn, QString::number(qpPos.y()));
        p_prbox->AddItemToDataSet(Table, iId, DepthColumn, QString::number(pcwsIcon->GetDepth()));
    }
}

bool CivcIconViewContainer::SetAsideUnreadableFile()
{
    const QString qstrFile = GetFileName();
    const QString qstrStem = qstrFile + QDateTime::currentDateTime().toString("'.damaged-'yyyyMMdd-HHmmss");
    QString qstrAside = qstrStem;
    for (int i = 2; QFileInfo::exists(qstrAside); ++i)
        qstrAside = qstrStem + QLatin1Char('-') + QString::number(i);
    if (!QFile::rename(qstrFile, qstrAside)) {
        std::printf("The workspace file %s could not be read nor moved aside; the workspace was not saved\n",
                    Printable(qstrFile).constData());
        return false;
    }
    std::printf("The workspace file %s could not be read; it was kept as %s\n", Printable(qstrFile).constData(),
                Printable(qstrAside).constData());
    m_bUnreadableFile = false;
    return true;
}

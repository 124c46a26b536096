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
#include <vector>

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
// The columns in the order of the values that reading hands over.
enum Column { Type, Parent, Name, Functionality, IconFilename, XPos, YPos, Depth };
const QStringList Columns = {TypeColumn,         ParentColumn, NameColumn, FunctionalityColumn,
                             IconFilenameColumn, XPosColumn,   YPosColumn, DepthColumn};

const QString RootName = QStringLiteral("root");
const QString DirectoryType = QStringLiteral("Directory");

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
    // Siblings follow each other in the file: the folder found for the last
    // parent named is tried first. A folder found stays the one of its name.
    QString qstrLastParent;
    CwsDirectoryIcon* pcwsLastParent = nullptr;
    const bool bRead = engine.Load(Table, Columns, [&](int, const QStringList& p_qslValues) {
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
    if (!bRead) {
        // Nothing of a file that cannot be read completely is shown, and the
        // file is kept for its owner when it is there.
        Reset();
        const QFileInfo qfiFile(GetFileName());
        m_bUnreadableFile = qfiFile.exists() && !qfiFile.isDir();
    }
}

void CivcIconViewContainer::CreateIcon(const QStringList& p_qslValues, CwsDirectoryIcon* p_pcwsParent)
{
    const QString& qstrType = p_qslValues[Type];
    EIconType eType = IconUser;
    if (qstrType == QLatin1String("System")) {
        eType = IconSystem;
    } else if (qstrType != QLatin1String("User")) {
        std::printf("Unknown Type will be ignored\n");
    }
    auto* pcwsIcon
        = new CwsIcon(m_pqivView, p_qslValues[Name], p_qslValues[Functionality], p_qslValues[IconFilename], eType,
                      Number(p_qslValues[XPos]), Number(p_qslValues[YPos]), Number(p_qslValues[Depth]), p_pcwsParent);
    if (!p_pcwsParent->AddChild(pcwsIcon, true))
        delete pcwsIcon;
}

void CivcIconViewContainer::CreateDirectoryIcon(const QStringList& p_qslValues, CwsDirectoryIcon* p_pcwsParent)
{
    const QString& qstrName = p_qslValues[Name];
    auto* pcwsDirectory = new CwsDirectoryIcon(m_pqivView, qstrName, p_pcwsParent, Number(p_qslValues[XPos]),
                                               Number(p_qslValues[YPos]), Number(p_qslValues[Depth]));
    if (!p_pcwsParent->AddChild(pcwsDirectory, true)) {
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
    CrboTableWriter writer(GetFileName(), Table, Columns);
    QStringList qslValues(Columns.size());
    SaveIteration(&writer, qslValues, m_pcwsRoot->GetChildrenList());
    if (writer.Finish())
        return true;
    std::printf("Could not write the workspace file %s\n", Printable(GetFileName()).constData());
    return false;
}

void CivcIconViewContainer::SaveIteration(CrboTableWriter* p_pWriter, QStringList& p_qslValues,
                                          QList<CwsIcon*>* p_pqlChildren)
{
    static const QString SystemType = QStringLiteral("System");
    static const QString UserType = QStringLiteral("User");
    for (CwsIcon* pcwsIcon : std::as_const(*p_pqlChildren)) {
        const EIconType eType = pcwsIcon->GetType();
        if (eType == IconUp) {
            p_pWriter->AddDataSet(QStringList()); // an up link is an empty data set
            continue;
        }
        // A shown icon is written where it stands now, not where it was last hidden.
        QPoint qpPos(pcwsIcon->GetX(), pcwsIcon->GetY());
        if (pcwsIcon->GetIcon() && pcwsIcon->GetView())
            qpPos = pcwsIcon->GetView()->ItemPos(pcwsIcon->GetIcon());
        const CwsDirectoryIcon* pcwsParent = pcwsIcon->GetParent();
        QString* pValues = p_qslValues.data();
        pValues[Type] = eType == IconDirectory ? DirectoryType : eType == IconSystem ? SystemType : UserType;
        pValues[Parent] = pcwsParent ? pcwsParent->GetName() : RootName;
        pValues[Name] = pcwsIcon->GetName();
        pValues[Functionality] = pcwsIcon->GetFunctionality();
        pValues[IconFilename] = pcwsIcon->GetIconFilename();
        pValues[XPos] = Decimal(qpPos.x());
        pValues[YPos] = Decimal(qpPos.y());
        pValues[Depth] = Decimal(pcwsIcon->GetDepth());
        p_pWriter->AddDataSet(p_qslValues);
        if (eType == IconDirectory)
            SaveIteration(p_pWriter, p_qslValues, static_cast<CwsDirectoryIcon*>(pcwsIcon)->GetChildrenList());
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

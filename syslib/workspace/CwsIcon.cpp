// SPDX-License-Identifier: BSD-3-Clause
#include "CwsIcon.h"

#include "CivIconView.h"
#include "builtinicons_p.h"

#include <QListWidgetItem>
#include <QPixmap>

#include <utility>

namespace
{
// The picture of a node: the file's content, or for the standard folder and
// up pictures, when no such file is at hand, the desktop's or the library's.
QIcon LoadIcon(const QString& p_qstrFileName)
{
    const QPixmap qpPixmap(p_qstrFileName);
    return qpPixmap.isNull() ? BuiltinIcons::ForWorkspaceFile(p_qstrFileName) : QIcon(qpPixmap);
}
}

CwsIcon::CwsIcon(CivIconView* p_pqivView, QString p_qstrName, QString p_qstrFunctionality, QString p_qstrIconFilename,
                 EIconType p_eType, int p_iX, int p_iY, int p_iDepth, CwsDirectoryIcon* p_pcwsParent)
    : m_qstrName(std::move(p_qstrName))
    , m_qstrFunctionality(std::move(p_qstrFunctionality))
    , m_qstrIconFilename(std::move(p_qstrIconFilename))
    , m_pcwsParent(p_pcwsParent)
    , m_pqivView(p_pqivView)
    , m_eType(p_eType)
    , m_iDepth(p_iDepth)
    , m_iX(p_iX)
    , m_iY(p_iY)
{ }

CwsIcon::~CwsIcon()
{
    // A position recorded now would die with the node.
    DeleteItem();
}

void CwsIcon::Show()
{
    if (m_pqiviIcon || !m_pqivView)
        return;
    m_pqiviIcon = new QListWidgetItem(LoadIcon(m_qstrIconFilename), m_qstrName, m_pqivView);
    m_pqivView->SetRenameEnabled(m_pqiviIcon, true);
    if (m_iX != 0 || m_iY != 0)
        m_pqivView->MoveItem(m_pqiviIcon, QPoint(m_iX, m_iY));
}

void CwsIcon::Hide()
{
    RecordPosition();
    DeleteItem();
}

void CwsIcon::RecordPosition()
{
    if (!m_pqiviIcon || !m_pqivView)
        return;
    const QPoint qpPos = m_pqivView->ItemPos(m_pqiviIcon);
    m_iX = qpPos.x();
    m_iY = qpPos.y();
}

void CwsIcon::DeleteItem()
{
    if (m_pqivView)
        delete m_pqiviIcon;
    m_pqiviIcon = nullptr;
}

void CwsIcon::SetName(QString p_qstrName)
{
    m_qstrName = std::move(p_qstrName);
}

void CwsIcon::SetFunctionality(QString p_qstrFunctionality)
{
    m_qstrFunctionality = std::move(p_qstrFunctionality);
}

void CwsIcon::SetPixmap(QString p_qstrIconFilename)
{
    m_qstrIconFilename = std::move(p_qstrIconFilename);
    if (m_pqiviIcon)
        m_pqiviIcon->setIcon(LoadIcon(m_qstrIconFilename));
}

void CwsIcon::SetPixmap(const QPixmap& p_qpPixmap)
{
    if (m_pqiviIcon)
        m_pqiviIcon->setIcon(QIcon(p_qpPixmap));
}

void CwsIcon::SetParent(CwsDirectoryIcon* p_pcwsParent)
{
    m_pcwsParent = p_pcwsParent;
}

QString CwsIcon::GetName() const
{
    return m_qstrName;
}

QString CwsIcon::GetFunctionality() const
{
    return m_qstrFunctionality;
}

QString CwsIcon::GetIconFilename() const
{
    return m_qstrIconFilename;
}

EIconType CwsIcon::GetType() const
{
    return m_eType;
}

int CwsIcon::GetX() const
{
    return m_iX;
}

int CwsIcon::GetY() const
{
    return m_iY;
}

int CwsIcon::GetDepth() const
{
    return m_iDepth;
}

CwsDirectoryIcon* CwsIcon::GetParent() const
{
    return m_pcwsParent;
}

CivIconView* CwsIcon::GetView() const
{
    return m_pqivView;
}

QListWidgetItem* CwsIcon::GetIcon() const
{
    return m_pqiviIcon;
}

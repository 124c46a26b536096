// SPDX-License-Identifier: BSD-3-Clause
#include "CwsIcon.h"

#include "CwsIcon_p.h"
#include "builtinicons_p.h"

#include <QListWidgetItem>
#include <QPixmap>

#include <utility>

namespace
{
// The picture of a node: the file's content, or when it is missing or cannot
// be read, the desktop's (or the library's) picture for its kind of node.
QIcon LoadIcon(const QString& p_qstrFileName, EIconType p_eType)
{
    const QPixmap qpPixmap(p_qstrFileName);
    if (!qpPixmap.isNull())
        return QIcon(qpPixmap);
    using BuiltinIcons::Icon;
    static const Icon s_aeKinds[] = {Icon::Program, Icon::Script, Icon::Folder, Icon::Up};
    return BuiltinIcons::Get(s_aeKinds[qBound(0, int(p_eType), int(IconUp))]);
}
}

CwsIcon::CwsIcon(CivIconView* p_pqivView, QString p_qstrName, QString p_qstrFunctionality, QString p_qstrIconFilename,
                 EIconType p_eType, int p_iX, int p_iY, int p_iDepth, CwsDirectoryIcon* p_pcwsParent)
    : d(new Private {nullptr, std::move(p_qstrName), std::move(p_qstrFunctionality), std::move(p_qstrIconFilename),
                     p_pcwsParent, p_pqivView, p_eType, p_iDepth, p_iX, p_iY})
{ }

CwsIcon::~CwsIcon()
{
    // A position recorded now would die with the node.
    d->DeleteItem();
}

void CwsIcon::Show()
{
    if (d->m_pqiviIcon || !d->m_pqivView)
        return;
    d->m_pqiviIcon = new QListWidgetItem(LoadIcon(d->m_qstrIconFilename, d->m_eType), d->m_qstrName, d->m_pqivView);
    d->m_pqivView->SetRenameEnabled(d->m_pqiviIcon, true);
    if (d->m_iX != 0 || d->m_iY != 0)
        d->m_pqivView->MoveItem(d->m_pqiviIcon, QPoint(d->m_iX, d->m_iY));
}

void CwsIcon::Hide()
{
    d->RecordPosition();
    d->DeleteItem();
}

void CwsIcon::Private::RecordPosition()
{
    if (!m_pqiviIcon || !m_pqivView)
        return;
    const QPoint qpPos = m_pqivView->ItemPos(m_pqiviIcon);
    m_iX = qpPos.x();
    m_iY = qpPos.y();
}

void CwsIcon::Private::DeleteItem()
{
    if (m_pqivView)
        delete m_pqiviIcon;
    m_pqiviIcon = nullptr;
}

void CwsIcon::SetName(QString p_qstrName)
{
    d->m_qstrName = std::move(p_qstrName);
}

void CwsIcon::SetFunctionality(QString p_qstrFunctionality)
{
    d->m_qstrFunctionality = std::move(p_qstrFunctionality);
}

void CwsIcon::SetPixmap(QString p_qstrIconFilename)
{
    d->m_qstrIconFilename = std::move(p_qstrIconFilename);
    if (d->m_pqiviIcon)
        d->m_pqiviIcon->setIcon(LoadIcon(d->m_qstrIconFilename, d->m_eType));
}

void CwsIcon::SetPixmap(const QPixmap& p_qpPixmap)
{
    if (d->m_pqiviIcon)
        d->m_pqiviIcon->setIcon(QIcon(p_qpPixmap));
}

void CwsIcon::SetParent(CwsDirectoryIcon* p_pcwsParent)
{
    d->m_pcwsParent = p_pcwsParent;
}

QString CwsIcon::GetName() const
{
    return d->m_qstrName;
}

QString CwsIcon::GetFunctionality() const
{
    return d->m_qstrFunctionality;
}

QString CwsIcon::GetIconFilename() const
{
    return d->m_qstrIconFilename;
}

EIconType CwsIcon::GetType() const
{
    return d->m_eType;
}

int CwsIcon::GetX() const
{
    return d->m_iX;
}

int CwsIcon::GetY() const
{
    return d->m_iY;
}

int CwsIcon::GetDepth() const
{
    return d->m_iDepth;
}

CwsDirectoryIcon* CwsIcon::GetParent() const
{
    return d->m_pcwsParent;
}

CivIconView* CwsIcon::GetView() const
{
    return d->m_pqivView;
}

QListWidgetItem* CwsIcon::GetIcon() const
{
    return d->m_pqiviIcon;
}

#include "moc_CwsIcon.cpp"

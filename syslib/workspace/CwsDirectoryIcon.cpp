// SPDX-License-Identifier: BSD-3-Clause
#include "CwsDirectoryIcon.h"

#include "CwsIcon_p.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <algorithm>
#include <utility>

class Q_DECL_HIDDEN CwsDirectoryIcon::Private
{
public:
    QList<CwsIcon*> m_qlChildren;
};

CwsDirectoryIcon::CwsDirectoryIcon(CivIconView* p_pqivView, QString p_qstrName, CwsDirectoryIcon* p_pcwsParent,
                                   int p_iX, int p_iY, int p_iDepth)
    : CwsIcon(p_pqivView, std::move(p_qstrName), QString(), QStringLiteral("directory.bmp"), IconDirectory, p_iX, p_iY,
              p_iDepth, p_pcwsParent)
    , d(new Private)
{
    if (GetName() != QLatin1String("root")) {
        AddChild(
            new CwsIcon(p_pqivView, QStringLiteral(".."), QString(), QStringLiteral("up.bmp"), IconUp, 0, 0, 0, this),
            true);
    }
}

CwsDirectoryIcon::~CwsDirectoryIcon()
{
    CwsIcon::d->DeleteItem();
    // The whole subtree without recursion, so that no depth can exhaust the
    // stack: a folder below gives its children to this list before it goes,
    // and so goes empty.
    QList<CwsIcon*> qlNodes = std::exchange(d->m_qlChildren, {});
    while (!qlNodes.isEmpty()) {
        CwsIcon* pcwsNode = qlNodes.takeLast();
        if (auto* pcwsFolder = dynamic_cast<CwsDirectoryIcon*>(pcwsNode))
            qlNodes += std::exchange(pcwsFolder->d->m_qlChildren, {});
        delete pcwsNode;
    }
}

void CwsDirectoryIcon::ShowDirectory()
{
    if (GetParent())
        GetParent()->HideDirectory();
    if (d->m_qlChildren.isEmpty())
        return;
    HideDirectory();

    // Ascending depth; equal depths keep their list order, and a gap in the
    // values hides nobody.
    QList<CwsIcon*> qlOrder = d->m_qlChildren;
    std::stable_sort(qlOrder.begin(), qlOrder.end(),
                     [](const CwsIcon* a, const CwsIcon* b) { return a->GetDepth() < b->GetDepth(); });
    for (CwsIcon* pcwsChild : std::as_const(qlOrder))
        pcwsChild->Show();
}

void CwsDirectoryIcon::HideDirectory()
{
    // The view re-flows its items after each removal: read every position
    // before the first item goes.
    for (CwsIcon* pcwsChild : std::as_const(d->m_qlChildren))
        pcwsChild->CwsIcon::d->RecordPosition();
    for (CwsIcon* pcwsChild : std::as_const(d->m_qlChildren))
        pcwsChild->CwsIcon::d->DeleteItem();
}

bool CwsDirectoryIcon::AddChild(CwsIcon* p_pcwsIcon, bool p_bQuiet)
{
    // Names in a folder mostly differ at their ends: a look there first.
    const QString& qstrName = p_pcwsIcon->CwsIcon::d->m_qstrName;
    const qsizetype iSize = qstrName.size();
    for (const CwsIcon* pcwsChild : std::as_const(d->m_qlChildren)) {
        const QString& qstrOther = pcwsChild->CwsIcon::d->m_qstrName;
        if (qstrOther.size() == iSize && (iSize == 0 || qstrOther[iSize - 1] == qstrName[iSize - 1])
            && qstrOther == qstrName)
            return false;
    }
    d->m_qlChildren.append(p_pcwsIcon);
    if (!p_bQuiet)
        ShowDirectory();
    return true;
}

void CwsDirectoryIcon::RemoveChild(CwsIcon* p_pcwsIcon, bool p_bForce)
{
    if (!d->m_qlChildren.contains(p_pcwsIcon))
        return;
    const EIconType eType = p_pcwsIcon->GetType();
    if (!p_bForce && (eType == IconSystem || eType == IconUp)) {
        QMessageBox::information(
            GetView(), QCoreApplication::translate("CwsDirectoryIcon", "Fehler"),
            QCoreApplication::translate("CwsDirectoryIcon",
                                        "Dies ist ein Programm Icon, diese können Sie nicht löschen\n"));
        return;
    }
    d->m_qlChildren.removeOne(p_pcwsIcon);
    delete p_pcwsIcon;
}

void CwsDirectoryIcon::RemoveChild(QString p_qstrName, bool p_bForce)
{
    const auto it = std::find_if(d->m_qlChildren.cbegin(), d->m_qlChildren.cend(),
                                 [&](const CwsIcon* p_pcwsChild) { return p_pcwsChild->GetName() == p_qstrName; });
    if (it != d->m_qlChildren.cend())
        RemoveChild(*it, p_bForce);
}

CwsIcon* CwsDirectoryIcon::GetWsIcon(QListWidgetItem* p_pqiviItem) const
{
    if (!p_pqiviItem)
        return nullptr;
    for (CwsIcon* pcwsChild : std::as_const(d->m_qlChildren)) {
        if (pcwsChild->GetIcon() == p_pqiviItem)
            return pcwsChild;
    }
    return nullptr;
}

QList<CwsIcon*>* CwsDirectoryIcon::GetChildrenList() const
{
    return &d->m_qlChildren;
}

int CwsDirectoryIcon::GetChildCount() const
{
    return d->m_qlChildren.size();
}

#include "moc_CwsDirectoryIcon.cpp"

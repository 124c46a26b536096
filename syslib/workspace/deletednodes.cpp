// SPDX-License-Identifier: BSD-3-Clause
#include "deletednodes_p.h"

#include "CivIconView.h"
#include "CwsDirectoryIcon.h"
#include "workspacenames_p.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

void DeletedNodes::Remember(const CwsIcon* p_pcwsNode)
{
    Deletion deletion;
    deletion.m_iPlace = p_pcwsNode->GetParent()->GetChildrenList()->indexOf(p_pcwsNode);
    // Every folder before its children, in their order; up links are made
    // by their folders.
    for (std::vector<std::pair<const CwsIcon*, int>> vWaiting {{p_pcwsNode, -1}}; !vWaiting.empty();) {
        const auto [pcwsNode, iParent] = vWaiting.back();
        vWaiting.pop_back();
        deletion.m_vNodes.push_back({WorkspaceRows::RowOf(pcwsNode), iParent});
        if (pcwsNode->GetType() != IconDirectory)
            continue;
        const QList<CwsIcon*>& qlChildren = *static_cast<const CwsDirectoryIcon*>(pcwsNode)->GetChildrenList();
        for (auto it = qlChildren.crbegin(); it != qlChildren.crend(); ++it) {
            if ((*it)->GetType() != IconUp)
                vWaiting.push_back({*it, int(deletion.m_vNodes.size()) - 1});
        }
    }
    m_vDeletions.push_back(std::move(deletion));
    if (m_vDeletions.size() > Depth)
        m_vDeletions.erase(m_vDeletions.begin());
}

bool DeletedNodes::IsEmpty() const
{
    return m_vDeletions.empty();
}

CwsIcon* DeletedNodes::RestoreNewest(CivIconView* p_pqivView, CwsDirectoryIcon* p_pcwsRoot, QString& p_qstrRefusal)
{
    const Deletion& deletion = m_vDeletions.back();
    const WorkspaceRows::Row& top = deletion.m_vNodes.front().m_row;
    CwsDirectoryIcon* pcwsFolder = top.m_qstrParent == QLatin1String("root")
        ? p_pcwsRoot
        : WorkspaceNames::FindFolder(
            p_pcwsRoot, [&](const CwsIcon* p_pcwsFolder) { return p_pcwsFolder->GetName() == top.m_qstrParent; });
    if (!pcwsFolder) {
        p_qstrRefusal = QCoreApplication::translate("CivmIconViewManager",
                                                    "\"%1\" kann nicht wiederhergestellt werden: den Ordner \"%2\" "
                                                    "gibt es nicht mehr.\n")
                            .arg(top.m_qstrName, top.m_qstrParent);
        m_vDeletions.pop_back();
        return nullptr;
    }
    // The names of the folders below must still be free in the whole tree.
    for (const Node& node : deletion.m_vNodes) {
        const bool bFolder = node.m_row.m_iType == IconDirectory;
        if (&node == &deletion.m_vNodes.front())
            p_qstrRefusal = WorkspaceNames::Refusal(pcwsFolder, nullptr, node.m_row.m_qstrName, bFolder);
        else if (bFolder)
            p_qstrRefusal = WorkspaceNames::FolderRefusal(p_pcwsRoot, nullptr, node.m_row.m_qstrName);
        if (!p_qstrRefusal.isEmpty())
            return nullptr;
    }
    // An icon put where another one stands since goes where the view finds room.
    const QSize qsCell = p_pqivView->gridSize();
    const QPoint qpPlace(top.m_iX, top.m_iY);
    const QList<CwsIcon*>& qlSiblings = *pcwsFolder->GetChildrenList();
    const bool bPlaceTaken = std::any_of(qlSiblings.cbegin(), qlSiblings.cend(), [&](const CwsIcon* p_pcwsSibling) {
        const QPoint qpOffset = WorkspaceRows::Place(p_pcwsSibling) - qpPlace;
        return qAbs(qpOffset.x()) < qsCell.width() && qAbs(qpOffset.y()) < qsCell.height();
    });
    std::vector<CwsIcon*> vMade;
    for (const Node& node : deletion.m_vNodes) {
        const WorkspaceRows::Row& row = node.m_row;
        const bool bFlow = bPlaceTaken && &node == &deletion.m_vNodes.front();
        auto* pcwsParent = node.m_iParent < 0 ? pcwsFolder : static_cast<CwsDirectoryIcon*>(vMade[node.m_iParent]);
        CwsIcon* pcwsNode = row.m_iType == IconDirectory
            ? new CwsDirectoryIcon(p_pqivView, row.m_qstrName, pcwsParent, bFlow ? 0 : row.m_iX, bFlow ? 0 : row.m_iY,
                                   row.m_iDepth)
            : new CwsIcon(p_pqivView, row.m_qstrName, row.m_qstrFunctionality, row.m_qstrIconFilename,
                          EIconType(row.m_iType), bFlow ? 0 : row.m_iX, bFlow ? 0 : row.m_iY, row.m_iDepth, pcwsParent);
        QList<CwsIcon*>& qlChildren = *pcwsParent->GetChildrenList();
        qlChildren.insert(node.m_iParent < 0 ? qBound(qsizetype(0), deletion.m_iPlace, qlChildren.size())
                                             : qlChildren.size(),
                          pcwsNode);
        vMade.push_back(pcwsNode);
    }
    m_vDeletions.pop_back();
    return vMade.front();
}

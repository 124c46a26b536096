// SPDX-License-Identifier: BSD-3-Clause
#ifndef DELETEDNODES_P_H
#define DELETEDNODES_P_H

#include "workspacerows_p.h"

#include <vector>

class CivIconView;
class CwsDirectoryIcon;
class CwsIcon;

// The nodes deleted through a workspace widget, newest last, each with all
// that was below it, so that they can be put back where they were.
class DeletedNodes
{
public:
    // Remembers the node, and all below it, just before it is deleted.
    void Remember(const CwsIcon* p_pcwsNode);
    bool IsEmpty() const;
    // Puts the newest deleted node back into its folder, at its place among
    // the children, and forgets it.
    // \return the node, or null when it cannot be put back, with the reason
    //         as the text of a "Fehler" box: its folder is gone (it is
    //         forgotten), or a name is taken meanwhile (it is kept, so that
    //         the name can be freed first).
    CwsIcon* RestoreNewest(CivIconView* p_pqivView, CwsDirectoryIcon* p_pcwsRoot, QString& p_qstrRefusal);

private:
    struct Node
    {
        WorkspaceRows::Row m_row;
        int m_iParent; // the index of its folder among the nodes, -1 for the node deleted
    };
    struct Deletion
    {
        qsizetype m_iPlace; // among its folder's children
        std::vector<Node> m_vNodes; // the node deleted first, every folder before its children
    };
    // The oldest are dropped beyond this many.
    static constexpr size_t Depth = 20;
    std::vector<Deletion> m_vDeletions;
};

#endif

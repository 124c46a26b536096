// SPDX-License-Identifier: BSD-3-Clause
#ifndef WORKSPACEROWS_P_H
#define WORKSPACEROWS_P_H

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The nodes of a workspace tree as the record file holds them: a row of
// texts a node, every folder before its children; up links have none. Rows
// made from a tree have one form (positions and depths as plain decimals,
// the type as "System", "User" or "Directory"), so that equal nodes have
// equal rows.
struct WorkspaceRows
{
    // The columns, in the order of the values that reading hands over.
    enum Column { Type, Parent, Name, Functionality, IconFilename, XPos, YPos, Depth, ColumnCount };
    using Row = std::array<QString, ColumnCount>;
    // The record file's names of the columns.
    static const QStringList& ColumnNames();

    // The tree that keeps what both writers did since the base, each of
    // them knowing only its own: a node is its folder's name and its own
    // name. A field one of them changed takes that change (ours when both
    // did); a node one of them added is there; a node one of them deleted is
    // gone, unless the other changed it or added or changed something below
    // it. A place the view gave to an icon that had none is no change.
    static WorkspaceRows Merged(const WorkspaceRows& p_base, const WorkspaceRows& p_ours,
                                const WorkspaceRows& p_theirs);

    std::vector<Row> m_vRows;
};

#endif

// SPDX-License-Identifier: BSD-3-Clause
#ifndef WORKSPACEROWS_P_H
#define WORKSPACEROWS_P_H

#include <QPoint>
#include <QString>
#include <QStringList>

#include <deque>

class CwsIcon;

// The nodes of a workspace tree as the record file holds them: a row a
// node, every folder before its children; up links have none.
struct WorkspaceRows
{
    struct Row
    {
        QString m_qstrParent; // the folder's name, "root" for the root's children
        QString m_qstrName;
        QString m_qstrFunctionality;
        QString m_qstrIconFilename;
        int m_iType; // an EIconType: program entry, user entry or folder
        int m_iX;
        int m_iY;
        int m_iDepth;
    };

    // Where a node stands: a shown icon where it is now, a hidden one where
    // it was last hidden.
    static QPoint Place(const CwsIcon* p_pcwsIcon);
    // The node's row as it stands now.
    static Row RowOf(const CwsIcon* p_pcwsIcon);

    // The record file's names of the columns, in the order of the values
    // that reading hands over.
    enum Column { Type, Parent, Name, Functionality, IconFilename, XPos, YPos, Depth };
    static const QStringList& ColumnNames();

    // The tree that keeps what both writers did since the base, each of
    // them knowing only its own: a node is its folder's name and its own
    // name. A field one of them changed takes that change (ours when both
    // did); a node one of them added is there; a node one of them deleted is
    // gone, unless the other changed it or added or changed something below
    // it. A place the view gave to an icon that had none is no change.
    static WorkspaceRows Merged(const WorkspaceRows& p_base, const WorkspaceRows& p_ours,
                                const WorkspaceRows& p_theirs);

    // A deque: rows stay in place as more come.
    std::deque<Row> m_dqRows;
};

#endif

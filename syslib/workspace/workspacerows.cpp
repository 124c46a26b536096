// SPDX-License-Identifier: BSD-3-Clause
#include "workspacerows_p.h"

#include "CivIconView.h"
#include "CwsDirectoryIcon.h"

#include <QHash>
#include <QSet>

#include <vector>

namespace
{
using Row = WorkspaceRows::Row;

// A node: its folder's name and its own; where a tree holds that pair more
// than once (folders of one name), the repeats are counted.
struct NodeKey
{
    QString m_qstrParent;
    QString m_qstrName;
    int m_iRepeat;

    bool operator==(const NodeKey& p_other) const
    {
        return m_iRepeat == p_other.m_iRepeat && m_qstrName == p_other.m_qstrName
            && m_qstrParent == p_other.m_qstrParent;
    }
};

size_t qHash(const NodeKey& p_key, size_t p_iSeed = 0)
{
    return qHashMulti(p_iSeed, p_key.m_qstrParent, p_key.m_qstrName, p_key.m_iRepeat);
}

// The rows of a tree with their keys, found by key.
struct Indexed
{
    explicit Indexed(const WorkspaceRows& p_rows)
        : m_vRows(p_rows.m_dqRows)
    {
        m_vKeys.reserve(m_vRows.size());
        m_qhIndex.reserve(qsizetype(m_vRows.size()));
        for (const Row& row : m_vRows) {
            NodeKey key {row.m_qstrParent, row.m_qstrName, 0};
            while (m_qhIndex.contains(key))
                ++key.m_iRepeat;
            m_qhIndex.insert(key, int(m_vKeys.size()));
            m_vKeys.push_back(key);
            // Children name their folder: the first of that name, as the file links them.
            if (row.m_iType == IconDirectory && !m_qhFolders.contains(row.m_qstrName))
                m_qhFolders.insert(row.m_qstrName, key);
        }
    }
    const Row* Find(const NodeKey& p_key) const
    {
        const auto it = m_qhIndex.constFind(p_key);
        return it == m_qhIndex.cend() ? nullptr : &m_vRows[size_t(*it)];
    }

    const std::deque<Row>& m_vRows;
    std::vector<NodeKey> m_vKeys;
    QHash<NodeKey, int> m_qhIndex;
    QHash<QString, NodeKey> m_qhFolders;
};

bool SamePlace(const Row& p_base, const Row& p_mine)
{
    return (p_base.m_iX == 0 && p_base.m_iY == 0) || (p_mine.m_iX == p_base.m_iX && p_mine.m_iY == p_base.m_iY);
}

bool SameNode(const Row& p_base, const Row& p_mine)
{
    return p_mine.m_iType == p_base.m_iType && p_mine.m_iDepth == p_base.m_iDepth
        && p_mine.m_qstrFunctionality == p_base.m_qstrFunctionality
        && p_mine.m_qstrIconFilename == p_base.m_qstrIconFilename && SamePlace(p_base, p_mine);
}

// The nodes one writer added or changed since the base, and the folders
// above them.
QSet<NodeKey> Touched(const Indexed& p_base, const Indexed& p_mine)
{
    QSet<NodeKey> qsTouched;
    for (size_t i = 0; i < p_mine.m_vRows.size(); ++i) {
        const Row* pBase = p_base.Find(p_mine.m_vKeys[i]);
        if (pBase && SameNode(*pBase, p_mine.m_vRows[i]))
            continue;
        // Up to the root, or to a folder marked before with those above it.
        for (NodeKey key = p_mine.m_vKeys[i]; !qsTouched.contains(key);) {
            qsTouched.insert(key);
            const auto it = p_mine.m_qhFolders.constFind(key.m_qstrParent);
            if (it == p_mine.m_qhFolders.cend())
                break;
            key = *it;
        }
    }
    return qsTouched;
}
}

QPoint WorkspaceRows::Place(const CwsIcon* p_pcwsIcon)
{
    if (p_pcwsIcon->GetIcon() && p_pcwsIcon->GetView())
        return p_pcwsIcon->GetView()->ItemPos(p_pcwsIcon->GetIcon());
    return QPoint(p_pcwsIcon->GetX(), p_pcwsIcon->GetY());
}

WorkspaceRows::Row WorkspaceRows::RowOf(const CwsIcon* p_pcwsIcon)
{
    const CwsDirectoryIcon* pcwsParent = p_pcwsIcon->GetParent();
    const QPoint qpPlace = Place(p_pcwsIcon);
    return {pcwsParent ? pcwsParent->GetName() : QStringLiteral("root"),
            p_pcwsIcon->GetName(),
            p_pcwsIcon->GetFunctionality(),
            p_pcwsIcon->GetIconFilename(),
            p_pcwsIcon->GetType(),
            qpPlace.x(),
            qpPlace.y(),
            p_pcwsIcon->GetDepth()};
}

const QStringList& WorkspaceRows::ColumnNames()
{
    static const QStringList s_qslNames
        = {"Type/ENUM",           "Parent/STRING", "Name/STRING", "Functionality/STRING",
           "IconFilename/STRING", "XPos/INT",      "YPos/INT",    "Depth/INT"};
    return s_qslNames;
}

WorkspaceRows WorkspaceRows::Merged(const WorkspaceRows& p_base, const WorkspaceRows& p_ours,
                                    const WorkspaceRows& p_theirs)
{
    const Indexed base(p_base), ours(p_ours), theirs(p_theirs);
    const QSet<NodeKey> qsOursTouched = Touched(base, ours);
    const QSet<NodeKey> qsTheirsTouched = Touched(base, theirs);

    // Their nodes that we lack and keep, each to follow the node before it
    // in their tree (or to come first): so each keeps its place among its
    // siblings, and every folder comes before its children.
    QSet<NodeKey> qsKept;
    for (size_t i = 0; i < ours.m_vRows.size(); ++i) {
        const NodeKey& key = ours.m_vKeys[i];
        if (!base.Find(key) || theirs.Find(key) || qsOursTouched.contains(key))
            qsKept.insert(key);
    }
    QHash<NodeKey, QList<size_t>> qhFollowing;
    QList<size_t> qlFirst;
    const NodeKey* pLastKept = nullptr;
    for (size_t i = 0; i < theirs.m_vRows.size(); ++i) {
        const NodeKey& key = theirs.m_vKeys[i];
        if (!ours.Find(key) && (!base.Find(key) || qsTheirsTouched.contains(key))) {
            (pLastKept ? qhFollowing[*pLastKept] : qlFirst).append(i);
            qsKept.insert(key);
        }
        if (qsKept.contains(key))
            pLastKept = &key;
    }
    WorkspaceRows merged;
    // Rows with those that follow them, and those that follow these; no
    // recursion, for chains of any length.
    const auto addTheirs = [&](const QList<size_t>& p_qlRows) {
        std::vector<std::pair<const QList<size_t>*, qsizetype>> vPending {{&p_qlRows, 0}};
        while (!vPending.empty()) {
            auto& [pqlRows, iNext] = vPending.back();
            if (iNext == pqlRows->size()) {
                vPending.pop_back();
                continue;
            }
            const size_t iRow = pqlRows->at(iNext++);
            merged.m_dqRows.push_back(theirs.m_vRows[iRow]);
            const auto it = qhFollowing.constFind(theirs.m_vKeys[iRow]);
            if (it != qhFollowing.cend())
                vPending.emplace_back(&*it, 0);
        }
    };
    addTheirs(qlFirst);
    for (size_t i = 0; i < ours.m_vRows.size(); ++i) {
        const NodeKey& key = ours.m_vKeys[i];
        if (!qsKept.contains(key))
            continue; // deleted by them, untouched by us
        const Row* pBase = base.Find(key);
        const Row* pTheirs = theirs.Find(key);
        Row row = ours.m_vRows[i];
        if (pBase && pTheirs) {
            const auto keep = [](auto& p_mine, const auto& p_base, const auto& p_theirs) {
                if (p_mine == p_base)
                    p_mine = p_theirs;
            };
            keep(row.m_iType, pBase->m_iType, pTheirs->m_iType);
            keep(row.m_qstrFunctionality, pBase->m_qstrFunctionality, pTheirs->m_qstrFunctionality);
            keep(row.m_qstrIconFilename, pBase->m_qstrIconFilename, pTheirs->m_qstrIconFilename);
            keep(row.m_iDepth, pBase->m_iDepth, pTheirs->m_iDepth);
            if (SamePlace(*pBase, row)) {
                row.m_iX = pTheirs->m_iX;
                row.m_iY = pTheirs->m_iY;
            }
        }
        merged.m_dqRows.push_back(std::move(row));
        if (const auto it = qhFollowing.constFind(key); it != qhFollowing.cend())
            addTheirs(*it);
    }
    return merged;
}

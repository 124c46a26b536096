// SPDX-License-Identifier: BSD-3-Clause
#ifndef WORKSPACENAMES_P_H
#define WORKSPACENAMES_P_H

#include <QString>

#include <functional>

class CwsDirectoryIcon;
class CwsIcon;

// Names in the workspace tree: a name is not empty (nor only spaces), a
// child's name is unique in its folder, and since the record file links a
// node to its folder by the folder's name, a folder's name is unique in the
// whole tree and never "root". Names that differ only by spaces around them
// look the same, and count as the same.
namespace WorkspaceNames
{
// Why p_qstrName cannot be given to p_pcwsNode (null: a new node) in
// p_pcwsFolder, as the text of a "Fehler" box; empty when it can.
QString Refusal(CwsDirectoryIcon* p_pcwsFolder, const CwsIcon* p_pcwsNode, const QString& p_qstrName, bool p_bFolder);
// Why p_qstrName cannot be the name of the folder p_pcwsNode (null: a new
// one) in the tree of p_pcwsInTree, as the text of a "Fehler" box; empty
// when it can.
QString FolderRefusal(CwsDirectoryIcon* p_pcwsInTree, const CwsIcon* p_pcwsNode, const QString& p_qstrName);
// The first folder below p_pcwsFolder that the test picks; null for none.
// Trees of any depth are searched without recursion.
CwsDirectoryIcon* FindFolder(CwsDirectoryIcon* p_pcwsFolder, const std::function<bool(const CwsIcon*)>& p_fnTest);
}

#endif

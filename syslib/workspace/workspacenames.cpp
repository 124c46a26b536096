// SPDX-License-Identifier: BSD-3-Clause
#include "workspacenames_p.h"

#include "CwsDirectoryIcon.h"

#include <QCoreApplication>

#include <vector>

CwsDirectoryIcon* WorkspaceNames::FindFolder(CwsDirectoryIcon* p_pcwsFolder,
                                             const std::function<bool(const CwsIcon*)>& p_fnTest)
{
    for (std::vector<CwsDirectoryIcon*> vFolders {p_pcwsFolder}; !vFolders.empty();) {
        CwsDirectoryIcon* pcwsFolder = vFolders.back();
        vFolders.pop_back();
        for (CwsIcon* pcwsChild : std::as_const(*pcwsFolder->GetChildrenList())) {
            if (pcwsChild->GetType() != IconDirectory)
                continue;
            if (p_fnTest(pcwsChild))
                return static_cast<CwsDirectoryIcon*>(pcwsChild);
            vFolders.push_back(static_cast<CwsDirectoryIcon*>(pcwsChild));
        }
    }
    return nullptr;
}

QString WorkspaceNames::Refusal(CwsDirectoryIcon* p_pcwsFolder, const CwsIcon* p_pcwsNode, const QString& p_qstrName,
                                bool p_bFolder)
{
    if (p_qstrName.trimmed().isEmpty())
        return QCoreApplication::translate("CivmIconViewManager", "Der Name darf nicht leer sein.\n");
    for (const CwsIcon* pcwsChild : std::as_const(*p_pcwsFolder->GetChildrenList())) {
        if (pcwsChild != p_pcwsNode && pcwsChild->GetName().trimmed() == p_qstrName.trimmed())
            return QCoreApplication::translate("CivmIconViewManager",
                                               "Der Name \"%1\" ist in diesem Ordner schon vergeben.\n")
                .arg(p_qstrName);
    }
    return p_bFolder ? FolderRefusal(p_pcwsFolder, p_pcwsNode, p_qstrName) : QString();
}

QString WorkspaceNames::FolderRefusal(CwsDirectoryIcon* p_pcwsInTree, const CwsIcon* p_pcwsNode,
                                      const QString& p_qstrName)
{
    if (p_qstrName.trimmed() == QLatin1String("root"))
        return QCoreApplication::translate("CivmIconViewManager",
                                           "Der Name \"root\" ist dem obersten Ordner vorbehalten.\n");
    CwsDirectoryIcon* pcwsRoot = p_pcwsInTree;
    while (pcwsRoot->GetParent())
        pcwsRoot = pcwsRoot->GetParent();
    if (FindFolder(pcwsRoot, [&](const CwsIcon* p_pcwsFolder) {
            return p_pcwsFolder != p_pcwsNode && p_pcwsFolder->GetName().trimmed() == p_qstrName.trimmed();
        }))
        return QCoreApplication::translate("CivmIconViewManager", "Es gibt schon einen Ordner mit dem Namen \"%1\".\n")
            .arg(p_qstrName);
    return QString();
}

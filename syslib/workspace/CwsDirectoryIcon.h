// SPDX-License-Identifier: BSD-3-Clause
#ifndef CWSDIRECTORYICON_H
#define CWSDIRECTORYICON_H

#include "CwsIcon.h"
#include "torvasyslib_export.h"

#include <QList>

// A folder of the workspace tree. It owns its children; every folder but
// the one named "root" has the up link ".." as its first child. Only one
// folder's children are shown in the view at a time.
class TORVASYSLIB_EXPORT CwsDirectoryIcon : public CwsIcon
{
public:
    CwsDirectoryIcon(CivIconView* p_pqivView, QString p_qstrName, CwsDirectoryIcon* p_pcwsParent, int p_iX, int p_iY,
                     int p_iDepth);
    ~CwsDirectoryIcon() override;

    void ShowDirectory();
    void HideDirectory();

    // Takes the node unless a child of that name exists; returns whether it
    // was taken. A refused node stays with the caller. Unless quiet, the
    // folder is shown again afterwards.
    bool AddChild(CwsIcon* p_pcwsIcon, bool p_bQuiet);
    // Removes and deletes the node; program entries and up links only with
    // the force flag.
    void RemoveChild(CwsIcon* p_pcwsIcon, bool p_bForce);
    void RemoveChild(QString p_qstrName, bool p_bForce);

    CwsIcon* GetWsIcon(QListWidgetItem* p_pqiviItem) const;
    QList<CwsIcon*>* GetChildrenList();
    int GetChildCount() const;

private:
    QList<CwsIcon*>* m_pqlChildren;
};

#endif

// SPDX-License-Identifier: BSD-3-Clause
#ifndef CWSICON_P_H
#define CWSICON_P_H

#include "CivIconView.h"
#include "CwsIcon.h"

#include <QPointer>

// A node's data; its folder and the workspace store reach it too.
class Q_DECL_HIDDEN CwsIcon::Private
{
public:
    // Hiding in two steps, so that a folder can read the positions of all
    // its shown children before the view re-flows the remaining ones.
    void RecordPosition();
    void DeleteItem();

    QListWidgetItem* m_pqiviIcon = nullptr;
    QString m_qstrName;
    QString m_qstrFunctionality;
    QString m_qstrIconFilename;
    CwsDirectoryIcon* m_pcwsParent;
    // Guarded: a view destroyed before the node has taken the item with it.
    QPointer<CivIconView> m_pqivView;
    EIconType m_eType;
    int m_iDepth;
    int m_iX;
    int m_iY;
};

#endif

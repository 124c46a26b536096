// SPDX-License-Identifier: BSD-3-Clause
#ifndef CWSICON_H
#define CWSICON_H

#include "CboBusinessObject.h"
#include "torvasyslib_export.h"

#include <QPointer>
#include <QString>

class CivIconView;
class CwsDirectoryIcon;
class QListWidgetItem;
class QPixmap;

enum EIconType { IconSystem = 0, IconUser = 1, IconDirectory = 2, IconUp = 3 };

// One node of the workspace tree: a launcher entry, a folder (see
// CwsDirectoryIcon) or the up link of a folder. While shown, the node owns
// the item that stands for it in the view.
class TORVASYSLIB_EXPORT CwsIcon : public CboBusinessObject
{
public:
    CwsIcon(CivIconView* p_pqivView, QString p_qstrName, QString p_qstrFunctionality, QString p_qstrIconFilename,
            EIconType p_eType, int p_iX, int p_iY, int p_iDepth, CwsDirectoryIcon* p_pcwsParent);
    ~CwsIcon() override;

    void Show();
    void Hide();

    void SetName(QString p_qstrName);
    void SetFunctionality(QString p_qstrFunctionality);
    void SetPixmap(QString p_qstrIconFilename);
    void SetPixmap(const QPixmap& p_qpPixmap);
    void SetParent(CwsDirectoryIcon* p_pcwsParent);

    QString GetName() const;
    QString GetFunctionality() const;
    QString GetIconFilename() const;
    EIconType GetType() const;
    int GetX() const;
    int GetY() const;
    int GetDepth() const;
    CwsDirectoryIcon* GetParent() const;
    CivIconView* GetView() const;
    QListWidgetItem* GetIcon() const;

private:
    friend class CwsDirectoryIcon;

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

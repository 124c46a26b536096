// SPDX-License-Identifier: BSD-3-Clause
#ifndef CIVCICONVIEWCONTAINER_H
#define CIVCICONVIEWCONTAINER_H

#include "torvasyslib_export.h"

#include <QHash>
#include <QList>
#include <QString>

class CboBusinessObject;
class CivIconView;
class CrboDataSet;
class CwsDirectoryIcon;
class CwsIcon;
class QComboBox;
class QTreeWidget;
class rbox;

// The workspace store: owns the workspace tree of one view, reads it from the
// record file (directory + "/icons") when constructed and writes it back when
// destroyed or told to.
class TORVASYSLIB_EXPORT CivcIconViewContainer
{
public:
    CivcIconViewContainer(CivIconView* p_pqivView, QString p_qstrDirectory);
    virtual void AddObject(CboBusinessObject* p_pcboObject);
    virtual ~CivcIconViewContainer();

    CivcIconViewContainer(const CivcIconViewContainer&) = delete;
    CivcIconViewContainer& operator=(const CivcIconViewContainer&) = delete;

    CwsDirectoryIcon* GetRoot();
    // Replaces the tree by an empty root; the next save writes the empty tree.
    void Reset();
    // Writes the tree now, atomically, as destruction does; shown icons are
    // written where they stand. False when the file was not written.
    bool Save();

    // Object operations of a business object container: the workspace store
    // keeps its nodes in the tree, so these do nothing.
    void RemoveObject(CboBusinessObject* p_pcboObject);
    void RemoveObject(QString p_qstrName);
    void FillComboBox(QComboBox* p_pqcbBox);
    void FillListView(QTreeWidget* p_pqtwView);
    CboBusinessObject* SearchAfterName(QString p_qstrName);
    CboBusinessObject* SearchAfterNumber(QString p_qstrNumber);

private:
    QString GetFileName() const;
    void CreateRoot();
    void LoadRBOX();
    bool SaveRBOX();
    void SaveIteration(rbox* p_prbox, QList<CwsIcon*>* p_pqlChildren);
    void CreateIcon(CrboDataSet* p_pcrboDataSet);
    void CreateDirectoryIcon(CrboDataSet* p_pcrboDataSet);
    CwsDirectoryIcon* SearchDirectoryIcon(QString p_qstrName);
    // Moves a record file that could not be read out of the way of the next
    // save; false if it is still in the way.
    bool SetAsideUnreadableFile();

    CwsDirectoryIcon* m_pcwsRoot = nullptr;
    // Folders read from the file by name, the first one read of each name.
    QHash<QString, CwsDirectoryIcon*> m_qhDirectories;
    CivIconView* m_pqivView;
    QString m_qstrDirectory;
    bool m_bUnreadableFile = false;
};

#endif

// SPDX-License-Identifier: BSD-3-Clause
#ifndef CRBODATASET_H
#define CRBODATASET_H

#include "CrboDataSetItem.h"
#include "rbox_export.h"

#include <QList>
#include <QString>

/// One record of a table of the record engine: the items it holds, looked
/// up by column name. A column that the data set has no value for has no
/// item.
class RBOX_EXPORT CrboDataSet
{
public:
    /// An empty data set with that id (its index in its table).
    explicit CrboDataSet(int p_iId);

    /// The data set's id: its index in its table, from 0 in creation order.
    int GetId() const;
    /// The item of that column (the exact name), or null. The pointer stays
    /// valid until an item is added to this data set.
    CrboDataSetItem* GetItem(QString p_qstrName);
    /// The number of items.
    int GetItemCount() const;
    /// Stores the value under that column, replacing an earlier one.
    void SetItem(QString p_qstrName, QString p_qstrValue);
    /// Makes room for that many items.
    void Reserve(int p_iItems);

private:
    friend class RboxFileReader;

    int m_iId;
    QList<CrboDataSetItem> m_qlItems;
};

#endif

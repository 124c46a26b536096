// SPDX-License-Identifier: BSD-3-Clause
#ifndef CRBODATASET_H
#define CRBODATASET_H

#include "CrboDataSetItem.h"
#include "rbox_export.h"

#include <QString>

#include <memory>

/// One record of a table of the record engine: the items it holds, looked
/// up by column name. A column that the data set has no value for has no
/// item.
///
/// \code
/// for (int i = 0; i < engine.GetNumberOfDataSets(1); ++i) {
///     const CrboDataSet* dataSet = engine.GetDataSet(1, i);
///     if (const CrboDataSetItem* name = dataSet->GetItem("Name/STRING"))
///         qDebug() << dataSet->GetId() << name->GetString();
/// }
/// \endcode
class RBOX_EXPORT CrboDataSet
{
public:
    /// An empty data set with that id (its index in its table).
    explicit CrboDataSet(int p_iId);
    /// A data set of its own with the same id and items.
    CrboDataSet(const CrboDataSet& p_other);
    /// Takes the other data set's id and items.
    CrboDataSet& operator=(const CrboDataSet& p_other);
    ~CrboDataSet();

    /// The data set's id: its index in its table, from 0 in creation order.
    int GetId() const;
    /// The item of that column (the exact name), or null. The pointer stays
    /// valid until an item is added to this data set.
    CrboDataSetItem* GetItem(QString p_qstrName) const;
    /// The number of items.
    int GetItemCount() const;
    /// Stores the value under that column, replacing an earlier one.
    void SetItem(QString p_qstrName, QString p_qstrValue);
    /// Makes room for that many items.
    void Reserve(int p_iItems);

private:
    friend class RboxFileReader;

    class Private;
    std::unique_ptr<Private> d;
};

#endif

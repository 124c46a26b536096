// SPDX-License-Identifier: BSD-3-Clause
#ifndef CRBODATASETITEM_H
#define CRBODATASETITEM_H

#include "rbox_export.h"

#include <QString>

#include <memory>

/// One named value of a data set; every value travels as text.
///
/// \code
/// if (CrboDataSetItem* item = dataSet->GetItem("Name/STRING")) {
///     qDebug() << item->GetName() << item->GetString();
///     item->SetString("Ada Lovelace");
/// }
/// \endcode
class RBOX_EXPORT CrboDataSetItem
{
public:
    /// An item of that column with that value.
    CrboDataSetItem(QString p_qstrName, QString p_qstrValue);
    /// An item of its own with the same name and value.
    CrboDataSetItem(const CrboDataSetItem& p_other);
    /// Takes the other item's name and value.
    CrboDataSetItem& operator=(const CrboDataSetItem& p_other);
    ~CrboDataSetItem();

    /// The column's name.
    QString GetName() const;
    /// The value as text.
    QString GetString() const;
    /// Replaces the value.
    void SetString(QString p_qstrValue);

private:
    friend class CrboDataSet;

    class Private;
    std::unique_ptr<Private> d;
};

#endif

// SPDX-License-Identifier: BSD-3-Clause
#ifndef CRBODATASETITEM_H
#define CRBODATASETITEM_H

#include "rbox_export.h"

#include <QString>

/// One named value of a data set; every value travels as text.
class RBOX_EXPORT CrboDataSetItem
{
public:
    /// An item of that column with that value.
    CrboDataSetItem(QString p_qstrName, QString p_qstrValue);

    /// The column's name.
    QString GetName() const;
    /// The value as text.
    QString GetString() const;
    /// Replaces the value.
    void SetString(QString p_qstrValue);

private:
    friend class CrboDataSet;

    QString m_qstrName;
    QString m_qstrValue;
};

#endif

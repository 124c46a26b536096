// SPDX-License-Identifier: BSD-3-Clause
#ifndef CRBODATASETITEM_P_H
#define CRBODATASETITEM_P_H

#include "CrboDataSetItem.h"

class Q_DECL_HIDDEN CrboDataSetItem::Private
{
public:
    QString m_qstrName;
    QString m_qstrValue;
};

#endif

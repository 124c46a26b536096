// SPDX-License-Identifier: BSD-3-Clause
#ifndef CRBODATASET_P_H
#define CRBODATASET_P_H

#include "CrboDataSet.h"

#include <QList>

class Q_DECL_HIDDEN CrboDataSet::Private
{
public:
    int m_iId;
    QList<CrboDataSetItem> m_qlItems;
};

#endif

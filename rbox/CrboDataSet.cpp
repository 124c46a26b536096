// SPDX-License-Identifier: BSD-3-Clause
#include "CrboDataSet.h"

#include <cstring>
#include <utility>

CrboDataSet::CrboDataSet(int p_iId)
    : m_iId(p_iId)
{ }

int CrboDataSet::GetId() const
{
    return m_iId;
}

CrboDataSetItem* CrboDataSet::GetItem(QString p_qstrName)
{
    // A data set holds a handful of items: a scan beats a hash. The engine
    // names items with its column names, so one shared text is found by
    // its address without comparing characters.
    const qsizetype iSize = p_qstrName.size();
    for (CrboDataSetItem& item : m_qlItems) {
        const QChar* pName = item.m_qstrName.constData();
        if (pName == p_qstrName.constData()
            || (item.m_qstrName.size() == iSize
                && std::memcmp(pName, p_qstrName.constData(), size_t(iSize) * sizeof(QChar)) == 0))
            return &item;
    }
    return nullptr;
}

int CrboDataSet::GetItemCount() const
{
    return m_qlItems.size();
}

void CrboDataSet::SetItem(QString p_qstrName, QString p_qstrValue)
{
    if (CrboDataSetItem* pItem = GetItem(p_qstrName))
        pItem->SetString(std::move(p_qstrValue));
    else
        m_qlItems.append(CrboDataSetItem(std::move(p_qstrName), std::move(p_qstrValue)));
}

void CrboDataSet::Reserve(int p_iItems)
{
    m_qlItems.reserve(p_iItems);
}

// SPDX-License-Identifier: BSD-3-Clause
#include "CrboDataSet.h"

#include "CrboDataSetItem_p.h"
#include "CrboDataSet_p.h"

#include <cstring>
#include <utility>

CrboDataSet::CrboDataSet(int p_iId)
    : d(new Private {p_iId, {}})
{ }

CrboDataSet::CrboDataSet(const CrboDataSet& p_other)
    : d(new Private(*p_other.d))
{ }

CrboDataSet& CrboDataSet::operator=(const CrboDataSet& p_other)
{
    *d = *p_other.d;
    return *this;
}

CrboDataSet::~CrboDataSet() = default;

int CrboDataSet::GetId() const
{
    return d->m_iId;
}

CrboDataSetItem* CrboDataSet::GetItem(QString p_qstrName) const
{
    // A data set holds a handful of items: a scan beats a hash. The engine
    // names items with its column names, so one shared text is found by
    // its address without comparing characters.
    const qsizetype iSize = p_qstrName.size();
    for (CrboDataSetItem& item : d->m_qlItems) {
        const QString& qstrName = item.d->m_qstrName;
        const QChar* pName = qstrName.constData();
        if (pName == p_qstrName.constData()
            || (qstrName.size() == iSize
                && std::memcmp(pName, p_qstrName.constData(), size_t(iSize) * sizeof(QChar)) == 0))
            return &item;
    }
    return nullptr;
}

int CrboDataSet::GetItemCount() const
{
    return d->m_qlItems.size();
}

void CrboDataSet::SetItem(QString p_qstrName, QString p_qstrValue)
{
    if (CrboDataSetItem* pItem = GetItem(p_qstrName))
        pItem->SetString(std::move(p_qstrValue));
    else
        d->m_qlItems.emplaceBack(std::move(p_qstrName), std::move(p_qstrValue));
}

void CrboDataSet::Reserve(int p_iItems)
{
    d->m_qlItems.reserve(p_iItems);
}

// SPDX-License-Identifier: BSD-3-Clause
#include "CrboDataSetItem.h"

#include "CrboDataSetItem_p.h"

#include <utility>

CrboDataSetItem::CrboDataSetItem(QString p_qstrName, QString p_qstrValue)
    : d(new Private {std::move(p_qstrName), std::move(p_qstrValue)})
{ }

CrboDataSetItem::CrboDataSetItem(const CrboDataSetItem& p_other)
    : d(new Private(*p_other.d))
{ }

CrboDataSetItem& CrboDataSetItem::operator=(const CrboDataSetItem& p_other)
{
    *d = *p_other.d;
    return *this;
}

CrboDataSetItem::~CrboDataSetItem() = default;

QString CrboDataSetItem::GetName() const
{
    return d->m_qstrName;
}

QString CrboDataSetItem::GetString() const
{
    return d->m_qstrValue;
}

void CrboDataSetItem::SetString(QString p_qstrValue)
{
    d->m_qstrValue = std::move(p_qstrValue);
}

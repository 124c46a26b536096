// SPDX-License-Identifier: BSD-3-Clause
#include "CrboDataSetItem.h"

#include <utility>

CrboDataSetItem::CrboDataSetItem(QString p_qstrName, QString p_qstrValue)
    : m_qstrName(std::move(p_qstrName))
    , m_qstrValue(std::move(p_qstrValue))
{ }

QString CrboDataSetItem::GetName() const
{
    return m_qstrName;
}

QString CrboDataSetItem::GetString() const
{
    return m_qstrValue;
}

void CrboDataSetItem::SetString(QString p_qstrValue)
{
    m_qstrValue = std::move(p_qstrValue);
}

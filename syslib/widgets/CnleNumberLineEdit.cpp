// SPDX-License-Identifier: BSD-3-Clause
#include "CnleNumberLineEdit.h"

#include "inputrepair_p.h"
#include "textrepair_p.h"

CnleNumberLineEdit::CnleNumberLineEdit(QWidget* parent, const char* name)
    : QLineEdit(parent)
    , m_pRepair(new InputRepair(this))
{
    setObjectName(name);
    m_pRepair->Watch(this);
    connect(this, &QLineEdit::textChanged, this, &CnleNumberLineEdit::LineEditTextChangedSlot);
}

CnleNumberLineEdit::~CnleNumberLineEdit() = default;

void CnleNumberLineEdit::LineEditTextChangedSlot(const QString&)
{
    m_pRepair->Apply(this, TextRepair::WholeNumber(text()));
    // Told once, from the innermost round, which sees the repaired text.
    if (value() != m_iValue)
        Q_EMIT valueChanged(m_iValue = value());
}

int CnleNumberLineEdit::value() const
{
    return TextRepair::ValueOf(text());
}

void CnleNumberLineEdit::setValue(int p_iValue)
{
    setText(QString::number(p_iValue));
}

// SPDX-License-Identifier: BSD-3-Clause
#include "CcleCurrencyLineEdit.h"

#include "inputrepair_p.h"
#include "textrepair_p.h"

CcleCurrencyLineEdit::CcleCurrencyLineEdit(QWidget* parent, const char* name)
    : QLineEdit(parent)
    , m_pRepair(new InputRepair(this))
{
    setObjectName(name);
    m_pRepair->Watch(this);
    connect(this, &QLineEdit::textChanged, this, &CcleCurrencyLineEdit::LineEditTextChangedSlot);
}

CcleCurrencyLineEdit::~CcleCurrencyLineEdit() = default;

void CcleCurrencyLineEdit::LineEditTextChangedSlot(const QString&)
{
    // The whole repair at once: cutting one character per textChanged round
    // would nest one round per character.
    m_pRepair->Apply(this, TextRepair::Amount(TextRepair::Notation(text())));
    // Told once, from the innermost round, which sees the repaired text.
    if (value() != m_qstrValue)
        Q_EMIT valueChanged(m_qstrValue = value());
}

QString CcleCurrencyLineEdit::value() const
{
    return text().trimmed();
}

void CcleCurrencyLineEdit::setValue(const QString& p_qstrValue)
{
    setText(p_qstrValue);
}

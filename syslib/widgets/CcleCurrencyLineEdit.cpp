// SPDX-License-Identifier: BSD-3-Clause
#include "CcleCurrencyLineEdit.h"

#include "inputrepair_p.h"
#include "textrepair_p.h"

CcleCurrencyLineEdit::CcleCurrencyLineEdit(QWidget* parent, const char* name)
    : QLineEdit(parent)
    , m_pRepair(new InputRepair(this))
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, &CcleCurrencyLineEdit::LineEditTextChangedSlot);
}

CcleCurrencyLineEdit::~CcleCurrencyLineEdit() = default;

void CcleCurrencyLineEdit::LineEditTextChangedSlot(const QString&)
{
    // The whole repair at once: cutting one character per textChanged round
    // would nest one round per character.
    m_pRepair->Apply(this, TextRepair::Amount(text()));
}

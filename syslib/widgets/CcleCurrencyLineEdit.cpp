// SPDX-License-Identifier: BSD-3-Clause
#include "CcleCurrencyLineEdit.h"

#include "inputrepair_p.h"
#include "textrepair_p.h"

class Q_DECL_HIDDEN CcleCurrencyLineEdit::Private
{
public:
    InputRepair* m_pRepair;
    QString m_qstrValue;
};

CcleCurrencyLineEdit::CcleCurrencyLineEdit(QWidget* parent, const char* name)
    : QLineEdit(parent)
    , d(new Private {new InputRepair(this), {}})
{
    setObjectName(name);
    d->m_pRepair->Watch(this);
    connect(this, &QLineEdit::textChanged, this, &CcleCurrencyLineEdit::LineEditTextChangedSlot);
}

CcleCurrencyLineEdit::~CcleCurrencyLineEdit() = default;

void CcleCurrencyLineEdit::LineEditTextChangedSlot(const QString&)
{
    // The whole repair at once: cutting one character per textChanged round
    // would nest one round per character.
    d->m_pRepair->Apply(this, TextRepair::Amount(TextRepair::Notation(text())));
    // Told once, from the innermost round, which sees the repaired text.
    if (value() != d->m_qstrValue)
        Q_EMIT valueChanged(d->m_qstrValue = value());
}

QString CcleCurrencyLineEdit::value() const
{
    return text().trimmed();
}

void CcleCurrencyLineEdit::setValue(const QString& p_qstrValue)
{
    setText(p_qstrValue);
}

#include "moc_CcleCurrencyLineEdit.cpp"

// SPDX-License-Identifier: BSD-3-Clause
#include "CnleNumberLineEdit.h"

#include "inputrepair_p.h"
#include "textrepair_p.h"

class Q_DECL_HIDDEN CnleNumberLineEdit::Private
{
public:
    void LineEditTextChangedSlot(const QString&)
    {
        m_pRepair->Apply(q, TextRepair::WholeNumber(q->text()));
        // Told once, from the innermost round, which sees the repaired text.
        if (q->value() != m_iValue)
            Q_EMIT q->valueChanged(m_iValue = q->value());
    }

    CnleNumberLineEdit* q;
    InputRepair* m_pRepair;
    int m_iValue = 0;
};

CnleNumberLineEdit::CnleNumberLineEdit(QWidget* parent, const char* name)
    : QLineEdit(parent)
    , d(new Private {this, new InputRepair(this)})
{
    setObjectName(name);
    d->m_pRepair->Watch(this);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& p_qstrText) { d->LineEditTextChangedSlot(p_qstrText); });
}

CnleNumberLineEdit::~CnleNumberLineEdit() = default;

int CnleNumberLineEdit::value() const
{
    return TextRepair::ValueOf(text());
}

void CnleNumberLineEdit::setValue(int p_iValue)
{
    setText(QString::number(p_iValue));
}

#include "moc_CnleNumberLineEdit.cpp"

// SPDX-License-Identifier: BSD-3-Clause
#include "CncbNumberComboBox.h"

#include "inputrepair_p.h"
#include "textrepair_p.h"

#include <QLineEdit>

CncbNumberComboBox::CncbNumberComboBox(QWidget* parent)
    : CncbNumberComboBox(true, parent)
{ }

class Q_DECL_HIDDEN CncbNumberComboBox::Private
{
public:
    void LineEditTextChangedSlot(const QString&)
    {
        if (QLineEdit* pqleEdit = q->lineEdit())
            m_pRepair->Apply(pqleEdit, TextRepair::WholeNumber(pqleEdit->text()));
        if (q->value() != m_iValue)
            Q_EMIT q->valueChanged(m_iValue = q->value());
    }

    CncbNumberComboBox* q;
    InputRepair* m_pRepair;
    int m_iValue = 0;
};

CncbNumberComboBox::CncbNumberComboBox(bool p_bEditable, QWidget* parent, const char* name)
    : QComboBox(parent)
    , d(new Private {this, new InputRepair(this)})
{
    setObjectName(name);
    setEditable(p_bEditable);
    if (QLineEdit* pqleEdit = lineEdit())
        d->m_pRepair->Watch(pqleEdit);
    connect(this, &QComboBox::editTextChanged, this,
            [this](const QString& p_qstrText) { d->LineEditTextChangedSlot(p_qstrText); });
}

CncbNumberComboBox::~CncbNumberComboBox() = default;

int CncbNumberComboBox::value() const
{
    return TextRepair::ValueOf(currentText());
}

void CncbNumberComboBox::setValue(int p_iValue)
{
    setEditText(QString::number(p_iValue));
}

#include "moc_CncbNumberComboBox.cpp"

// SPDX-License-Identifier: BSD-3-Clause
#include "CncbNumberComboBox.h"

#include "inputrepair_p.h"
#include "textrepair_p.h"

#include <QLineEdit>

CncbNumberComboBox::CncbNumberComboBox(QWidget* parent)
    : CncbNumberComboBox(true, parent)
{ }

CncbNumberComboBox::CncbNumberComboBox(bool p_bEditable, QWidget* parent, const char* name)
    : QComboBox(parent)
    , m_pRepair(new InputRepair(this))
{
    setObjectName(name);
    setEditable(p_bEditable);
    if (QLineEdit* pqleEdit = lineEdit())
        m_pRepair->Watch(pqleEdit);
    connect(this, &QComboBox::editTextChanged, this, &CncbNumberComboBox::LineEditTextChangedSlot);
}

CncbNumberComboBox::~CncbNumberComboBox() = default;

void CncbNumberComboBox::LineEditTextChangedSlot(const QString&)
{
    if (QLineEdit* pqleEdit = lineEdit())
        m_pRepair->Apply(pqleEdit, TextRepair::WholeNumber(pqleEdit->text()));
    if (value() != m_iValue)
        Q_EMIT valueChanged(m_iValue = value());
}

int CncbNumberComboBox::value() const
{
    return TextRepair::ValueOf(currentText());
}

void CncbNumberComboBox::setValue(int p_iValue)
{
    setEditText(QString::number(p_iValue));
}

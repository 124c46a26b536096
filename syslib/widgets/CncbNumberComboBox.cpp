#include "CncbNumberComboBox.h"

#include "textrepair_p.h"

CncbNumberComboBox::CncbNumberComboBox(bool p_bEditable, QWidget* parent, const char* name)
    : QComboBox(parent)
{
    setObjectName(name);
    setEditable(p_bEditable);
    connect(this, &QComboBox::editTextChanged, this, &CncbNumberComboBox::LineEditTextChangedSlot);
}

CncbNumberComboBox::~CncbNumberComboBox() = default;

void CncbNumberComboBox::LineEditTextChangedSlot(const QString&)
{
    const QString qstrText = currentText();
    const QString qstrRepaired = TextRepair::WholeNumber(qstrText);
    if (qstrRepaired != qstrText)
        setEditText(qstrRepaired);
}

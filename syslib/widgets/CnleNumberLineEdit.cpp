#include "CnleNumberLineEdit.h"

#include "textrepair_p.h"

CnleNumberLineEdit::CnleNumberLineEdit(QWidget* parent, const char* name)
    : QLineEdit(parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, &CnleNumberLineEdit::LineEditTextChangedSlot);
}

CnleNumberLineEdit::~CnleNumberLineEdit() = default;

void CnleNumberLineEdit::LineEditTextChangedSlot(const QString&)
{
    const QString qstrText = text();
    const QString qstrRepaired = TextRepair::WholeNumber(qstrText);
    if (qstrRepaired != qstrText)
        setText(qstrRepaired);
}

#include "CcleCurrencyLineEdit.h"

#include "textrepair_p.h"

CcleCurrencyLineEdit::CcleCurrencyLineEdit(QWidget* parent, const char* name)
    : QLineEdit(parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, &CcleCurrencyLineEdit::LineEditTextChangedSlot);
}

CcleCurrencyLineEdit::~CcleCurrencyLineEdit() = default;

void CcleCurrencyLineEdit::LineEditTextChangedSlot(const QString&)
{
    // The whole repair at once: cutting one character per textChanged round
    // would nest one round per character.
    const QString qstrText = text();
    const QString qstrRepaired = TextRepair::Amount(qstrText);
    if (qstrRepaired != qstrText)
        setText(qstrRepaired);
}

// SPDX-License-Identifier: BSD-3-Clause
#ifndef CCLECURRENCYLINEEDIT_H
#define CCLECURRENCYLINEEDIT_H

#include "torvasyslib_export.h"

#include <QLineEdit>

class InputRepair;

// A line edit for amounts of money: it keeps its text a decimal number with
// "." as the decimal point, cutting an invalid text at its end and turning a
// "," typed at the end into ".".
class TORVASYSLIB_EXPORT CcleCurrencyLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CcleCurrencyLineEdit(QWidget* parent = nullptr, const char* name = nullptr);
    ~CcleCurrencyLineEdit() override;

protected Q_SLOTS:
    virtual void LineEditTextChangedSlot(const QString& p_qstrText);

private:
    InputRepair* m_pRepair;
};

#endif

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
    Q_PROPERTY(QString value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    explicit CcleCurrencyLineEdit(QWidget* parent = nullptr, const char* name = nullptr);
    ~CcleCurrencyLineEdit() override;

    QString value() const;
    void setValue(const QString& p_qstrValue);

Q_SIGNALS:
    void valueChanged(const QString& p_qstrValue);

protected Q_SLOTS:
    virtual void LineEditTextChangedSlot(const QString& p_qstrText);

private:
    InputRepair* m_pRepair;
    QString m_qstrValue;
};

#endif

// SPDX-License-Identifier: BSD-3-Clause
#ifndef CNLENUMBERLINEEDIT_H
#define CNLENUMBERLINEEDIT_H

#include "torvasyslib_export.h"

#include <QLineEdit>

class InputRepair;

// A line edit for whole numbers in the signed 32-bit range: an invalid text
// is cut at its end until it is a number again.
class TORVASYSLIB_EXPORT CnleNumberLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    explicit CnleNumberLineEdit(QWidget* parent = nullptr, const char* name = nullptr);
    ~CnleNumberLineEdit() override;

    int value() const;
    void setValue(int p_iValue);

Q_SIGNALS:
    void valueChanged(int p_iValue);

private Q_SLOTS:
    void LineEditTextChangedSlot(const QString& p_qstrText);

private:
    InputRepair* m_pRepair;
    int m_iValue = 0;
};

#endif

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

public:
    explicit CnleNumberLineEdit(QWidget* parent = nullptr, const char* name = nullptr);
    ~CnleNumberLineEdit() override;

private Q_SLOTS:
    void LineEditTextChangedSlot(const QString& p_qstrText);

private:
    InputRepair* m_pRepair;
};

#endif

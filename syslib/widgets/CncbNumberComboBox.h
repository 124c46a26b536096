// SPDX-License-Identifier: BSD-3-Clause
#ifndef CNCBNUMBERCOMBOBOX_H
#define CNCBNUMBERCOMBOBOX_H

#include "torvasyslib_export.h"

#include <QComboBox>

class InputRepair;

// A combo box whose edit field (when editable) takes whole numbers in the
// signed 32-bit range, like CnleNumberLineEdit.
class TORVASYSLIB_EXPORT CncbNumberComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CncbNumberComboBox(bool p_bEditable, QWidget* parent = nullptr, const char* name = nullptr);
    ~CncbNumberComboBox() override;

private Q_SLOTS:
    void LineEditTextChangedSlot(const QString& p_qstrText);

private:
    InputRepair* m_pRepair;
};

#endif

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
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    explicit CncbNumberComboBox(QWidget* parent = nullptr);
    explicit CncbNumberComboBox(bool p_bEditable, QWidget* parent = nullptr, const char* name = nullptr);
    ~CncbNumberComboBox() override;

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

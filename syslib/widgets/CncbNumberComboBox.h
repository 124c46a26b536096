// SPDX-License-Identifier: BSD-3-Clause
#ifndef CNCBNUMBERCOMBOBOX_H
#define CNCBNUMBERCOMBOBOX_H

#include "torvasyslib_export.h"

#include <QComboBox>

#include <memory>

/// A combo box whose edit field takes whole numbers in the signed 32-bit
/// range, repaired as in CnleNumberLineEdit.
///
/// The items are left as they are; the property `value` (the form's bound
/// value) holds the number of the current text.
///
/// \code
/// auto* copies = new CncbNumberComboBox(true, form, "copies");
/// copies->addItems({"1", "2", "5"});
/// copies->setValue(3);                      // the edit field shows 3
/// const int count = copies->value();
/// \endcode
class TORVASYSLIB_EXPORT CncbNumberComboBox : public QComboBox
{
    Q_OBJECT
    /// The number of the current text (value(); 0 for the empty text), the user
    /// property that forms bind: a QDataWidgetMapper reads and writes it;
    /// valueChanged() tells its changes.
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    /// An editable combo box, as a form made in Qt Designer builds it.
    explicit CncbNumberComboBox(QWidget* parent = nullptr);
    /// \param p_bEditable whether it has an edit field; without one nothing is repaired.
    /// \param parent the parent widget.
    /// \param name the object name.
    explicit CncbNumberComboBox(bool p_bEditable, QWidget* parent = nullptr, const char* name = nullptr);
    ~CncbNumberComboBox() override;

    /// The number of the current text; 0 for the empty text.
    int value() const;
    /// Shows the number in base 10 in the edit field.
    void setValue(int p_iValue);

Q_SIGNALS:
    /// The number changed, by typing or by the program; sent once a change.
    void valueChanged(int p_iValue);

private:
    class Private;
    std::unique_ptr<Private> d;

    Q_PRIVATE_SLOT(d, void LineEditTextChangedSlot(const QString&))
};

#endif

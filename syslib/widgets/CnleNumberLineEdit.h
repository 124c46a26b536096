// SPDX-License-Identifier: BSD-3-Clause
#ifndef CNLENUMBERLINEEDIT_H
#define CNLENUMBERLINEEDIT_H

#include "torvasyslib_export.h"

#include <QLineEdit>

#include <memory>

/// A line edit for whole numbers in the signed 32-bit range.
///
/// Whenever its text stops being such a number (white space around it and
/// one sign allowed), the text is cut at its end until it is one again or
/// empty: a letter typed into "123456" after "12" leaves "12". One Ctrl+Z
/// brings back the text as it was before the keystroke that was cut off.
/// The property `value` (the form's bound value) holds the number.
///
/// \code
/// auto* amount = new CnleNumberLineEdit(form, "amount");
/// connect(amount, &CnleNumberLineEdit::valueChanged, form, [](int number) { qDebug() << number; });
/// amount->setText("12a3");                  // repaired to "12"
/// \endcode
class TORVASYSLIB_EXPORT CnleNumberLineEdit : public QLineEdit
{
    Q_OBJECT
    /// The number shown (value(); 0 for the empty text), the user property that
    /// forms bind: a QDataWidgetMapper reads and writes it; valueChanged() tells its changes.
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    /// \param parent the parent widget.
    /// \param name the object name.
    explicit CnleNumberLineEdit(QWidget* parent = nullptr, const char* name = nullptr);
    ~CnleNumberLineEdit() override;

    /// The number shown; 0 for the empty text.
    int value() const;
    /// Shows the number in base 10.
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

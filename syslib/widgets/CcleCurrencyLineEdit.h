// SPDX-License-Identifier: BSD-3-Clause
#ifndef CCLECURRENCYLINEEDIT_H
#define CCLECURRENCYLINEEDIT_H

#include "torvasyslib_export.h"

#include <QLineEdit>

#include <memory>

/// A line edit for amounts of money: a decimal number with "." as the
/// decimal point, any number of decimals, an exponent allowed.
///
/// Amounts typed or pasted as people write them keep their value: "12,5"
/// becomes 12.5, "1.234,56" and "12.345.678,9" (points in groups of three
/// before a comma are group marks) 1234.56 and 12345678.9, "1,234.56" and
/// "1,234,567" 1234.56 and 1234567. Whenever the text stops being a number
/// it is cut at its end, and a "," at the end first becomes "." (so a typed
/// decimal comma becomes the point). One Ctrl+Z brings back the text as it
/// was before the keystroke or paste that was cut off. The property `value` (the form's bound value) is the
/// amount as text, keeping every digit: no binary fraction changes "0.10".
///
/// \code
/// auto* price = new CcleCurrencyLineEdit(form, "price");
/// connect(price, &CcleCurrencyLineEdit::valueChanged, form,
///         [](const QString& amount) { qDebug() << "amount" << amount; });
/// price->setValue("1.234,56");              // shows 1234.56
/// \endcode
class TORVASYSLIB_EXPORT CcleCurrencyLineEdit : public QLineEdit
{
    Q_OBJECT
    /// The amount as shown (value()), the user property that forms bind: a
    /// QDataWidgetMapper reads and writes it; valueChanged() tells its changes.
    Q_PROPERTY(QString value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    /// \param parent the parent widget.
    /// \param name the object name.
    explicit CcleCurrencyLineEdit(QWidget* parent = nullptr, const char* name = nullptr);
    ~CcleCurrencyLineEdit() override;

    /// The amount as shown, without the white space in front.
    QString value() const;
    /// Shows the amount as the field would show such a text typed or pasted.
    void setValue(const QString& p_qstrValue);

Q_SIGNALS:
    /// The amount changed, by typing or by the program; sent once a change.
    void valueChanged(const QString& p_qstrValue);

protected Q_SLOTS:
    /// Repairs the text after every change; the argument is not used.
    virtual void LineEditTextChangedSlot(const QString& p_qstrText);

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif

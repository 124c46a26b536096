// SPDX-License-Identifier: BSD-3-Clause
#ifndef TEXTREPAIR_P_H
#define TEXTREPAIR_P_H

#include <QString>

// The repair of the number and currency inputs, in one pass. The inputs cut
// an invalid text at its end one character at a time until it is valid or
// empty; both functions give that final text directly, in time linear in the
// text's length.
namespace TextRepair
{
// Whole numbers: optional white space, an optional sign, digits, optional
// white space, within the signed 32-bit range. The result is the longest
// valid beginning of the text, or the empty text.
QString WholeNumber(const QString& p_qstrText);

// Amounts: optional leading white space, an optional sign, digits with at
// most one "." (a digit before or after it), an optional exponent; nothing
// after. At each cut a "," at the end first becomes "." before it would be
// removed.
QString Amount(const QString& p_qstrText);

// An amount in the notation people write, as the amount rule reads it: a
// comma after points in groups of three makes those points group marks
// ("1.234,56", "12.345.678,9"), and a point after such a group is taken for
// another group mark while the amount is typed ("12.345." is 12345 so far);
// commas in groups of three before the point are group marks ("1,234.56"),
// as are two or more of them in a whole number ("1,234,567"); a single comma
// without a point is the decimal point ("12,5"). Any other text stays.
QString Notation(const QString& p_qstrText);

// The whole number of a repaired text; 0 for the empty text.
int ValueOf(const QString& p_qstrText);
}

#endif

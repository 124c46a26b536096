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

// The whole number of a repaired text; 0 for the empty text.
int ValueOf(const QString& p_qstrText);
}

#endif

// SPDX-License-Identifier: BSD-3-Clause
#ifndef REPAIRMODEL_H
#define REPAIRMODEL_H

#include <QRegularExpression>
#include <QString>

// The inputs' repair as described: the text cut one character at a time
// until it follows the rule checked by a regular expression; the amount's
// last comma becomes a point rather than being cut.
namespace RepairModel
{
inline QString CutWholeNumber(QString p_qstrText)
{
    static const QRegularExpression rule("^[ \\t\\n\\v\\f\\r]*([+-]?)0*([0-9]+)[ \\t\\n\\v\\f\\r]*\\z");
    for (;; p_qstrText.chop(1)) {
        const QRegularExpressionMatch match = rule.match(p_qstrText);
        const qint64 iValue = match.captured(2).toLongLong() * (match.captured(1) == "-" ? -1 : 1);
        if (p_qstrText.isEmpty()
            || (match.hasMatch() && match.captured(2).size() <= 10 && iValue >= -2147483648LL
                && iValue <= 2147483647LL))
            return p_qstrText;
    }
}

inline QString CutAmount(QString p_qstrText)
{
    static const QRegularExpression rule("^[ \\t\\n\\v\\f\\r]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?\\z");
    while (!p_qstrText.isEmpty() && !rule.match(p_qstrText).hasMatch()) {
        if (p_qstrText.endsWith(','))
            p_qstrText.back() = '.';
        else
            p_qstrText.chop(1);
    }
    return p_qstrText;
}
}

#endif

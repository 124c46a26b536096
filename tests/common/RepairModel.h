// SPDX-License-Identifier: BSD-3-Clause
#ifndef REPAIRMODEL_H
#define REPAIRMODEL_H

#include <QRegularExpression>
#include <QString>

// The inputs' repair as described: the rules checked by regular expressions,
// and the text cut one character at a time until it follows them.
namespace RepairModel
{
inline bool IsWholeNumber(const QString& p_qstrText)
{
    static const QRegularExpression rule("^[ \\t\\n\\v\\f\\r]*([+-]?)0*([0-9]+)[ \\t\\n\\v\\f\\r]*\\z");
    const QRegularExpressionMatch match = rule.match(p_qstrText);
    if (!match.hasMatch() || match.captured(2).size() > 10)
        return false;
    const qint64 iValue = match.captured(2).toLongLong() * (match.captured(1) == "-" ? -1 : 1);
    return iValue >= -2147483648LL && iValue <= 2147483647LL;
}

inline bool IsAmount(const QString& p_qstrText)
{
    static const QRegularExpression rule("^[ \\t\\n\\v\\f\\r]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?\\z");
    return rule.match(p_qstrText).hasMatch();
}

inline QString CutWholeNumber(QString p_qstrText)
{
    while (!p_qstrText.isEmpty() && !IsWholeNumber(p_qstrText))
        p_qstrText.chop(1);
    return p_qstrText;
}

inline QString CutAmount(QString p_qstrText)
{
    while (!p_qstrText.isEmpty() && !IsAmount(p_qstrText)) {
        if (p_qstrText.endsWith(','))
            p_qstrText.back() = '.';
        else
            p_qstrText.chop(1);
    }
    return p_qstrText;
}
}

#endif

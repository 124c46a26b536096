// SPDX-License-Identifier: BSD-3-Clause
#include "textrepair_p.h"

#include <QRegularExpression>

namespace
{
bool IsSpace(QChar p_qc)
{
    const char16_t c = p_qc.unicode();
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(QChar p_qc)
{
    return p_qc.unicode() >= '0' && p_qc.unicode() <= '9';
}

// States of reading a whole number from the left.
enum class WholeState { Space, Sign, Digits, TrailingSpace, Dead };

// States of reading an amount from the left.
enum class AmountState {
    Space,
    Sign,
    Point,
    Integer,
    IntegerPoint,
    Fraction,
    Exponent,
    ExponentSign,
    ExponentDigits,
    Dead
};

AmountState NextAmountState(AmountState p_eState, QChar p_qc)
{
    const bool bDigit = IsDigit(p_qc);
    const char16_t c = p_qc.unicode();
    switch (p_eState) {
    case AmountState::Space:
        if (IsSpace(p_qc))
            return AmountState::Space;
        if (c == '+' || c == '-')
            return AmountState::Sign;
        [[fallthrough]];
    case AmountState::Sign:
        if (bDigit)
            return AmountState::Integer;
        return c == '.' ? AmountState::Point : AmountState::Dead;
    case AmountState::Point:
        return bDigit ? AmountState::Fraction : AmountState::Dead;
    case AmountState::Integer:
        if (bDigit)
            return AmountState::Integer;
        if (c == '.')
            return AmountState::IntegerPoint;
        return c == 'e' || c == 'E' ? AmountState::Exponent : AmountState::Dead;
    case AmountState::IntegerPoint:
    case AmountState::Fraction:
        if (bDigit)
            return AmountState::Fraction;
        return c == 'e' || c == 'E' ? AmountState::Exponent : AmountState::Dead;
    case AmountState::Exponent:
        if (c == '+' || c == '-')
            return AmountState::ExponentSign;
        [[fallthrough]];
    case AmountState::ExponentSign:
    case AmountState::ExponentDigits:
        return bDigit ? AmountState::ExponentDigits : AmountState::Dead;
    case AmountState::Dead:
        break;
    }
    return AmountState::Dead;
}

bool IsComplete(AmountState p_eState)
{
    return p_eState == AmountState::Integer || p_eState == AmountState::IntegerPoint
        || p_eState == AmountState::Fraction || p_eState == AmountState::ExponentDigits;
}
}

QString TextRepair::WholeNumber(const QString& p_qstrText)
{
    // Magnitudes beyond 2^31 stay beyond it as digits are added, so the
    // accumulator is held just above it.
    constexpr qint64 Limit = qint64(1) << 31;
    WholeState eState = WholeState::Space;
    bool bNegative = false;
    qint64 iMagnitude = 0;
    qsizetype iValidLength = 0;
    for (qsizetype i = 0; i < p_qstrText.size(); ++i) {
        const QChar qc = p_qstrText.at(i);
        switch (eState) {
        case WholeState::Space:
            if (IsSpace(qc))
                break;
            if (qc == QLatin1Char('+') || qc == QLatin1Char('-')) {
                bNegative = qc == QLatin1Char('-');
                eState = WholeState::Sign;
                break;
            }
            [[fallthrough]];
        case WholeState::Sign:
        case WholeState::Digits:
            if (IsDigit(qc)) {
                iMagnitude = qMin(iMagnitude * 10 + (qc.unicode() - '0'), Limit + 1);
                eState = WholeState::Digits;
            } else if (eState == WholeState::Digits && IsSpace(qc)) {
                eState = WholeState::TrailingSpace;
            } else {
                eState = WholeState::Dead;
            }
            break;
        case WholeState::TrailingSpace:
            if (!IsSpace(qc))
                eState = WholeState::Dead;
            break;
        case WholeState::Dead:
            break;
        }
        if (eState == WholeState::Dead)
            break;
        const bool bInRange = iMagnitude < Limit || (bNegative && iMagnitude == Limit);
        if ((eState == WholeState::Digits || eState == WholeState::TrailingSpace) && bInRange)
            iValidLength = i + 1;
    }
    return p_qstrText.left(iValidLength);
}

QString TextRepair::Amount(const QString& p_qstrText)
{
    // The text cut to length L is valid when its first L-1 characters read
    // without a dead end and its last character (a "," taken as ".")
    // completes a number. The longest such L wins.
    AmountState eBefore = AmountState::Space;
    qsizetype iValidLength = 0;
    bool bPointForComma = false;
    for (qsizetype i = 0; i < p_qstrText.size() && eBefore != AmountState::Dead; ++i) {
        const QChar qc = p_qstrText.at(i);
        const bool bComma = qc == QLatin1Char(',');
        if (IsComplete(NextAmountState(eBefore, bComma ? QLatin1Char('.') : qc))) {
            iValidLength = i + 1;
            bPointForComma = bComma;
        }
        eBefore = NextAmountState(eBefore, qc);
    }
    QString qstrRepaired = p_qstrText.left(iValidLength);
    if (bPointForComma)
        qstrRepaired[iValidLength - 1] = QLatin1Char('.');
    return qstrRepaired;
}

QString TextRepair::Notation(const QString& p_qstrText)
{
    // Groups of three digits after a first group of one to three, not
    // starting with 0, marked with the character.
    static const QRegularExpression s_qreGermanComma("^(\\s*[+-]?)([1-9]\\d{0,2}(?:\\.\\d{3})+),(.*)$");
    static const QRegularExpression s_qreGermanPoint("^(\\s*[+-]?)([1-9]\\d{0,2}(?:\\.\\d{3})+)\\.(.*)$");
    static const QRegularExpression s_qreEnglishPoint("^(\\s*[+-]?)([1-9]\\d{0,2}(?:,\\d{3})+)\\.(.*)$");
    static const QRegularExpression s_qreEnglishWhole("^(\\s*[+-]?)([1-9]\\d{0,2}(?:,\\d{3}){2,})$");
    QRegularExpressionMatch match = s_qreGermanComma.match(p_qstrText);
    if (match.hasMatch())
        return match.captured(1) + match.captured(2).remove(QLatin1Char('.')) + QLatin1Char('.') + match.captured(3);
    if ((match = s_qreGermanPoint.match(p_qstrText)).hasMatch())
        return match.captured(1) + match.captured(2).remove(QLatin1Char('.')) + match.captured(3);
    if ((match = s_qreEnglishPoint.match(p_qstrText)).hasMatch())
        return match.captured(1) + match.captured(2).remove(QLatin1Char(',')) + QLatin1Char('.') + match.captured(3);
    if ((match = s_qreEnglishWhole.match(p_qstrText)).hasMatch())
        return match.captured(1) + match.captured(2).remove(QLatin1Char(','));
    if (p_qstrText.count(QLatin1Char(',')) == 1 && !p_qstrText.contains(QLatin1Char('.')))
        return QString(p_qstrText).replace(QLatin1Char(','), QLatin1Char('.'));
    return p_qstrText;
}

int TextRepair::ValueOf(const QString& p_qstrText)
{
    return p_qstrText.trimmed().toInt(nullptr, 10);
}

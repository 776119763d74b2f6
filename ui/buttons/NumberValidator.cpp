#include "ui/buttons/NumberValidator.h"

NumberValidator::NumberValidator(int minimum, int maximum, QObject *parent)
    : QValidator(parent), m_minimum(minimum), m_maximum(maximum)
{
}

QValidator::State NumberValidator::validate(QString &input, int &) const
{
    if (input.isEmpty())
        return Intermediate;
    for (const QChar c : qAsConst(input)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    }
    bool ok = false;
    const int value = input.toInt(&ok);
    if (!ok || value > m_maximum || input.startsWith(QLatin1Char('0')))
        return Invalid;
    if (value >= m_minimum)
        return Acceptable;
    // Too small yet: only while more digits can still reach the range.
    return value * 10 <= m_maximum ? Intermediate : Invalid;
}

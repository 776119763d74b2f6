#include "ui/macro/LoopCountValidator.h"

LoopCountValidator::LoopCountValidator(QObject *parent) : QIntValidator(LOOP_COUNT_MIN, LOOP_COUNT_MAX, parent)
{
}

QValidator::State LoopCountValidator::validate(QString &input, int &pos) const
{
    if (input.startsWith(QLatin1Char('0')))
        return Invalid;
    return QIntValidator::validate(input, pos);
}

#include "ui/macro/LoopCountValidator.h"

LoopCountValidator::LoopCountValidator(QObject *parent) : QIntValidator(LOOP_COUNT_MIN, LOOP_COUNT_MAX, parent)
{
}

QValidator::State LoopCountValidator::validate(QString &input, int &pos) const
{
    // QIntValidator lets a number with no more digits than the top through as
    // Intermediate; a count can only grow by typing, so too big is final.
    if (input.startsWith(QLatin1Char('0')))
        return Invalid;
    const State state = QIntValidator::validate(input, pos);
    bool ok = false;
    const int value = input.toInt(&ok);
    if (state == Intermediate && ok && value > top())
        return Invalid;
    return state;
}

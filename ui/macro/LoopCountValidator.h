#pragma once
// Loop counts 1..255 as typed: a leading zero is refused outright, so neither
// 0 nor 256 can be entered.
#include <QIntValidator>

class LoopCountValidator : public QIntValidator
{
public:
    explicit LoopCountValidator(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};

constexpr int LOOP_COUNT_MIN = 1;
constexpr int LOOP_COUNT_MAX = 255;

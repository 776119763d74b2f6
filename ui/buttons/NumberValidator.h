#pragma once
// Whole numbers in a range that cannot even be typed out of range: unlike
// QIntValidator, which lets "0" or "300" stand as intermediate input for
// 1..255, a digit that leaves the range is refused.
#include <QValidator>

class NumberValidator : public QValidator
{
    Q_OBJECT

public:
    NumberValidator(int minimum, int maximum, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    int m_minimum;
    int m_maximum;
};

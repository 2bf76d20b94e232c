#include "rangevalidator.h"

RangeValidator::RangeValidator(int minimum, int maximum, QObject *parent)
    : QValidator(parent)
    , m_minimum(qMax(0, minimum))
    , m_maximum(qMax(qMax(0, minimum), maximum))
{
}

QValidator::State RangeValidator::validate(QString &input, int &pos) const
{
    (void)pos;
    if (input.isEmpty())
        return Intermediate;
    for (const QChar c : input) {
        if (!c.isDigit() || c.unicode() > '9')
            return Invalid;
    }
    // A leading zero never leads to a number of the range ("0" alone is one
    // only when the range starts at 0).
    if (input.size() > 1 && input.at(0) == QLatin1Char('0'))
        return Invalid;
    if (input.size() > QString::number(m_maximum).size())
        return Invalid;
    const int value = input.toInt();
    if (value > m_maximum)
        return Invalid;
    if (value < m_minimum)
        return value == 0 ? Invalid : Intermediate;
    return Acceptable;
}

void RangeValidator::fixup(QString &input) const
{
    bool ok = false;
    const int value = input.toInt(&ok);
    if (ok && value < m_minimum)
        input = QString::number(m_minimum);
}

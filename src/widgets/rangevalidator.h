#pragma once

#include <QValidator>

// A whole number field that only ever holds a number of its range: unlike
// QIntValidator, a number above the maximum cannot be typed at all (QIntValidator
// lets "256" stand in a 1..255 field while it is typed and leaves the reader to
// clamp it). A number below the minimum may stand while more digits can follow;
// when the field is left, it is raised to the minimum, so that the field shows
// the value that will be kept. An empty field stays empty: readers give it the
// field's default.
class RangeValidator : public QValidator {
    Q_OBJECT
public:
    RangeValidator(int minimum, int maximum, QObject *parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    int m_minimum;
    int m_maximum;
};

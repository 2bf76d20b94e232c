#pragma once

#include <QString>
#include <QStringList>

// The macro numbers of one button upload: a button whose function is a macro
// names its macro by number, and the macro upload writes each numbered macro
// into the memory bank of that number. Numbers are handed out in the order the
// buttons are written, one per distinct name, from 0.
class MacroNumbering {
public:
    // The number of `name`: the one it already has, else the next free one.
    int assign(const QString &name);

    int size() const { return int(m_names.size()); }
    bool isEmpty() const { return m_names.isEmpty(); }
    // The name of macro number `number`; empty when there is no such number.
    QString name(int number) const { return m_names.value(number); }
    const QStringList &names() const { return m_names; }

    bool operator==(const MacroNumbering &o) const { return m_names == o.m_names; }

private:
    QStringList m_names;   // index = macro number
};

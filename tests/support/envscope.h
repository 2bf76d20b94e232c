#pragma once

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>

// Sets or clears environment variables for one scope and gives every one it
// touched its old value (or absence) back at the end. A null value clears.
class EnvScope {
public:
    EnvScope() = default;
    EnvScope(const char *name, const QByteArray &value) { set(name, value); }
    EnvScope(const EnvScope &) = delete;
    EnvScope &operator=(const EnvScope &) = delete;
    ~EnvScope()
    {
        for (auto it = m_old.begin(); it != m_old.end(); ++it)
            put(it.key().constData(), it.value());
    }

    void set(const char *name, const QByteArray &value)
    {
        if (!m_old.contains(name))
            m_old.insert(name, qgetenv(name));
        put(name, value);
    }
    void set(const char *name, const QString &value)
    {
        set(name, value.isNull() ? QByteArray() : QFile::encodeName(value));
    }

private:
    static void put(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QMap<QByteArray, QByteArray> m_old;
};

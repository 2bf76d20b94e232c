#pragma once

#include <QFile>
#include <QString>

#include <cstdint>

// The exchange log: one line per report written to the mouse ("> ") and per
// report it sends ("< "), the 33 bytes in lower-case hex. Lines are flushed
// as they are written so that a test or a person can follow the file live.
// Not thread-safe; the virtual mouse holds its lock around it.
class SimTrace {
public:
    bool open(const QString &path);   // appends to the file; false when it cannot be opened
    void close();
    bool isOpen() const { return m_file.isOpen(); }

    void written(const uint8_t *report) { line('>', report); }
    void sent(const uint8_t *report) { line('<', report); }

private:
    void line(char direction, const uint8_t *report);

    QFile m_file;
};

#include "simtrace.h"

#include "device/report.h"

bool SimTrace::open(const QString &path)
{
    close();
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void SimTrace::close()
{
    if (m_file.isOpen())
        m_file.close();
}

void SimTrace::line(char direction, const uint8_t *report)
{
    if (!m_file.isOpen())
        return;
    std::string text(1, direction);
    text += ' ';
    text += reportHex(report);
    text += '\n';
    m_file.write(text.data(), qint64(text.size()));
    m_file.flush();
}

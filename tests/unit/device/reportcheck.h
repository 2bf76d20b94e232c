#pragma once

#include "device/report.h"

#include <QByteArray>
#include <QtTest>

Q_DECLARE_METATYPE(ReportBuffer)

// Expected reports are written as the hex text of their leading report bytes
// ("05 00 fa 46 01"); every byte after them, and the unsent buffer byte 0,
// must be zero.
inline QByteArray reportPrefixHex(const ReportBuffer &report, int count)
{
    QByteArray text;
    for (int i = 0; i < count && i < kReportLength; ++i) {
        if (i)
            text += ' ';
        text += QByteArray::number(report.at(i), 16).rightJustified(2, '0');
    }
    return text;
}

inline bool zeroFrom(const ReportBuffer &report, int position)
{
    if (report.bytes[0] != 0)
        return false;
    for (int i = position + 1; i < kReportBufferSize; ++i) {
        if (report.bytes[i] != 0)
            return false;
    }
    return true;
}

#define COMPARE_REPORT(actual, expected)                                                                   \
    do {                                                                                                   \
        const QByteArray expectedHex_ = QByteArray(expected).simplified().toLower();                      \
        const int count_ = (expectedHex_.size() + 1) / 3;                                                  \
        QCOMPARE(reportPrefixHex((actual), count_), expectedHex_);                                         \
        QVERIFY2(zeroFrom((actual), count_), "bytes after the expected ones are not zero");               \
    } while (0)

// Hex text of a byte range, for comparing block contents.
template <typename Iterator>
QByteArray bytesHex(Iterator begin, Iterator end)
{
    QByteArray text;
    for (auto it = begin; it != end; ++it) {
        if (!text.isEmpty())
            text += ' ';
        text += QByteArray::number(uint8_t(*it), 16).rightJustified(2, '0');
    }
    return text;
}

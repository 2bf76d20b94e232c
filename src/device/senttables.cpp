#include "senttables.h"

#include "devicelog.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {

// First line of the file: the form and the product the tables went to; then
// one line per known table, "<index> <hex bytes>".
const QByteArray kHeader = QByteArrayLiteral("mousecfg-sent-tables 1 ");

} // namespace

bool SentTables::isEmpty() const
{
    return std::all_of(m_bytes.begin(), m_bytes.end(), [](const QByteArray &b) { return b.isEmpty(); });
}

void SentTables::set(int table, const QByteArray &bytes)
{
    if (table >= 0 && table < kCount)
        m_bytes[size_t(table)] = bytes;
}

void SentTables::clear()
{
    m_bytes.fill(QByteArray());
}

void SentTables::load(const QString &path, const QString &product)
{
    clear();
    QFile file(path);
    if (product.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    // The whole file is at most 20 macro banks and four small tables.
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    if (lines.isEmpty() || lines.first() != kHeader + product.toUtf8().toHex())
        return;
    SentTables read;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QList<QByteArray> fields = lines[i].split(' ');
        bool ok = false;
        const int table = fields.size() == 2 ? fields[0].toInt(&ok) : -1;
        const QByteArray bytes = QByteArray::fromHex(fields.value(1));
        if (!ok || table < 0 || table >= kCount || bytes.isEmpty() || bytes.toHex() != fields[1]) {
            qCDebug(lcDevice) << "the record of what the mouse holds" << path << "is damaged; the next upload sends everything";
            return;
        }
        read.set(table, bytes);
    }
    *this = read;
}

bool SentTables::save(const QString &path, const QString &product) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QByteArray text = kHeader + product.toUtf8().toHex() + '\n';
    for (int table = 0; table < kCount; ++table) {
        if (knows(table))
            text += QByteArray::number(table) + ' ' + bytes(table).toHex() + '\n';
    }
    // Written beside the file and renamed over it, without a sync to disk:
    // a file cut short by a crash reads as "nothing known", which only
    // makes the next upload a full one.
    const QString staging = path + QStringLiteral(".new");
    QFile file(staging);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
    file.close();
    if (!written || std::rename(QFile::encodeName(staging).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(staging);
        return false;
    }
    return true;
}

#include "gifwriter.h"

#include <unordered_map>

namespace {

constexpr int kMinCodeSize = 8;
constexpr int kClearCode = 1 << kMinCodeSize;
constexpr int kEndCode = kClearCode + 1;
constexpr int kMaxCode = 4095;

// Packs variable-width codes least significant bit first and cuts them into
// the data sub-blocks of at most 255 bytes that GIF wants.
class CodeStream {
public:
    explicit CodeStream(QByteArray &out)
        : m_out(out)
    {
    }

    void write(int code, int width)
    {
        m_bits |= quint32(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            pushByte(char(m_bits & 0xff));
            m_bits >>= 8;
            m_count -= 8;
        }
    }

    void finish()
    {
        if (m_count > 0)
            pushByte(char(m_bits & 0xff));
        flushBlock();
        m_out.append('\0');
    }

private:
    void pushByte(char byte)
    {
        m_block.append(byte);
        if (m_block.size() == 255)
            flushBlock();
    }

    void flushBlock()
    {
        if (m_block.isEmpty())
            return;
        m_out.append(char(m_block.size()));
        m_out.append(m_block);
        m_block.clear();
    }

    QByteArray &m_out;
    QByteArray m_block;
    quint32 m_bits = 0;
    int m_count = 0;
};

} // namespace

GifWriter::GifWriter(const QSize &size, const QVector<QRgb> &palette, int transparentIndex)
    : m_size(size)
    , m_transparent(transparentIndex)
{
    m_out.append("GIF89a", 6);
    writeShort(size.width());
    writeShort(size.height());
    // Global colour table of 256 entries, 8 bits of colour resolution.
    m_out.append(char(0xf7));
    m_out.append(char(transparentIndex >= 0 ? transparentIndex : 0));
    m_out.append('\0');
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette.at(i) : qRgb(0, 0, 0);
        m_out.append(char(qRed(c)));
        m_out.append(char(qGreen(c)));
        m_out.append(char(qBlue(c)));
    }
    // NETSCAPE2.0 application extension: loop for ever.
    m_out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
    writeShort(0);
    m_out.append('\0');
}

void GifWriter::writeShort(int value)
{
    m_out.append(char(value & 0xff));
    m_out.append(char((value >> 8) & 0xff));
}

bool GifWriter::addFrame(const QVector<uchar> &indices, int delayCentiseconds)
{
    if (m_finished || indices.size() != m_size.width() * m_size.height())
        return false;
    // Graphic control extension: restore to the background after the frame,
    // so that transparent pixels show what lies behind the animation.
    m_out.append("\x21\xf9\x04", 3);
    m_out.append(char((2 << 2) | (m_transparent >= 0 ? 1 : 0)));
    writeShort(delayCentiseconds);
    m_out.append(char(m_transparent >= 0 ? m_transparent : 0));
    m_out.append('\0');
    // Image descriptor: the whole canvas, no local colour table.
    m_out.append('\x2c');
    writeShort(0);
    writeShort(0);
    writeShort(m_size.width());
    writeShort(m_size.height());
    m_out.append('\0');
    writeImageData(indices);
    ++m_frames;
    return true;
}

void GifWriter::writeImageData(const QVector<uchar> &indices)
{
    m_out.append(char(kMinCodeSize));
    CodeStream stream(m_out);
    std::unordered_map<quint32, int> table;
    int codeSize = kMinCodeSize + 1;
    int lastCode = kEndCode;
    stream.write(kClearCode, codeSize);

    int current = -1;
    for (uchar index : indices) {
        if (current < 0) {
            current = index;
            continue;
        }
        const quint32 key = (quint32(current) << 8) | index;
        const auto found = table.find(key);
        if (found != table.end()) {
            current = found->second;
            continue;
        }
        stream.write(current, codeSize);
        table.emplace(key, ++lastCode);
        if (lastCode >= (1 << codeSize))
            ++codeSize;
        if (lastCode == kMaxCode) {
            // The table is full: start a fresh one.
            stream.write(kClearCode, codeSize);
            table.clear();
            codeSize = kMinCodeSize + 1;
            lastCode = kEndCode;
        }
        current = index;
    }
    if (current >= 0)
        stream.write(current, codeSize);
    stream.write(kEndCode, codeSize);
    stream.finish();
}

QByteArray GifWriter::finish()
{
    if (!m_finished) {
        m_out.append('\x3b');
        m_finished = true;
    }
    return m_out;
}

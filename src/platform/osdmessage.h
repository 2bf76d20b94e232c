#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

// One text for the on-screen display program, as the 1,044-byte block both
// sides exchange (the block the Windows tool hands over with WM_COPYDATA, so
// the layout stays the same on both systems). All integers are 32-bit
// little-endian, texts UTF-16LE and zero-terminated:
//
//   offset    0  512 bytes  text (at most 255 characters)
//   offset  512    4        reserved, 0
//   offset  516    4        duration in milliseconds
//   offset  520    4        reserved, 0
//   offset  524    4        colour: red + green * 256 + blue * 65536
//   offset  528    4        font pixel size
//   offset  532  512 bytes  font family (at most 255 characters)
struct OsdMessage {
    static constexpr int kBlockSize = 1044;
    static constexpr int kTextBytes = 512;
    static constexpr int kMaxChars = 255;   // leaves room for the terminating zero
    static constexpr int kDefaultDuration = 1500;
    static constexpr int kDefaultFontSize = 60;

    // The title of the display program's window; the local socket it listens
    // on is named after it (see serverName()).
    static const char kWindowTitle[];

    QString text;
    qint32 duration = kDefaultDuration;
    quint32 colour = 0;                      // red + green * 256 + blue * 65536
    qint32 fontSize = kDefaultFontSize;
    QString fontFamily = QStringLiteral("Arial");

    // The message the main window sends: its text in the theme colour, shown
    // for 1.5 s at 60 pixels in Arial.
    static OsdMessage forText(const QString &text, const QColor &themeColour);

    // Exactly kBlockSize bytes. Texts longer than 255 characters are cut (never
    // in the middle of a surrogate pair).
    QByteArray toBlock() const;

    // Reads a block field by field. Returns false and says why when the block
    // has the wrong size; odd field values are brought into a range the
    // display can show rather than refused.
    static bool fromBlock(const QByteArray &block, OsdMessage *out, QString *why = nullptr);

    static quint32 colourRef(const QColor &colour);
    static QColor colourFromRef(quint32 ref);

    // The local socket name derived from a window title: lower-case letters and
    // digits, other characters turned into single dashes. In $XDG_RUNTIME_DIR
    // when there is one (private to the user), else a name in the temporary
    // directory that carries the user id.
    static QString serverNameFor(const QString &windowTitle);
    static QString serverName();
};

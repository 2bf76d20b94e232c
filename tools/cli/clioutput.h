#pragma once

#include <QJsonObject>
#include <QString>

// What the front end prints: plain lines on standard output, messages on
// standard error, one JSON document when asked for.
namespace CliOutput {

// Exit codes besides the device result codes 0, 1, 2, 4 and 5.
constexpr int kUsage = 64;       // bad command line
constexpr int kDataError = 65;   // a file that is not for this mouse, a value the mouse does not take
constexpr int kNoInput = 66;     // the file to load does not exist
constexpr int kCantCreate = 73;  // a file could not be written

// While one exists, what the commands print is kept in it instead of going
// to the process's streams: the running window answers a command handed to
// it with what the command would have printed. One at a time.
class Capture {
public:
    Capture();
    ~Capture();
    Capture(const Capture &) = delete;
    Capture &operator=(const Capture &) = delete;

    QString out;
    QString err;
};

void line(const QString &text);
void error(const QString &text);
void json(const QJsonObject &object);

// The message the program shows for a device result code; empty for 0.
QString resultMessage(int result);

} // namespace CliOutput

#pragma once

#include <QByteArray>

// A look at INI bytes the way QSettings reads them, before QSettings does.
//
// Two things QSettings does not protect us from:
//  - It drops the lines it cannot parse when it rewrites a file, and it only
//    notices them when it parses the section they are in (possibly while a
//    cached, already parsed copy hides them), so its status cannot tell
//    whether a file is malformed before we write into it.
//  - Every "@Variant(...)" value of a parsed section is deserialised from a
//    data stream, whatever key is asked for. A twenty-byte line claiming a
//    list of two billion strings makes it allocate without bound and abort.
//
// The scanner follows the library's line rules (quotes, backslash
// continuations, ';' comments, section headers) so that its verdict and its
// repairs match what the library would read.
namespace IniScan {

struct Report {
    // QSettings would report a FormatError: a section header without ']' or
    // a line without '=' that is not a comment. Such lines are lost when the
    // library rewrites the file. A quote left open across a line break
    // counts too: the library would fold every following line, sections and
    // all, into that one value.
    bool malformed = false;
    // A serialised value of a type whose loading is not bounded by the size
    // of the file (containers, pictures, user types) and would be loaded as
    // soon as its section is read.
    bool hazardous = false;
    // A quote open at a line break (also counted as malformed). The library
    // reports no error for it, but reads the lines after it as one value.
    bool openQuote = false;

    bool clean() const { return !malformed && !hazardous; }
};

Report inspect(const QByteArray &data);

// The same file with the malformed lines removed (a header lacking ']' gets
// one, a quote left open is closed at the end of its line) and every
// hazardous value emptied. QSettings reads from it exactly
// the keys and values it would have read from `data`, minus the emptied
// values, and reports no error.
QByteArray repaired(const QByteArray &data);

// Whether a type id found at the start of a serialised variant is one whose
// loading reads a bounded number of bytes (scalars, strings, geometry,
// colours). Exposed for the tests.
bool isSafeVariantType(quint32 typeId);

// Whether the bytes of a serialised variant (what follows "@Variant(",
// unescaped, as the library streams it) can be loaded safely: a safe type, and for
// a colour a colour spec the library knows (any other is undefined
// behaviour in its loader).
bool isSafeVariant(const QByteArray &stream);

} // namespace IniScan

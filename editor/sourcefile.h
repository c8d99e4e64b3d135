#pragma once

#include "util/textcodec.h"

#include <QByteArray>
#include <QString>

namespace editor {

// How a source file's text is laid out in bytes, remembered when it is read
// so that a save writes the text back in the same form: an untouched file
// comes back byte for byte.
enum class LineEnd : char { CrLf, Lf, Cr };

struct SourceFormat {
    util::Encoding encoding = util::Encoding::Utf8;
    bool byteOrderMark = false;
    // The file's line end (the most frequent one when it has several).
    LineEnd lineEnd = LineEnd::CrLf;
    // Only for a file with more than one kind of line end: its text as last
    // read or written and the end of each of its lines, so that the lines a
    // save leaves alone keep their own.
    QString mixedText;
    QByteArray mixedEnds; // one LineEnd per line break of mixedText
    bool mixed() const { return !mixedEnds.isEmpty(); }
};

// A file's text as the editor holds it: every line break CR LF, and nothing
// added or taken away (a final line break stays, none is added).
struct SourceText {
    QString text;
    SourceFormat format;
};
SourceText decodeSource(const QByteArray& bytes);

// The bytes of a saved source: exactly the editor's text, with the file's
// own line ends, encoding and byte-order mark. Characters a Windows-1252
// file cannot hold are never lost: an HTML file gets numeric character
// references ("&#8364;"), any other file is written as UTF-8 instead;
// `change` says which. `format` is the file's format as written, for the
// next save.
struct SavedBytes {
    QByteArray bytes;
    SourceFormat format;
    enum class Change { None, CharacterReferences, NowUtf8 } change = Change::None;
};
SavedBytes encodeSource(const QString& text, const SourceFormat& format, bool isHtml);

} // namespace editor

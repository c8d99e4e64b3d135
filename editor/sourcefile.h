#pragma once

#include "util/textcodec.h"

#include <QByteArray>
#include <QString>

namespace editor {

// The bytes of a saved source: the editor text plus one CR LF, in the
// file's own encoding, so an untouched legacy file is written back byte for
// byte. Characters a Windows-1252 file cannot hold are never lost: an HTML
// file gets numeric character references ("&#8364;"), any other file is
// written as UTF-8 instead; `changed` then says which.
struct SavedBytes {
    QByteArray bytes;
    util::Encoding encoding = util::Encoding::Utf8;
    enum class Change { None, CharacterReferences, NowUtf8 } change = Change::None;
};
SavedBytes encodeSource(const QString& text, util::Encoding encoding, bool isHtml);

// Reads a file's bytes as editor text: encoding detected, CR LF line breaks.
util::DecodedText decodeSource(const QByteArray& bytes);

} // namespace editor

#include "editor/sourcefile.h"

#include <QList>

namespace editor {

SavedBytes encodeSource(const QString& text, util::Encoding encoding, bool isHtml) {
    const QString full = text + QStringLiteral("\r\n");
    SavedBytes out;
    out.encoding = encoding;
    if (encoding == util::Encoding::Utf8 || util::fitsWindows1252(full)) {
        out.bytes = util::encodeText(full, encoding);
        return out;
    }
    if (!isHtml) {
        out.encoding = util::Encoding::Utf8;
        out.change = SavedBytes::Change::NowUtf8;
        out.bytes = full.toUtf8();
        return out;
    }
    QString escaped;
    escaped.reserve(full.size() + 16);
    const auto ucs4 = full.toUcs4();
    for (char32_t c : ucs4) {
        const QString ch = QString::fromUcs4(&c, 1);
        if (util::fitsWindows1252(ch))
            escaped += ch;
        else
            escaped += QStringLiteral("&#%1;").arg(static_cast<quint32>(c));
    }
    out.change = SavedBytes::Change::CharacterReferences;
    out.bytes = util::encodeText(escaped, encoding);
    return out;
}

util::DecodedText decodeSource(const QByteArray& bytes) {
    util::DecodedText d = util::decodeText(bytes);
    d.text = util::toCrLf(d.text);
    return d;
}

} // namespace editor

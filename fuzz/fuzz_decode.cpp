// Reading a file and saving it unchanged gives back exactly the same bytes,
// whatever the encoding and line ends; the editor's text has CR LF breaks
// only, and an edit's new lines do not disturb that.
#include "editor/sourcefile.h"
#include "fuzzinput.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    const editor::SourceText read = editor::decodeSource(bytes);
    FUZZ_CHECK(!read.text.contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
    for (bool html : {true, false}) {
        const editor::SavedBytes saved = editor::encodeSource(read.text, read.format, html);
        FUZZ_CHECK(saved.bytes == bytes);
        FUZZ_CHECK(saved.change == editor::SavedBytes::Change::None);
    }
    // An edit in the middle (never inside a line break or a surrogate pair):
    // what is saved reads back as the edited text.
    qsizetype mid = read.text.size() / 2;
    if (mid > 0 &&
        (read.text.at(mid - 1) == QLatin1Char('\r') || read.text.at(mid).isLowSurrogate()))
        ++mid;
    const QString edited = read.text.left(mid) + QStringLiteral("x\r\ny") + read.text.mid(mid);
    const editor::SavedBytes saved = editor::encodeSource(edited, read.format, true);
    if (saved.change == editor::SavedBytes::Change::None)
        FUZZ_CHECK(editor::decodeSource(saved.bytes).text == edited);
    return 0;
}

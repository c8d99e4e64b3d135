// Reading a file and saving it unchanged gives back the same bytes (plus
// the one line break a save adds), whatever the encoding.
#include "editor/sourcefile.h"
#include "fuzzinput.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    const util::DecodedText decoded = editor::decodeSource(bytes);
    FUZZ_CHECK(!decoded.text.contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
    const editor::SavedBytes saved = editor::encodeSource(decoded.text, decoded.encoding, true);
    // Reading what was saved gives the same text back.
    const util::DecodedText again = editor::decodeSource(saved.bytes);
    FUZZ_CHECK(again.text == decoded.text + QStringLiteral("\r\n") ||
               saved.change != editor::SavedBytes::Change::None);
    return 0;
}

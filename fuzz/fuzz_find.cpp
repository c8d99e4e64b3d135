// The find engine: every match lies inside the text and is the needle;
// Replace All ends and counts what it replaced.
#include "editor/findengine.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    editor::FindOptions o;
    o.matchCase = data[0] & 1;
    o.wholeWord = data[0] & 2;
    o.ignoreHtml = data[0] & 4;
    const size_t needleLength = std::min<size_t>(data[1] % 8, size - 2);
    const QString needle = fuzzText(data + 2, needleLength);
    const QString hay = fuzzText(data + 2 + needleLength, size - 2 - needleLength);
    const QString h = o.matchCase ? hay : editor::lowerKeepingLength(hay);
    const QString n = o.matchCase ? needle : editor::lowerKeepingLength(needle);
    qsizetype pos = 0;
    int found = 0;
    while ((pos = editor::findNext(h, n, pos, o)) != 0) {
        FUZZ_CHECK(pos >= 1 && pos + n.size() - 1 <= h.size());
        FUZZ_CHECK(h.mid(pos - 1, n.size()) == n);
        FUZZ_CHECK(++found <= h.size());
    }
    const auto r = editor::replaceAll(hay, needle, QStringLiteral("<X>"), 0, o);
    FUZZ_CHECK(r.count <= found || o.ignoreHtml);
    return 0;
}

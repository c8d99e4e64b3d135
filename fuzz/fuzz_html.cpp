// The HTML token reader every markup-aware command shares: its tokens cover
// the text exactly, in order, each non-empty; markup ranges are ordered and
// inside the text; a tag's attributes can be read whatever the bytes.
#include "fuzzinput.h"
#include "util/htmltokens.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    util::html::Reader reader(text);
    util::html::Token t;
    qsizetype at = 0;
    while (reader.next(t)) {
        FUZZ_CHECK(t.start == at && t.end > t.start && t.end <= text.size());
        if (t.isTag()) {
            FUZZ_CHECK(text[t.start] == QLatin1Char('<') && !t.name.isEmpty());
            (void)util::html::attribute(QStringView(text).mid(t.start, t.end - t.start),
                                        QLatin1StringView("href"));
        }
        at = t.end;
    }
    FUZZ_CHECK(at == text.size());
    qsizetype last = 0;
    for (const auto& [from, to] : util::html::markupRanges(text)) {
        FUZZ_CHECK(from >= last && to > from && to <= text.size());
        last = to;
    }
    FUZZ_CHECK(util::html::textOnly(text).size() <= text.size());
    return 0;
}

// The document scan: it walks any text to its end, every word it stops at
// lies inside the text, and it always moves forward.
#include "fuzzinput.h"
#include "spelling/scan.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const QSet<QString> skipAll{QStringLiteral("Helo")};
    for (const bool html : {true, false}) {
        spelling::ScanRules rules;
        rules.html = html;
        rules.shortestText = html ? spelling::kShortestCheckedText : 0;
        // `start` is 1-based; a word comes back 0-based.
        int start = 1;
        for (int steps = 0; steps <= text.size() + 1; ++steps) {
            const spelling::ScanStop stop = spelling::nextWordToCheck(text, start, skipAll, rules);
            if (stop.kind != spelling::ScanStop::Kind::Word) break;
            FUZZ_CHECK(stop.start >= 0 && stop.length > 0 &&
                       stop.start + stop.length <= text.size());
            FUZZ_CHECK(stop.start + 1 >= start);
            start = stop.start + stop.length + 1;
        }
    }
    return 0;
}

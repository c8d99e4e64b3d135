// Suits to symbols and the hand symbols on any text: converting twice
// changes nothing more, and the hand command never crashes.
#include "bridge/suitnotation.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const bridge::Conversion once = bridge::suitsToSymbols(text);
    const bridge::Conversion twice = bridge::suitsToSymbols(once.text);
    FUZZ_CHECK(twice.text == once.text);
    (void)bridge::symbolsForHands(text);
    return 0;
}

// PBN files and deal strings, and the notation check, on any text: no
// crash, every board read writes back as the same deal, and every finding
// lies inside the text.
#include "deal/diagram.h"
#include "deal/notationcheck.h"
#include "deal/pbn.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const deal::PbnFile file = deal::readPbn(text);
    for (const deal::Board& b : file.boards) {
        const deal::DealReading again = deal::readDeal(deal::dealString(b.deal));
        FUZZ_CHECK(again.ok());
        FUZZ_CHECK(deal::dealString(again.deal) == deal::dealString(b.deal));
        FUZZ_CHECK(b.deal.cards() <= 52);
        (void)deal::diagramHtml(b.deal, deal::captionOf(b));
    }
    (void)deal::readDeal(text);
    for (const deal::NotationFinding& f : deal::checkNotation(text))
        FUZZ_CHECK(f.start >= 0 && f.start < f.end && f.end <= text.size());
    return 0;
}

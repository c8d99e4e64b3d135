// The sound key and the typing distance: any word gets a four-character
// key; a spelling is at distance 0 from itself, and no distance is negative.
#include "fuzzinput.h"
#include "spelling/soundex.h"
#include "spelling/suggest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const QString key = spelling::MakeSoundex(text);
    FUZZ_CHECK(key.size() == 4 || key.isEmpty());
    const qsizetype cut = text.size() / 2;
    const QString a = text.left(cut).left(80), b = text.mid(cut).left(80);
    FUZZ_CHECK(spelling::typingDistance(a, a) == 0);
    FUZZ_CHECK(spelling::typingDistance(a, b) >= 0);
    FUZZ_CHECK(spelling::typingDistance(b, a) >= 0);
    return 0;
}

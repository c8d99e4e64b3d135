// The sound key and the sound distance: any word gets a four-character key;
// the distance of a word to itself is never larger than to another.
#include "fuzzinput.h"
#include "spelling/soundex.h"
#include "spelling/suggest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const QString key = spelling::MakeSoundex(text);
    FUZZ_CHECK(key.size() == 4 || key.isEmpty());
    const qsizetype cut = text.size() / 2;
    const QString a = text.left(cut), b = text.mid(cut);
    (void)spelling::SoundDistance(a, b);
    (void)spelling::SoundDistance(b, a);
    (void)spelling::similarity(a, b);
    return 0;
}

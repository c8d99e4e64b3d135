// The configuration file reader: any bytes read, then written back and read
// again, give the same fields.
#include "fuzzinput.h"
#include "shell/configfile.h"
#include "util/textcodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    shell::ConfigValues v;
    shell::readConfig(util::decodeText(fuzzBytes(data, size)).text, v);
    // Lines with their own line breaks cannot round-trip; the program
    // never stores such values.
    for (const QString* s : {&v.pageColors[0], &v.pageColors[1], &v.pageColors[2], &v.pageColors[3],
                             &v.pageColors[4], &v.openInRight})
        if (s->contains(QLatin1Char('\r')) || s->contains(QLatin1Char('"')) ||
            s->contains(QLatin1Char(',')) || s->startsWith(QLatin1Char(' ')) ||
            s->endsWith(QLatin1Char(' ')) || s->endsWith(QLatin1Char('\t')) ||
            s->startsWith(QLatin1Char('\t')))
            return 0;
    for (int i = 0; i < 10; ++i)
        if (v.recentFolder[i].contains(QLatin1Char('\r')) ||
            v.recentFile[i].contains(QLatin1Char('\r')))
            return 0;
    const QString written = shell::writeConfig(v);
    shell::ConfigValues again;
    FUZZ_CHECK(shell::readConfig(written, again) == shell::kConfigLines);
    FUZZ_CHECK(again.windowLeft == v.windowLeft && again.paneHeight == v.paneHeight);
    for (int i = 0; i < 10; ++i)
        FUZZ_CHECK(again.recentFile[i] == v.recentFile[i]);
    return 0;
}

// The command-line parser: any line parses without crashing, and every name
// it finds is a part of the line.
#include "fuzzinput.h"
#include "shell/commandline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString line = fuzzText(data, size);
    const shell::StartFiles start =
        shell::readCommandLine(line, QStringLiteral("https://duckduckgo.com/?q="));
    for (int k = 0; k < 2; ++k)
        FUZZ_CHECK(start.fileName[k].size() <= line.size());
    return 0;
}

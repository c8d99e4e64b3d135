// The paragraph command and the table of contents on any text: no crash,
// and a paragraph's edits keep the selection inside the new text.
#include "authoring/contents.h"
#include "authoring/paragraph.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const QString text = fuzzText(data + 2, size - 2);
    authoring::Selection sel;
    sel.start = text.isEmpty() ? 0 : data[0] % (text.size() + 1);
    sel.length = std::min<int>(data[1] % 16, static_cast<int>(text.size()) - sel.start);
    (void)authoring::paragraphCommand(text, sel);
    (void)authoring::tableOfContents(text);
    return 0;
}

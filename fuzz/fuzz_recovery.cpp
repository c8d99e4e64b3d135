// The recovery-copy reader meets whatever a crash or a full disk left in the
// recovery folder: any bytes parse without crashing, and a copy it accepts
// is written back and read again unchanged. A copy the program writes, of
// any path and text, is read back as written.
#include "editor/recoveryfile.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    if (const auto copy = editor::parseRecoveryCopy(bytes)) {
        FUZZ_CHECK(!copy->path.isEmpty());
        FUZZ_CHECK(!copy->path.contains(QLatin1Char('\n')));
        const auto again = editor::parseRecoveryCopy(editor::formatRecoveryCopy(*copy));
        FUZZ_CHECK(again && again->path == copy->path && again->savedAtMs == copy->savedAtMs &&
                   again->text == copy->text);
    }

    // The same bytes as a copy to write: the first line a path, the rest
    // the text.
    const qsizetype line = bytes.indexOf('\n');
    editor::RecoveryCopy made;
    made.path = QString::fromUtf8(line < 0 ? bytes : bytes.left(line));
    made.text = line < 0 ? QString() : QString::fromUtf8(bytes.mid(line + 1));
    // Any time, negative ones included.
    quint64 time = 0;
    for (size_t i = 0; i < 8 && i < size; ++i)
        time = (time << 8) | data[i];
    made.savedAtMs = static_cast<qint64>(time);
    if (made.path.isEmpty()) return 0;
    const auto back = editor::parseRecoveryCopy(editor::formatRecoveryCopy(made));
    FUZZ_CHECK(back && back->path == made.path && back->savedAtMs == made.savedAtMs &&
               back->text == made.text);
    // Cut short anywhere (the copy is written atomically, but a disk may
    // still lose its end), it is refused or read as a part of what was
    // written: the same path and the text's beginning.
    const QByteArray whole = editor::formatRecoveryCopy(made);
    const auto cut = editor::parseRecoveryCopy(whole.left(whole.size() * (data[0] % 97) / 97));
    FUZZ_CHECK(!cut ||
               (cut->path == made.path && made.text.toUtf8().startsWith(cut->text.toUtf8())));
    return 0;
}

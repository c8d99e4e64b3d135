// The source editor on a large article: load a 5 MB HTML file into the
// real editor widget, save it back, and map CR LF offsets near its end.
// Prints one figure a line.
#include "editor/sourcefile.h"
#include "platform/qt/qteditor.h"
#include "platform/qt/qtfilesystem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.htm"));
    QByteArray bytes;
    const QByteArray line =
        "<P>West led the <B>king</B> of spades; declarer won and drew trumps, 1C 1H 2NT.</P>\r\n";
    while (bytes.size() < 5 * 1024 * 1024)
        bytes += line;
    platform::qt::QtFileSystem files;
    files.write(path, bytes);

    platform::qt::QtTextEditor editor(nullptr);
    QElapsedTimer t;

    t.start();
    const auto read = files.read(path);
    const editor::SourceText decoded = editor::decodeSource(*read);
    editor.setText(decoded.text);
    const double loadMs = t.nsecsElapsed() / 1e6;

    t.restart();
    const QString text = editor.text();
    const editor::SavedBytes saved = editor::encodeSource(text, decoded.format, true);
    files.write(path, saved.bytes);
    const double saveMs = t.nsecsElapsed() / 1e6;

    const int length = static_cast<int>(text.size());
    const int rounds = 20000;
    t.restart();
    long long sink = 0;
    for (int i = 0; i < rounds; ++i)
        sink += editor.toPosition(length - 1 - (i % 5000));
    const double toPositionUs = t.nsecsElapsed() / 1e3 / rounds;
    t.restart();
    for (int i = 0; i < rounds; ++i)
        sink += editor.toOffset(static_cast<int>(editor.edit()->document()->characterCount()) - 2 -
                                (i % 5000));
    const double toOffsetUs = t.nsecsElapsed() / 1e3 / rounds;
    t.restart();
    for (int i = 0; i < 1000; ++i)
        editor.setSelStart(length - 1 - i);
    const double setCaretUs = t.nsecsElapsed() / 1e3 / 1000;

    std::printf("file_bytes %lld\n", static_cast<long long>(bytes.size()));
    std::printf("load_ms %.1f\n", loadMs);
    std::printf("save_ms %.1f\n", saveMs);
    std::printf("offset_to_position_near_end_us %.2f\n", toPositionUs);
    std::printf("position_to_offset_near_end_us %.2f\n", toOffsetUs);
    std::printf("set_caret_near_end_us %.2f\n", setCaretUs);
    return sink == 42 ? 1 : 0;
}

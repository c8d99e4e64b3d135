// Replace All on a large source: 10,000 matches in a 1 MB article, through
// the find engine and into the real editor widget as one edit.
#include "editor/findengine.h"
#include "platform/qt/qteditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QString text;
    const QString chunk = QStringLiteral(
        "<P>North opened 1C and <B>South</B> bid 1H; the club lead went round.</P>\r\n");
    int matches = 0;
    while (text.size() < 1024 * 1024) {
        text += chunk;
        matches += 2; // "club" in 1C's line: "club" once, plus "CLUB" below
        text += QStringLiteral("CLUB\r\n");
    }
    platform::qt::QtTextEditor editor(nullptr);
    editor.setText(text);

    QElapsedTimer t;
    t.start();
    const QString current = editor.text();
    editor::FindOptions o;
    const auto r =
        editor::replaceAll(current, QStringLiteral("club"), QStringLiteral("spade"), 0, o);
    const double engineMs = t.nsecsElapsed() / 1e6;
    editor.setSelStart(0);
    editor.setSelLength(static_cast<int>(current.size()));
    editor.setSelText(r.text);
    const double totalMs = t.nsecsElapsed() / 1e6;

    std::printf("source_bytes %lld\n", static_cast<long long>(current.size()));
    std::printf("replacements %d\n", r.count);
    std::printf("replace_all_engine_ms %.1f\n", engineMs);
    std::printf("replace_all_with_editor_update_ms %.1f\n", totalMs);
    return r.count == matches ? 0 : 1;
}

// The source editor's logic: a file read and written again byte for byte
// when unchanged, in its own line ends, encoding and byte-order mark when
// edited; and the find engine.
#include "editor/findengine.h"
#include "editor/sourcefile.h"

#include <QTest>

using editor::FindOptions;
using editor::SavedBytes;

namespace {
QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

void checkUnchangedSave(const QByteArray& bytes) {
    const editor::SourceText read = editor::decodeSource(bytes);
    for (bool html : {true, false}) {
        const SavedBytes saved = editor::encodeSource(read.text, read.format, html);
        QCOMPARE(saved.bytes, bytes);
        QCOMPARE(saved.change, SavedBytes::Change::None);
        // And again in the form the first save handed back.
        QCOMPARE(editor::encodeSource(read.text, saved.format, html).bytes, bytes);
    }
}
} // namespace

class TestEditor : public QObject {
    Q_OBJECT
  private slots:
    void unchangedText_writtenBackByteForByte() {
        QByteArray everyByte;
        for (int c = 1; c <= 0xFF; ++c)
            everyByte.append(char(c));
        for (const QByteArray& bytes :
             {QByteArray(), QByteArray("a\r\n"), QByteArray("a\nb\n\n"), QByteArray("a\rb\r"),
              QByteArray("a\nb\r\nc\rd\r\r\ne\n"), QByteArray("\xEF\xBB\xBF<P>caf\xC3\xA9</P>\n"),
              QByteArray("\xEF\xBB\xBF"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"),
              QByteArray("a\xC2\xA0"
                         "b\xE2\x80\xA8"
                         "c\xE2\x80\xA9"
                         "d"),
              QByteArray("\xF0\x9F\x82\xA1 \xE2\x99\xA0\r\n"), everyByte,
              QByteArray("\xEF\xBB\xBF\xFF"),
              // One stray Latin-1 byte makes the file Windows-1252;
              // the spade before it comes back as the same bytes.
              QByteArray("\xE2\x99\xA0 caf\xE9\n")})
            if (checkUnchangedSave(bytes), QTest::currentTestFailed()) return;
        QCOMPARE(editor::decodeSource("\xE2\x99\xA0 caf\xE9\n").format.encoding,
                 util::Encoding::Windows1252);
        // Any bytes at all, line breaks and UTF-8 lead bytes among them.
        quint32 x = 1;
        const char pieces[] = {'\r',   '\n',   'a',    ' ',    '\xC2', '\xA0',
                               '\xE2', '\x80', '\xEF', '\xBB', '\xBF', '\x93'};
        for (int n = 0; n < 3000; ++n) {
            QByteArray bytes;
            for (int i = int(n % 17); i > 0; --i)
                bytes += pieces[((x = x * 1103515245u + 12345u) >> 16) % 12];
            if (checkUnchangedSave(bytes), QTest::currentTestFailed()) return;
        }
    }

    void editorText_hasCrLfBreaksOnly() {
        QCOMPARE(editor::decodeSource("\xEF\xBB\xBF"
                                      "a\nb\rc\r\nd\n")
                     .text,
                 s("a\r\nb\r\nc\r\nd\r\n"));
    }

    // The text is read, `from` replaced by `to`, and saved.
    void editedText_keepsTheFilesForm() {
        const struct {
            QByteArray bytes;
            const char *from, *to;
            QByteArray saved;
        } rows[] = {
            {"a\nb\n", "a", "a\r\nz", "a\nz\nb\n"},
            {"a\r\nb", "b", "b\r\n", "a\r\nb\r\n"},
            {"a\rb\r", "b", "b\r\nc", "a\rb\rc\r"},
            {"\xEF\xBB\xBFx\n", "x", "y", "\xEF\xBB\xBFy\n"},
            // Untouched lines keep their ends; a new one takes the most usual end.
            {"1\n2\r\n3\n4\r\n5\n6", "3", "3x\r\nnew", "1\n2\r\n3x\nnew\n4\r\n5\n6"},
            {"1\r\n2\n3\r\n4\n5\n", "2\r\n", "", "1\r\n3\r\n4\n5\n"},
        };
        for (const auto& r : rows) {
            const editor::SourceText read = editor::decodeSource(r.bytes);
            QString text = read.text;
            QVERIFY(text.contains(s(r.from)));
            text.replace(text.indexOf(s(r.from)), qsizetype(strlen(r.from)), s(r.to));
            const SavedBytes first = editor::encodeSource(text, read.format, true);
            QCOMPARE(first.bytes, r.saved);
            QCOMPARE(editor::encodeSource(text, first.format, true).bytes, r.saved);
            QCOMPARE(editor::decodeSource(r.saved).text, text);
        }
    }

    // Characters the file's encoding cannot hold are never lost.
    void unfitCharacters_neverLost() {
        const editor::SourceFormat cp1252 = editor::decodeSource("caf\xE9\n").format;
        SavedBytes saved = editor::encodeSource(s("é ā ♠ \U0001F600\r\n"), cp1252, true);
        QCOMPARE(saved.bytes, QByteArray("\xE9 &#257; &#9824; &#128512;\n"));
        QCOMPARE(saved.change, SavedBytes::Change::CharacterReferences);
        saved = editor::encodeSource(s("é ā"), cp1252, false);
        QCOMPARE(saved.bytes, QByteArray("\xC3\xA9 \xC4\x81"));
        QCOMPARE(saved.change, SavedBytes::Change::NowUtf8);
        QCOMPARE(saved.format.encoding, util::Encoding::Utf8);
    }

    void findNext() {
        const struct {
            const char *hay, *needle;
            bool whole, html;
            QList<qsizetype> found;
        } rows[] = {
            {"cat, concat, cats", "cat", true, false, {1}},
            {"cat, concat, cats", "cat", false, false, {1, 9, 14}},
            {"<table border=1>table</table>", "table", false, true, {17}},
            {"<table border=1>table</table>", "table", false, false, {2, 17, 24}},
            {"4s 44s s4", "4s", true, false, {1}},
            {"it's -cat- _cat_ cat's", "cat", true, false, {7, 13, 18}},
            {"a < b and b", "b", false, true, {5, 11}},
            {"<img alt=\"a > b\"> b", "b", false, true, {19}},
            {"aaa", "aa", false, false, {1, 2}},
            {"abc", "", false, false, {}},
        };
        for (const auto& r : rows) {
            QList<qsizetype> found;
            for (qsizetype pos = 0;
                 (pos = editor::findNext(s(r.hay), s(r.needle), pos, {false, r.whole, r.html}));)
                found << pos;
            QCOMPARE(found, r.found);
        }
        QCOMPARE(editor::lowerKeepingLength(s("\u0130stanbul")).size(), 8);
        const QString far = s("<a href=\"") + QString(120, QLatin1Char('x')) + s("word\">");
        QVERIFY(editor::insideTag(far, far.indexOf(s("word")) + 1));
        QVERIFY(editor::insideTag(s("<!-- word -->"), 6));
        QVERIFY(!editor::insideTag(s("a < word"), 5));
    }

    void replaceAll() {
        const struct {
            const char *text, *find, *by;
            bool matchCase, whole;
            int from;
            const char* want;
            int count;
        } rows[] = {
            {"aaaa", "aa", "b", false, false, 0, "baa", 1},
            {"Club CLUB club", "club", "spade", false, false, 0, "spade spade spade", 3},
            {"Club CLUB club", "club", "spade", true, false, 0, "Club CLUB spade", 1},
            {"cat concat cats cat", "cat", "dog", false, true, 0, "dog concat cats dog", 2},
            {"ab ab ab", "ab", "X", false, false, 3, "ab X X", 2},
            {"<b>b</b> <i title=\"b>\">b", "b", "B", true, false, 0, "<b>B</b> <i title=\"b>\">B",
             2},
        };
        for (const auto& r : rows) {
            const auto got = editor::replaceAll(s(r.text), s(r.find), s(r.by), r.from,
                                                {r.matchCase, r.whole, true});
            QCOMPARE(got.text, s(r.want));
            QCOMPARE(got.count, r.count);
        }
    }

    void wordNearCaret() {
        const struct {
            const char* text;
            int caret;
            const char* word;
        } rows[] = {{"one two three", 4, "two"},
                    {"one two three", 7, "two"},
                    {"one two", 7, "two"},
                    {"<B>bold</B>", 3, "bold"},
                    {"a - b", 2, ""},
                    {"4spades", 7, "spades"}};
        for (const auto& r : rows)
            QCOMPARE(editor::wordNearCaret(s(r.text), r.caret), s(r.word));
    }
};

QTEST_APPLESS_MAIN(TestEditor)
#include "test_editor.moc"

// The source editor's logic: files saved back byte for byte when unchanged,
// in their own form when edited; and the find engine.
#include "editor/findengine.h"
#include "editor/sourcefile.h"

#include <QTest>

using editor::SavedBytes;

namespace {
const auto s = [](const char* text) { return QString::fromUtf8(text); };

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
        // BOM, line ends, NBSP and U+2028/9, and cp1252: one stray Latin-1
        // byte makes the file Windows-1252, the spade before it kept as bytes.
        for (const QByteArray& bytes :
             {QByteArray("a\nb\r\nc\rd\r\r\ne\n"),
              QByteArray("\xEF\xBB\xBF<P>caf\xC3\xA9\xF0\x9F\x82\xA1</P>\r\n"),
              QByteArray("\xEF\xBB\xBF"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\r"),
              QByteArray("a\xC2\xA0"
                         "b\xE2\x80\xA8"
                         "c\xE2\x80\xA9"),
              everyByte, QByteArray("\xEF\xBB\xBF\xFF"), QByteArray("\xE2\x99\xA0 caf\xE9\n")})
            if (checkUnchangedSave(bytes), QTest::currentTestFailed()) return;
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

    // The editor sees CR LF only. The text is read, `from` replaced by `to`,
    // and saved: untouched lines keep their ends, a new one takes the most
    // usual end; a byte-order mark stays.
    void editedText_keepsTheFilesForm() {
        const std::tuple<QByteArray, const char*, const char*, QByteArray> rows[] = {
            {"a\nb\n", "a", "a\r\nz", "a\nz\nb\n"},
            {"a\r\nb", "b", "b\r\n", "a\r\nb\r\n"},
            {"a\rb\r", "b", "b\r\nc", "a\rb\rc\r"},
            {"\xEF\xBB\xBFx\n", "x", "y", "\xEF\xBB\xBFy\n"},
            {"1\n2\r\n3\n4\r\n5\n6", "3", "3x\r\nnew", "1\n2\r\n3x\nnew\n4\r\n5\n6"},
            {"1\r\n2\n3\r\n4\n5\n", "2\r\n", "", "1\r\n3\r\n4\n5\n"},
        };
        for (const auto& [bytes, from, to, saved] : rows) {
            const editor::SourceText read = editor::decodeSource(bytes);
            QString text = read.text;
            QVERIFY(text.contains(s(from)));
            text.replace(text.indexOf(s(from)), qsizetype(strlen(from)), s(to));
            const SavedBytes first = editor::encodeSource(text, read.format, true);
            QCOMPARE(first.bytes, saved);
            QCOMPARE(editor::encodeSource(text, first.format, true).bytes, saved);
            QCOMPARE(editor::decodeSource(saved).text, text);
        }
        // Characters the file's encoding cannot hold are never lost.
        const editor::SourceFormat cp1252 = editor::decodeSource("caf\xE9\n").format;
        SavedBytes unfit = editor::encodeSource(s("é ā ♠ \U0001F600\r\n"), cp1252, true);
        QCOMPARE(unfit.bytes, QByteArray("\xE9 &#257; &#9824; &#128512;\n"));
        QCOMPARE(unfit.change, SavedBytes::Change::CharacterReferences);
        unfit = editor::encodeSource(s("é ā"), cp1252, false);
        QCOMPARE(unfit.bytes, QByteArray("\xC3\xA9 \xC4\x81"));
        QCOMPARE(unfit.change, SavedBytes::Change::NowUtf8);
    }

    void findAndReplace() {
        const std::tuple<const char*, const char*, bool, QList<qsizetype>> rows[] = {
            {"it's -cat- _cat_ cat's concat cats 4cat", "cat", true, {7, 13, 18}},
            {"<table border=1>table</table> a < b <img alt=\"a > b\"> b", "b", false, {19, 35, 55}},
            {"aaa", "aa", false, {1, 2}},
            {"abc", "", false, {}},
        };
        for (const auto& [hay, needle, whole, expected] : rows) {
            QList<qsizetype> found;
            for (qsizetype pos = 0;
                 (pos = editor::findNext(s(hay), s(needle), pos, {false, whole, true}));)
                found << pos;
            QCOMPARE(found, expected);
        }
        QCOMPARE(editor::findNext(s("<b>"), s("b"), 0, {false, false, false}), 2);
        QCOMPARE(editor::lowerKeepingLength(s("\u0130stanbul")).size(), 8);
        // Adjacent matches are not all taken.
        QCOMPARE(editor::replaceAll(s("aaaa"), s("aa"), s("b"), 0, {}).text, s("baa"));
        const auto all =
            editor::replaceAll(s("Cat CAT cat concat"), s("cat"), s("x"), 3, {true, true, true});
        QVERIFY(all.text == s("Cat CAT x concat") && all.count == 1);
        QCOMPARE(editor::wordNearCaret(s("<B>bold</B>"), 3), s("bold"));
        QCOMPARE(editor::wordNearCaret(s("a - b"), 2), QString());
    }
};

QTEST_APPLESS_MAIN(TestEditor)
#include "test_editor.moc"

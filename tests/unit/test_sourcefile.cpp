// A source file read and written again: byte for byte when unchanged, its
// own line ends, encoding and byte-order mark when edited, and no character
// ever lost.
#include "editor/sourcefile.h"

#include <QTest>

using editor::LineEnd;
using editor::SavedBytes;
using util::Encoding;

namespace {
QByteArray b(const char* bytes) { return QByteArray(bytes); }
} // namespace

class TestSourceFile : public QObject {
    Q_OBJECT
private slots:
    void unchangedText_writtenBackByteForByte_data();
    void unchangedText_writtenBackByteForByte();
    void editorText_hasCrLfBreaksOnly();
    void editedText_keepsTheFilesForm_data();
    void editedText_keepsTheFilesForm();
    void unfitCharacters_neverLost_data();
    void unfitCharacters_neverLost();
};

void TestSourceFile::unchangedText_writtenBackByteForByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    const int utf8 = int(Encoding::Utf8);
    const int cp1252 = int(Encoding::Windows1252);
    QByteArray everyByte;
    for (int c = 1; c <= 0xFF; ++c) everyByte.append(char(c));
    QTest::newRow("empty") << QByteArray() << utf8;
    QTest::newRow("crLf_noFinalBreak") << b("<P>a</P>\r\nb") << utf8;
    QTest::newRow("crLf_oneFinalBreak") << b("a\r\n") << utf8;
    QTest::newRow("lf_twoFinalBreaks") << b("a\nb\n\n") << utf8;
    QTest::newRow("loneCr") << b("a\rb\r") << utf8;
    QTest::newRow("mixed") << b("a\nb\r\nc\rd\r\r\ne\n") << utf8;
    QTest::newRow("bom") << b("\xEF\xBB\xBF<P>caf\xC3\xA9</P>\n") << utf8;
    QTest::newRow("bomOnly") << b("\xEF\xBB\xBF") << utf8;
    QTest::newRow("twoBoms") << b("\xEF\xBB\xBF\xEF\xBB\xBFx") << utf8;
    QTest::newRow("noBreakSpacesAndSeparators") << b("a\xC2\xA0" "b\xE2\x80\xA8" "c\xE2\x80\xA9" "d") << utf8;
    QTest::newRow("astral") << b("\xF0\x9F\x82\xA1 \xE2\x99\xA0\r\n") << utf8;
    QTest::newRow("cp1252_everyByte") << everyByte << cp1252;
    QTest::newRow("cp1252_bomLookalike") << b("\xEF\xBB\xBF\xFF") << cp1252;
    // One stray Latin-1 byte makes the whole file Windows-1252; the UTF-8
    // spade before it must come back as the same three bytes.
    QTest::newRow("utf8WithStrayLatin1Byte") << b("\xE2\x99\xA0 caf\xE9\n") << cp1252;
}

void TestSourceFile::unchangedText_writtenBackByteForByte() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    const editor::SourceText read = editor::decodeSource(bytes);
    QCOMPARE(int(read.format.encoding), encoding);
    for (bool html : {true, false}) {
        const SavedBytes saved = editor::encodeSource(read.text, read.format, html);
        QCOMPARE(saved.bytes, bytes);
        QCOMPARE(int(saved.change), int(SavedBytes::Change::None));
        // And again with the format the first save handed back.
        QCOMPARE(editor::encodeSource(read.text, saved.format, html).bytes, bytes);
    }
}

void TestSourceFile::editorText_hasCrLfBreaksOnly() {
    QCOMPARE(editor::decodeSource(b("a\nb\rc\r\nd\n")).text, QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
    QCOMPARE(editor::decodeSource(b("\xEF\xBB\xBF" "x")).text, QStringLiteral("x"));
}

// The text is read, `from` replaced by `to`, and saved.
void TestSourceFile::editedText_keepsTheFilesForm_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("lfFile_newLineIsLf") << b("a\nb\n") << QStringLiteral("a") << QStringLiteral("a\r\nz")
                                        << b("a\nz\nb\n");
    QTest::newRow("crLfFile_newLineIsCrLf") << b("a\r\nb") << QStringLiteral("b") << QStringLiteral("b\r\n")
                                            << b("a\r\nb\r\n");
    QTest::newRow("crFile") << b("a\rb\r") << QStringLiteral("b") << QStringLiteral("b\r\nc") << b("a\rb\rc\r");
    QTest::newRow("bomKept") << b("\xEF\xBB\xBFx\n") << QStringLiteral("x") << QStringLiteral("y")
                             << b("\xEF\xBB\xBFy\n");
    // Lines the edit left alone keep their own ends; a new line takes the
    // file's usual end (LF here, three against two).
    QTest::newRow("mixed_untouchedLinesKeepTheirEnds")
        << b("1\n2\r\n3\n4\r\n5\n6") << QStringLiteral("3") << QStringLiteral("3x\r\nnew")
        << b("1\n2\r\n3x\nnew\n4\r\n5\n6");
    QTest::newRow("mixed_lineRemoved") << b("1\r\n2\n3\r\n4\n5\n") << QStringLiteral("2\r\n")
                                       << QString() << b("1\r\n3\r\n4\n5\n");
    QTest::newRow("mixed_becomesOneKind") << b("1\r\n2\n") << QStringLiteral("1\r\n2\r\n") << QStringLiteral("9")
                                          << b("9");
}

void TestSourceFile::editedText_keepsTheFilesForm() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QByteArray, saved);
    const editor::SourceText read = editor::decodeSource(bytes);
    QString text = read.text;
    QVERIFY(text.contains(from));
    text.replace(text.indexOf(from), from.size(), to);
    const SavedBytes first = editor::encodeSource(text, read.format, true);
    QCOMPARE(first.bytes, saved);
    // What the save wrote is the form of the next one.
    QCOMPARE(editor::encodeSource(text, first.format, true).bytes, saved);
    QCOMPARE(editor::decodeSource(saved).text, text);
}

void TestSourceFile::unfitCharacters_neverLost_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isHtml");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("savedEncoding");
    QTest::addColumn<int>("change");
    const int utf8 = int(Encoding::Utf8);
    const int cp1252 = int(Encoding::Windows1252);
    const int references = int(SavedBytes::Change::CharacterReferences);
    const int nowUtf8 = int(SavedBytes::Change::NowUtf8);
    QTest::newRow("html_references")
        << QStringLiteral("\u00e9 \u0101 \u2660\r\n") << true << b("\xE9 &#257; &#9824;\n") << cp1252 << references;
    QTest::newRow("html_astralIsOneReference")
        << QStringLiteral("x\U0001F600y") << true << b("x&#128512;y") << cp1252 << references;
    QTest::newRow("text_switchesToUtf8")
        << QStringLiteral("\u00e9 \u0101") << false << b("\xC3\xA9 \xC4\x81") << utf8 << nowUtf8;
}

void TestSourceFile::unfitCharacters_neverLost() {
    QFETCH(QString, text);
    QFETCH(bool, isHtml);
    QFETCH(QByteArray, bytes);
    QFETCH(int, savedEncoding);
    QFETCH(int, change);
    editor::SourceFormat format = editor::decodeSource(b("caf\xE9\n")).format;
    QCOMPARE(int(format.lineEnd), int(LineEnd::Lf));
    const SavedBytes saved = editor::encodeSource(text, format, isHtml);
    QCOMPARE(saved.bytes, bytes);
    QCOMPARE(int(saved.format.encoding), savedEncoding);
    QCOMPARE(int(saved.change), change);
}

QTEST_APPLESS_MAIN(TestSourceFile)
#include "test_sourcefile.moc"

// Saved bytes of a source file and the text read back from them.
#include "editor/sourcefile.h"

#include <QTest>

using editor::SavedBytes;
using util::Encoding;

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }
QByteArray b(const char* bytes) { return QByteArray(bytes); }
} // namespace

class TestSourceFile : public QObject {
    Q_OBJECT
private slots:
    void encodeSource_data();
    void encodeSource();
    void legacyFile_writtenBackByteForByte_data();
    void legacyFile_writtenBackByteForByte();
    void decodeSource_data();
    void decodeSource();
};

void TestSourceFile::encodeSource_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<bool>("isHtml");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("savedEncoding");
    QTest::addColumn<int>("change");

    const int utf8 = int(Encoding::Utf8);
    const int cp1252 = int(Encoding::Windows1252);
    const int none = int(SavedBytes::Change::None);
    const int references = int(SavedBytes::Change::CharacterReferences);
    const int nowUtf8 = int(SavedBytes::Change::NowUtf8);

    QTest::newRow("text_plusOneCrLf") << s("<P>a</P>\r\nb") << utf8 << true << b("<P>a</P>\r\nb\r\n") << utf8 << none;
    QTest::newRow("textEndingInCrLf_stillGetsOne") << s("a\r\n") << utf8 << true << b("a\r\n\r\n") << utf8 << none;
    QTest::newRow("emptyText_justCrLf") << QString() << cp1252 << true << b("\r\n") << cp1252 << none;
    QTest::newRow("utf8_anyCharacter")
        << QStringLiteral("\u0101 \U0001F600") << utf8 << false << b("\xC4\x81 \xF0\x9F\x98\x80\r\n") << utf8 << none;
    QTest::newRow("cp1252Fits_singleBytes")
        << QStringLiteral("caf\u00e9 \u20ac \u201cq\u201d") << cp1252 << true << b("caf\xE9 \x80 \x93q\x94\r\n")
        << cp1252 << none;
    QTest::newRow("cp1252Html_unfitBecomesReference")
        << QStringLiteral("\u00e9 \u0101 \u2660") << cp1252 << true << b("\xE9 &#257; &#9824;\r\n") << cp1252
        << references;
    QTest::newRow("cp1252Html_astralIsOneReference")
        << QStringLiteral("x\U0001F600y") << cp1252 << true << b("x&#128512;y\r\n") << cp1252 << references;
    QTest::newRow("cp1252Text_unfitSwitchesToUtf8")
        << QStringLiteral("\u00e9 \u0101") << cp1252 << false << b("\xC3\xA9 \xC4\x81\r\n") << utf8 << nowUtf8;
}

void TestSourceFile::encodeSource() {
    QFETCH(QString, text);
    QFETCH(int, encoding);
    QFETCH(bool, isHtml);
    QFETCH(QByteArray, bytes);
    QFETCH(int, savedEncoding);
    QFETCH(int, change);
    const SavedBytes saved = editor::encodeSource(text, Encoding(encoding), isHtml);
    QCOMPARE(saved.bytes, bytes);
    QCOMPARE(int(saved.encoding), savedEncoding);
    QCOMPARE(int(saved.change), change);
}

// Read, then saved unchanged: the same bytes and the one CR LF of a save.
void TestSourceFile::legacyFile_writtenBackByteForByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isHtml");
    QTest::newRow("accentsEuroSmartQuotes")
        << b("<P>\x93" "Caf\xE9\x94 costs 5 \x80 \x96 na\xEFve</P>\r\n<P>\x85\x91x\x92</P>") << true;
    QTest::newRow("unassignedBytes") << b("a\x81\x8D\x8F\x90\x9D" "b") << false;
    QByteArray all;
    for (int c = 0x20; c <= 0xFF; ++c) all.append(char(c));
    QTest::newRow("everyPrintableByte") << all << true;
}

void TestSourceFile::legacyFile_writtenBackByteForByte() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isHtml);
    const util::DecodedText read = editor::decodeSource(bytes);
    QCOMPARE(int(read.encoding), int(Encoding::Windows1252));
    const SavedBytes saved = editor::encodeSource(read.text, read.encoding, isHtml);
    QCOMPARE(saved.bytes, bytes + "\r\n");
    QCOMPARE(int(saved.encoding), int(Encoding::Windows1252));
    QCOMPARE(int(saved.change), int(SavedBytes::Change::None));
}

void TestSourceFile::decodeSource_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");
    const int utf8 = int(Encoding::Utf8);
    const int cp1252 = int(Encoding::Windows1252);
    QTest::newRow("lf_becomesCrLf") << b("a\nb\n") << s("a\r\nb\r\n") << utf8;
    QTest::newRow("loneCr_becomesCrLf") << b("a\rb") << s("a\r\nb") << utf8;
    QTest::newRow("crLf_kept") << b("a\r\nb") << s("a\r\nb") << utf8;
    QTest::newRow("mixedLineEnds") << b("a\nb\rc\r\nd") << s("a\r\nb\r\nc\r\nd") << utf8;
    QTest::newRow("cp1252WithLf") << b("caf\xE9\n\x80") << QStringLiteral("caf\u00e9\r\n\u20ac") << cp1252;
    QTest::newRow("utf8WithBom") << b("\xEF\xBB\xBF" "caf\xC3\xA9\n") << QStringLiteral("caf\u00e9\r\n") << utf8;
}

void TestSourceFile::decodeSource() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, encoding);
    const util::DecodedText read = editor::decodeSource(bytes);
    QCOMPARE(read.text, text);
    QCOMPARE(int(read.encoding), encoding);
}

QTEST_APPLESS_MAIN(TestSourceFile)
#include "test_sourcefile.moc"

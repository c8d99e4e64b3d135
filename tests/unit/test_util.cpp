// Numbers, text encodings and the 1-based string helpers.
#include "util/numbers.h"
#include "util/strings.h"
#include "util/textcodec.h"

#include <QTest>
#include <limits>

using util::Encoding;

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }
QByteArray b(const char* bytes) { return QByteArray(bytes); }
} // namespace

class TestUtil : public QObject {
    Q_OBJECT
private slots:
    void roundHalfEven_data();
    void roundHalfEven();
    void numberText_data();
    void numberText();
    void parseNumber_data();
    void parseNumber();

    void decodeText_data();
    void decodeText();
    void encodeText_data();
    void encodeText();
    void fitsWindows1252_data();
    void fitsWindows1252();
    void toCrLf_data();
    void toCrLf();

    void instr_data();
    void instr();
    void midLeftRight();
    void percentDecode_data();
    void percentDecode();
};

void TestUtil::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("halfBelowEven_down") << 2.5 << 2;
    QTest::newRow("halfBelowOdd_up") << 3.5 << 4;
    QTest::newRow("zeroPointFive_toZero") << 0.5 << 0;
    QTest::newRow("onePointFive_toTwo") << 1.5 << 2;
    QTest::newRow("negativeHalf_towardEven") << -2.5 << -2;
    QTest::newRow("negativeHalfOdd_awayFromZero") << -3.5 << -4;
    QTest::newRow("justBelowHalf_down") << 186.49 << 186;
    QTest::newRow("justAboveHalf_up") << 186.51 << 187;
}

void TestUtil::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(util::roundHalfEven(value), expected);
}

void TestUtil::numberText_data() {
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("positive_leadingBlank") << 5LL << s(" 5");
    QTest::newRow("zero_leadingBlank") << 0LL << s(" 0");
    QTest::newRow("negative_minusInsteadOfBlank") << -12LL << s("-12");
    QTest::newRow("beyond32Bits") << 3000000000LL << s(" 3000000000");
}

void TestUtil::numberText() {
    QFETCH(qlonglong, value);
    QFETCH(QString, expected);
    QCOMPARE(util::numberText(value), expected);
}

void TestUtil::parseNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("asWritten_blanksAround") << s(" 1440 ") << 1440;
    QTest::newRow("negative") << s("-15 ") << -15;
    QTest::newRow("tabsAround") << s("\t42\t") << 42;
    QTest::newRow("endsAtComma") << s(" 25, 30") << 25;
    QTest::newRow("fractionHalf_toEvenBelow") << s("12.5") << 12;
    QTest::newRow("fractionHalf_toEvenAbove") << s("13.5") << 14;
    QTest::newRow("fractionBelowHalf") << s("7.49") << 7;
    QTest::newRow("negativeFractionHalf") << s("-2.5") << -2;
    QTest::newRow("exponent") << s("1.44e3") << 1440;
    QTest::newRow("notANumber_zero") << s("abc") << 0;
    QTest::newRow("empty_zero") << s("") << 0;
    QTest::newRow("onlyBlanks_zero") << s("   ") << 0;
    QTest::newRow("blankInsideDigits_zero") << s("1 440") << 0;
    QTest::newRow("infinity_zero") << s("inf") << 0;
    QTest::newRow("nan_zero") << s("nan") << 0;
    QTest::newRow("hugeExponent_zero") << s("9e99") << 0;
    QTest::newRow("int32Max_kept") << s("2147483647") << std::numeric_limits<std::int32_t>::max();
    QTest::newRow("int32Min_kept") << s("-2147483648") << std::numeric_limits<std::int32_t>::min();
    QTest::newRow("oneAboveInt32Max_zero") << s("2147483648") << 0;
    QTest::newRow("oneBelowInt32Min_zero") << s("-2147483649") << 0;
    // Half to even takes this to 2147483648, which does not fit.
    QTest::newRow("roundsPastInt32Max_zero") << s("2147483647.5") << 0;
}

void TestUtil::parseNumber() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(util::parseNumber(text), expected);
}

void TestUtil::decodeText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");
    const int utf8 = int(Encoding::Utf8);
    const int cp1252 = int(Encoding::Windows1252);
    QTest::newRow("empty_isUtf8") << QByteArray() << QString() << utf8;
    QTest::newRow("ascii_isUtf8") << b("<P>abc</P>") << s("<P>abc</P>") << utf8;
    QTest::newRow("utf8Accent") << b("caf\xC3\xA9") << QStringLiteral("caf\u00e9") << utf8;
    QTest::newRow("utf8FourByteCharacter") << b("\xF0\x9F\x98\x80") << QStringLiteral("\U0001F600") << utf8;
    QTest::newRow("bom_dropped") << b("\xEF\xBB\xBF" "abc") << s("abc") << utf8;
    QTest::newRow("bomOnly_empty") << b("\xEF\xBB\xBF") << QString() << utf8;
    QTest::newRow("lineBreaksUntouched") << b("a\r\nb\nc\r") << s("a\r\nb\nc\r") << utf8;
    QTest::newRow("cp1252Accent") << b("caf\xE9") << QStringLiteral("caf\u00e9") << cp1252;
    QTest::newRow("cp1252EuroAndSmartQuotes")
        << b("\x80 \x93x\x94 \x91y\x92") << QStringLiteral("\u20ac \u201cx\u201d \u2018y\u2019") << cp1252;
    QTest::newRow("cp1252UnassignedBytes_keptAsControls")
        << b("a\x81\x8D\x8F\x90\x9D") << QStringLiteral("a\u0081\u008d\u008f\u0090\u009d") << cp1252;
    QTest::newRow("truncatedUtf8AtEnd_isCp1252") << b("abc\xC3") << QStringLiteral("abc\u00c3") << cp1252;
    QTest::newRow("overlongUtf8_isCp1252") << b("\xC0\xAF") << QStringLiteral("\u00c0\u00af") << cp1252;
    QTest::newRow("encodedSurrogate_isCp1252")
        << b("\xED\xA0\x80") << QStringLiteral("\u00ed\u00a0\u20ac") << cp1252;
    QTest::newRow("oneBadByteAfterGoodUtf8_wholeFileCp1252")
        << b("\xC3\xA9 \xE9") << QStringLiteral("\u00c3\u00a9 \u00e9") << cp1252;
}

void TestUtil::decodeText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, encoding);
    const util::DecodedText d = util::decodeText(bytes);
    QCOMPARE(d.text, text);
    QCOMPARE(int(d.encoding), encoding);
}

void TestUtil::encodeText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("lossless");
    const int utf8 = int(Encoding::Utf8);
    const int cp1252 = int(Encoding::Windows1252);
    QTest::newRow("utf8") << QStringLiteral("caf\u00e9 \u0101") << utf8 << b("caf\xC3\xA9 \xC4\x81") << true;
    QTest::newRow("cp1252Accents") << QStringLiteral("caf\u00e9 \u20ac") << cp1252 << b("caf\xE9 \x80") << true;
    QTest::newRow("cp1252SmartQuotesAndDash")
        << QStringLiteral("\u201cx\u201d\u2014") << cp1252 << b("\x93x\x94\x97") << true;
    QTest::newRow("cp1252UnassignedControl_roundTrips") << QStringLiteral("\u0081") << cp1252 << b("\x81") << true;
    QTest::newRow("cp1252CannotHold_questionMark")
        << QStringLiteral("a\u0101b") << cp1252 << b("a?b") << false;
}

void TestUtil::encodeText() {
    QFETCH(QString, text);
    QFETCH(int, encoding);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, lossless);
    bool wasLossless = !lossless;
    QCOMPARE(util::encodeText(text, Encoding(encoding), &wasLossless), bytes);
    QCOMPARE(wasLossless, lossless);
}

void TestUtil::fitsWindows1252_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("latin1AndCp1252Extras")
        << QStringLiteral("caf\u00e9 \u00ff \u20ac \u201c\u201d \u0178 \u017e") << true;
    QTest::newRow("unassignedControls") << QStringLiteral("\u0081\u009d") << true;
    QTest::newRow("latinExtended") << QStringLiteral("a\u0101") << false;
    QTest::newRow("suitSymbol") << QStringLiteral("\u2660") << false;
    QTest::newRow("astral") << QStringLiteral("\U0001F600") << false;
}

void TestUtil::fitsWindows1252() {
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QCOMPARE(util::fitsWindows1252(text), fits);
}

void TestUtil::toCrLf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("lf") << s("a\nb") << s("a\r\nb");
    QTest::newRow("loneCr") << s("a\rb") << s("a\r\nb");
    QTest::newRow("crLf_unchanged") << s("a\r\nb\r\n") << s("a\r\nb\r\n");
    QTest::newRow("lfCr_twoBreaks") << s("a\n\rb") << s("a\r\n\r\nb");
    QTest::newRow("crThenCrLf_twoBreaks") << s("a\r\r\nb") << s("a\r\n\r\nb");
    QTest::newRow("trailingLoneCr") << s("a\r") << s("a\r\n");
    QTest::newRow("blankLines") << s("\n\n") << s("\r\n\r\n");
}

void TestUtil::toCrLf() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(util::toCrLf(text), expected);
}

void TestUtil::instr_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("hay");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<int>("expected");
    QTest::newRow("first") << 1 << s("abcabc") << s("c") << false << 3;
    QTest::newRow("fromStart_atStart") << 3 << s("abcabc") << s("c") << false << 3;
    QTest::newRow("fromStart_later") << 4 << s("abcabc") << s("c") << false << 6;
    QTest::newRow("absent") << 1 << s("abc") << s("x") << false << 0;
    QTest::newRow("startBelowOne_fromFirst") << 0 << s("abc") << s("a") << false << 1;
    QTest::newRow("startPastEnd") << 5 << s("abc") << s("a") << false << 0;
    QTest::newRow("caseSensitive") << 1 << s(".HTM") << s(".htm") << false << 0;
    QTest::newRow("ignoringCase") << 1 << s("A.HTM") << s(".htm") << true << 2;
    QTest::newRow("emptyNeedle_atStart") << 2 << s("abc") << QString() << false << 2;
}

void TestUtil::instr() {
    QFETCH(int, start);
    QFETCH(QString, hay);
    QFETCH(QString, needle);
    QFETCH(bool, ignoreCase);
    QFETCH(int, expected);
    QCOMPARE(util::instr(start, hay, needle, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive),
             qsizetype(expected));
}

void TestUtil::midLeftRight() {
    const QString t = s("abcdef");
    QCOMPARE(util::instrRev(s("/a/b/c.htm"), s("/")), qsizetype(5));
    QCOMPARE(util::instrRev(s("abcabc"), s("bc")), qsizetype(5));
    QCOMPARE(util::instrRev(s("abc"), s("/")), qsizetype(0));
    QCOMPARE(util::mid(t, 2, 3), s("bcd"));
    QCOMPARE(util::mid(t, 5), s("ef"));
    QCOMPARE(util::mid(t, 5, 10), s("ef"));
    QCOMPARE(util::mid(t, 6, 0), QString());
    QCOMPARE(util::mid(t, 0), QString());
    QCOMPARE(util::mid(t, 7), QString());
    QCOMPARE(util::mid(QString(), 1), QString());
    QCOMPARE(util::left(t, 0), QString());
    QCOMPARE(util::left(t, -3), QString());
    QCOMPARE(util::left(t, 10), t);
    QCOMPARE(util::right(t, 2), s("ef"));
    QCOMPARE(util::right(t, -1), QString());
}

void TestUtil::percentDecode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("noEscape") << s("/home/a/x.htm") << s("/home/a/x.htm");
    QTest::newRow("blank") << s("My%20Files/x.htm") << s("My Files/x.htm");
    QTest::newRow("hash") << s("x.htm%23top") << s("x.htm#top");
    QTest::newRow("percentSign") << s("100%25") << s("100%");
    QTest::newRow("utf8Sequence") << s("caf%C3%A9") << QStringLiteral("caf\u00e9");
    QTest::newRow("lowerCaseHex") << s("caf%c3%a9") << QStringLiteral("caf\u00e9");
    QTest::newRow("nonAsciiKept") << QStringLiteral("\u00e9%20x") << QStringLiteral("\u00e9 x");
    QTest::newRow("trailingPercent_kept") << s("100%") << s("100%");
    QTest::newRow("shortEscapeAtEnd_kept") << s("a%2") << s("a%2");
    QTest::newRow("nonHexEscape_kept") << s("a%zzb") << s("a%zzb");
    QTest::newRow("halfHexEscape_kept") << s("a%2Gb") << s("a%2Gb");
}

void TestUtil::percentDecode() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(util::percentDecode(text), expected);
}

QTEST_APPLESS_MAIN(TestUtil)
#include "test_util.moc"

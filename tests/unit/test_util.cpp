// Numbers, text encodings, the 1-based string helpers, and the one reader of
// HTML source the markup-aware commands share.
#include "util/htmltokens.h"
#include "util/numbers.h"
#include "util/strings.h"
#include "util/textcodec.h"

#include <QTest>
#include <limits>

using util::Encoding;

namespace {
QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// "kind:text" for every token; the tokens must tile the text without a gap.
QStringList tokens(const QString& html) {
    static const char* const names[] = {"text", "ent", "tag", "end", "comment", "decl", "raw"};
    QStringList out;
    util::html::Reader reader(html);
    util::html::Token t;
    qsizetype at = 0;
    while (reader.next(t)) {
        if (t.start != at || t.end <= t.start)
            return {s("gap or overlap at ") + QString::number(at)};
        at = t.end;
        out << s(names[int(t.kind)]) + QLatin1Char(':') + html.mid(t.start, t.end - t.start);
    }
    return at == html.size() ? out : QStringList{s("text lost after ") + QString::number(at)};
}
} // namespace

class TestUtil : public QObject {
    Q_OBJECT
  private slots:
    void parseNumber() {
        const int max = std::numeric_limits<std::int32_t>::max(),
                  min = std::numeric_limits<std::int32_t>::min();
        const struct {
            const char* text;
            int value;
        } rows[] = {
            {" 1440 ", 1440},
            {"\t-15\t", -15},
            {" 25, 30", 25},
            {"12.5", 12},
            {"13.5", 14},
            {"-2.5", -2},
            {"1.44e3", 1440},
            {"abc", 0},
            {"", 0},
            {"1 440", 0},
            {"inf", 0},
            {"nan", 0},
            {"9e99", 0},
            {"2147483647", max},
            {"-2147483648", min},
            {"2147483648", 0},
            {"-2147483649", 0},
            {"2147483647.5", 0}, // half to even rounds past the largest int
        };
        for (const auto& r : rows)
            QCOMPARE(util::parseNumber(s(r.text)), r.value);
        for (long long v : {0LL, 5LL, -12LL, 2147483647LL})
            QCOMPARE(util::parseNumber(util::numberText(v)), int(v));
        QCOMPARE(util::numberText(5), s(" 5"));
    }

    void decodeText() {
        const struct {
            QByteArray bytes;
            const char* text;
            bool utf8;
        } rows[] = {
            {"", "", true},
            {"caf\xC3\xA9", "café", true},
            {"\xF0\x9F\x98\x80", "\U0001F600", true},
            {"\xEF\xBB\xBF"
             "a\r\nb\rc",
             "a\r\nb\rc", true}, // the byte-order mark is no text
            {"\x80\x93x\x94\x81", "\u20ac\u201cx\u201d\u0081", false},
            {"abc\xC3", "abc\u00c3", false},
            {"\xC0\xAF", "\u00c0\u00af", false},
            {"\xED\xA0\x80", "\u00ed\u00a0\u20ac", false},
            {"\xC3\xA9 \xE9", "\u00c3\u00a9 \u00e9",
             false}, // one bad byte: the whole file is Windows-1252
        };
        for (const auto& r : rows) {
            const util::DecodedText d = util::decodeText(r.bytes);
            QCOMPARE(d.text, s(r.text));
            QCOMPARE(d.encoding, r.utf8 ? Encoding::Utf8 : Encoding::Windows1252);
        }
    }

    // Every Windows-1252 byte, the unassigned ones too, comes back as it was.
    void encodeText_roundTripsAndReportsLoss() {
        QByteArray every;
        for (int c = 1; c <= 0xFF; ++c)
            every.append(char(c));
        const util::DecodedText d = util::decodeText(every);
        bool lossless = false;
        QCOMPARE(util::encodeText(d.text, d.encoding, &lossless), every);
        QVERIFY(lossless && util::fitsWindows1252(d.text));
        QCOMPARE(util::encodeText(s("a\u0101b"), Encoding::Windows1252, &lossless),
                 QByteArray("a?b"));
        QVERIFY(!lossless);
        QVERIFY(!util::fitsWindows1252(s("\u2660")) && !util::fitsWindows1252(s("\U0001F600")));
        QCOMPARE(util::encodeText(s("caf\u00e9 \u0101"), Encoding::Utf8),
                 QByteArray("caf\xC3\xA9 \xC4\x81"));
    }

    void toCrLf() {
        QCOMPARE(util::toCrLf(s("a\nb\rc\r\nd\n\re\r\r\nf\r")),
                 s("a\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\nf\r\n"));
    }

    void stringHelpers() {
        QCOMPARE(util::instr(4, s("abcabc"), s("c")), qsizetype(6));
        QCOMPARE(util::instr(5, s("abc"), s("a")), qsizetype(0));
        QCOMPARE(util::mid(s("abcdef"), 5, 10), s("ef"));
        QCOMPARE(util::left(s("abc"), -3), QString());
        // Well-formed escapes decode as UTF-8; malformed ones stay as written.
        QCOMPARE(util::percentDecode(s("My%20F%c3%a9%23x%25")), s("My Fé#x%"));
        for (const char* kept : {"100%", "a%2", "a%zzb", "a%2Gb"})
            QCOMPARE(util::percentDecode(s(kept)), s(kept));
    }

    void htmlTokens_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char* name, const char* html, std::initializer_list<const char*> toks) {
            QStringList l;
            for (const char* t : toks)
                l << s(t);
            QTest::newRow(name) << s(html) << l;
        };
        row("tagsAndText", "<P>Bid <B>1C</B>",
            {"tag:<P>", "text:Bid ", "tag:<B>", "text:1C", "end:</B>"});
        row("quotedGreaterThan", "<IMG ALT=\"score > 1C\">1C",
            {"tag:<IMG ALT=\"score > 1C\">", "text:1C"});
        row("singleQuotes", "<A TITLE='a>b'>x", {"tag:<A TITLE='a>b'>", "text:x"});
        row("quoteInAName_noQuote", "<P a\"b>x\"", {"tag:<P a\"b>", "text:x\""});
        row("unclosedQuote", "<A HREF=\"x>text", {"tag:<A HREF=\"x>text"});
        row("strayLessThan", "a < b <3 c", {"text:a ", "text:< b ", "text:<3 c"});
        row("comments", "<!-- <B>1C</B> -->a<!-->b<!--->c",
            {"comment:<!-- <B>1C</B> -->", "text:a", "comment:<!-->", "text:b", "comment:<!--->",
             "text:c"});
        row("declarations", "<!DOCTYPE html><?xml x?>a",
            {"decl:<!DOCTYPE html>", "decl:<?xml x?>", "text:a"});
        row("scriptIsRaw", "<SCRIPT>if (a<b) s=\"</P>&amp;\";</script >x",
            {"tag:<SCRIPT>", "raw:if (a<b) s=\"</P>&amp;\";", "end:</script >", "text:x"});
        row("rawEndNeedsWholeName", "<style>a</styles></style>",
            {"tag:<style>", "raw:a</styles>", "end:</style>"});
        row("titleEntitiesNoTags", "<TITLE>1C &amp; <B></TITLE>",
            {"tag:<TITLE>", "text:1C ", "ent:&amp;", "text: <B>", "end:</TITLE>"});
        row("entities", "a&nbsp;b&#x2660 c&x &1;",
            {"text:a", "ent:&nbsp;", "text:b", "ent:&#x2660", "text: c", "text:&x ", "text:&1;"});
        row("tagAfterEntity", "&nbsp;<a href=\"x\">", {"ent:&nbsp;", "tag:<a href=\"x\">"});
        row("unclosedTagAtEnd", "x<B", {"text:x", "tag:<B"});
        row("endTagWithoutName", "</ >", {"text:</ >"});
    }
    void htmlTokens() {
        QFETCH(QString, html);
        QFETCH(QStringList, expected);
        QCOMPARE(tokens(html), expected);
    }

    // Whatever the bytes, the tokens cover the text exactly once.
    void htmlTokens_tileAnyText() {
        const QString alphabet = s("<>/!-?\"'=&#;aPx \r\n");
        quint32 x = 7;
        for (int n = 0; n < 2000; ++n) {
            QString text;
            for (int i = 0; i < 24; ++i)
                text += alphabet[int((x = x * 1103515245u + 12345u) >> 16) % alphabet.size()];
            QVERIFY2(!tokens(text).value(0).startsWith(s("gap")) &&
                         !tokens(text).value(0).startsWith(s("text lost")),
                     qPrintable(text));
        }
    }

    void attributesAndTextOnly() {
        const QString tag = s("<A class=x HREF = \"#B\" data-x='1 > 0' checked>");
        QCOMPARE(util::html::attribute(tag, QLatin1StringView("href"))->toString(), s("#B"));
        QCOMPARE(util::html::attribute(tag, QLatin1StringView("data-x"))->toString(), s("1 > 0"));
        QVERIFY(util::html::attribute(tag, QLatin1StringView("checked"))->isEmpty());
        QVERIFY(!util::html::attribute(s("<A TITLE=\"HREF=x\">"), QLatin1StringView("href")));
        QCOMPARE(
            util::html::textOnly(s("<H3><A NAME=\"A\"></A>Quiz &amp; <I>more</I></H3><!-- x -->")),
            s("Quiz &amp; more"));
    }
};

QTEST_APPLESS_MAIN(TestUtil)
#include "test_util.moc"

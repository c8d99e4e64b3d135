// VontrelFileViewer.cfg: 35 lines of numbers, fields and recent files.
#include "shell/configfile.h"
#include "util/textcodec.h"

#include <QTest>

using shell::ConfigValues;

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }

// Every field as text, in file order, so that a mismatch names its line.
QStringList fields(const ConfigValues& v) {
    QStringList out;
    for (std::int32_t n : {v.windowLeft, v.windowTop, v.windowHeight, v.windowWidth, v.oneWidth, v.twoWidth,
                           v.leftPaneWidth, v.rightPaneWidth, v.paneHeight})
        out << QString::number(n);
    for (const QString& c : v.pageColors) out << c;
    for (int i = 0; i < 10; ++i) out << v.recentFolder[i] << v.recentFile[i];
    out << v.openInRight;
    return out;
}

ConfigValues sample() {
    ConfigValues v;
    v.windowLeft = 1440;
    v.windowTop = -15;
    v.windowHeight = 9000;
    v.windowWidth = 12000;
    v.oneWidth = 8000;
    v.twoWidth = 15000;
    v.leftPaneWidth = 5000;
    v.rightPaneWidth = 6000;
    v.paneHeight = 7500;
    const char* colors[5] = {"#000080", "#AFFEFE", "#1C8E1F", "#7C2C76", "#F00000"};
    for (int i = 0; i < 5; ++i) v.pageColors[i] = s(colors[i]);
    v.recentFolder[0] = s("/home/a/Bridge/");
    v.recentFile[0] = s("deal.htm");
    v.recentFolder[1] = s("  /home/a/lead, blanks/");
    v.recentFile[1] = s("\"quoted\", name.htm");
    v.recentFolder[2] = QStringLiteral("/home/a/Ench\u00e8res/");
    v.recentFile[2] = QStringLiteral("\u2660 suits.htm");
    v.openInRight = s("True");
    return v;
}

// Values that a read must leave alone where the text has no line for them.
ConfigValues preset() {
    ConfigValues v;
    v.windowLeft = 777;
    v.windowTop = 888;
    v.windowHeight = 999;
    v.windowWidth = 1111;
    v.pageColors[0] = s("#123456");
    v.recentFile[9] = s("kept.htm");
    v.openInRight = s("False");
    return v;
}

QString lines(const QStringList& l) { return l.join(s("\r\n")) + s("\r\n"); }
} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT
private slots:
    void writeThenRead_sameFields();
    void written_has35CrLfLines();
    void shortText_keepsLaterValues_data();
    void shortText_keepsLaterValues();
    void fileOf34Lines_optionNotRead();
    void moreThan35Lines_restIgnored();
    void numberLines_badTextGivesZero();
    void fieldAndRecentLines();
    void readField_data();
    void readField();
    void hostileText_readsSafely();
};

void TestConfigFile::writeThenRead_sameFields() {
    const ConfigValues written = sample();
    ConfigValues read;
    QCOMPARE(shell::readConfig(shell::writeConfig(written), read), 35);
    QCOMPARE(fields(read), fields(written));
}

void TestConfigFile::written_has35CrLfLines() {
    const QString text = shell::writeConfig(sample());
    QVERIFY(text.endsWith(s("\r\n")));
    QCOMPARE(text.count(QLatin1Char('\n')), 35);
    QCOMPARE(text.count(QLatin1Char('\r')), 35);
    QCOMPARE(text.count(s("\r\n")), 35);
    const QStringList l = text.split(s("\r\n"));
    QCOMPARE(l.size(), 36);
    QCOMPARE(l[0], s(" 1440 "));
    QCOMPARE(l[1], s("-15 "));
    QCOMPARE(l[8], s(" 7500 "));
    QCOMPARE(l[9], s("#000080"));
    QCOMPARE(l[14], s("/home/a/Bridge/"));
    QCOMPARE(l[15], s("deal.htm"));
    QCOMPARE(l[16], s("  /home/a/lead, blanks/"));
    QCOMPARE(l[33], QString()); // empty entries are empty lines
    QCOMPARE(l[34], s("True"));

    const QString empty = shell::writeConfig(ConfigValues());
    QCOMPARE(empty.count(s("\r\n")), 35);
    QVERIFY(empty.startsWith(s(" 0 \r\n")));
}

void TestConfigFile::shortText_keepsLaterValues_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::newRow("empty_nothingRead") << QString() << 0 << 777 << 888 << 999;
    QTest::newRow("oneLineWithoutBreak") << s("10") << 1 << 10 << 888 << 999;
    QTest::newRow("twoCrLfLines") << s("10\r\n20\r\n") << 2 << 10 << 20 << 999;
    QTest::newRow("lfOnly") << s("10\n20\n") << 2 << 10 << 20 << 999;
    QTest::newRow("lastLineWithoutBreak") << s("10\r\n20") << 2 << 10 << 20 << 999;
    QTest::newRow("mixedLineEnds") << s("10\r\n20\n30\r\n") << 3 << 10 << 20 << 30;
    QTest::newRow("emptyThirdLine_readAsZero") << s("10\r\n20\r\n\r\n") << 3 << 10 << 20 << 0;
    QTest::newRow("loneLineBreak_oneEmptyLine") << s("\r\n") << 1 << 0 << 888 << 999;
}

void TestConfigFile::shortText_keepsLaterValues() {
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, height);
    ConfigValues v = preset();
    QCOMPARE(shell::readConfig(text, v), count);
    QCOMPARE(v.windowLeft, left);
    QCOMPARE(v.windowTop, top);
    QCOMPARE(v.windowHeight, height);
    QCOMPARE(v.windowWidth, 1111);
    QCOMPARE(v.pageColors[0], s("#123456"));
    QCOMPARE(v.recentFile[9], s("kept.htm"));
    QCOMPARE(v.openInRight, s("False"));
}

void TestConfigFile::fileOf34Lines_optionNotRead() {
    QStringList l = shell::writeConfig(sample()).split(s("\r\n"));
    l = l.mid(0, 34);
    ConfigValues v = preset();
    QCOMPARE(shell::readConfig(lines(l), v), 34);
    QCOMPARE(v.recentFile[9], QString()); // line 34 was there, empty
    QCOMPARE(v.openInRight, s("False"));
}

void TestConfigFile::moreThan35Lines_restIgnored() {
    QString text = shell::writeConfig(sample());
    text += s("junk 36\r\n 99 \r\n");
    ConfigValues v;
    QCOMPARE(shell::readConfig(text, v), 35);
    QCOMPARE(fields(v), fields(sample()));
}

void TestConfigFile::numberLines_badTextGivesZero() {
    const QStringList numbers = {s("abc"), s("99999999999"), s("12.5"), s("13.5"), s(" 4000 , 5"),
                                 s("-300"), s(""), s("1e400"), s("--5")};
    QStringList l = numbers;
    for (int i = 9; i < 35; ++i) l << QString();
    ConfigValues v = preset();
    QCOMPARE(shell::readConfig(lines(l), v), 35);
    QCOMPARE(v.windowLeft, 0);
    QCOMPARE(v.windowTop, 0);
    QCOMPARE(v.windowHeight, 12);
    QCOMPARE(v.windowWidth, 14);
    QCOMPARE(v.oneWidth, 4000);
    QCOMPARE(v.twoWidth, -300);
    QCOMPARE(v.leftPaneWidth, 0);
    QCOMPARE(v.rightPaneWidth, 0);
    QCOMPARE(v.paneHeight, 0);
}

// Colours and the option are fields; recent-file lines are taken whole.
void TestConfigFile::fieldAndRecentLines() {
    QStringList l;
    for (int i = 0; i < 9; ++i) l << s(" 0 ");
    l << s("  #FF0000") << s("\"#00FF00\", extra") << s("#0000FF, #FFFFFF") << QString() << s("  \"a, b\"");
    for (int i = 0; i < 10; ++i)
        l << s("  /folder, with \"quotes\"/ ") << s(" name, %1.htm ").arg(i);
    l << s("  False, whatever");
    ConfigValues v;
    QCOMPARE(shell::readConfig(lines(l), v), 35);
    QCOMPARE(v.pageColors[0], s("#FF0000"));
    QCOMPARE(v.pageColors[1], s("#00FF00"));
    QCOMPARE(v.pageColors[2], s("#0000FF"));
    QCOMPARE(v.pageColors[3], QString());
    QCOMPARE(v.pageColors[4], s("a, b"));
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(v.recentFolder[i], s("  /folder, with \"quotes\"/ "));
        QCOMPARE(v.recentFile[i], s(" name, %1.htm ").arg(i));
    }
    QCOMPARE(v.openInRight, s("False"));
}

void TestConfigFile::readField_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << s("True") << s("True");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("onlyBlanks") << s("    ") << QString();
    QTest::newRow("leadingBlanksSkipped") << s("   #AFFEFE") << s("#AFFEFE");
    QTest::newRow("endsAtComma") << s("  abc, def") << s("abc");
    QTest::newRow("startsWithComma_empty") << s(",abc") << QString();
    QTest::newRow("quoted_keepsComma") << s("\"a, b\"") << s("a, b");
    QTest::newRow("quotedThenMore_endsAtQuote") << s("  \"#FF0000\", x") << s("#FF0000");
    QTest::newRow("quotedEmpty") << s("\"\"") << QString();
    QTest::newRow("unclosedQuote_toLineEnd") << s("\"abc, d") << s("abc, d");
    QTest::newRow("quoteInsideValue_kept") << s("ab\"c\"") << s("ab\"c\"");
}

void TestConfigFile::readField() {
    QFETCH(QString, line);
    QFETCH(QString, value);
    QCOMPARE(shell::readField(line), value);
}

void TestConfigFile::hostileText_readsSafely() {
    // A very long recent-file line is kept whole; a very long number is 0.
    QStringList l;
    l << QString(100000, QLatin1Char('9'));
    for (int i = 1; i < 14; ++i) l << s(" 1 ");
    const QString longName = QString(200000, QLatin1Char('x')) + s(".htm");
    l << s("/d/") << longName;
    ConfigValues v;
    QCOMPARE(shell::readConfig(lines(l), v), 16);
    QCOMPARE(v.windowLeft, 0);
    QCOMPARE(v.recentFile[0], longName);

    // Binary junk: whatever it decodes to, at most 35 lines are read.
    QByteArray junk;
    quint32 x = 12345;
    for (int i = 0; i < 65536; ++i) {
        x = x * 1103515245u + 12345u;
        junk.append(char(x >> 24));
    }
    const QString text = util::decodeText(junk).text;
    ConfigValues w;
    QCOMPARE(shell::readConfig(text, w), 35);
    QCOMPARE(shell::writeConfig(w).count(s("\r\n")) >= 35, true);
}

QTEST_APPLESS_MAIN(TestConfigFile)
#include "test_configfile.moc"

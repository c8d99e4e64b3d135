// What the controllers may rely on from the source editor, checked against
// the real Qt editor and against the scripted fake the controller tests
// use: a case the two disagree on is a fault of the fake.
#include "platform/qt/qteditor.h"
#include "tests/fakes/fakecontrols.h"

#include <QApplication>
#include <QTest>
#include <memory>

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

std::unique_ptr<platform::TextEditor> makeEditor(const QString& kind) {
    if (kind == QLatin1String("real")) return std::make_unique<platform::qt::QtTextEditor>(nullptr);
    return std::make_unique<fakes::FakeTextEditor>();
}

// Adds one row for each editor.
template <class... Values> void row(const char* name, Values... values) {
    for (const char* kind : {"real", "fake"})
        ((QTest::newRow(
              qPrintable(QStringLiteral("%1/%2").arg(QLatin1String(kind), QLatin1String(name))))
          << QString::fromLatin1(kind))
         << ... << values);
}

QString everyCharacterUpTo0xFF() {
    QString s;
    for (int c = 0; c <= 0xFF; ++c)
        if (c != '\r' && c != '\n') s += QChar(c);
    return s;
}

QString bigArticle() {
    const QString line =
        QStringLiteral("<P>West led the \u2660K;\u00a0declarer won, 1C 1H 2NT.</P>\r\n");
    QString s;
    while (s.size() < 5 * 1024 * 1024)
        s += line;
    return s;
}
} // namespace

class EditorContract : public QObject {
    Q_OBJECT
  private slots:
    void textOut_isTextIn_data();
    void textOut_isTextIn();
    void lineBreaks_comeOutCrLf_data();
    void lineBreaks_comeOutCrLf();
    void selection_offsetsCountCrLf_data();
    void selection_offsetsCountCrLf();
    void replacingTheSelection_nearTheEnd_data();
    void replacingTheSelection_nearTheEnd();
    void lineText_isTheCaretsLine_data();
    void lineText_isTheCaretsLine();
    void changes_areReported_data();
    void changes_areReported();
};

void EditorContract::textOut_isTextIn_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    row("empty", QString());
    row("noBreakSpaces", qs("a\u00a0b&nbsp;\u00a0\u00a0c"));
    row("lineSeparator", qs("a\u2028b"));
    row("paragraphSeparator", qs("a\u2029b\r\n\u2029"));
    row("nonCharactersTheWidgetUses", qs("\ufdd0a\ufdd1\ufffc"));
    row("privateUseBesideSeparator", qs("\uf8ff\u2029\uf8fe\u2029\ue000"));
    row("crLfLines", qs("<P>a</P>\r\n<P>b</P>"));
    row("finalLineBreak", qs("a\r\n"));
    row("twoFinalLineBreaks", qs("a\r\n\r\n"));
    row("onlyLineBreaks", qs("\r\n\r\n\r\n"));
    row("byteOrderMarkCharacter", qs("\ufeff<HTML>"));
    row("outsideBmp", qs("\U0001F0A1 \U0001F600\r\n\U00010000"));
    row("everyCharacterUpTo0xFF", everyCharacterUpTo0xFF());
    row("fiveMegabytes", bigArticle());
}

void EditorContract::textOut_isTextIn() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    auto editor = makeEditor(kind);
    editor->setText(text);
    QCOMPARE(editor->text(), text);
    editor->setSelStart(0);
    editor->setSelLength(int(text.size()));
    QCOMPARE(editor->selText(), text);
    // Put back through the selection, it is still the same.
    editor->setSelText(text);
    QCOMPARE(editor->text(), text);
    QCOMPARE(editor->selStart(), int(text.size()));
}

void EditorContract::lineBreaks_comeOutCrLf_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    row("lf", qs("a\nb\n"), qs("a\r\nb\r\n"));
    row("loneCr", qs("a\rb"), qs("a\r\nb"));
    row("mixed", qs("a\r\nb\nc\rd"), qs("a\r\nb\r\nc\r\nd"));
    row("crCrLf", qs("a\r\r\nb"), qs("a\r\n\r\nb"));
}

void EditorContract::lineBreaks_comeOutCrLf() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    auto editor = makeEditor(kind);
    editor->setText(text);
    QCOMPARE(editor->text(), expected);
    editor->setText(QString());
    editor->setSelText(text);
    QCOMPARE(editor->text(), expected);
    QCOMPARE(editor->selStart(), int(expected.size()));
}

// On "ab\r\ncd\r\n": the caret is put at `start`, then `length` is selected.
void EditorContract::selection_offsetsCountCrLf_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("selText");
    row("caretAtStart", 0, 0, 0, 0, QString());
    row("beforeNegative_isStart", -5, 2, 0, 2, qs("ab"));
    row("acrossALineBreak", 1, 4, 1, 4, qs("b\r\nc"));
    row("betweenCrAndLf_isLineEnd", 3, 0, 2, 0, QString());
    row("endBetweenCrAndLf_isLineEnd", 1, 2, 1, 1, qs("b"));
    row("atTheEnd", 8, 0, 8, 0, QString());
    row("pastTheEnd_isTheEnd", 100, 5, 8, 0, QString());
    row("lengthPastTheEnd_toTheEnd", 4, 100, 4, 4, qs("cd\r\n"));
    row("negativeLength_isNone", 4, -3, 4, 0, QString());
}

void EditorContract::selection_offsetsCountCrLf() {
    QFETCH(QString, kind);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, selText);
    auto editor = makeEditor(kind);
    editor->setText(qs("ab\r\ncd\r\n"));
    editor->setSelStart(start);
    editor->setSelLength(length);
    QCOMPARE(editor->selStart(), selStart);
    QCOMPARE(editor->selLength(), selLength);
    QCOMPARE(editor->selText(), selText);
}

void EditorContract::replacingTheSelection_nearTheEnd_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    row("small", qs("<P>one</P>\r\n<P>two</P>\r\n"));
    row("fiveMegabytes", bigArticle());
}

void EditorContract::replacingTheSelection_nearTheEnd() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    auto editor = makeEditor(kind);
    editor->setText(text);
    const int at = int(text.size()) - 6; // "</P>\r\n" ends the text
    editor->setSelStart(at);
    editor->setSelLength(4);
    QCOMPARE(editor->selText(), qs("</P>"));
    editor->setSelText(qs("</P>\r\n<P>\u00a0x</P>"));
    QCOMPARE(editor->selStart(), at + 15);
    QCOMPARE(editor->selLength(), 0);
    QString expected = text;
    expected.replace(at, 4, qs("</P>\r\n<P>\u00a0x</P>"));
    QCOMPARE(editor->text(), expected);
}

void EditorContract::lineText_isTheCaretsLine_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("lineStart");
    row("firstLine", 0, qs("a\u00a0b"), 0);
    row("endOfFirstLine", 3, qs("a\u00a0b"), 0);
    row("betweenCrAndLf", 4, qs("a\u00a0b"), 0);
    row("secondLine", 5, qs("c\u2028d"), 5);
    row("emptyLastLine", 10, QString(), 10);
    row("pastTheEnd", 99, QString(), 10);
}

void EditorContract::lineText_isTheCaretsLine() {
    QFETCH(QString, kind);
    QFETCH(int, offset);
    QFETCH(QString, line);
    QFETCH(int, lineStart);
    auto editor = makeEditor(kind);
    editor->setText(qs("a\u00a0b\r\nc\u2028d\r\n"));
    int start = -1;
    QCOMPARE(editor->lineText(offset, &start), line);
    QCOMPARE(start, lineStart);
}

void EditorContract::changes_areReported_data() {
    QTest::addColumn<QString>("kind");
    row("any");
}

void EditorContract::changes_areReported() {
    QFETCH(QString, kind);
    auto editor = makeEditor(kind);
    int changes = 0;
    editor->onChange = [&] { ++changes; };
    editor->setText(qs("one"));
    QVERIFY(changes > 0);
    changes = 0;
    editor->setSelStart(3);
    QCOMPARE(changes, 0); // moving the caret changes nothing
    editor->setSelText(qs(" two"));
    QVERIFY(changes > 0);
    QCOMPARE(editor->text(), qs("one two"));
}

QTEST_MAIN(EditorContract)
#include "test_editorcontract.moc"

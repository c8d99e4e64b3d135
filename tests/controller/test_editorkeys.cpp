// The editors' own keys and mouse: Ctrl+E and Ctrl+M run their commands
// without the editor seeing the key, Esc closes the find dialog, the right
// button pops up the HTML menu, and focus or a click picks the editor.
#include "tests/fakes/smalllexicon.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::KeyEvent;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }

constexpr int kRed = 255;
constexpr int kBlue = 16711680;

// An editor over a small lexicon: "well" and "known" with categories,
// "stayman" known but without any category link, "polish" with only a
// link outside the categories.
struct Typing {
    ViewerHarness h;
    fakes::SmallLexicon lex{h.paths.lexiconFolder};
    shell::TarnwellFileViewer* v = nullptr;
    Typing() {
        lex.addWord(qs("well"), {30040});
        lex.addWord(qs("known"), {30030});
        lex.addWord(qs("the"), {30000});
        lex.addWord(qs("John"), {30050});
        lex.addWord(qs("stayman"), {});
        lex.addWord(qs("polish"), {31000});
        v = &h.start();
        h.text1[1].setVisible(true);
    }
    // Types `text` at the caret, then presses `key`: returns the mark left
    // on the word before the caret (0 plain, -1 nothing checked).
    int typeThen(const QString& text, int keyCode, int shift = 0) {
        auto& e = h.text1[1];
        e.setSelText(text);
        e.marks.clear();
        const int caret = e.selStart();
        KeyEvent key{keyCode, shift};
        e.onKeyDown(key);
        if (e.selStart() != caret) return -2; // the caret must stay put
        for (const auto& m : e.marks)
            if (m.color > 0 && m.length > 0) return m.color;
        return e.marks.empty() ? -1 : 0;
    }
    int markOn(const QString& text, int keyCode = 32, int shift = 0) {
        h.text1[1].setText(QString());
        return typeThen(text, keyCode, shift);
    }
};
} // namespace

class EditorKeysTest : public QObject {
    Q_OBJECT
private slots:
    void controlKeys_runCommandsAndEatTheKey();
    void escape_closesFindDialog();
    void rightButton_popsUpHtmlMenu();
    void focusAndClick_pickTheEditor();
    void typedWord_marks_data();
    void typedWord_marks();
    void typedWord_upArrowChecksWholeWord();
    void typedWord_missingLexicon_typingGoesOn();
    void typedWord_whileLexiconIsRead_checkedWhenIn();
};

void EditorKeysTest::controlKeys_runCommandsAndEatTheKey() {
    ViewerHarness h;
    auto& v = h.start();
    QStringList ran;
    v.registerHandler(qs("mLinkExt"), [&](int) { ran << qs("mLinkExt"); });
    v.registerHandler(qs("mSymbolsForHands"), [&](int) { ran << qs("mSymbolsForHands"); });
    KeyEvent ctrlE{69, 2};
    h.text1[1].onKeyDown(ctrlE);
    KeyEvent ctrlM{77, 2};
    h.text1[1].onKeyDown(ctrlM);
    QCOMPARE(ran, (QStringList{qs("mLinkExt"), qs("mSymbolsForHands")}));
    QCOMPARE(ctrlE.keyCode, 0);
    QCOMPARE(ctrlM.shift, 0);
    // With Shift as well, the keys are the editor's.
    KeyEvent shiftCtrlE{69, 3};
    h.text1[1].onKeyDown(shiftCtrlE);
    QCOMPARE(ran.size(), 2);
    QCOMPARE(shiftCtrlE.keyCode, 69);
}

void EditorKeysTest::escape_closesFindDialog() {
    ViewerHarness h;
    const QString page = h.writeFile(qs("home/a.htm"), "text");
    h.start(page + qs(" ") + page);
    KeyEvent esc{27, 0};
    h.text1[1].onKeyDown(esc); // no dialog yet: nothing happens
    h.menu.choose(qs("mFind"), 0);
    QVERIFY(h.find.form.visible());
    h.text1[1].onKeyDown(esc);
    QVERIFY(!h.find.form.visible());
    QVERIFY(h.dialogs.messages.empty());
}

void EditorKeysTest::rightButton_popsUpHtmlMenu() {
    ViewerHarness h;
    h.start();
    h.text1[1].onMouseDown(platform::RightButton, 0, 0);
    h.text1[1].onMouseDown(platform::LeftButton, 0, 0);
    QCOMPARE(h.menu.popups, QStringList{qs("mH")});
}

void EditorKeysTest::focusAndClick_pickTheEditor() {
    ViewerHarness h;
    auto& v = h.start();
    h.text1[1].setFocus();
    QCOMPARE(v.ActivePane, 1);
    h.text1[0].onClick();
    QCOMPARE(v.ActivePane, 0);
}

void EditorKeysTest::typedWord_marks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("mark");
    QTest::newRow("unknown word then space: red") << qs("helo") << 32 << 0 << kRed;
    QTest::newRow("known word: plain") << qs("the") << 32 << 0 << 0;
    QTest::newRow("any case: plain") << qs("THE") << 32 << 0 << 0;
    QTest::newRow("no category link: blue") << qs("polish") << 32 << 0 << kBlue;
    QTest::newRow("no Velmora entry at all: plain") << qs("stayman") << 32 << 0 << 0;
    QTest::newRow("possessive of a known word") << qs("John's") << 32 << 0 << 0;
    QTest::newRow("both parts of a hyphenated word") << qs("well-known") << 32 << 0 << 0;
    QTest::newRow("only the first part known") << qs("well-knwn") << 32 << 0 << kRed;
    QTest::newRow("a full stop ends a word") << qs("helo") << 190 << 0 << kRed;
    QTest::newRow("digits never checked") << qs("1234") << 32 << 0 << -1;
    QTest::newRow("word cut at a digit") << qs("4helo") << 32 << 0 << kRed;
    QTest::newRow("Shift+Space does not check") << qs("helo") << 32 << 1 << -1;
    QTest::newRow("Backspace does not check") << qs("helo") << 8 << 0 << -1;
    QTest::newRow("Enter does not check") << qs("helo") << 13 << 0 << -1;
    QTest::newRow("Left arrow does not check") << qs("helo") << 37 << 0 << -1;
    QTest::newRow("a letter does not check") << qs("helo") << 65 << 0 << -1;
    QTest::newRow("F5 does not check") << qs("helo") << 116 << 0 << -1;
    QTest::newRow("after markup, the word alone") << qs("<B>helo") << 32 << 0 << kRed;
}

void EditorKeysTest::typedWord_marks() {
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(int, shift);
    QFETCH(int, mark);
    Typing t;
    QCOMPARE(t.markOn(text, key, shift), mark);
}

void EditorKeysTest::typedWord_upArrowChecksWholeWord() {
    Typing t;
    auto& e = t.h.text1[1];
    e.setText(qs("x helo y"));
    e.setSelStart(4); // inside "he|lo"
    KeyEvent up{38, 0};
    e.onKeyDown(up);
    const auto red = std::find_if(e.marks.begin(), e.marks.end(), [](const auto& m) { return m.color == kRed; });
    QVERIFY(red != e.marks.end());
    QCOMPARE(red->start, 2);
    QCOMPARE(red->length, 4);
    QCOMPARE(e.selStart(), 6); // the caret stands after the whole word

    // Correcting the word and ending it again turns it plain.
    e.setText(qs("helo"));
    e.setSelStart(4);
    KeyEvent space{32, 0};
    e.onKeyDown(space);
    e.setText(qs("the"));
    e.setSelStart(3);
    e.marks.clear();
    e.onKeyDown(space);
    QCOMPARE(e.marks.front().start, 0);
    QCOMPARE(e.marks.front().color, 0);
    QVERIFY(t.h.dialogs.messages.empty());
}

void EditorKeysTest::typedWord_missingLexicon_typingGoesOn() {
    ViewerHarness h;
    h.withLexicon = false;
    const QString page = h.writeFile(qs("home/a.htm"), "text");
    h.start(page + qs(" ") + page);
    // Told once, when the file opened for editing.
    QCOMPARE(h.dialogs.messages.size(), 1u);
    QVERIFY(h.dialogs.messages[0].text.startsWith(qs("Words are not checked as you type")));
    h.text1[1].setText(qs("helo"));
    h.text1[1].setSelStart(4);
    KeyEvent space{32, 0};
    h.text1[1].onKeyDown(space);
    QCOMPARE(space.keyCode, 32);
    QVERIFY(h.text1[1].marks.empty());
    // Closing and opening the editor again (its edits let go) tells nothing new.
    h.dialogs.answers.push_back(platform::Answer::No);
    h.menu.choose(qs("mEditHTML"));
    h.menu.choose(qs("mEditHTML"));
    QCOMPARE(h.dialogs.messages.size(), 2u);
    QVERIFY(h.dialogs.messages[1].text.startsWith(qs("Save changes to ")));
}

void EditorKeysTest::typedWord_whileLexiconIsRead_checkedWhenIn() {
    // The lexicon is read in the background as the program starts: words
    // typed meanwhile are marked when it is in, where they still stand,
    // and the caret stays where the user left it.
    ViewerHarness h;
    fakes::SmallLexicon lex{h.paths.lexiconFolder};
    lex.addWord(qs("well"), {30040});
    h.background.hold = true;
    h.start();
    auto& e = h.text1[1];
    e.setVisible(true);
    auto type = [&](const QString& text) {
        e.setSelText(text);
        KeyEvent space{32, 0};
        e.onKeyDown(space);
        e.setSelText(qs(" "));
    };
    type(qs("helo"));
    type(qs("well"));
    type(qs("wrold"));
    // "wrold" is changed to "world" before the lexicon comes in.
    e.setSelStart(11);
    e.setSelLength(5);
    e.setSelText(qs("world"));
    e.setSelStart(3);
    e.marks.clear();
    QVERIFY(!h.background.held.empty());
    h.background.finishAll();
    QStringList red;
    const QString text = e.text();
    for (const auto& m : e.marks)
        if (m.color == kRed && m.length > 0) red << text.mid(m.start, m.length);
    QCOMPARE(red, QStringList{qs("helo")});
    QCOMPARE(e.selStart(), 3);
    QCOMPARE(e.selLength(), 0);
}

QTEST_GUILESS_MAIN(EditorKeysTest)
#include "test_editorkeys.moc"

// The document scan and the suggestions from the main window: the editor's
// selection and marks, the suggestion box's fields, the scan's own endings.
#include "tests/fakes/smalllexicon.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::FakeTextEditor;
using fakes::ViewerHarness;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
const QString kPad = qs(" <br>").repeated(25);

struct Checking {
    ViewerHarness h;
    fakes::SmallLexicon lex{h.paths.lexiconFolder};
    shell::TarnwellFileViewer* v = nullptr;
    explicit Checking(const QString& text) {
        lex.addWord(qs("the"), {30000}, 0.1);
        lex.addWord(qs("there"), {30000}, 1.2);
        lex.addMisspelling(qs("recieve"), qs("there"));
        v = &h.create();
        h.text1[1].setText(text);
    }
    FakeTextEditor& editor() { return h.text1[1]; }
    // Reads the lexicon (at once: the harness does background work on the
    // spot) and opens it for a check, as the check commands do.
    bool open() {
        v->LoadLexicon();
        return v->OpenLexicon();
    }
    // The scan's next call, as the check makes it.
    void next() { v->NextWordToCheck(editor().selStart() + editor().selLength() + 1); }
};
} // namespace

class DocumentScanTest : public QObject {
    Q_OBJECT
  private slots:
    void scan_marksWordAndShowsIt_thenUnmarksIt();
    void scan_endOfText_leavesNothingSelected();
    void scan_shortText_touchesNothing();
    void scan_comNearTheEnd_endsTheCheck();
    void scan_heldText_sameAsEditorText();
    void suggest_fillsListOrReplacement();
};

void DocumentScanTest::scan_marksWordAndShowsIt_thenUnmarksIt() {
    Checking c(qs("<p>Helo <i>wrld</i>") + kPad);
    c.v->setSuggestionList(QStringList{qs("old")});
    c.h.box.replace.setText(qs("old"));
    c.next();
    QCOMPARE(c.editor().selStart(), 3);
    QCOMPARE(c.editor().selLength(), 4);
    QCOMPARE(c.h.box.word.text(), qs("Helo"));
    QVERIFY(c.h.box.suggestions.items.isEmpty() && c.h.box.replace.text().isEmpty());
    QCOMPARE(c.v->basSpellingChecker.CheckSelStart, 3);
    QCOMPARE(c.v->basSpellingChecker.CheckSelLength, 4);
    QCOMPARE(c.editor().marks.size(), size_t(2));
    QCOMPARE(c.editor().marks[0].color, 255);
    QVERIFY(c.editor().marks[1].bold);

    c.next();
    QCOMPARE(c.h.box.word.text(), qs("wrld"));
    QCOMPARE(c.editor().selStart(), 11);
    // The previous word lost its mark before the next was marked.
    QCOMPARE(c.editor().marks[2].start, 3);
    QCOMPARE(c.editor().marks[2].color, 0);
    QVERIFY(!c.editor().marks[3].bold);
}

void DocumentScanTest::scan_endOfText_leavesNothingSelected() {
    Checking c(kPad + qs(" Helo"));
    c.next();
    QCOMPARE(c.h.box.word.text(), qs("Helo"));
    c.next();
    QVERIFY(c.h.box.word.text().isEmpty());
    QCOMPARE(c.editor().selLength(), 0);
    QVERIFY(c.h.dialogs.messages.empty());
}

void DocumentScanTest::scan_shortText_touchesNothing() {
    Checking c(qs("Helo wrld"));
    c.editor().setSelStart(2);
    c.h.box.word.setText(qs("x"));
    c.next();
    QVERIFY(c.h.box.word.text().isEmpty());
    QCOMPARE(c.editor().selStart(), 2);
    QVERIFY(c.editor().marks.empty());
}

void DocumentScanTest::scan_comNearTheEnd_endsTheCheck() {
    Checking c(kPad + qs(" see bridgebase com now"));
    QVERIFY(c.open());
    c.next();
    c.next();
    QCOMPARE(c.h.box.word.text(), qs("bridgebase"));
    c.next();
    QCOMPARE(c.h.dialogs.messageTexts(),
             QStringList({qs("No more misspelled words found."), qs("Spell-check is completed.")}));
    c.h.finishSlides();
    QVERIFY(!c.h.box.frame.visible());
    QVERIFY(!c.v->basSpellingChecker.isOpen());
}

void DocumentScanTest::scan_heldText_sameAsEditorText() {
    Checking c(qs("<p>Helo <i>wrld</i>") + kPad);
    const QString held = c.editor().text();
    c.v->NextWordToCheck(5, &held);
    QCOMPARE(c.h.box.word.text(), qs("elo"));
    QCOMPARE(c.editor().selStart(), 4);
}

void DocumentScanTest::suggest_fillsListOrReplacement() {
    Checking c(qs("teh text"));
    QVERIFY(c.open());
    c.v->SuggestSpellings(qs("teh"));
    QCOMPARE(c.h.box.suggestions.items, QStringList({qs("the")}));
    QVERIFY(c.h.box.replace.text().isEmpty());
    // The hidden work list: the score, the frequency class, the spelling.
    QCOMPARE(c.v->basSpellingChecker.SuggestionWork.size(), 1);
    QVERIFY(c.v->basSpellingChecker.SuggestionWork[0].endsWith(qs(" (0.1) - the")));

    c.v->SuggestSpellings(qs("recieve"));
    QCOMPARE(c.h.box.suggestions.items, QStringList({qs("there")}));
    QCOMPARE(c.h.box.replace.text(), qs("there"));
    c.v->basSpellingChecker.NoCompletionMessage = true;
    c.v->CloseLexicon();
}

QTEST_GUILESS_MAIN(DocumentScanTest)
#include "test_documentscan.moc"

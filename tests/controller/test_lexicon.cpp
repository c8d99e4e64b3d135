// Opening, consulting, extending and closing the lexicon from the main
// window: the messages, the suggestion box's fields and the editor marks.
#include "tests/fakes/smalllexicon.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::FakeTextEditor;
using fakes::ViewerHarness;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// A harness whose lexicon folder holds a small lexicon, and an editor text.
struct Checking {
    ViewerHarness h;
    fakes::SmallLexicon lex{h.paths.lexiconFolder};
    shell::TarnwellFileViewer* v = nullptr;
    explicit Checking(const QString& text = qs("Some text in the editor.")) {
        lex.addWord(qs("well"), {30040});
        lex.addWord(qs("known"), {30030});
        lex.addWord(qs("write"), {30020});
        lex.addWord(qs("polish"), {31000});
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
    void select(int start, int length) {
        editor().setSelStart(start);
        editor().setSelLength(length);
    }
    int wordCount() {
        platform::sqlite::Database db(lex.folder + qs("quarn words.accdb"),
                                      platform::sqlite::Database::Mode::ReadOnly);
        platform::sqlite::Statement s(db, qs("SELECT count(*) FROM Words"));
        return s.step() ? int(s.intValue(0)) : -1;
    }
};

bool sameMarks(const std::vector<FakeTextEditor::Mark>& got,
               const std::vector<FakeTextEditor::Mark>& want) {
    if (got.size() != want.size()) return false;
    for (size_t i = 0; i < got.size(); ++i)
        if (got[i].start != want[i].start || got[i].length != want[i].length ||
            got[i].color != want[i].color || got[i].bold != want[i].bold)
            return false;
    return true;
}
} // namespace

class LexiconTest : public QObject {
    Q_OBJECT
  private slots:
    void open_missingLexicon_namesFolderAndDoesNotStart();
    void open_brokenFile_namesFileAndDoesNotStart();
    void open_unfinishedChangeThatCannotBeUndone_saysWhy();
    void open_bringsOutBoxOnlyForNonBlankEditor();
    void present_byDatabaseOrApplicationPage();
    void hyphen_unknownLeftPart_marksItAlone();
    void hyphen_unknownLeftPart_longerRight_marksNothing();
    void hyphen_unknownRightPart_movesCaretToIt();
    void knownWords_leaveEditorAlone();
    void addWord_appendsRecordAndIsThenKnown();
    void addWord_twice_twoRecords();
    void addWord_failure_reportsErrorAndKeepsFile();
    void close_reportsCompletionUnlessFlagged();
};

void LexiconTest::open_missingLexicon_namesFolderAndDoesNotStart() {
    ViewerHarness h;
    h.withLexicon = false;
    auto& v = h.create();
    h.text1[1].setText(qs("text"));
    QVERIFY(!(v.LoadLexicon(), v.OpenLexicon()));
    QCOMPARE(h.dialogs.messages.size(), size_t(1));
    QVERIFY(h.dialogs.messages[0].text.contains(h.paths.lexiconFolder));
    QVERIFY(!h.box.frame.visible());
    QVERIFY(!v.basSpellingChecker.isOpen());
    QVERIFY(!QFile::exists(h.paths.lexiconFolder + qs("qn.accdb"))); // nothing created
}

void LexiconTest::open_brokenFile_namesFileAndDoesNotStart() {
    Checking c;
    QFile::remove(c.lex.folder + qs("quarn words.accdb"));
    c.h.writeFile(qs("Quarn/quarn words.accdb"), QByteArray(4096, 'x'));
    QVERIFY(!c.open());
    QCOMPARE(c.h.dialogs.messages.size(), size_t(1));
    QVERIFY(c.h.dialogs.messages[0].text.contains(qs("quarn words.accdb")));
    QVERIFY(!c.v->basSpellingChecker.isOpen());
    QVERIFY(!c.h.box.frame.visible());
}

void LexiconTest::open_unfinishedChangeThatCannotBeUndone_saysWhy() {
    // A program ended in the middle of adding words, and this one may only
    // read the lexicon: the typing check (told as a file opens for editing)
    // and the document check both say what happened and name the file.
    ViewerHarness h;
    fakes::SmallLexicon lex(h.dir.path() + qs("/before/"));
    lex.addWord(qs("well"), {30040});
    QVERIFY(lex.copyInTheMiddleOfAChange(h.paths.lexiconFolder));
    h.lexicon = platform::sqlite::SqliteLexiconStore({.readOnly = true});
    const QString page = h.writeFile(qs("home/a.htm"), "text");
    auto& v = h.start(page + qs(" ") + page);
    const QString why = h.paths.lexiconFolder +
                        qs("quarn words.accdb cannot be read: a program ended in the middle of "
                           "changing it");
    QCOMPARE(h.dialogs.messages.size(), size_t(1));
    QVERIFY2(h.dialogs.messages[0].text.startsWith(qs("Words are not checked as you type")) &&
                 h.dialogs.messages[0].text.contains(why),
             qPrintable(h.dialogs.messages[0].text));
    QVERIFY(!(v.LoadLexicon(), v.OpenLexicon()));
    QCOMPARE(h.dialogs.messages.size(), size_t(2));
    QVERIFY2(h.dialogs.messages[1].text.contains(why), qPrintable(h.dialogs.messages[1].text));
    QVERIFY(!v.basSpellingChecker.isOpen());
}

void LexiconTest::open_bringsOutBoxOnlyForNonBlankEditor() {
    Checking blank(qs("   "));
    QVERIFY(blank.open());
    QVERIFY(blank.v->basSpellingChecker.isOpen());
    QVERIFY(!blank.h.box.frame.visible());

    Checking c;
    c.h.box.word.setText(qs("old"));
    QVERIFY(c.open());
    QVERIFY(c.h.box.frame.visible());
    QVERIFY(c.h.box.word.text().isEmpty());
    QVERIFY(c.h.dialogs.messages.empty());
}

void LexiconTest::present_byDatabaseOrApplicationPage() {
    ViewerHarness h;
    h.withLexicon = false;
    auto& v = h.create();
    QVERIFY(!v.lexiconPresent());
    h.writeFile(qs("Quarn/Index.htm"), "<HTML></HTML>");
    QVERIFY(v.lexiconPresent());
    QFile::remove(h.paths.lexiconFolder + qs("Index.htm"));
    fakes::SmallLexicon lex(h.paths.lexiconFolder);
    QVERIFY(v.lexiconPresent());
}

void LexiconTest::hyphen_unknownLeftPart_marksItAlone() {
    Checking c(qs("An abcd-e here."));
    QVERIFY(c.open());
    c.select(3, 6);
    QVERIFY(!c.v->IsWordInLexicon(qs("abcd-e")));
    QCOMPARE(c.h.box.word.text(), qs("abcd"));
    QCOMPARE(c.editor().selStart(), 3);
    QCOMPARE(c.editor().selLength(), 4);
    QVERIFY(sameMarks(c.editor().marks,
                      {{3, 6, 0, false}, {3, 6, -1, false}, {3, 4, 255, false}, {3, 4, -1, true}}));
}

void LexiconTest::hyphen_unknownLeftPart_longerRight_marksNothing() {
    Checking c(qs("An abcd-ef here."));
    QVERIFY(c.open());
    c.select(3, 7);
    c.h.box.word.setText(qs("abcd-ef"));
    QVERIFY(!c.v->IsWordInLexicon(qs("abcd-ef")));
    QCOMPARE(c.h.box.word.text(), qs("abcd-ef"));
    QCOMPARE(c.editor().selLength(), 7);
    QVERIFY(c.editor().marks.empty());
}

void LexiconTest::hyphen_unknownRightPart_movesCaretToIt() {
    Checking c(qs("A well-knwn fact."));
    QVERIFY(c.open());
    c.select(2, 9);
    c.h.box.word.setText(qs("well-knwn"));
    QVERIFY(!c.v->IsWordInLexicon(qs("well-knwn")));
    QVERIFY(c.h.box.word.text().isEmpty());
    QCOMPARE(c.editor().selStart(), 7); // the k of knwn
    QCOMPARE(c.editor().selLength(), 0);
    QVERIFY(sameMarks(c.editor().marks, {{2, 9, 0, false}, {2, 9, -1, false}}));
}

void LexiconTest::knownWords_leaveEditorAlone() {
    Checking c;
    QVERIFY(c.open());
    c.select(5, 4);
    QVERIFY(c.v->IsWordInLexicon(qs("well-known")));
    QVERIFY(c.v->IsWordInLexicon(qs("rewrite")));
    QVERIFY(c.v->IsWordInLexicon(qs("a")));
    QVERIFY(!c.v->IsWordInLexicon(qs("polish")));
    QVERIFY(c.editor().marks.empty());
    QCOMPARE(c.editor().selStart(), 5);
    QCOMPARE(c.editor().selLength(), 4);
}

void LexiconTest::addWord_appendsRecordAndIsThenKnown() {
    Checking c;
    QVERIFY(c.open());
    QVERIFY(!c.v->IsWordInLexicon(qs("Stayman")));
    c.v->AddWordToLexicon(qs("  Stayman "));
    QVERIFY(c.h.dialogs.messages.empty());
    QCOMPARE(c.v->basSpellingChecker.LastWordID, 4); // the highest id before the append
    QVERIFY(c.v->IsWordInLexicon(qs("Stayman")));

    platform::sqlite::Database db(c.lex.folder + qs("quarn words.accdb"),
                                  platform::sqlite::Database::Mode::ReadOnly);
    platform::sqlite::Statement s(
        db,
        qs("SELECT id, Text, Soundex, Tag, Sorted, FreqUsed FROM Words WHERE Text = 'Stayman'"));
    QVERIFY(s.step());
    QCOMPARE(s.intValue(0), 5);
    QCOMPARE(s.textValue(1), qs("Stayman"));
    QCOMPARE(s.textValue(2), qs("S355"));
    QCOMPARE(s.intValue(3), 999);
    QCOMPARE(s.textValue(4), qs("aamnSty"));
    QVERIFY(s.isNull(5));

    c.v->AddWordToLexicon(qs("   ")); // nothing to add
    QCOMPARE(c.wordCount(), 5);
}

void LexiconTest::addWord_twice_twoRecords() {
    Checking c;
    QVERIFY(c.open());
    c.v->AddWordToLexicon(qs("doubleton"));
    c.v->AddWordToLexicon(qs("doubleton"));
    QVERIFY(c.h.dialogs.messages.empty());
    QCOMPARE(c.wordCount(), 6);
    QCOMPARE(c.v->basSpellingChecker.LastWordID, 5);
}

void LexiconTest::addWord_failure_reportsErrorAndKeepsFile() {
    Checking c;
    QVERIFY(c.lex.execOnWords(
        qs("CREATE TRIGGER refuse BEFORE INSERT ON Words BEGIN SELECT RAISE(ABORT, 'no'); END")));
    QVERIFY(c.open());
    c.v->basSpellingChecker.LastWordID = 77;
    c.v->AddWordToLexicon(qs("endplay"));
    QCOMPARE(c.h.dialogs.messageTexts(), QStringList{qs("Error # 19 while saving endplay")});
    QCOMPARE(c.h.dialogs.messages[0].buttons, platform::Buttons::Ok);
    QVERIFY(c.h.dialogs.messages[0].title.isEmpty());
    QCOMPARE(c.wordCount(), 4);
    QCOMPARE(c.v->basSpellingChecker.LastWordID, 77);
    QVERIFY(!c.v->IsWordInLexicon(qs("endplay")));
}

void LexiconTest::close_reportsCompletionUnlessFlagged() {
    Checking c;
    QVERIFY(c.open());
    c.select(0, 4);
    c.h.box.word.setText(qs("Some"));
    c.h.box.replace.setText(qs("Same"));
    c.v->setSuggestionList({qs("Same")});
    c.v->basSpellingChecker.SuggestionWork = {qs("x")};
    c.v->CloseLexicon();
    QCOMPARE(c.h.dialogs.messageTexts(), QStringList{qs("Spell-check is completed.")});
    QVERIFY(c.h.box.word.text().isEmpty() && c.h.box.replace.text().isEmpty() &&
            c.h.box.suggestions.items.isEmpty());
    QVERIFY(c.v->basSpellingChecker.SuggestionWork.isEmpty());
    QVERIFY(!c.v->basSpellingChecker.isOpen());
    c.h.finishSlides();
    QVERIFY(!c.h.box.frame.visible());
    QVERIFY(sameMarks(c.editor().marks, {{0, 4, 0, false}, {0, 4, -1, false}}));

    QVERIFY(c.open());
    c.v->basSpellingChecker.NoCompletionMessage = true;
    c.v->CloseLexicon();
    QCOMPARE(c.h.dialogs.messages.size(), size_t(1));
    QVERIFY(!c.v->basSpellingChecker.NoCompletionMessage);
    // Closing twice is harmless.
    c.v->basSpellingChecker.NoCompletionMessage = true;
    c.v->CloseLexicon();
    QCOMPARE(c.h.dialogs.messages.size(), size_t(1));
}

QTEST_GUILESS_MAIN(LexiconTest)
#include "test_lexicon.moc"

// The find and replace dialog through its controls: opening, the snapshot,
// Find Next with its marks and counts, Replace, Replace All, and closing.
#include "editor/findreplace.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }

struct Editing {
    ViewerHarness h;
    QString page;
    shell::TarnwellFileViewer* v = nullptr;
    explicit Editing(const QByteArray& text) {
        page = h.writeFile(qs("home/deal.htm"), text);
        v = &h.start(page + qs(" ") + page); // the same file twice: its source in the editor
    }
    editor::frmFindReplace& dialog() { return *v->FindReplace; }
    // Opens the dialog with the caret at `caret`, looking for `find`.
    void open(int caret, const QString& find) {
        h.text1[1].setSelStart(caret);
        h.menu.choose(qs("mFind"), 0);
        h.find.txtFind.setText(find);
    }
    QString text() { return h.text1[1].text(); }
};
} // namespace

class FindReplaceTest : public QObject {
    Q_OBJECT
private slots:
    void open_takesSelectionAndSnapshot();
    void open_hiddenEntriesOpenTheSameDialog();
    void findNext_marksAndCountsToTheEnd();
    void findNext_firstSearchStartsAtCaret();
    void fromCursor_pastLastMatch_offersTop();
    void replace_thenCounts();
    void replaceAll_resumesAfterReplacement();
    void close_no_restoresTextTypedMeanwhile();
    void close_cancel_keepsDialog_yesSaves();
    void cancelButton_keepsReplacementsUnsaved();
    void anotherFileLoaded_neverGetsTheOldText();
};

void FindReplaceTest::open_takesSelectionAndSnapshot() {
    Editing e("one two three");
    e.h.window.setLeft(1000);
    e.h.window.setTop(500);
    e.h.text1[1].setSelStart(4);
    e.h.text1[1].setSelLength(3);
    e.h.menu.choose(qs("mFind"), 0);
    QCOMPARE(e.h.find.txtFind.text(), qs("two"));
    QVERIFY(e.h.find.form.visible());
    QCOMPARE(e.h.find.form.left, 5000);
    QCOMPARE(e.h.find.form.top, 4500);
    QCOMPARE(e.dialog().TextBeforeReplace, qs("one two three"));
    QCOMPARE(e.dialog().SearchPos, qsizetype(4));
    QVERIFY(e.h.find.findNext.enabled());
    QVERIFY(!e.h.find.replace.enabled());
    QVERIFY(e.h.find.fromTop.value());
    QVERIFY(e.h.find.ignoreHtml.checked());
    QVERIFY(e.h.find.txtFind.allSelected);

    // Later activations keep the first snapshot.
    e.h.text1[1].setText(qs("changed"));
    e.h.find.form.activate();
    QCOMPARE(e.dialog().TextBeforeReplace, qs("one two three"));

    // No selection, caret in a word: that word.
    e.h.text1[1].setText(qs("alpha beta"));
    e.h.text1[1].setSelStart(8);
    e.h.menu.choose(qs("mFind"), 0);
    QCOMPARE(e.h.find.txtFind.text(), qs("beta"));
    // Caret at the start: empty, and Find Next is off.
    e.h.text1[1].setSelStart(0);
    e.h.menu.choose(qs("mFind"), 0);
    QCOMPARE(e.h.find.txtFind.text(), QString());
    QVERIFY(!e.h.find.findNext.enabled());
}

void FindReplaceTest::open_hiddenEntriesOpenTheSameDialog() {
    Editing e("x");
    QVERIFY(e.h.menu.choose(qs("mFind"), 1)); // Find Again, Ctrl+A
    QVERIFY(e.h.find.form.visible());
    e.h.find.form.visible_ = false;
    QVERIFY(e.h.menu.choose(qs("mFind"), 2)); // Replace Text, F9
    QVERIFY(e.h.find.form.visible());
    QCOMPARE(e.h.find.form.shows, 2);
}

void FindReplaceTest::findNext_marksAndCountsToTheEnd() {
    Editing e("cat, concat, cats");
    e.open(0, qs("cat"));
    e.h.find.findNext.click();
    QCOMPARE(e.h.text1[1].selStart(), 0);
    QCOMPARE(e.h.text1[1].selLength(), 3);
    const auto& mark = e.h.text1[1].marks;
    QCOMPARE(mark[mark.size() - 2].color, 255);
    QVERIFY(mark.back().bold);
    QVERIFY(e.h.find.replace.enabled());
    e.h.find.findNext.click();
    e.h.find.findNext.click();
    QCOMPARE(e.dialog().MatchCount, 3);
    // The previous mark was removed before the next was made.
    QCOMPARE(e.h.text1[1].marks[e.h.text1[1].marks.size() - 4].color, 0);
    e.h.find.findNext.click();
    QCOMPARE(e.h.dialogs.messageTexts().back(), qs("Source has been searched.\r 3 matches found.\r 0 changes made."));
    QCOMPARE(e.dialog().MatchCount, 0);
    // The next search starts from the top again.
    e.h.find.findNext.click();
    QCOMPARE(e.h.text1[1].selStart(), 0);

    // Whole words only: just the first cat.
    e.h.find.wholeWord.setChecked(true);
    e.h.find.findNext.click();
    e.h.find.findNext.click();
    QCOMPARE(e.h.dialogs.messageTexts().back(), qs("Source has been searched.\r 1 matches found.\r 0 changes made."));
}

void FindReplaceTest::findNext_firstSearchStartsAtCaret() {
    Editing e("cat cat cat");
    e.open(5, qs("cat"));
    e.h.find.findNext.click();
    QCOMPARE(e.h.text1[1].selStart(), 8);
}

void FindReplaceTest::fromCursor_pastLastMatch_offersTop() {
    Editing e("cat dog cat dog");
    e.open(12, qs("cat"));
    e.h.find.fromCursor.setValue(true);
    e.h.text1[1].setSelStart(12);
    e.h.dialogs.answers = {Answer::Yes};
    e.h.find.findNext.click();
    QCOMPARE(e.h.dialogs.messageTexts(), QStringList{qs("Not found.\rSearch from top?")});
    QVERIFY(e.h.find.fromTop.value());
    QCOMPARE(e.h.text1[1].selStart(), 0);
    QCOMPARE(e.h.text1[1].selLength(), 3);
}

void FindReplaceTest::replace_thenCounts() {
    Editing e("Club club CLUB");
    e.open(0, qs("club"));
    e.h.find.txtReplace.setText(qs("spade"));
    e.h.find.findNext.click();
    e.h.find.findNext.click();
    QVERIFY(e.h.find.replace.click());
    QCOMPARE(e.text(), qs("Club spade CLUB"));
    QCOMPARE(e.h.text1[1].selText(), qs("spade"));
    QVERIFY(!e.h.find.replace.enabled());
    e.h.find.findNext.click();
    e.h.find.findNext.click();
    QCOMPARE(e.h.dialogs.messageTexts().back(), qs("Source has been searched.\r 3 matches found.\r 1 changes made."));
    // Match case: Club is not CLUB.
    e.h.find.matchCase.setChecked(true);
    e.h.find.txtFind.setText(qs("CLUB"));
    e.h.find.findNext.click();
    QCOMPARE(e.h.text1[1].selStart(), 11);

    // Nothing marked: Replace finds the first match and changes nothing;
    // nor is a match the user moved away from replaced.
    Editing f("Club club CLUB");
    f.open(0, qs("club"));
    f.h.find.txtReplace.setText(qs("spade"));
    QVERIFY(f.h.find.replace.click());
    QCOMPARE(f.text(), qs("Club club CLUB"));
    QCOMPARE(f.h.text1[1].selLength(), 4);
    f.h.text1[1].setSelStart(7);
    QVERIFY(f.h.find.replace.click());
    QCOMPARE(f.text(), qs("Club club CLUB"));
}

void FindReplaceTest::replaceAll_resumesAfterReplacement() {
    Editing e("aaaa <aa> aa");
    e.open(0, qs("aa"));
    e.h.find.txtReplace.setText(qs("b"));
    e.h.find.replaceAll.click();
    QCOMPARE(e.text(), qs("baa <aa> b"));
    QCOMPARE(e.h.dialogs.messageTexts().back(), qs("Source has been searched.\r 2 matches found.\r 2 changes made."));
}

void FindReplaceTest::close_no_restoresTextTypedMeanwhile() {
    Editing e("one two");
    e.open(0, qs("two"));
    e.h.find.txtReplace.setText(qs("2"));
    e.h.find.replaceAll.click();
    e.h.text1[1].setText(e.text() + qs(" typed"));
    e.h.dialogs.answers = {Answer::No};
    e.h.find.form.unload();
    QVERIFY(!e.h.find.form.visible());
    QCOMPARE(e.text(), qs("one two"));
    QCOMPARE(e.dialog().TextBeforeReplace, QString());
    QCOMPARE(e.h.readFile(e.page), QByteArray("one two"));
}

void FindReplaceTest::close_cancel_keepsDialog_yesSaves() {
    Editing e("one two");
    e.open(0, qs("two"));
    e.h.find.txtReplace.setText(qs("2"));
    e.h.find.replaceAll.click();
    e.h.dialogs.answers = {Answer::Cancel};
    e.h.find.form.unload();
    QVERIFY(e.h.find.form.visible());
    QCOMPARE(e.dialog().TextBeforeReplace, qs("one two"));

    e.h.dialogs.answers = {Answer::Yes};
    e.h.find.form.unload();
    QVERIFY(!e.h.find.form.visible());
    QCOMPARE(e.h.readFile(e.page), QByteArray("one 2"));
}

void FindReplaceTest::cancelButton_keepsReplacementsUnsaved() {
    Editing e("one two");
    e.open(0, qs("two"));
    e.h.find.txtReplace.setText(qs("2"));
    e.h.find.replaceAll.click();
    const size_t asked = e.h.dialogs.messages.size();
    e.h.find.cancel.click();
    QVERIFY(!e.h.find.form.visible());
    QCOMPARE(e.h.dialogs.messages.size(), asked);
    QCOMPARE(e.text(), qs("one 2"));
    QCOMPARE(e.h.readFile(e.page), QByteArray("one two"));
}

void FindReplaceTest::anotherFileLoaded_neverGetsTheOldText() {
    // Replacements in one file, declined when another file comes into the
    // editor with the dialog still open: closing the dialog then has
    // nothing to ask about, and above all never puts the first file's text
    // into the second.
    Editing e("one two");
    const QString other = e.h.writeFile(qs("home/other.htm"), "three four");
    e.open(0, qs("two"));
    e.h.find.txtReplace.setText(qs("2"));
    e.h.find.replaceAll.click();
    QCOMPARE(e.text(), qs("one 2"));
    e.h.dialogs.messages.clear(); // what Replace All found
    e.h.dialogs.answers = {Answer::No}; // "Save changes to deal.htm?"
    e.v->OpenFile(e.h.home, qs("other.htm"));
    QCOMPARE(e.text(), qs("three four"));
    QCOMPARE(e.h.dialogs.messages.size(), size_t(1));
    e.h.find.form.unload();
    QVERIFY(!e.h.find.form.visible());
    QCOMPARE(e.h.dialogs.messages.size(), size_t(1));
    QCOMPARE(e.text(), qs("three four"));
    QCOMPARE(e.h.readFile(other), QByteArray("three four"));
    QCOMPARE(e.h.readFile(e.page), QByteArray("one two"));

    // A match marked in the first file is not the second's to replace.
    e.open(0, qs("thr"));
    e.h.find.findNext.click();
    QCOMPARE(e.dialog().MarkLength, 3);
    e.v->OpenFile(e.h.home, qs("deal.htm"));
    QCOMPARE(e.text(), qs("one two"));
    QCOMPARE(e.dialog().MarkLength, 0);
    e.h.find.txtReplace.setText(qs("1"));
    e.h.text1[1].setSelStart(0);
    e.h.text1[1].setSelLength(3);
    e.h.find.replace.click(); // looks for the next match first
    QCOMPARE(e.text(), qs("one two"));
}

QTEST_GUILESS_MAIN(FindReplaceTest)
#include "test_findreplace.moc"

// Unsaved edits survive a crash: the recovery copy is written after a
// pause in typing, removed by a save or a clean close, and offered at the
// next start.
#include "editor/recoveryfile.h"
#include "tests/fakes/viewerharness.h"

#include <QDateTime>
#include <QDir>
#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }

void backdate(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime));
}

struct Editing {
    ViewerHarness h;
    QString page;
    shell::TarnwellFileViewer* v = nullptr;
    Editing() {
        page = h.writeFile(qs("home/deal.htm"), "<P>as saved</P>");
        v = &h.start(page + qs(" ") + page);
    }
    QString copyPath() { return h.data + qs("/recovery/") + editor::recoveryFileName(page); }
};
} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void copyFormat_roundTripsAndRejectsDamage();
    void typing_writesCopyAfterPause_saveRemovesIt();
    void longTyping_writesAtLeastEvery15Seconds();
    void cleanClose_removesCopy();
    void closeWithFailedSave_keepsWindowAndCopy();
    void copyCannotBeWritten_toldOnce();
    void nextStart_offersCopy_yesRestoresAsUnsaved();
    void nextStart_no_discards_copyOlderThanFile_stillOffered();
    void damagedCopy_isReportedAndSetAside();
};

void RecoveryTest::copyFormat_roundTripsAndRejectsDamage() {
    editor::RecoveryCopy c{qs("/home/a/M\u00e9mo.htm"), 1796589020773, qs("line 1\r\nline 2 \u2660")};
    const QByteArray bytes = editor::formatRecoveryCopy(c);
    const auto back = editor::parseRecoveryCopy(bytes);
    QVERIFY(back);
    QCOMPARE(back->path, c.path);
    QCOMPARE(back->savedAtMs, c.savedAtMs);
    QCOMPARE(back->text, c.text);
    QVERIFY(!editor::parseRecoveryCopy(bytes.chopped(5)));       // cut short
    QVERIFY(!editor::parseRecoveryCopy(bytes.left(bytes.size() - 12) + "x\n#3")); // wrong length
    QVERIFY(!editor::parseRecoveryCopy(QByteArray("not a copy\n/a\n1\ntext\n#4")));
    QVERIFY(!editor::parseRecoveryCopy(QByteArray()));
    // A text beginning with "#" and cut short before the closing length: the
    // text's own "\n#" is no closing one. Nor is a length with anything
    // after its digits.
    const editor::RecoveryCopy hashed{qs("/a.htm"), 1, qs("#2 more")};
    const QByteArray whole = editor::formatRecoveryCopy(hashed);
    QVERIFY(editor::parseRecoveryCopy(whole));
    QVERIFY(!editor::parseRecoveryCopy(whole.left(whole.indexOf("\n#2") + 3)));
    QVERIFY(!editor::parseRecoveryCopy(QByteArray("Tarnwell File Viewer recovery copy 1\n/a\n1\nabc\n#3\0junk", 53)));
}

void RecoveryTest::typing_writesCopyAfterPause_saveRemovesIt() {
    Editing e;
    QVERIFY(!e.h.recoveryTimer.active());
    e.h.text1[1].setText(qs("<P>typed</P>"));
    QVERIFY(e.h.recoveryTimer.active());
    QCOMPARE(e.h.recoveryTimer.interval, 2000);
    QVERIFY(!QFileInfo::exists(e.copyPath()));
    e.h.recoveryTimer.fire();
    const auto copy = editor::parseRecoveryCopy(e.h.readFile(e.copyPath()));
    QVERIFY(copy);
    QCOMPARE(copy->path, e.page);
    QCOMPARE(copy->text, qs("<P>typed</P>"));
    QCOMPARE(e.h.readFile(e.page), QByteArray("<P>as saved</P>")); // the article itself is untouched

    int index = 0;
    e.v->mSave_Click(index);
    QVERIFY(!QFileInfo::exists(e.copyPath()));
    QVERIFY(!e.h.recoveryTimer.active());
}

void RecoveryTest::longTyping_writesAtLeastEvery15Seconds() {
    Editing e;
    for (int second = 0; second <= 16; ++second) {
        e.h.clock.now = 100 + second;
        e.h.text1[1].setText(qs("typing %1").arg(second));
    }
    // The timer kept being pushed back, yet a copy was written meanwhile.
    const auto copy = editor::parseRecoveryCopy(e.h.readFile(e.copyPath()));
    QVERIFY(copy);
    QCOMPARE(copy->text, qs("typing 15"));
}

void RecoveryTest::cleanClose_removesCopy() {
    Editing e;
    e.h.text1[1].setText(qs("typed"));
    e.h.recoveryTimer.fire();
    QVERIFY(QFileInfo::exists(e.copyPath()));
    e.h.dialogs.answers = {Answer::No}; // discard the changes
    e.h.window.close();
    QVERIFY(e.h.window.closed);
    QVERIFY(!QFileInfo::exists(e.copyPath()));
}

// A save that does not happen at close (the folder gone, or No to the
// changed-on-disk question) keeps the window open and the recovery copy.
void RecoveryTest::closeWithFailedSave_keepsWindowAndCopy() {
    Editing e;
    e.h.text1[1].setText(qs("typed"));
    e.h.recoveryTimer.fire();
    QVERIFY(QFileInfo::exists(e.copyPath()));
    e.h.writeFile(qs("home/deal.htm"), "changed by another program");
    e.h.dialogs.answers = {Answer::Yes, Answer::No};
    e.h.window.close();
    QVERIFY(!e.h.window.closed);
    QVERIFY(QFileInfo::exists(e.copyPath()));

    const QString folder = e.h.home;
    QVERIFY(QDir().rename(folder, folder.chopped(1) + qs("-moved")));
    e.h.dialogs.answers = {Answer::Yes, Answer::Ok};
    e.h.window.close();
    QVERIFY(!e.h.window.closed);
    QVERIFY(e.h.dialogs.messages.back().text.startsWith(qs("Could not save ")));
    QVERIFY(QFileInfo::exists(e.copyPath()));
    QCOMPARE(e.h.text1[1].text(), qs("typed"));
}

void RecoveryTest::copyCannotBeWritten_toldOnce() {
    Editing e;
    e.h.writeFile(qs("data/recovery"), "a file where the folder should be");
    e.h.text1[1].setText(qs("typed"));
    e.h.recoveryTimer.fire();
    QCOMPARE(e.h.dialogs.messages.size(), 1u);
    QVERIFY(e.h.dialogs.messages[0].text.startsWith(qs("Unsaved changes cannot be kept in a recovery copy:")));
    e.h.text1[1].setText(qs("typed more"));
    e.h.recoveryTimer.fire();
    QCOMPARE(e.h.dialogs.messages.size(), 1u);
}

void RecoveryTest::nextStart_offersCopy_yesRestoresAsUnsaved() {
    ViewerHarness h;
    const QString page = h.writeFile(qs("home/deal.htm"), "<P>as saved</P>");
    backdate(page);
    QDir().mkpath(h.data + qs("/recovery"));
    h.writeFile(qs("data/recovery/") + editor::recoveryFileName(page),
                editor::formatRecoveryCopy({page, QDateTime::currentMSecsSinceEpoch(), qs("<P>recovered</P>")}));
    h.dialogs.answers = {Answer::Yes};
    auto& v = h.start();
    QCOMPARE(h.dialogs.messages.size(), 1u);
    QVERIFY(h.dialogs.messages[0].text.contains(page));
    QVERIFY(h.text1[1].visible());
    QCOMPARE(h.text1[1].text(), qs("<P>recovered</P>"));
    QCOMPARE(v.SavedText[1], qs("<P>as saved</P>"));
    QCOMPARE(h.nameBox[0].text(), qs("deal.htm"));
    // Still unsaved: closing asks.
    h.dialogs.answers = {Answer::Yes};
    h.window.close();
    QCOMPARE(h.readFile(page), QByteArray("<P>recovered</P>"));
}

void RecoveryTest::nextStart_no_discards_copyOlderThanFile_stillOffered() {
    ViewerHarness h;
    const QString page = h.writeFile(qs("home/deal.htm"), "<P>as saved</P>");
    backdate(page);
    const QString copy = h.writeFile(qs("data/recovery/") + editor::recoveryFileName(page),
                                     editor::formatRecoveryCopy({page, QDateTime::currentMSecsSinceEpoch(), qs("x")}));
    h.dialogs.answers = {Answer::No};
    h.start();
    QCOMPARE(h.dialogs.messages.size(), 1u);
    QVERIFY(!QFileInfo::exists(copy));
    QVERIFY(!h.text1[1].visible());

    // A file written after the copy (another program or a sync tool touched
    // it after the crash) does not make the copy worthless: it is offered,
    // and the user is told the file changed since.
    ViewerHarness g;
    const QString page2 = g.writeFile(qs("home/deal.htm"), "<P>touched later</P>");
    g.writeFile(qs("data/recovery/") + editor::recoveryFileName(page2),
                editor::formatRecoveryCopy({page2, 1000, qs("<P>kept</P>")}));
    g.dialogs.answers = {Answer::Yes};
    g.start();
    QCOMPARE(g.dialogs.messages.size(), 1u);
    QVERIFY(g.dialogs.messages[0].text.contains(qs("The file has changed since then")));
    QCOMPARE(g.text1[1].text(), qs("<P>kept</P>"));
}

void RecoveryTest::damagedCopy_isReportedAndSetAside() {
    ViewerHarness h;
    const QString copy = h.writeFile(qs("data/recovery/0123.recovery"), "garbage");
    h.start();
    QCOMPARE(h.dialogs.messages.size(), 1u);
    QVERIFY(h.dialogs.messages[0].text.startsWith(qs("A recovery copy of unsaved changes cannot be read.")));
    QVERIFY(!QFileInfo::exists(copy));
    QVERIFY(QFileInfo::exists(copy + qs(".unreadable")));
}

QTEST_GUILESS_MAIN(RecoveryTest)
#include "test_recovery.moc"

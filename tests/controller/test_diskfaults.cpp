// A disk that refuses to write, through the controller: the user reads the
// system's reason, and nothing typed is lost. The files live in the fake
// file system, whose writes fail on demand as a full disk's do.
#include "tests/fakes/fakefilesystem.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::FakeFileSystem;
using fakes::ViewerHarness;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }

// The viewer started on a page of the fake disk, its source open in the
// editor and changed.
struct EditedPage {
    FakeFileSystem disk;
    ViewerHarness h;
    QString page;
    shell::TarnwellFileViewer* v = nullptr;
    EditedPage() {
        h.fileSystem = &disk;
        disk.makeFolder(h.data);
        disk.makeFolder(h.home);
        disk.write(h.data + qs("/Tarnwell_File_Viewer.htm"), "<HTML>Help</HTML>");
        page = h.home + qs("deal.htm");
        disk.write(page, "<P>Deal one</P>\r\n");
        v = &h.start(page);
        h.menu.choose(qs("mEditHTML"));
        h.text1[1].setText(qs("<P>Deal one, with the lead</P>"));
    }
};
} // namespace

class DiskFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void save_fullDisk_showsReasonAndKeepsEdit();
};

void DiskFaultsTest::save_fullDisk_showsReasonAndKeepsEdit() {
    EditedPage s;
    const QString saved = s.v->SavedText[1];
    s.disk.failWrites = qs("No space left on device");
    int index = 0;
    s.v->mSave_Click(index);
    QCOMPARE(s.h.dialogs.messages.size(), 1u);
    QCOMPARE(s.h.dialogs.messages[0].text, qs("Could not save ") + s.page + qs(".\rNo space left on device"));
    QCOMPARE(*s.disk.read(s.page), QByteArray("<P>Deal one</P>\r\n"));
    QCOMPARE(s.h.text1[1].text(), qs("<P>Deal one, with the lead</P>"));
    QCOMPARE(s.v->SavedText[1], saved); // still unsaved: closing asks again

    // Room again: the same edit is saved.
    s.disk.failWrites.reset();
    s.v->mSave_Click(index);
    QVERIFY(s.disk.read(s.page)->startsWith("<P>Deal one, with the lead</P>"));
}

QTEST_GUILESS_MAIN(DiskFaultsTest)
#include "test_diskfaults.moc"

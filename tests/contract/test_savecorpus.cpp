// Opened in the real source editor and saved unchanged, every page comes
// back byte for byte: the system's HTML documentation (a few hundred pages
// written by many tools) and files built to be awkward.
#include "editor/sourcefile.h"
#include "platform/qt/qteditor.h"
#include "platform/qt/qtfilesystem.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Into the editor and back, saved, and read from the disk.
QByteArray openAndSave(platform::qt::QtTextEditor& editor, platform::qt::QtFileSystem& files,
                       const QByteArray& bytes, const QString& savedPath) {
    const editor::SourceText read = editor::decodeSource(bytes);
    editor.setText(read.text);
    const editor::SavedBytes saved = editor::encodeSource(editor.text(), read.format, true);
    if (!files.write(savedPath, saved.bytes)) return "<not written>";
    return files.read(savedPath).value_or("<not read>");
}
} // namespace

class SaveCorpus : public QObject {
    Q_OBJECT
  private slots:
    void builtFiles_comeBackByteForByte_data();
    void builtFiles_comeBackByteForByte();
    void systemDocumentation_comesBackByteForByte();

  private:
    QTemporaryDir dir_;
};

void SaveCorpus::builtFiles_comeBackByteForByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QByteArray high;
    for (int c = 0x80; c <= 0xFF; ++c)
        high.append(char(c));
    QTest::newRow("cp1252_every0x80to0xFF") << QByteArray("<P>" + high + "</P>\r\n");
    QTest::newRow("utf8") << QByteArray("<P>caf\xC3\xA9 \xE2\x99\xA0</P>\r\n");
    QTest::newRow("utf8_bom") << QByteArray("\xEF\xBB\xBF<P>caf\xC3\xA9</P>\r\n");
    QTest::newRow("lf") << QByteArray("<P>a</P>\n<P>b</P>\n");
    QTest::newRow("crLf") << QByteArray("<P>a</P>\r\n<P>b</P>\r\n");
    QTest::newRow("noFinalLineBreak") << QByteArray("<P>a</P>\r\n<P>b</P>");
    QTest::newRow("twoFinalLineBreaks") << QByteArray("<P>a</P>\n\n");
    QTest::newRow("mixedLineEnds") << QByteArray("a\r\nb\nc\rd\r\r\n");
    QTest::newRow("noBreakSpaces_utf8") << QByteArray("1\xC2\xA0x&nbsp;\xC2\xA0\xC2\xA0y\n");
    QTest::newRow("noBreakSpaces_cp1252") << QByteArray("1\xA0x \xA0\xA0y\xE9\n");
    QTest::newRow("separators") << QByteArray("x\xE2\x80\xA8y\xE2\x80\xA9z\xEF\xB7\x90\n");
    QTest::newRow("nulAndControls") << QByteArray("x\0y\x01\x1F\t\x0B\x0Cz", 10);
    QTest::newRow("spadeBeforeStrayLatin1") << QByteArray("\xE2\x99\xA0 and caf\xE9\r\n");
    QTest::newRow("empty") << QByteArray();
}

void SaveCorpus::builtFiles_comeBackByteForByte() {
    QFETCH(QByteArray, bytes);
    platform::qt::QtTextEditor editor(nullptr);
    platform::qt::QtFileSystem files;
    QCOMPARE(openAndSave(editor, files, bytes, dir_.filePath(QStringLiteral("built.htm"))), bytes);
}

void SaveCorpus::systemDocumentation_comesBackByteForByte() {
    platform::qt::QtTextEditor editor(nullptr);
    platform::qt::QtFileSystem files;
    QStringList changed;
    int pages = 0;
    qint64 total = 0;
    QDirIterator it(QStringLiteral("/usr/share/doc"),
                    {QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const auto bytes = files.read(path);
        if (!bytes) continue;
        ++pages;
        total += bytes->size();
        if (openAndSave(editor, files, *bytes, dir_.filePath(QStringLiteral("page.htm"))) != *bytes)
            changed << path;
    }
    qInfo("%d pages, %lld bytes", pages, total);
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("changed by a save: ") +
                                           changed.join(QStringLiteral(", "))));
}

QTEST_MAIN(SaveCorpus)
#include "test_savecorpus.moc"

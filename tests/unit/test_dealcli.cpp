// tarnwell-deal as a script meets it: its output, messages and exit status.
#include "util/version.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

struct Run {
    int status = -1;
    QString out, err;
};

Run run(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(qs(TFV_DEAL_PROGRAM), args);
    Run r;
    if (!p.waitForStarted(60000)) return r;
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

const char* const kFile =
    "[Board \"1\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n"
    "[Deal \"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432\"]\n\n"
    "[Board \"2\"]\n[Dealer \"E\"]\n[Vulnerable \"NS\"]\n[Deal \"E:AKQ2.JT3.987.K54 - - -\"]\n\n"
    "[Board \"3\"]\n[Deal \"N:AKQ2.JT3.987.K54 AKQ2.JT3.987.K54 - -\"]\n";
} // namespace

class TestDealCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString pbn_;
  private slots:
    void initTestCase();
    void diagram();
    void doubleDummy();
    void check();
    void usage_data();
    void usage();
};

void TestDealCli::initTestCase() {
    QVERIFY(dir_.isValid());
    pbn_ = dir_.filePath(qs("club.pbn"));
    QFile f(pbn_);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kFile);
}

void TestDealCli::diagram() {
    Run r = run({qs("diagram"), pbn_, qs("2")});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.startsWith(qs("<TABLE BORDER=0 CELLPADDING=4>\n")));
    QVERIFY(!r.out.contains(QLatin1Char('\r')));
    QVERIFY(r.out.contains(qs("Board 2<BR>Dealer East<BR>Vul: N-S")));
    QVERIFY(r.out.contains(qs("<IMG SRC=\"S.gif\">AKQ2<BR><IMG SRC=\"h.gif\">J103")));
    QCOMPARE(r.err, QString());

    // Every board: the good ones printed, the bad one named, status 1.
    r = run({qs("diagram"), qs("--symbols"), pbn_});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out.count(qs("<TABLE")), 2);
    QVERIFY(r.out.contains(qs("&spades;AKQJ1098765432")));
    QCOMPARE(r.err, qs("tarnwell-deal: %1: board 3, line 12: the ace of spades is in both North's "
                       "and East's hands\n")
                        .arg(pbn_));

    r = run({qs("diagram"), pbn_, qs("9")});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err, qs("tarnwell-deal: %1: no board 9 that could be read\n").arg(pbn_));
}

void TestDealCli::doubleDummy() {
    Run r = run({qs("dd"), pbn_, qs("1")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, qs("Board 1 (Dealer North, Vul: None)\n"
                       "    NT  S  H  D  C\n"
                       "N   0 13  0 13  0\n"
                       "S   0 13  0 13  0\n"
                       "E   0  0 13  0 13\n"
                       "W   0  0 13  0 13\n"
                       "Par: 7S by N-S, N-S +1510\n\n"));
    r = run({qs("dd"), qs("--html"), qs("-")}, kFile);
    QCOMPARE(r.status, 1); // board 2 has 13 cards, board 3 is bad
    QVERIFY(r.out.startsWith(qs("<TABLE BORDER=1 CELLPADDING=2>\n")));
    QVERIFY(r.out.contains(qs("Par: 7<IMG SRC=\"S.gif\"> by N-S, N-S +1510")));
    QVERIFY(r.err.contains(
        qs("tarnwell-deal: -: Board 2 (Dealer East, Vul: N-S): The deal holds 13 cards; "
           "a double-dummy table needs all 52.\n")));
}

void TestDealCli::check() {
    const QString article = dir_.filePath(qs("article.htm"));
    QFile f(article);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<HTML><BODY>\r\n<P>He held AKQ2-J103-987-K5\r\n<P>1C-P-X</P></BODY></HTML>\r\n");
    f.close();
    const Run r = run({qs("check"), article});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out,
             qs("%1:2:12: This hand holds 12 cards, not 13.\n%1:3:9: A double of partner's bid.\n")
                 .arg(article));
    QCOMPARE(run({qs("check"), qs("-")}, "<P>1C-P-1S</P>").status, 0);
}

void TestDealCli::usage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("version") << QStringList{qs("--version")} << 0
                             << qs("tarnwell-deal " TFV_VERSION "\n") << QString();
    QTest::newRow("noCommand") << QStringList{} << 2 << QString()
                               << qs("tarnwell-deal: no command: diagram, dd or check\n"
                                     "Try 'tarnwell-deal --help' for more information.\n");
    QTest::newRow("unknownCommand")
        << QStringList{qs("draw"), qs("x.pbn")} << 2 << QString()
        << qs("tarnwell-deal: unknown command draw (diagram, dd or check)\n"
              "Try 'tarnwell-deal --help' for more information.\n");
    QTest::newRow("unknownOption")
        << QStringList{qs("dd"), qs("--fast"), qs("x.pbn")} << 2 << QString()
        << qs("tarnwell-deal: unknown option --fast\n"
              "Try 'tarnwell-deal --help' for more information.\n");
    QTest::newRow("tooManyOperands")
        << QStringList{qs("dd"), qs("x.pbn"), qs("1"), qs("2")} << 2 << QString()
        << qs("tarnwell-deal: dd needs a PBN file and at most one board\n"
              "Try 'tarnwell-deal --help' for more information.\n");
    QTest::newRow("missingFile")
        << QStringList{qs("dd"), qs("/nonexistent/x.pbn")} << 1 << QString()
        << qs("tarnwell-deal: /nonexistent/x.pbn: No such file or directory\n");
}

void TestDealCli::usage() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run r = run(args);
    QCOMPARE(r.err, err);
    QCOMPARE(r.out, out);
    QCOMPARE(r.status, status);
    const Run help = run({qs("--help")});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith(qs("Usage: tarnwell-deal diagram")));
}

QTEST_APPLESS_MAIN(TestDealCli)
#include "test_dealcli.moc"

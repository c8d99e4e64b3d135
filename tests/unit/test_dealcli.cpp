// tarnwell-deal as a script meets it: its output, messages and exit status
// (the PBN file on standard input).
#include <QProcess>
#include <QTest>

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
// "status\nstandard output--\nstandard error"
QString run(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(qs(TFV_DEAL_PROGRAM), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return qs("%1\n%2--\n%3")
        .arg(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2)
        .arg(QString::fromUtf8(p.readAllStandardOutput()),
             QString::fromUtf8(p.readAllStandardError()));
}
const char* const kFile =
    "[Board \"1\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n"
    "[Deal \"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432\"]\n\n"
    "[Board \"2\"]\n[Dealer \"E\"]\n[Vulnerable \"NS\"]\n[Deal \"E:AKQ2.JT3.987.K54 - - -\"]\n\n"
    "[Board \"3\"]\n[Deal \"N:AKQ2.JT3.987.K54 AKQ2.JT3.987.K54 - -\"]\n";
} // namespace

class TestDealCli : public QObject {
    Q_OBJECT
  private slots:
    void commands();
};

void TestDealCli::commands() {
    // A partial deal is drawn, lines ending in LF, but gets no table.
    const QString drawn = run({qs("diagram"), qs("-"), qs("2")}, kFile);
    QVERIFY(drawn.startsWith(qs("0\n<TABLE BORDER=0 CELLPADDING=4>\n")) && !drawn.contains(u'\r'));
    QVERIFY(
        drawn.contains(qs("Board 2<BR>Dealer East<BR>Vul: N-S</TD><TD><IMG SRC=\"S.gif\">AKQ2")));
    QCOMPARE(run({qs("dd"), qs("-"), qs("2")}, kFile),
             qs("1\n--\ntarnwell-deal: -: Board 2 (Dealer East, Vul: N-S): The deal holds 13 "
                "cards; a double-dummy table needs all 52.\n"));
    QCOMPARE(run({qs("dd"), qs("-"), qs("1")}, kFile),
             qs("0\nBoard 1 (Dealer North, Vul: None)\n    NT  S  H  D  C\nN   0 13  0 13  0\n"
                "S   0 13  0 13  0\nE   0  0 13  0 13\nW   0  0 13  0 13\n"
                "Par: 7S by N-S, N-S +1510\n\n--\n"));
    // A bad board named, the good ones printed; a file that is not there.
    const QString all = run({qs("diagram"), qs("--symbols"), qs("-")}, kFile);
    QVERIFY(all.startsWith(qs("1\n<TABLE")) && all.count(qs("<TABLE")) == 2);
    QVERIFY(all.endsWith(qs("--\ntarnwell-deal: -: board 3, line 12: the ace of spades is in both "
                            "North's and East's hands\n")));
    QCOMPARE(run({qs("dd"), qs("/nonexistent/x.pbn")}),
             qs("1\n--\ntarnwell-deal: /nonexistent/x.pbn: No such file or directory\n"));
}

QTEST_APPLESS_MAIN(TestDealCli)
#include "test_dealcli.moc"

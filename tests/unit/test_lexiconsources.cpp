// The readers of the default lexicon's data files kept in the repository:
// a checkout with Windows line ends reads the same, and a damaged line is
// reported with its file and line number instead of being skipped.
#include "tools/lexicon/wordsources.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lexiconbuild;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
} // namespace

class TestLexiconSources : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString write(const char* name, const QByteArray& bytes) {
        const QString path = dir_.path() + QLatin1Char('/') + qs(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
        return path;
    }

  private slots:
    void counts_lineEndsAndDamagedLines();
    void misspellings_orderCorrectionsAndDamagedLines();
};

void TestLexiconSources::counts_lineEndsAndDamagedLines() {
    // 1,000 words counted once below the top count; "The" and "the" both
    // counted: the exact spelling first, the larger count of either case
    // for another capitalisation.
    QByteArray text = "the\t100000\r\nThe\t1000\r\n";
    for (int i = 0; i < 1000; ++i)
        text += "w" + QByteArray::number(i) + "\t10\r\n";
    Frequencies f;
    QString error;
    QVERIFY2(f.loadSubtlex(write("counts.tsv", text), &error), qPrintable(error));
    QCOMPARE(f.classOf(qs("the")).value_or(-1), 0.0);
    QCOMPARE(f.classOf(qs("The")).value_or(-1), 1.0); // log10(100000 / 1000) / 2
    QCOMPARE(f.classOf(qs("THE")).value_or(-1), 0.0);
    QCOMPARE(f.classOf(qs("w7")).value_or(-1), 2.0);
    QVERIFY(!f.classOf(qs("unknown")));

    for (const QByteArray& bad : {QByteArray("oops 12\n"), QByteArray("word\tmany\n"),
                                  QByteArray("word\t0\n"), QByteArray("a\tb\tc\n")}) {
        Frequencies g;
        QVERIFY(!g.loadSubtlex(write("bad.tsv", text + bad), &error));
        QVERIFY2(error.contains(qs("bad.tsv line 1003:")), qPrintable(error));
    }
}

void TestLexiconSources::misspellings_orderCorrectionsAndDamagedLines() {
    QByteArray text = "teh\tthe\r\nCoca Cola\tCoca-Cola\r\nboaut\tbout, boat,about\r\n\r\n";
    for (int i = 0; i < 100; ++i)
        text += "wrng" + QByteArray::number(i) + "\tright\n";
    QString error;
    const auto list = readMisspellings(write("misspellings.tsv", text), &error);
    QVERIFY2(list, qPrintable(error));
    QCOMPARE(list->size(), size_t(103));
    QCOMPARE(list->at(0).wrong, qs("teh"));
    QCOMPARE(list->at(1).wrong, qs("Coca Cola"));
    QCOMPARE(list->at(2).right, QStringList({qs("bout"), qs("boat"), qs("about")}));
    QCOMPARE(list->at(3).wrong, qs("wrng0"));

    for (const QByteArray& bad : {QByteArray("nocorrection\n"), QByteArray("wrng\t , \n")}) {
        QVERIFY(!readMisspellings(write("bad.tsv", text + bad), &error));
        QVERIFY2(error.contains(qs("bad.tsv line 105:")), qPrintable(error));
    }
}

QTEST_GUILESS_MAIN(TestLexiconSources)
#include "test_lexiconsources.moc"

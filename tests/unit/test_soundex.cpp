// The sound key: every rule, including the odd ones, since existing
// lexicons hold keys made by it.
#include "spelling/soundex.h"

#include <QTest>

class TestSoundex : public QObject {
    Q_OBJECT
  private slots:
    void makeSoundex_data();
    void makeSoundex();
    void caseAndBlanks_giveSameKey();
    void sortedLetters_data();
    void sortedLetters();
};

void TestSoundex::makeSoundex_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("key");
    auto row = [](const char* name, const char* word, const char* key) {
        QTest::newRow(name) << QString::fromUtf8(word) << QString::fromLatin1(key);
    };
    row("empty_givesNothing", "", "");
    row("blanks_giveNothing", "   ", "");
    row("digitsOnly_giveNothing", "123", "");
    row("hyphensOnly_giveNothing", "--", "");
    row("oneLetter_padded", "A", "A000");
    row("trimmedBeforeCoding", "  dog  ", "D200");
    row("digitInside_dropped", "mp3", "M100");
    // Accents fold; the sharp s is dropped, never doubled.
    row("acuteE_foldsToE", "caf\u00e9", "C100");
    row("tildeN_foldsToN", "\u00d1and\u00fa", "N530");
    row("guillemet_countsAsA", "\u00abbc", "A170");
    row("acuteY_foldsToY", "\u00ddes", "Y700");
    row("sharpS_dropped", "stra\u00dfe", "S360");
    // Beginnings.
    row("KN_dropsK", "KNIGHT", "N230");
    row("NIGHT_sameAsKnight", "NIGHT", "N230");
    row("PN_dropsP", "PNEUMONIA", "N550");
    row("PS_dropsP", "PSYCHE", "S700");
    row("GN_dropsG", "GNOME", "N500");
    row("WR_dropsW", "WRITE", "R300");
    row("WHO_becomesHO", "WHO", "H000");
    row("WH_becomesW", "WHAT", "W300");
    row("PH_becomesF", "PHONE", "F500");
    row("X_becomesZ", "XRAY", "Z600");
    // Inner rewrites.
    row("STLE_becomesSEL", "CASTLE", "C740");
    row("SCLE_becomesSEL", "MUSCLE", "M740");
    row("CK_becomesK", "BACK", "B200");
    row("CT_becomesKT", "ACT", "A230");
    row("SCI_losesC", "SCIENCE", "S570");
    row("SCY_losesC", "SCYTHE", "S300");
    row("SC_becomesSK", "SCAR", "S260");
    row("DGE_becomesJ", "BADGE", "B200");
    row("DGY_becomesJE", "EDGY", "E200");
    row("TIA_becomesSHA", "MARTIAL", "M674");
    row("TIO_becomesSHO", "NATION", "N750");
    row("TCH_becomesCH", "WATCH", "W700");
    // Endings.
    row("endGN_becomesN", "SIGN", "S500");
    row("endGNED_becomesND", "SIGNED", "S530");
    row("endGNING_becomesNING", "SIGNING", "S552");
    row("endIC_becomesIK", "MAGIC", "M220");
    // Silent W.
    row("WbeforeConsonant_removed", "ADWD", "A300");
    row("WafterRemovedW_notExamined", "ADWWD", "A330");
    row("loneW_leavesNoLetter", "W", "0000");
    // Digit classes and collapsing.
    row("C_notWithK_cat", "CAT", "C300");
    row("C_notWithK_kat", "KAT", "K300");
    row("secondLetterSameClass_kept", "PF", "P100");
    row("equalDigitsApart_bothKept", "ADHD", "A330");
    row("equalDigitsAdjacent_collapse", "ADD", "A300");
    row("Y_countsAsVowel", "TDYD", "T330");
    row("longWord_cutToFour", "STRENGTHS", "S365");
}

void TestSoundex::makeSoundex() {
    QFETCH(QString, word);
    QFETCH(QString, key);
    QCOMPARE(spelling::MakeSoundex(word), key);
}

void TestSoundex::caseAndBlanks_giveSameKey() {
    QCOMPARE(spelling::MakeSoundex(QStringLiteral("Knight")),
             spelling::MakeSoundex(QStringLiteral("KNIGHT")));
    QCOMPARE(spelling::MakeSoundex(QStringLiteral(" phone")),
             spelling::MakeSoundex(QStringLiteral("PHONE ")));
    QCOMPARE(spelling::MakeSoundex(QString::fromUtf8("\u00e9t\u00e9")),
             spelling::MakeSoundex(QStringLiteral("ETE")));
}

void TestSoundex::sortedLetters_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("sorted");
    QTest::newRow("dog") << QStringLiteral("dog") << QStringLiteral("dgo");
    QTest::newRow("caseIgnored_stable") << QStringLiteral("Bab") << QStringLiteral("aBb");
    QTest::newRow("empty") << QString() << QString();
}

void TestSoundex::sortedLetters() {
    QFETCH(QString, word);
    QFETCH(QString, sorted);
    QCOMPARE(spelling::sortedLetters(word), sorted);
}

QTEST_APPLESS_MAIN(TestSoundex)
#include "test_soundex.moc"

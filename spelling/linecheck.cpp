#include "spelling/linecheck.h"

#include "spelling/lexiconlookup.h"
#include "spelling/scan.h"
#include "spelling/soundex.h"
#include "spelling/suggest.h"

namespace spelling {
namespace {

// Words longer than this get no suggestions: the edits of a very long
// spelling are many and none of them is a word.
constexpr int kLongestSuggestedWord = 60;

void blankOut(QString& text, qsizetype from, qsizetype to) {
    for (qsizetype i = from; i < to; ++i)
        text[i] = QLatin1Char(' ');
}

bool isSmallLetters(const QString& w) {
    for (QChar c : w)
        if (c.isUpper()) return false;
    return true;
}

constexpr int kLongestUserWord = 64;

} // namespace

bool isPlausibleWord(const QString& word) {
    if (word.isEmpty() || word.size() > kLongestUserWord || !word.front().isLetter()) return false;
    for (QChar c : word) {
        const char16_t u = c.unicode();
        const bool ok =
            c.isLetter() || (u >= 0x300 && c.isMark()) || u == u'-' || u == u'\'' || u == 0x2019;
        if (!ok) return false; // U+FFFD (bytes that were not UTF-8) is no letter either
    }
    return true;
}

void LineChecker::accept(const QString& word) {
    if (!word.isEmpty()) userWords_.insert(word);
}

bool LineChecker::isAcceptedByUser(const QString& word) const {
    if (userWords_.isEmpty()) return false;
    if (userWords_.contains(word)) return true;
    // "Bridge" and "BRIDGE" for "bridge"; never the other way round.
    const QString lower = word.toLower();
    if (lower == word || !userWords_.contains(lower)) return false;
    return word == word.toUpper() || (word.at(0).isUpper() && isSmallLetters(word.mid(1)));
}

bool LineChecker::verdict(QStringView view, CheckedWord& out, int& hyphenSkip) {
    using Hyphen = LexiconVerdict::Hyphen;
    hyphenSkip = 0;
    // Most words are words as written: one lookup, no string made.
    if (userWords_.isEmpty() && acceptingForm(index_, view) >= 0) return out.accepted = true;
    const QString word = view.toString();
    out.word = word;
    if (isAcceptedByUser(word)) return out.accepted = true;
    const bool plain = !word.contains(QLatin1Char('-'));
    if (plain && rejectedMemory_.contains(word)) return out.accepted = false;
    const LexiconVerdict v = checkWord(index_, word);
    if (v.accepted) return out.accepted = true;
    if (plain) rejectedMemory_.insert(word);
    if (v.hyphen == Hyphen::RightPartUnknown) {
        // As in the document check: the scan goes on from the part after
        // the hyphen, which is then looked up as a word of its own.
        hyphenSkip = v.hyphenPosition;
    } else if (v.hyphen == Hyphen::LeftPartUnknown && v.oneCharacterAfterHyphen) {
        out.word = v.leftPart; // only the part before the hyphen is offered for correction
    }
    return out.accepted = false;
}

std::vector<CheckedWord> LineChecker::check(const QString& input) {
    std::vector<CheckedWord> out;
    QString text = input;
    if (html) {
        if (insideTag_) {
            const qsizetype close = text.indexOf(QLatin1Char('>'));
            if (close < 0) return out;
            blankOut(text, 0, close + 1);
            insideTag_ = false;
        }
        const qsizetype open = text.lastIndexOf(QLatin1Char('<'));
        if (open >= 0 && text.indexOf(QLatin1Char('>'), open) < 0) {
            blankOut(text, open, text.size());
            insideTag_ = true;
        }
    }

    ScanRules rules;
    rules.shortestText = 0;
    rules.html = html;
    rules.reportExempt = everyWord;
    static const QSet<QString> noSkips;
    const MarkupMap markup = html ? MarkupMap(text) : MarkupMap();
    int start = 1;
    for (;;) {
        const ScanStop stop = nextWordToCheck(text, start, noSkips, rules, &markup);
        if (stop.kind != ScanStop::Kind::Word) break;
        CheckedWord w;
        w.start = stop.start;
        if (stop.exempt) {
            w.accepted = true;
            out.push_back(std::move(w));
            start = stop.start + stop.length + 1;
            continue;
        }
        int hyphenSkip = 0;
        verdict(QStringView(text).mid(stop.start, stop.length), w, hyphenSkip);
        if (hyphenSkip > 0) {
            start = stop.start + hyphenSkip + 1;
            continue;
        }
        out.push_back(std::move(w));
        start = stop.start + stop.length + 1;
    }
    return out;
}

IspellPipe::IspellPipe(WordIndex& index, platform::TableCursor* words, const QString& program,
                       const QString& version)
    : index_(index), words_(words),
      banner_(QStringLiteral("@(#) International Ispell Version 3.2.06 (but really ") + program +
              QLatin1Char(' ') + version + QLatin1Char(')')),
      checker_(index) {
    // A client that sends one word a line gets its line back whatever the word.
    checker_.everyWord = true;
}

QString IspellPipe::banner() const {
    return banner_;
}

QString IspellPipe::answer(const QString& line) {
    if (line.isEmpty()) return QStringLiteral("\n");
    const QString rest = line.mid(1).trimmed();
    switch (line.at(0).unicode()) {
    case u'^': // the rest is text, whatever its first character
        return answerText(line.mid(1), 1);
    case u'!':
        terse_ = true;
        return {};
    case u'%':
        terse_ = false;
        return {};
    case u'*':
        if (acceptable(rest, line.at(0))) addPersonal(rest);
        return {};
    case u'&':
        if (acceptable(rest, line.at(0))) addPersonal(rest.toLower());
        return {};
    case u'@':
        if (acceptable(rest, line.at(0))) checker_.accept(rest);
        return {};
    case u'#':
        save();
        return {};
    case u'+': // TeX mode on and off, and the choice of a formatter: plain
    case u'-': // text and HTML are all this checker reads, so these are
    case u'~': // accepted and change nothing
        return {};
    default:
        return answerText(line, 0);
    }
}

QString IspellPipe::answerText(const QString& text, int offsetBase) {
    QString out;
    const std::vector<CheckedWord> words = checker_.check(text);
    // Offsets in characters, counted incrementally along the line.
    int counted = 0, countedUnits = 0;
    for (const CheckedWord& w : words) {
        if (w.accepted) {
            if (!terse_) out += QStringLiteral("*\n");
            continue;
        }
        for (; countedUnits < w.start; ++countedUnits) {
            const bool secondHalf = text.at(countedUnits).isLowSurrogate() && countedUnits > 0 &&
                                    text.at(countedUnits - 1).isHighSurrogate();
            if (!secondHalf) ++counted;
        }
        const QString offset = QString::number(offsetBase + counted);
        QStringList list;
        if (w.word.size() <= kLongestSuggestedWord) list = suggestSpellings(w.word, index_).list;
        if (list.isEmpty()) {
            out += QStringLiteral("# ") + w.word + QLatin1Char(' ') + offset + QLatin1Char('\n');
        } else {
            out += QStringLiteral("& ") + w.word + QLatin1Char(' ') + QString::number(list.size()) +
                   QLatin1Char(' ') + offset + QStringLiteral(": ") +
                   list.join(QStringLiteral(", ")) + QLatin1Char('\n');
        }
    }
    out += QLatin1Char('\n');
    return out;
}

bool IspellPipe::acceptable(const QString& word, QChar command) {
    if (isPlausibleWord(word)) return true;
    QString shown = word.left(kLongestUserWord);
    for (QChar& c : shown)
        if (!c.isPrint()) c = QChar(0xFFFD);
    errors << QStringLiteral("%1%2: not taken: a word is letters with inner apostrophes and "
                             "hyphens, at most %3 characters")
                  .arg(command)
                  .arg(shown)
                  .arg(kLongestUserWord);
    return false;
}

void IspellPipe::addPersonal(const QString& word) {
    if (word.isEmpty()) return;
    checker_.accept(word);
    if (!unsaved_.contains(word)) unsaved_ << word;
}

void IspellPipe::save() {
    for (const QString& word : std::as_const(unsaved_)) {
        const QString w = lexiconForm(word);
        // Already a word as written: nothing to add. A spelling the lexicon
        // records as a misspelling is added all the same: the user's word wins.
        if (acceptingForm(index_, w) >= 0) continue;
        if (!words_ || !isPlausibleWord(w)) continue;
        QString detail;
        qint64 id = 0;
        if (const int error = appendUserWord(*words_, w, &detail, &id))
            errors << QStringLiteral("cannot add \"%1\" to the lexicon: error %2 %3")
                          .arg(w, QString::number(error), detail)
                          .trimmed();
        else
            index_.addUserWord(id, w, MakeSoundex(w));
    }
    unsaved_.clear();
}

} // namespace spelling

#include "spelling/lexiconlookup.h"

#include "spelling/lexiconschema.h"
#include "spelling/soundex.h"

namespace spelling {
namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

// Made once: every lookup names these.
const QString& kText() {
    static const QString s = QStringLiteral("Text");
    return s;
}
const QString& kId() {
    static const QString s = QStringLiteral("id");
    return s;
}
const QString& kWordId() {
    static const QString s = QStringLiteral("WordID");
    return s;
}
const QString& kLinkId() {
    static const QString s = QStringLiteral("LinkID");
    return s;
}
const QString& kEqual() {
    static const QString s = QStringLiteral("=");
    return s;
}

bool inWords(platform::TableCursor& words, const QString& text) {
    return findWordId(words, text).has_value();
}

} // namespace

int appendUserWord(platform::TableCursor& words, const QString& word, QString* detail) {
    words.setIndex(ql("ID"));
    words.moveLast();
    const qint64 nextId = (words.eof() ? 0 : words.field(kId()).toLongLong()) + 1;
    QVariantMap record;
    record.insert(kId(), nextId);
    record.insert(kText(), word);
    record.insert(ql("Soundex"), MakeSoundex(word));
    record.insert(ql("Tag"), lexicon::kUserWordTag);
    record.insert(ql("Sorted"), sortedLetters(word));
    return words.addNew(record, detail);
}

QString trimBlanks(const QString& s) {
    qsizetype a = 0, b = s.size();
    while (a < b && s.at(a) == QLatin1Char(' '))
        ++a;
    while (b > a && s.at(b - 1) == QLatin1Char(' '))
        --b;
    return s.mid(a, b - a);
}

std::optional<qint64> findWordId(platform::TableCursor& words, const QString& word) {
    if (word.isEmpty()) return std::nullopt;
    words.setIndex(kText());
    words.seek(kEqual(), word);
    if (words.noMatch()) return std::nullopt;
    const qint64 first = words.field(kId()).toLongLong();
    if (words.field(kText()).toString() == word) return first;
    for (words.moveNext(); !words.eof(); words.moveNext()) {
        const QString text = words.field(kText()).toString();
        if (!sameIgnoringAsciiCase(text, word)) break;
        if (text == word) return words.field(kId()).toLongLong();
    }
    return first;
}

bool hasWordCategory(platform::TableCursor& velmora, qint64 wordId) {
    velmora.setIndex(kWordId());
    velmora.seek(kEqual(), wordId);
    if (velmora.noMatch()) return true;
    auto ofThisWord = [&] { return velmora.field(kWordId()).toLongLong() == wordId; };
    auto categorised = [&] {
        return lexicon::isWordCategory(velmora.field(kLinkId()).toLongLong());
    };
    while (!velmora.eof() && ofThisWord() && !categorised())
        velmora.moveNext();
    if (velmora.eof()) velmora.seek(kEqual(), wordId);
    return !velmora.eof() && ofThisWord() && categorised();
}

WordStatus wordStatus(platform::TableCursor& words, platform::TableCursor& velmora,
                      const QString& word) {
    const auto id = findWordId(words, word);
    if (!id) return WordStatus::NotInWords;
    return hasWordCategory(velmora, *id) ? WordStatus::Accepted : WordStatus::NoCategory;
}

LexiconVerdict checkWord(platform::TableCursor& words, platform::TableCursor& velmora,
                         const QString& word) {
    LexiconVerdict v;
    const QString w = trimBlanks(word);
    if (w.size() < 2) {
        v.accepted = true;
        return v;
    }
    if (const auto id = findWordId(words, w)) {
        v.accepted = hasWordCategory(velmora, *id);
        return v;
    }

    const qsizetype p = w.indexOf(QLatin1Char('-')) + 1; // 1-based, 0 when none
    if (p >= 2 && p < w.size()) {
        v.hyphenPosition = int(p);
        v.leftPart = w.left(p - 1);
        if (!inWords(words, v.leftPart)) {
            v.hyphen = LexiconVerdict::Hyphen::LeftPartUnknown;
            v.oneCharacterAfterHyphen = w.size() - p == 1;
            return v;
        }
        if (inWords(words, w.mid(p))) {
            v.accepted = true;
            return v;
        }
        v.hyphen = LexiconVerdict::Hyphen::RightPartUnknown;
        return v;
    }

    QString rest;
    if (w.startsWith(ql("re")) || w.startsWith(ql("un")) || w.startsWith(ql("de")))
        rest = trimBlanks(w.mid(2));
    else if (w.startsWith(ql("pre")) || w.startsWith(ql("non")))
        rest = trimBlanks(w.mid(3));
    v.accepted = !rest.isEmpty() && inWords(words, rest);
    return v;
}

LexiconVerdict checkWordRemembered(platform::TableCursor& words, platform::TableCursor& velmora,
                                   const QString& word, QSet<QString>& accepted) {
    if (accepted.contains(word)) {
        LexiconVerdict v;
        v.accepted = true;
        return v;
    }
    LexiconVerdict v = checkWord(words, velmora, word);
    if (v.accepted && !word.contains(QLatin1Char('-'))) accepted.insert(word);
    return v;
}

bool sameIgnoringAsciiCase(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a.at(i).unicode(), y = b.at(i).unicode();
        if (x >= u'A' && x <= u'Z') x = char16_t(x - u'A' + u'a');
        if (y >= u'A' && y <= u'Z') y = char16_t(y - u'A' + u'a');
        if (x != y) return false;
    }
    return true;
}

} // namespace spelling

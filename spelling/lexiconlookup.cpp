#include "spelling/lexiconlookup.h"

#include "spelling/lexiconschema.h"
#include "spelling/soundex.h"
#include "spelling/wordtrie.h"

#include <QVarLengthArray>

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

} // namespace

int appendUserWord(platform::TableCursor& words, const QString& word, QString* detail,
                   qint64* newId) {
    words.setIndex(ql("ID"));
    words.moveLast();
    const qint64 nextId = (words.eof() ? 0 : words.field(kId()).toLongLong()) + 1;
    if (newId) *newId = nextId;
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

namespace {

bool hasUpper(QStringView s) {
    for (QChar c : s)
        if (c.isUpper()) return true;
    return false;
}
bool hasLower(QStringView s) {
    for (QChar c : s)
        if (c.isLower()) return true;
    return false;
}

// A word's letters in a buffer of the stack: the check makes no string.
using Letters = QVarLengthArray<QChar, 64>;

Letters lowerFirst(QStringView w) {
    Letters l(w.begin(), w.end());
    l[0] = l[0].toLower();
    return l;
}

bool isCapitalsOf(QStringView capitals, const QString& stored) {
    if (capitals.size() != stored.size()) return false;
    for (qsizetype i = 0; i < capitals.size(); ++i)
        if (stored[i].toUpper() != capitals[i]) return false;
    return true;
}

int acceptingFormOf(const WordIndex& index, QStringView w) {
    quint16 flags;
    const int exact = index.find(w, &flags);
    if (flags & WordIndex::Accepted) return exact;
    if (w.isEmpty() || !w.front().isUpper()) return -1;
    if (!hasUpper(w.mid(1))) {
        // "The": a word stored in small letters at the start of a sentence.
        const Letters lower = lowerFirst(w);
        const int i = index.find(QStringView(lower.constData(), lower.size()), &flags);
        return (flags & WordIndex::Accepted) ? i : -1;
    }
    if (!hasLower(w)) {
        // "PARIS", "THE": any stored form in capitals.
        for (int i = index.findVariants(w); i >= 0; i = index.at(i).nextVariant)
            if (index.accepted(i) && isCapitalsOf(w, index.at(i).text)) return i;
    }
    return -1;
}

} // namespace

// The word without its accents: "naïve" -> "naive", "résumé" -> "resume".
static QString withoutAccents(const QString& w) {
    QString d = w.normalized(QString::NormalizationForm_D);
    d.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return d;
}

int acceptingForm(const WordIndex& index, QStringView word) {
    for (QChar c : word)
        if (c.unicode() >= 0x80) {
            const QString form = lexiconForm(word);
            const int i = acceptingFormOf(index, form);
            if (i >= 0) return i;
            // English writes many borrowed words with or without their
            // accents; the lexicon may hold only one of the two.
            const QString plain = withoutAccents(form);
            return plain != form ? acceptingFormOf(index, plain) : -1;
        }
    return acceptingFormOf(index, word);
}

WordStatus wordStatus(const WordIndex& index, QStringView word) {
    const QString w = lexiconForm(word);
    if (acceptingFormOf(index, w) >= 0) return WordStatus::Accepted;
    if (index.find(w) >= 0) return WordStatus::NoCategory;
    if (!w.isEmpty() && w.front().isUpper()) {
        for (int i = index.findVariants(w); i >= 0; i = index.at(i).nextVariant) {
            const QString& t = index.at(i).text;
            if (t.toUpper() == w || (!hasUpper(t) && t.mid(1) == w.mid(1)))
                return WordStatus::NoCategory;
        }
    }
    return WordStatus::NotInWords;
}

bool prefixedWord(const WordIndex& index, QStringView word) {
    using W = WordIndex;
    // Each prefix before the parts of speech it makes words of: "rewrite",
    // "defrost" (verbs), "unhappy", "undo", "prewar", "nonbridge".
    struct Prefix {
        const char* text;
        quint16 before;
    };
    static const Prefix kPrefixes[] = {{"re", W::Verb},
                                       {"un", W::Verb | W::Adjective | W::Adverb},
                                       {"de", W::Verb},
                                       {"pre", W::Verb | W::Noun | W::Adjective},
                                       {"non", W::Noun | W::Adjective}};
    QStringView rest;
    quint16 before = 0;
    for (const Prefix& p : kPrefixes) {
        const QLatin1String prefix(p.text);
        if (word.startsWith(prefix)) {
            rest = word.mid(prefix.size());
            before = p.before;
            break;
        }
    }
    constexpr int kShortestRest = 3;
    if (rest.size() < kShortestRest) return false;
    const int r = index.find(rest);
    if (!index.ordinary(r) || !(index.at(r).flags & before)) return false;
    // "uncorrect": the word takes another negative prefix ("incorrect").
    if (word.startsWith(u"un")) {
        for (const char* other : {"in", "im", "il", "ir", "dis"})
            if (index.ordinary(index.find(QLatin1String(other) + rest.toString()))) return false;
    }

    // One letter off a word of the language: far more likely a slip of the
    // hand than a new derivation ("desplays" is "displays", "prepresented"
    // "represented").
    Letters folded(word.begin(), word.end());
    for (QChar& c : folded)
        c = WordIndex::fold(c);
    bool near = false;
    index.trie().searchOneEdit(QStringView(folded.constData(), folded.size()), 0, [&](int head) {
        for (int i = head; !near && i >= 0; i = index.at(i).nextVariant)
            near = index.ordinary(i);
    });
    return !near;
}

namespace {

bool plain(QStringView w) {
    for (QChar c : w)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// The prefix rule, also for a word at the start of a sentence ("Rewrite").
bool prefixedForm(const WordIndex& index, QStringView w) {
    if (!plain(w)) {
        const QString form = lexiconForm(w);
        return prefixedWord(index, form) ||
               (form.front().isUpper() && !hasUpper(QStringView(form).mid(1)) &&
                prefixedWord(index, QString(form).replace(0, 1, form.front().toLower())));
    }
    if (prefixedWord(index, w)) return true;
    if (!w.front().isUpper() || hasUpper(w.mid(1))) return false;
    const Letters lower = lowerFirst(w);
    return prefixedWord(index, QStringView(lower.constData(), lower.size()));
}

// checkWord's verdict on a part of a hyphenated word.
bool partAccepted(const WordIndex& index, QStringView w) {
    if (w.size() < 2 || acceptingForm(index, w) >= 0) return true;
    const qsizetype p = w.indexOf(QLatin1Char('-')) + 1;
    if (p >= 2 && p < w.size())
        return partAccepted(index, w.left(p - 1)) && partAccepted(index, w.mid(p));
    return prefixedForm(index, w);
}

} // namespace

LexiconVerdict checkWord(const WordIndex& index, const QString& word) {
    LexiconVerdict v;
    QStringView w(word);
    while (!w.isEmpty() && w.front() == QLatin1Char(' '))
        w = w.mid(1);
    while (!w.isEmpty() && w.back() == QLatin1Char(' '))
        w.chop(1);
    if (w.size() < 2 || acceptingForm(index, w) >= 0) {
        v.accepted = true;
        return v;
    }

    const qsizetype p = w.indexOf(QLatin1Char('-')) + 1; // 1-based, 0 when none
    if (p >= 2 && p < w.size()) {
        v.hyphenPosition = int(p);
        if (!partAccepted(index, w.left(p - 1))) {
            v.leftPart = w.left(p - 1).toString();
            v.hyphen = LexiconVerdict::Hyphen::LeftPartUnknown;
            v.oneCharacterAfterHyphen = w.size() - p == 1;
            return v;
        }
        v.leftPart = w.left(p - 1).toString();
        if (partAccepted(index, w.mid(p))) {
            v.accepted = true;
            return v;
        }
        v.hyphen = LexiconVerdict::Hyphen::RightPartUnknown;
        return v;
    }
    v.accepted = prefixedForm(index, w);
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

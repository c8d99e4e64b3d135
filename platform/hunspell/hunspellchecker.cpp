#include "platform/hunspell/hunspellchecker.h"

#include "spelling/scan.h"

#include <QFile>
#include <QFileInfo>
#include <hunspell.hxx>

namespace platform::hunspell {
namespace {
bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}
bool isWordCharacter(QChar c) {
    return isAsciiLetter(c) || (c.unicode() >= u'0' && c.unicode() <= u'9') ||
           c == QLatin1Char('-') || c == QLatin1Char('\'');
}
} // namespace

HunspellChecker::HunspellChecker() = default;
HunspellChecker::~HunspellChecker() = default;

bool HunspellChecker::open(const QString& folder, const QString& language,
                           const QString& personalList, SpellingError* error) {
    const QString base = folder + QLatin1Char('/') + language;
    const QString aff = base + QStringLiteral(".aff"), dic = base + QStringLiteral(".dic");
    if (!QFileInfo(aff).isFile() || !QFileInfo(dic).isFile()) {
        if (error)
            *error = {53,
                      QStringLiteral("File not found: the spelling dictionary %1 (%2.aff, %2.dic).")
                          .arg(language, base)};
        return false;
    }
    speller_ = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                          QFile::encodeName(dic).constData());
    utf8_ = QByteArray(speller_->get_dict_encoding().c_str()).toUpper().replace('-', "") == "UTF8";
    personalList_ = personalList;
    QFile list(personalList);
    if (!personalList.isEmpty() && list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray& line : list.readAll().split('\n')) {
            const QString w = QString::fromUtf8(line).trimmed();
            if (!w.isEmpty()) speller_->add(encode(w).toStdString());
        }
    }
    return true;
}

QByteArray HunspellChecker::encode(const QString& s) const {
    return utf8_ ? s.toUtf8() : s.toLatin1();
}

QString HunspellChecker::decode(const std::string& s) const {
    return utf8_ ? QString::fromStdString(s) : QString::fromLatin1(s.data(), qsizetype(s.size()));
}

bool HunspellChecker::isCorrect(const QString& word) const {
    return !speller_ || speller_->spell(encode(word).toStdString());
}

QStringList HunspellChecker::suggest(const QString& word) const {
    QStringList out;
    if (!speller_) return out;
    for (const std::string& s : speller_->suggest(encode(word).toStdString()))
        out << decode(s);
    return out;
}

bool HunspellChecker::addToPersonal(const QString& word) {
    if (!speller_ || word.isEmpty()) return false;
    speller_->add(encode(word).toStdString());
    QFile list(personalList_);
    if (personalList_.isEmpty() || !list.open(QIODevice::Append | QIODevice::Text)) return false;
    return list.write(word.toUtf8() + '\n') > 0;
}

MisspellingWalk::MisspellingWalk(const QString& text, HunspellChecker& checker)
    : text_(text), markup_(text_), checker_(checker) {}

std::optional<MisspellingWalk::Misspelling> MisspellingWalk::next() {
    current_.reset();
    const int len = int(text_.size());
    int pos = pos_ + 1; // 1-based, as the scan counts
    while (pos <= len) {
        QChar ch = text_.at(pos - 1);
        spelling::skipMarkup(markup_, text_, ch, pos, len);
        if (pos > len) break;
        if (!isAsciiLetter(ch)) {
            ++pos;
            continue;
        }
        int end = pos;
        while (end <= len && isWordCharacter(text_.at(end - 1)))
            ++end;
        // Apostrophes and hyphens at the end belong to no word.
        int wordEnd = end;
        while (wordEnd > pos + 1 && (text_.at(wordEnd - 2) == QLatin1Char('\'') ||
                                     text_.at(wordEnd - 2) == QLatin1Char('-')))
            --wordEnd;
        const QString word = text_.mid(pos - 1, wordEnd - pos);
        pos_ = end - 1;
        if (!spelling::isWordExempt(word, wordEnd, text_, ignored_) && !checker_.isCorrect(word)) {
            current_ = Misspelling{pos - 1, int(word.size()), word};
            return current_;
        }
        pos = end;
    }
    pos_ = len;
    return std::nullopt;
}

void MisspellingWalk::change(const QString& replacement) {
    if (!current_) return;
    text_.replace(current_->start, current_->length, replacement);
    markup_ = spelling::MarkupMap(text_);
    pos_ = current_->start + int(replacement.size());
    current_.reset();
}

void MisspellingWalk::ignoreAll() {
    if (current_) ignored_.insert(current_->word);
}

bool MisspellingWalk::add() {
    return current_ && checker_.addToPersonal(current_->word);
}

} // namespace platform::hunspell

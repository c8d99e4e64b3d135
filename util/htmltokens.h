#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <utility>
#include <vector>

// One reader of HTML source for every command that steps over markup (the
// suit symbols, the spelling scan, "Ignore text in < >", the contents, the
// paragraphs), so that they all agree on what is markup. It splits the text
// as a browser's tokenizer does, without building a document:
//
//   - "<" and a letter begin a tag, "</" and a letter an end tag; a tag ends
//     at the first ">" outside a quoted attribute value ("<IMG ALT="a > b">"
//     is one tag; an unclosed quote runs to the end of the text);
//   - "<!--" begins a comment, to the next "-->"; any other "<!" (such as
//     "<!DOCTYPE html>") or "<?" a declaration, to the next ">";
//   - what follows a SCRIPT or STYLE tag up to its end tag is raw text, with
//     no markup in it; in TITLE and TEXTAREA there are no tags either, but
//     entities are;
//   - "&" with "#" and digits, "#x" and hexadecimal digits (";" optional),
//     or a letter, letters and digits and ";" is an entity;
//   - any other "<" or "&" is text.
namespace util::html {

enum class Kind { Text, Entity, StartTag, EndTag, Comment, Declaration, RawText };

struct Token {
    Kind kind = Kind::Text;
    qsizetype start = 0; // 0-based position in the text
    qsizetype end = 0;   // one past the token
    // A tag's name as written; for raw text, the element it belongs to.
    QStringView name;
    bool isTag() const { return kind == Kind::StartTag || kind == Kind::EndTag; }
    // Markup: what a browser does not show as text (tags, comments,
    // declarations).
    bool isMarkup() const { return isTag() || kind == Kind::Comment || kind == Kind::Declaration; }
    bool named(QLatin1StringView n) const { return name.compare(n, Qt::CaseInsensitive) == 0; }
};

class Reader {
  public:
    explicit Reader(QStringView text) : text_(text) {}
    // The next token; false at the end of the text.
    bool next(Token& token);

  private:
    QStringView text_;
    qsizetype pos_ = 0;
    // Inside SCRIPT/STYLE (raw) or TITLE/TEXTAREA (no tags): the element.
    QStringView special_;
    bool raw_ = false;
};

// Where the tag that begins at `at` (its "<") ends: one past its ">", or the
// end of the text.
qsizetype tagEnd(QStringView text, qsizetype at);

// The value of an attribute of a tag (the tag's whole text, "<A HREF=...>"),
// its name compared without regard to case; nullopt when the tag has none.
// An attribute without a value has an empty one.
std::optional<QStringView> attribute(QStringView tag, QLatin1StringView name);

// The text as a browser shows it, without decoding: tags, comments,
// declarations and raw text left out, entities kept as written.
//   "<B>Bid</B> 1&clubs;" -> "Bid 1&clubs;"
QString textOnly(QStringView html);

// The markup of a text (tags, comments, declarations) as [start, end) ranges
// in order.
std::vector<std::pair<qsizetype, qsizetype>> markupRanges(QStringView text);

} // namespace util::html

#pragma once

#include <QString>
#include <optional>

// The frame every article gets: head, BODY tag with the five page colours,
// a centred one-cell table and the "EndOfFile" anchor.
namespace authoring {

// The five page colours, slot 1 to 5: TEXT, BGCOLOR, LINK, VLINK, ALINK.
struct PageColorSet {
    QString code[6]; // index 0 unused, as in the program's arrays
};

// The BODY attribute of each page-colour slot (1 to 5); "" for others.
QString colorAttributeName(int slot);

// The title a new file takes from its name:
//   "notes.htm" -> "notes"   "notes.html" -> "notes"   "notes.txt" -> "notes.txt"
//   "a.b"       -> "a.b"     ".html" -> ""             "abc" -> "abc"
QString newFileTitle(const QString& fileName);

// The 26 lines of a new file, each ended by CR LF.
QString newFileFrame(const QString& title, const PageColorSet& colors);

// Whether the text already starts with "<HTML>" (any case); leading spaces
// or line breaks defeat the test.
bool hasHtmlHeaders(const QString& text);
// HTML Start-End: what goes before and after the edited text. The tail's
// anchor has no "</A>".
QString startEndHead(const QString& title, const PageColorSet& colors);
QString startEndTail();

// The document with one page colour of its BODY tag set to `code`. The
// attribute is looked for inside the first BODY tag only, so a word such as
// "TEXT" in the title or the body text is never touched; its whole value is
// replaced. nullopt when the document has no BODY tag or the tag lacks the
// attribute.
//   <BODY\r\n  LINK="#1C8E1F"\r\n>, slot 3, "#FF0000" -> <BODY\r\n  LINK="#FF0000"\r\n>
std::optional<QString> withPageColor(const QString& text, int slot, const QString& code);

// The colour number ("red in the low byte") of a colour code "#RRGGBB";
// nullopt when the text is not one.
//   "#FF0000" -> 255    "#0000FF" -> 16711680
std::optional<int> colorNumber(const QString& code);

} // namespace authoring

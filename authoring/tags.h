#pragma once

#include "authoring/edit.h"

#include <QString>

// The tag commands of the HTML menu: each wraps the selection in markup or
// puts a piece of markup in front of it.
namespace authoring {

enum class TagCommand {
    Bold,
    Italics,
    Underline,
    Superscript,
    Subscript,
    Break,
    NumberedList,
    Indent,
    IndentNoBreak,
    BulletsNoIndent,
    Pre,
    Header1,
    Header2,
    Header3,
    SpecialSpace,
    SpecialLessThan,
    SpecialGreaterThan,
    Table,
    Row,
    Cell,
    AlignTop,
    Width,
};

// The text that replaces the selected text `selected`.
//   Bold, "word"          -> "<B>word</B>"
//   Bold, "  two  words  " -> "<B>two  words</B> "  (trailing spaces: the
//                             closing tag hugs the text, one space follows)
//   Underline, "word "    -> "<U>word </U>"       (never trimmed)
//   Break, "x"            -> "<BR>x"
QString tagReplacement(TagCommand command, const QString& selected);

// The whole command on a selection: the replacement written over it, then
// either the wrapped text selected again inside the new tags (Bold,
// Superscript, Subscript) or the caret after the insertion.
Result tagCommand(TagCommand command, Selection selection, const QString& selected);

// "#RRGGBB" from a colour whose low byte is red.
//   255 -> "#FF0000"    16711680 -> "#0000FF"    0x123456 -> "#563412"
QString colorCode(int color);

// "<FONT COLOR="#RRGGBB">" + selected + "</FONT>".
QString colorMarkup(int color, const QString& selected);

// The HTML font size (1 to 8) for a size in points, rounded half to even
// first: 9.4 -> 1, 11 -> 2, 12 -> 3, 18 -> 5, 47.5 -> 8, 72 -> 8.
int htmlFontSize(double points);

struct FontStyle {
    QString name;
    double points = 0;
    bool bold = false, italic = false, underline = false, strikethrough = false;
    int color = 0; // red in the low byte
};

// The font tag around `selected`, the effects nested inside it in the order
// bold, italic, underline, strikethrough:
//   <FONT FACE="F" SIZE="2" COLOR="#000000"><B><I>text</I></B></FONT>
QString fontMarkup(const FontStyle& font, const QString& selected);

} // namespace authoring

#pragma once

#include "authoring/edit.h"

#include <QString>

// Paragraph: turns lines of plain text into an HTML paragraph.
namespace authoring {

// Where the paragraph that starts at `from` ends, at the latest at `end`:
// at the first block tag ("<P>", "<H", "<PRE>", "<UL>", "<OL>", "<DL>";
// "<p>" and "<h" too) after `from`. A "<P>" counts only from two characters
// after `from`, since the paragraph may begin with its own.
int paragraphEnd(const QString& text, int from, int end);

// Without a selection the paragraph runs from the caret to the first blank
// line (or a block tag before it); it gets "<P>" in front unless it begins
// with "<P>" in any case, and its lines are joined by single spaces:
//   "one  \r\ntwo\r\nthree\r\n\r\nnext"  ->  "<P>one two three\r\n\r\nnext"
// The caret ends after the paragraph, or stays where it was when the
// paragraph is five characters or fewer.
//
// A selection may hold several paragraphs, separated by blank lines: each
// is tagged and joined on its own and the blank lines stay. Parts that begin
// with another block tag (a heading, a list, preformatted text) are left
// as they are.
Result paragraphCommand(const QString& text, Selection selection);

} // namespace authoring

#pragma once

#include <QString>

// Make Table Of Contents: a "Contents:" block after the H1 heading that
// links to every H2 and H3 heading, each of which gets a named anchor.
namespace authoring {

struct ContentsResult {
    bool hasH1 = false;       // false: nothing was done
    QString text;             // the document with the block and the anchors
    int linkNameCounter = 1;  // the counter after the last H2 named
    int entries = 0;          // headings listed
    bool namesRanOut = false; // listing stopped at an H2 beyond the last name
};

// Names: the H2 headings take B, C, ... Z, AA ... AZ (the counter's names
// from 2 on); an H3 takes its H2's name and its number under it (B1, B2;
// A1 before the first H2). Only "<H2" and "<H3" in upper case count, and a
// heading whose opening tag has attributes keeps them: its text and its
// anchor start after the tag's ">".
//   "<H1>T</H1>\r\n<H2>One</H2>"  ->  "<H1>T</H1>\r\n" + block listing
//   "<A HREF=#B>One</A><BR>" + "<H2><A NAME="B"></A>One</H2>"
ContentsResult tableOfContents(const QString& text);

// The message shown when the document has no "</H1>".
QString missingH1Message();
// The message shown when the H2 headings outnumber the anchor names.
QString contentsNamesRanOutMessage(int entries);

} // namespace authoring

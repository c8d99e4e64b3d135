#pragma once

#include "authoring/edit.h"

#include <QString>
#include <optional>

// Hyperlinks: links to other files and to named anchors in the document.
namespace authoring {

// Anchor names handed out by the link counter: 1..26 -> "A".."Z",
// 27..52 -> "AA".."AZ"; anything else has no name ("").
QString anchorName(int counter);
constexpr int kLastAnchorCounter = 52;

// Whether the document already uses `name`: a link to it ("HREF=#name") or
// an anchor of that name. "HREF=#AB" does not use "A".
bool anchorNameUsed(const QString& text, const QString& name);

// The counter for the next internal link: one on from `counter`, skipping
// names the document already uses. nullopt when all 52 names are used.
std::optional<int> nextAnchorCounter(int counter, const QString& text);

// The name of an anchor ("<A NAME=" in any case) that begins in the 50
// characters from 20 before the caret; nullopt when there is none.
//   ...<A NAME="B"></A>|...  ->  "B"
std::optional<QString> anchorNearCaret(const QString& text, int caret);

// <A NAME="name"></A>
QString anchorTag(const QString& name);
// <A HREF=#name>text</A>
QString internalLink(const QString& name, const QString& text);
// <A HREF="file name">text</A>; characters that would end the attribute or
// change the address's meaning are percent-escaped.
QString externalLink(const QString& fileName, const QString& text);

// The instruction box shown between the two runs of Link Internal.
QString linkMessageText();

// The second run of Link Internal: the anchor at the caret (an existing one
// near it is reused) and the remembered text, `linkStart`/`linkLength`
// (0-based), wrapped in a link to it. An anchor put inside the remembered
// text goes to its start instead, so that links never nest.
struct InternalLinkPlan {
    Result result;       // the edits; `after` is the start of the new link
    QString name;        // the anchor linked to
    bool reused = false; // an anchor was already there
};
InternalLinkPlan placeInternalLink(const QString& text, int caret, int linkStart, int linkLength,
                                   const QString& reservedName);

} // namespace authoring

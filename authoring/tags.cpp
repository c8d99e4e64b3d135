#include "authoring/tags.h"

#include "util/numbers.h"

namespace authoring {
namespace {

struct TagRule {
    const char* open;
    const char* close;
    bool trimsTrailingSpace; // a selection ending in a space: the tag hugs the text
    int reselectAt;          // > 0: select the text again this far after the start
    bool keepsSelection;
};

TagRule ruleOf(TagCommand command) {
    switch (command) {
    case TagCommand::Bold:
        return {"<B>", "</B>", true, 3, true};
    case TagCommand::Italics:
        return {"<I>", "</I>", true, 0, true};
    case TagCommand::Underline:
        return {"<U>", "</U>", false, 0, true};
    case TagCommand::Superscript:
        return {"<SUP>", "</SUP>", true, 5, true};
    case TagCommand::Subscript:
        return {"<SUB>", "</SUB>", true, 5, true};
    case TagCommand::Break:
        return {"<BR>", "", false, 0, true};
    case TagCommand::NumberedList:
        return {"<OL>\r\n<LI> </LI>\r\n<LI> </LI>\r\n</OL>", "", false, 0, true};
    case TagCommand::Indent:
        return {"<UL><LI>", "</LI></UL>", false, 0, true};
    case TagCommand::IndentNoBreak:
        return {"<BLOCKQUOTE PADDING-LEFT: 5px>\r\n", "\r\n</BLOCKQUOTE>", false, 0, true};
    case TagCommand::BulletsNoIndent:
        return {
            "<DL>\r\n(Any text you want before the list.)\r\n<LI>...</LI>\r\n<LI>...</LI>\r\n</DL>",
            "", false, 0, false};
    case TagCommand::Pre:
        return {"<PRE>", "</PRE>", false, 0, true};
    case TagCommand::Header1:
        return {"<H1 ALIGN=CENTER>", "</H1>", false, 0, true};
    case TagCommand::Header2:
        return {"<H2>", "</H2>", false, 0, true};
    case TagCommand::Header3:
        return {"<H3>", "</H3>", false, 0, true};
    case TagCommand::SpecialSpace:
        return {"&nbsp;", "", false, 0, true};
    case TagCommand::SpecialLessThan:
        return {"&lt;", "", false, 0, true};
    case TagCommand::SpecialGreaterThan:
        return {"&gt;", "", false, 0, true};
    case TagCommand::Table:
        return {"<TABLE>", "</TABLE>", false, 0, true};
    case TagCommand::Row:
        return {"<TR>", "</TR>", false, 0, true};
    case TagCommand::Cell:
        return {"<TD VAlign=Top>", "</TD>", false, 0, true};
    case TagCommand::AlignTop:
        return {" VAlign=Top", "", false, 0, true};
    case TagCommand::Width:
        return {" WIDTH=30", "", false, 0, true};
    }
    return {"", "", false, 0, true};
}

// Only the space character counts: tabs and line breaks stay inside the tags.
QString trimSpaces(const QString& s) {
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s[from] == QLatin1Char(' '))
        ++from;
    while (to > from && s[to - 1] == QLatin1Char(' '))
        --to;
    return s.mid(from, to - from);
}

bool endsInSpace(const QString& s) {
    return s.endsWith(QLatin1Char(' '));
}

} // namespace

QString tagReplacement(TagCommand command, const QString& selected) {
    const TagRule rule = ruleOf(command);
    const QString open = QString::fromLatin1(rule.open);
    const QString close = QString::fromLatin1(rule.close);
    if (!rule.keepsSelection) return open + close;
    if (rule.trimsTrailingSpace && endsInSpace(selected))
        return open + trimSpaces(selected) + close + QLatin1Char(' ');
    return open + selected + close;
}

Result tagCommand(TagCommand command, Selection selection, const QString& selected) {
    const TagRule rule = ruleOf(command);
    const QString replacement = tagReplacement(command, selected);
    Result r;
    r.edits.push_back({selection.start, selection.length, replacement});
    if (rule.reselectAt > 0) {
        // The wrapped text again; when spaces were trimmed away, just the
        // text that is now inside the tags.
        const int inner = rule.trimsTrailingSpace && endsInSpace(selected)
                              ? int(trimSpaces(selected).size())
                              : selection.length;
        r.after = {selection.start + rule.reselectAt, inner};
    } else {
        r.after = {selection.start + int(replacement.size()), 0};
    }
    return r;
}

QString colorCode(int color) {
    const unsigned value = static_cast<unsigned>(color) & 0xFFFFFFu;
    const QString bgr = QString::number(value, 16).toUpper().rightJustified(6, QLatin1Char('0'));
    return QLatin1Char('#') + bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

QString colorMarkup(int color, const QString& selected) {
    return QStringLiteral("<FONT COLOR=\"") + colorCode(color) + QStringLiteral("\">") + selected +
           QStringLiteral("</FONT>");
}

int htmlFontSize(double points) {
    const int n = util::roundHalfEven(points);
    if (n < 10) return 1;
    if (n <= 11) return 2;
    if (n <= 14) return 3;
    if (n <= 17) return 4;
    if (n <= 23) return 5;
    if (n <= 35) return 6;
    if (n <= 47) return 7;
    return 8;
}

QString fontMarkup(const FontStyle& font, const QString& selected) {
    const QString q = QStringLiteral("\"");
    QString open = QStringLiteral("<FONT FACE=") + q + font.name + q;
    open += QStringLiteral(" SIZE=") + q + QString::number(htmlFontSize(font.points)) + q;
    open += QStringLiteral(" COLOR=") + q + colorCode(font.color) + q + QLatin1Char('>');
    QString close = QStringLiteral("</FONT>");
    const auto nest = [&](bool on, const char* tag) {
        if (!on) return;
        open += QStringLiteral("<%1>").arg(QLatin1String(tag));
        close.prepend(QStringLiteral("</%1>").arg(QLatin1String(tag)));
    };
    nest(font.bold, "B");
    nest(font.italic, "I");
    nest(font.underline, "U");
    nest(font.strikethrough, "S");
    return open + selected + close;
}

} // namespace authoring

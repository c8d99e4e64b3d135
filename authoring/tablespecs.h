#pragma once

#include <QString>
#include <array>
#include <optional>

// The table designer's markup: the preview page it writes on every change,
// the colours its template holds and the table taken from the preview.
namespace authoring {

// The dialog's settings as its controls hold them.
struct TableSpec {
    QString rows, columns, border, padding, spacing, width; // text boxes
    bool widthInPercent = true;                             // "% of window" rather than pixels
    bool useBackgroundColor = true;
    bool useBackgroundPicture = false;
    bool solidFrame = false;       // one frame colour rather than light and dark
    std::array<QString, 4> colors; // background, solid, highlight, shadow
    QString picture;
};

// The number a text begins with, 0 when it begins with none; leading
// spaces are skipped: "12 rows" -> 12, " 5" -> 5, "x" -> 0, "-3" -> -3.
double leadingNumber(const QString& text);

// The designer's number fields. Each has a largest value: a slip of the
// finger (one zero too many in the rows) would otherwise write a preview of
// many megabytes that the preview's browser cannot show.
enum class TableField { Rows, Columns, Border, Spacing, Padding, Width };
// 500 rows, 50 columns, a table frame of 50 pixels, cell frames and cell
// margins of 100, a width of 100 % of the window or 3000 pixels.
int tableFieldMaximum(TableField field, bool widthInPercent);
// What the user is told when a field went past its largest value.
QString tableFieldLimitMessage(TableField field, bool widthInPercent);
// The text a field is set back to when its number goes past `maximum`
// (the maximum itself); nullopt when it does not.
std::optional<QString> heldToMaximum(const QString& text, int maximum);

// The preview page, every line ended by CR LF except "<Table", which the
// first attribute follows directly. nullopt when the rows or the columns
// come to 0 (the preview is then left as it is). Rows and columns past
// their largest values count as those values.
//   rows 1, columns 1, border 1, nothing else ->
//   <html><head>...<Table Border="1"\r\n>\r\n<TR>\r\n<TD>&nbsp;</TD>\r\n</TR>\r\n</TABLE>...
std::optional<QString> tablePreview(const TableSpec& table);

// The four colours of the template: lines 1 to 4 are skipped, then come
// four pairs of a skipped line and a line holding one colour, which may
// stand in double quotes. Missing lines give empty colours.
std::array<QString, 4> templateColors(const QString& templateText);

// The table OK inserts: the preview from its first "<T" on, cut before a
// "</body>" that stands at position 100 (1-based) or later; nullopt when
// the preview holds no "<T" at all.
std::optional<QString> tableFromPreview(const QString& previewText);

// Lines joined by CR LF, each followed by one, however the file ended them.
QString crLfLines(const QString& fileText);

} // namespace authoring

#include "authoring/tablespecs.h"

#include <QStringList>
#include <algorithm>

namespace authoring {
namespace {

const QLatin1String kCrLf("\r\n");

QString attribute(const char* name, const QString& value) {
    return QLatin1Char(' ') + QLatin1String(name) + QLatin1String("=\"") + value +
           QLatin1Char('"') + kCrLf;
}

QStringList fileLines(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = t.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the last line's own ending
    return lines;
}

} // namespace

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) ++i;
    while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128)
        ++i;
    if (i < text.size() && text.at(i) == u'.') {
        ++i;
        while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128)
            ++i;
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0;
}

int tableFieldMaximum(TableField field, bool widthInPercent) {
    switch (field) {
    case TableField::Rows:
        return 500;
    case TableField::Columns:
        return 50;
    case TableField::Border:
        return 50;
    case TableField::Spacing:
        return 100;
    case TableField::Padding:
        return 100;
    case TableField::Width:
        return widthInPercent ? 100 : 3000;
    }
    return 0;
}

QString tableFieldLimitMessage(TableField field, bool widthInPercent) {
    const QString most = QString::number(tableFieldMaximum(field, widthInPercent));
    switch (field) {
    case TableField::Rows:
        return QStringLiteral("A table can have at most ") + most + QStringLiteral(" rows.");
    case TableField::Columns:
        return QStringLiteral("A table can have at most ") + most + QStringLiteral(" columns.");
    case TableField::Border:
        return QStringLiteral("The table frame can be at most ") + most +
               QStringLiteral(" pixels wide.");
    case TableField::Spacing:
        return QStringLiteral("The cell frame can be at most ") + most +
               QStringLiteral(" pixels wide.");
    case TableField::Padding:
        return QStringLiteral("The cell margins can be at most ") + most +
               QStringLiteral(" pixels wide.");
    case TableField::Width:
        return QStringLiteral("The table width can be at most ") + most +
               (widthInPercent ? QStringLiteral(" % of the window.") : QStringLiteral(" pixels."));
    }
    return {};
}

std::optional<QString> heldToMaximum(const QString& text, int maximum) {
    if (leadingNumber(text) <= maximum) return std::nullopt;
    return QString::number(maximum);
}

namespace {
// A count as the preview takes it: never past `maximum` (nor a number too
// large for an int). A negative count writes no rows or cells, as a loop up
// to it would.
int boundedCount(const QString& text, int maximum) {
    return static_cast<int>(std::clamp(leadingNumber(text), -1.0, double(maximum)));
}
} // namespace

std::optional<QString> tablePreview(const TableSpec& table) {
    const int rows = boundedCount(table.rows, tableFieldMaximum(TableField::Rows, true));
    const int columns = boundedCount(table.columns, tableFieldMaximum(TableField::Columns, true));
    if (rows == 0 || columns == 0) return std::nullopt;
    QString out;
    out += QLatin1String("<html><head><title>Table</title></head>") + kCrLf;
    out += QLatin1String("<body><CENTER>") + kCrLf;
    out += QLatin1String("<Table");
    if (leadingNumber(table.border) > 0) out += attribute("Border", table.border.trimmed());
    if (leadingNumber(table.padding) > 0) out += attribute("CellPadding", table.padding.trimmed());
    if (leadingNumber(table.spacing) > 0) out += attribute("CellSpacing", table.spacing.trimmed());
    if (leadingNumber(table.width) > 0)
        out +=
            attribute("Width", table.width.trimmed() +
                                   (table.widthInPercent ? QLatin1String("%") : QLatin1String("")));
    if (table.useBackgroundColor && !table.colors[0].isEmpty())
        out += attribute("bgcolor", table.colors[0]);
    if (table.solidFrame) {
        if (!table.colors[1].isEmpty()) out += attribute("bordercolor", table.colors[1]);
    } else {
        if (!table.colors[2].isEmpty()) out += attribute("bordercolorlight", table.colors[2]);
        if (!table.colors[3].isEmpty()) out += attribute("bordercolordark", table.colors[3]);
    }
    if (table.useBackgroundPicture && !table.picture.isEmpty())
        out += attribute("background", table.picture);
    out += QLatin1String(">") + kCrLf;
    QString row = QLatin1String("<TR>") + kCrLf;
    for (int c = 0; c < columns; ++c)
        row += QLatin1String("<TD>&nbsp;</TD>") + kCrLf;
    row += QLatin1String("</TR>") + kCrLf;
    for (int r = 0; r < rows; ++r)
        out += row;
    out += QLatin1String("</TABLE>") + kCrLf + QLatin1String("</body>") + kCrLf +
           QLatin1String("</html>") + kCrLf;
    return out;
}

std::array<QString, 4> templateColors(const QString& templateText) {
    const QStringList lines = fileLines(templateText);
    std::array<QString, 4> colors;
    for (int k = 0; k < 4; ++k) {
        const int line = 4 + 2 * k + 1; // 0-based: the second line of pair k
        if (line >= lines.size()) break;
        QString item = lines.at(line).trimmed();
        if (item.startsWith(QLatin1Char('"'))) {
            const qsizetype end = item.indexOf(QLatin1Char('"'), 1);
            item = end < 0 ? item.mid(1) : item.mid(1, end - 1);
        } else {
            const qsizetype comma = item.indexOf(QLatin1Char(','));
            if (comma >= 0) item = item.left(comma).trimmed();
        }
        colors[k] = item;
    }
    return colors;
}

std::optional<QString> tableFromPreview(const QString& previewText) {
    const qsizetype first = previewText.indexOf(QLatin1String("<T"));
    if (first < 0) return std::nullopt;
    QString table = previewText.mid(first);
    const qsizetype body = table.indexOf(QLatin1String("</body>"), 99);
    if (body >= 0) table.truncate(body);
    return table;
}

QString crLfLines(const QString& fileText) {
    QString out;
    for (const QString& line : fileLines(fileText))
        out += line + kCrLf;
    return out;
}

} // namespace authoring

#include "authoring/tablespecs.h"

#include <QStringList>

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

std::optional<QString> tablePreview(const TableSpec& spec) {
    const int rows = static_cast<int>(leadingNumber(spec.rows));
    const int columns = static_cast<int>(leadingNumber(spec.columns));
    if (rows == 0 || columns == 0) return std::nullopt;
    QString out;
    out += QLatin1String("<html><head><title>Table</title></head>") + kCrLf;
    out += QLatin1String("<body><CENTER>") + kCrLf;
    out += QLatin1String("<Table");
    if (leadingNumber(spec.border) > 0) out += attribute("Border", spec.border.trimmed());
    if (leadingNumber(spec.padding) > 0) out += attribute("CellPadding", spec.padding.trimmed());
    if (leadingNumber(spec.spacing) > 0) out += attribute("CellSpacing", spec.spacing.trimmed());
    if (leadingNumber(spec.width) > 0)
        out += attribute("Width", spec.width.trimmed() + (spec.widthInPercent ? QLatin1String("%")
                                                                              : QLatin1String("")));
    if (spec.useBackgroundColor && !spec.colors[0].isEmpty())
        out += attribute("bgcolor", spec.colors[0]);
    if (spec.solidFrame) {
        if (!spec.colors[1].isEmpty()) out += attribute("bordercolor", spec.colors[1]);
    } else {
        if (!spec.colors[2].isEmpty()) out += attribute("bordercolorlight", spec.colors[2]);
        if (!spec.colors[3].isEmpty()) out += attribute("bordercolordark", spec.colors[3]);
    }
    if (spec.useBackgroundPicture && !spec.picture.isEmpty())
        out += attribute("background", spec.picture);
    out += QLatin1String(">") + kCrLf;
    // A negative count writes no rows or cells, as a loop up to it would.
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

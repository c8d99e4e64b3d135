#pragma once

#include <QString>
#include <cstdint>

namespace shell {

// The 35 lines of VontrelFileViewer.cfg.
struct ConfigValues {
    std::int32_t windowLeft = 0;
    std::int32_t windowTop = 0;
    std::int32_t windowHeight = 0;
    std::int32_t windowWidth = 0;
    std::int32_t oneWidth = 0; // width with only the left pane
    std::int32_t twoWidth = 0; // width with both panes
    std::int32_t leftPaneWidth = 0;
    std::int32_t rightPaneWidth = 0;
    std::int32_t paneHeight = 0;
    QString pageColors[5];
    QString recentFolder[10];
    QString recentFile[10];
    QString openInRight; // line 35 as read ("True" / "False" when written)
};

constexpr int kConfigLines = 35;

// Reads the lines the text holds, up to 35, into `values`; lines past the end
// keep what `values` held. Returns how many lines were read.
// Number lines: " 1440 " -> 1440, "abc" -> 0. Field lines (colours, line 35):
// leading blanks skipped, the value ends at a comma, quotes are removed:
// "  \"#FF0000\", x" -> "#FF0000". Recent-file lines are taken whole.
int readConfig(const QString& text, ConfigValues& values);

// The file's text: 35 lines, each ended by CR LF, numbers as " 1440 ".
QString writeConfig(const ConfigValues& values);

// The value of a field line: "  abc, def" -> "abc", "\"a, b\"" -> "a, b".
QString readField(const QString& line);

} // namespace shell

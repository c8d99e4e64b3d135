#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// The start files named on the command line, one slot per pane.
struct StartFiles {
    QString fileName[2];
    QString folder[2];
    QString nameBox[2]; // what each name box shows afterwards
};

// Parses the command line into at most two start files. Names are found by
// their ".htm" or ".txt"; the blank after that ends a name, so names may hold
// blanks before it. A third name is ignored.
//   "/d/a.htm /d/b.htm"     -> ("/d/", "a.htm"), ("/d/", "b.htm")
//   "\"/My Files/deal.htm\"" -> ("/My Files/", "deal.htm")
//   "/d/a.htm#part2 /d/b.htm" -> ("/d/", "a.htm#part2"), ("/d/", "b.htm")
StartFiles readCommandLine(const QString& commandLine, const QString& searchAddress);

// Builds the one-string command line from the program's arguments (as the
// desktop passes them, one file an argument): relative paths are made
// absolute against `currentDir`; when a name holds a blank, every name is
// quoted.
//   {"/a/My Deal.htm", "/b/x.htm"} -> "\"/a/My Deal.htm\" \"/b/x.htm\""
QString joinArguments(const QStringList& arguments, const QString& currentDir);

} // namespace shell

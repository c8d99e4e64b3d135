#pragma once

#include <QList>
#include <QString>

// An authoring command is a function of the editor's text and selection
// that yields edits to apply and the selection to leave. Offsets are 0-based
// and count a line break as two characters (CR LF), as the editor does.
namespace authoring {

struct Selection {
    int start = 0;
    int length = 0;
    friend bool operator==(const Selection&, const Selection&) = default;
};

// Replace `length` characters at `start` by `text`.
struct Edit {
    int start = 0;
    int length = 0;
    QString text;
};

// Edits applied one after the other (each in the text the previous one
// left), then the selection `after`.
struct Result {
    QList<Edit> edits;
    Selection after;
};

// The text a result leaves.
QString applied(QString text, const Result& result);

// One edit that turns `before` into `after`: the part between their common
// beginning and common end. Empty when they are equal.
QList<Edit> differenceEdits(const QString& before, const QString& after);

} // namespace authoring

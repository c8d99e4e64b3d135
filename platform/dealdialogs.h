#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace platform {

struct BoardChoice {
    int row = -1;             // the board's row in the list
    bool doubleDummy = false; // add a double-dummy table and par
};

// The dialogs of the deal commands: Insert Deal Diagram asks which board of
// a file to insert, Check Bridge Notation lists what it found, and the
// double-dummy solver shows that it is at work in the background.
class DealDialogs {
  public:
    virtual ~DealDialogs() = default;

    // A modal list of boards, the first one selected, with a box "Add a
    // double-dummy table and par" that can be ticked only when
    // `doubleDummyOffered` (it starts ticked if `doubleDummyChecked` too).
    // nullopt on Cancel, and at once, showing nothing, when `rows` is empty.
    virtual std::optional<BoardChoice> chooseBoard(const QString& title, const QStringList& rows,
                                                   bool doubleDummyOffered,
                                                   bool doubleDummyChecked) = 0;

    // A tool window that lists `rows` and stays open while the user edits,
    // shown or refreshed in place. Activating a row calls `jump` with its
    // index; with no rows it says that no faults were found. Once the window
    // is closed or shown again, the `jump` it was given is never called.
    virtual void showFindings(const QString& title, const QStringList& rows,
                              std::function<void(int row)> jump) = 0;
    virtual void closeFindings() = 0;
    virtual bool findingsVisible() const = 0;

    // A busy indication with a Cancel button for work off the user-interface
    // thread. Cancel hides it and calls `cancel` once; closeProgress() hides
    // it without calling, and the callback is dropped either way. Showing it
    // again while it is up changes the text and the callback.
    virtual void showProgress(const QString& text, std::function<void()> cancel) = 0;
    virtual void closeProgress() = 0;
    virtual bool progressVisible() const = 0;
};

} // namespace platform

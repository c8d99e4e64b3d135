#pragma once

#include "platform/dealdialogs.h"

#include <deque>
#include <vector>

namespace fakes {

// The deal commands' dialogs, scripted by the test and held to the real ones
// by their contract suite.
class FakeDealDialogs : public platform::DealDialogs {
  public:
    // A board dialog as the user saw it when it opened.
    struct BoardDialog {
        QString title;
        QStringList rows;
        bool doubleDummyEnabled = false;
        bool doubleDummyTicked = false;
    };

    std::optional<platform::BoardChoice> chooseBoard(const QString& title, const QStringList& rows,
                                                     bool doubleDummyOffered,
                                                     bool doubleDummyChecked) override;
    void showFindings(const QString& title, const QStringList& rows,
                      std::function<void(int row)> jump) override;
    void closeFindings() override;
    bool findingsVisible() const override { return findingsVisible_; }
    void showProgress(const QString& text, std::function<void()> cancel) override;
    void closeProgress() override;
    bool progressVisible() const override { return progressVisible_; }

    // The user activates a row of the findings (Enter, double-click or Go
    // To): nothing happens unless the window is up and has that row.
    void activate(int row);
    void pressClose() { closeFindings(); } // its Close button
    // The user presses Cancel on the progress box, whether it is up or not.
    void pressCancel();

    // How the user leaves the next board dialogs: OK with that row chosen
    // and the box as given (a box not offered stays clear), or nullopt for
    // Cancel. A dialog with nothing queued, or with a row it does not have,
    // is answered Cancel and noted in `unexpected`.
    std::deque<std::optional<platform::BoardChoice>> boardAnswers;
    std::vector<BoardDialog> boardDialogs;
    QString findingsTitle;
    QStringList findingsRows;
    QString progressText;
    QStringList unexpected;

  private:
    std::function<void(int)> jump_;
    std::function<void()> cancel_;
    bool findingsVisible_ = false;
    bool progressVisible_ = false;
};

} // namespace fakes

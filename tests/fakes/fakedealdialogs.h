#pragma once

#include "platform/dealdialogs.h"

#include <deque>
#include <utility>
#include <vector>

namespace fakes {

// Scripted by the test, held to the real dialogs by their contract suite.
class FakeDealDialogs : public platform::DealDialogs {
  public:
    // A board dialog as the user saw it when it opened.
    struct BoardDialog {
        QStringList rows;
        bool doubleDummyEnabled = false;
        bool doubleDummyTicked = false;
    };

    std::optional<platform::BoardChoice> chooseBoard(const QString& title, const QStringList& rows,
                                                     bool doubleDummyOffered,
                                                     bool doubleDummyChecked) override;
    void showFindings(const QString&, const QStringList& rows,
                      std::function<void(int row)> jump) override {
        findingsRows = rows;
        jump_ = std::move(jump);
        findingsVisible_ = true;
    }
    void closeFindings() override { jump_ = nullptr, findingsVisible_ = false; }
    bool findingsVisible() const override { return findingsVisible_; }
    void showProgress(const QString&, std::function<void()> cancel) override {
        cancel_ = std::move(cancel);
        progressVisible_ = true;
    }
    void closeProgress() override { cancel_ = nullptr, progressVisible_ = false; }
    bool progressVisible() const override { return progressVisible_; }

    // The user activates a row of the findings (Enter, double-click or Go
    // To): nothing happens unless the window is up and has that row.
    void activate(int row);
    void pressClose() { closeFindings(); } // its Close button
    // The user presses Cancel on the progress box, whether it is up or not.
    void pressCancel() {
        progressVisible_ = false;
        if (auto cancel = std::exchange(cancel_, nullptr)) cancel();
    }

    // How the user leaves the next board dialogs: OK with that row chosen
    // and the box as given (a box not offered stays clear), or nullopt for
    // Cancel. A dialog with nothing queued, or with a row it does not have,
    // is answered Cancel and noted in `unexpected`.
    std::deque<std::optional<platform::BoardChoice>> boardAnswers;
    std::vector<BoardDialog> boardDialogs;
    QStringList findingsRows;
    QStringList unexpected;

  private:
    std::function<void(int)> jump_;
    std::function<void()> cancel_;
    bool findingsVisible_ = false;
    bool progressVisible_ = false;
};

} // namespace fakes

#pragma once

#include "platform/dealdialogs.h"

#include <QPointer>

class QDialog;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace platform::qt {

// The findings window and the progress box are made on first use and kept,
// so that a refresh leaves the findings where the user put them. Both are
// destroyed with this object, and with them every callback they hold.
class QtDealDialogs : public DealDialogs {
  public:
    explicit QtDealDialogs(QWidget* parent) : parent_(parent) {}
    ~QtDealDialogs() override;
    QtDealDialogs(const QtDealDialogs&) = delete;
    QtDealDialogs& operator=(const QtDealDialogs&) = delete;

    std::optional<BoardChoice> chooseBoard(const QString& title, const QStringList& rows,
                                           bool doubleDummyOffered,
                                           bool doubleDummyChecked) override;
    void showFindings(const QString& title, const QStringList& rows,
                      std::function<void(int row)> jump) override;
    void closeFindings() override;
    bool findingsVisible() const override;
    void showProgress(const QString& text, std::function<void()> cancel) override;
    void closeProgress() override;
    bool progressVisible() const override;

  private:
    void makeFindings();
    void makeProgress();
    void jumpTo(int row);

    QWidget* parent_;
    QPointer<QDialog> findings_;
    QListWidget* findingsList_ = nullptr;
    QPushButton* goTo_ = nullptr;
    std::function<void(int)> jump_;
    QPointer<QDialog> progress_;
    QLabel* progressText_ = nullptr;
    std::function<void()> cancel_;
};

} // namespace platform::qt

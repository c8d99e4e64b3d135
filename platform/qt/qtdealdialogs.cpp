#include "platform/qt/qtdealdialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace platform::qt {

QtDealDialogs::~QtDealDialogs() {
    jump_ = nullptr;
    cancel_ = nullptr;
    // Their connections call back into this object.
    delete findings_.data();
    delete progress_.data();
}

std::optional<BoardChoice> QtDealDialogs::chooseBoard(const QString& title, const QStringList& rows,
                                                      bool doubleDummyOffered,
                                                      bool doubleDummyChecked) {
    if (rows.isEmpty()) return std::nullopt;
    QDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("dealBoards"));
    dialog.setWindowTitle(title);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("boardList"));
    // The rows line up their columns with spaces.
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->addItems(rows);
    list->setCurrentRow(0);
    auto* box = new QCheckBox(QStringLiteral("Add a double-dummy table and par"), &dialog);
    box->setObjectName(QStringLiteral("doubleDummyBox"));
    box->setEnabled(doubleDummyOffered);
    box->setChecked(doubleDummyOffered && doubleDummyChecked);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(box);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    // Ctrl+click clears the selection but leaves the row current.
    return BoardChoice{std::max(list->currentRow(), 0), box->isChecked()};
}

void QtDealDialogs::makeFindings() {
    findings_ = new QDialog(parent_, Qt::Tool);
    findings_->setObjectName(QStringLiteral("dealFindings"));
    findingsList_ = new QListWidget(findings_);
    findingsList_->setObjectName(QStringLiteral("findingsList"));
    goTo_ = new QPushButton(QStringLiteral("Go To"), findings_);
    goTo_->setObjectName(QStringLiteral("goToButton"));
    auto* close = new QPushButton(QStringLiteral("Close"), findings_);
    close->setObjectName(QStringLiteral("closeButton"));
    // Enter activates the list's row and then reaches the dialog, which
    // would press its default button too: it has none.
    goTo_->setAutoDefault(false);
    close->setAutoDefault(false);
    QObject::connect(findingsList_, &QListWidget::itemActivated, findings_,
                     [this](QListWidgetItem* item) { jumpTo(findingsList_->row(item)); });
    QObject::connect(goTo_, &QPushButton::clicked, findings_,
                     [this] { jumpTo(findingsList_->currentRow()); });
    QObject::connect(close, &QPushButton::clicked, findings_, &QDialog::reject);
    // Close, Escape and the window's own close button all end here.
    QObject::connect(findings_, &QDialog::finished, findings_, [this] { jump_ = nullptr; });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(goTo_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(findings_);
    layout->addWidget(findingsList_);
    layout->addLayout(buttons);
    // Wide enough for a finding's whole sentence.
    findings_->resize(640, 280);
}

void QtDealDialogs::showFindings(const QString& title, const QStringList& rows,
                                 std::function<void(int row)> jump) {
    if (!findings_) makeFindings();
    findings_->setWindowTitle(title);
    findingsList_->clear();
    findingsList_->addItems(rows);
    if (rows.isEmpty()) {
        auto* none = new QListWidgetItem(QStringLiteral("No faults found."), findingsList_);
        none->setFlags(Qt::NoItemFlags);
        jump = nullptr;
    } else {
        findingsList_->setCurrentRow(0);
    }
    jump_ = std::move(jump);
    goTo_->setEnabled(!rows.isEmpty());
    findings_->show();
    findings_->raise();
    findings_->activateWindow();
}

void QtDealDialogs::jumpTo(int row) {
    if (!jump_ || row < 0 || row >= findingsList_->count()) return;
    // A copy: the callback may show the findings again and so replace itself.
    const auto jump = jump_;
    jump(row);
    // The place is in the main window: it takes the keyboard, so that the
    // user can type there at once; the list stays open beside it.
    if (parent_) parent_->window()->activateWindow();
}

void QtDealDialogs::closeFindings() {
    jump_ = nullptr;
    if (findings_) findings_->hide();
}

bool QtDealDialogs::findingsVisible() const {
    return findings_ && findings_->isVisible();
}

void QtDealDialogs::makeProgress() {
    progress_ = new QDialog(parent_);
    progress_->setObjectName(QStringLiteral("dealProgress"));
    progressText_ = new QLabel(progress_);
    auto* bar = new QProgressBar(progress_);
    bar->setRange(0, 0); // busy: the work does not say how far it is
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, progress_);
    QObject::connect(buttons, &QDialogButtonBox::rejected, progress_, &QDialog::reject);
    // Cancel, Escape and the window's own close button all end here, after
    // the box is hidden; the callback goes first, so it is called only once.
    QObject::connect(progress_, &QDialog::rejected, progress_, [this] {
        if (auto cancel = std::exchange(cancel_, nullptr)) cancel();
    });
    auto* layout = new QVBoxLayout(progress_);
    layout->addWidget(progressText_);
    layout->addWidget(bar);
    layout->addWidget(buttons);
}

void QtDealDialogs::showProgress(const QString& text, std::function<void()> cancel) {
    if (!progress_) makeProgress();
    progressText_->setText(text);
    cancel_ = std::move(cancel);
    progress_->show();
    progress_->raise();
}

void QtDealDialogs::closeProgress() {
    cancel_ = nullptr;
    if (progress_) progress_->hide();
}

bool QtDealDialogs::progressVisible() const {
    return progress_ && progress_->isVisible();
}

} // namespace platform::qt

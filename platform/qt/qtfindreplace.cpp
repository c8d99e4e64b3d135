#include "platform/qt/qtfindreplace.h"

#include "platform/qt/twips.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace platform::qt {

QtCheckBox::QtCheckBox(QCheckBox* box) : box_(box) {
    QObject::connect(box_, &QCheckBox::toggled, box_, [this] {
        if (onClick) onClick();
    });
}

QtOptionButton::QtOptionButton(QRadioButton* button) : button_(button) {
    // Raised for the button that becomes selected, as a click on it would.
    QObject::connect(button_, &QRadioButton::toggled, button_, [this](bool on) {
        if (on && onClick) onClick();
    });
}

QtButton::QtButton(QPushButton* button) : button_(button) {
    QObject::connect(button_, &QPushButton::clicked, button_, [this] {
        if (onClick) onClick();
    });
}

FindReplaceForm::FindReplaceForm(QtFindReplaceDialog* owner, QWidget* parent)
    : QDialog(parent), owner_(owner) {}

bool FindReplaceForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && owner_->onActivate) owner_->onActivate();
    return QDialog::event(e);
}

void FindReplaceForm::closeEvent(QCloseEvent* e) {
    bool cancel = false;
    if (owner_->onUnload) owner_->onUnload(cancel);
    if (cancel)
        e->ignore();
    else
        e->accept();
}

// Esc presses the Cancel button, as the dialog's cancel button does.
void FindReplaceForm::reject() {
    owner_->cancelButton_->click();
}

QtFindReplaceDialog::QtFindReplaceDialog(QWidget* mainWindow)
    : form_(new FindReplaceForm(this, mainWindow)) {
    form_->setWindowTitle(QStringLiteral("Find/Replace Text"));
    form_->setModal(false);
    auto* grid = new QGridLayout(form_);

    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), form_);
    find_ = std::make_unique<QtTextBox>(form_);
    findLabel->setBuddy(find_->edit());
    auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"), form_);
    replace_ = std::make_unique<QtTextBox>(form_);
    replaceLabel->setBuddy(replace_->edit());
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(find_->edit(), 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(replace_->edit(), 1, 1);

    auto* start = new QGroupBox(QStringLiteral("Start Search"), form_);
    auto* startLayout = new QVBoxLayout(start);
    auto* top = new QRadioButton(QStringLiteral("From &Top"), start);
    auto* cursor = new QRadioButton(QStringLiteral("From Cursor"), start);
    startLayout->addWidget(top);
    startLayout->addWidget(cursor);
    fromTop_ = std::make_unique<QtOptionButton>(top);
    fromCursor_ = std::make_unique<QtOptionButton>(cursor);
    grid->addWidget(start, 2, 0);

    auto* options = new QVBoxLayout;
    auto* matchCase = new QCheckBox(QStringLiteral("Match &case"), form_);
    auto* wholeWord = new QCheckBox(QStringLiteral("Match &whole words only"), form_);
    auto* ignoreHtml = new QCheckBox(QStringLiteral("&Ignore text in < >"), form_);
    options->addWidget(matchCase);
    options->addWidget(wholeWord);
    options->addWidget(ignoreHtml);
    grid->addLayout(options, 2, 1);
    matchCase_ = std::make_unique<QtCheckBox>(matchCase);
    wholeWord_ = std::make_unique<QtCheckBox>(wholeWord);
    ignoreHtml_ = std::make_unique<QtCheckBox>(ignoreHtml);

    auto* buttons = new QVBoxLayout;
    auto* findNext = new QPushButton(QStringLiteral("&Find Next"), form_);
    findNext->setDefault(true);
    findNext->setAutoDefault(true);
    auto* replaceOne = new QPushButton(QStringLiteral("&Replace"), form_);
    auto* replaceAll = new QPushButton(QStringLiteral("Replace &All"), form_);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), form_);
    for (QPushButton* b : {replaceOne, replaceAll, cancelButton_})
        b->setAutoDefault(false);
    buttons->addWidget(findNext);
    buttons->addWidget(replaceOne);
    buttons->addWidget(replaceAll);
    buttons->addWidget(cancelButton_);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);
    findNext_ = std::make_unique<QtButton>(findNext);
    replaceOne_ = std::make_unique<QtButton>(replaceOne);
    replaceAll_ = std::make_unique<QtButton>(replaceAll);
    cancel_ = std::make_unique<QtButton>(cancelButton_);
}

QtFindReplaceDialog::~QtFindReplaceDialog() = default;

void QtFindReplaceDialog::show(int leftTwips, int topTwips) {
    form_->move(toPixels(leftTwips), toPixels(topTwips));
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void QtFindReplaceDialog::unload() {
    form_->close();
}

FindReplaceView QtFindReplaceDialog::view() {
    FindReplaceView v;
    v.form = this;
    v.txtFind = find_.get();
    v.txtReplace = replace_.get();
    v.optDirection[0] = fromTop_.get();
    v.optDirection[1] = fromCursor_.get();
    v.chkMatchCase = matchCase_.get();
    v.chkMatchWholeWord = wholeWord_.get();
    v.chkIgnoreHTML = ignoreHtml_.get();
    v.cmdFindNext = findNext_.get();
    v.cmdReplace[0] = replaceOne_.get();
    v.cmdReplace[1] = replaceAll_.get();
    v.cmdCancel = cancel_.get();
    return v;
}

} // namespace platform::qt

#include "platform/qt/qtspellingservice.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

namespace platform::qt {
namespace {

// A few lines of the text around the misspelling, the word in red.
QString context(const QString& text, int start, int length) {
    const int from = std::max(0, start - 120);
    const int to = std::min(int(text.size()), start + length + 120);
    auto html = [](QString s) {
        s = s.toHtmlEscaped();
        s.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
        return s;
    };
    return html(text.mid(from, start - from)) + QStringLiteral("<b><font color=\"red\">") +
           html(text.mid(start, length)) + QStringLiteral("</font></b>") +
           html(text.mid(start + length, to - start - length));
}

class SpellingDialog : public QDialog {
  public:
    SpellingDialog(QWidget* parent, hunspell::MisspellingWalk& walk)
        : QDialog(parent), walk_(walk) {
        setWindowTitle(QStringLiteral("Spelling"));
        setObjectName(QStringLiteral("SpellingDialog"));
        setModal(true);
        auto* grid = new QGridLayout(this);
        grid->addWidget(new QLabel(QStringLiteral("Not in dictionary:"), this), 0, 0, 1, 2);
        context_ = new QTextEdit(this);
        context_->setReadOnly(true);
        context_->setMinimumSize(420, 110);
        grid->addWidget(context_, 1, 0, 1, 2);
        auto* changeLabel = new QLabel(QStringLiteral("C&hange to:"), this);
        changeTo_ = new QLineEdit(this);
        changeLabel->setBuddy(changeTo_);
        grid->addWidget(changeLabel, 2, 0, 1, 2);
        grid->addWidget(changeTo_, 3, 0);
        auto* suggestionsLabel = new QLabel(QStringLiteral("&Suggestions:"), this);
        suggestions_ = new QListWidget(this);
        suggestionsLabel->setBuddy(suggestions_);
        grid->addWidget(suggestionsLabel, 4, 0);
        grid->addWidget(suggestions_, 5, 0, 5, 1);
        auto button = [this, grid](const char* caption, int row, auto action) {
            auto* b = new QPushButton(QString::fromUtf8(caption), this);
            b->setAutoDefault(false);
            grid->addWidget(b, row, 1);
            connect(b, &QPushButton::clicked, this, action);
            return b;
        };
        QPushButton* changeButton = button("&Change", 3, [this] { this->change(); });
        changeButton->setDefault(true);
        button("&Ignore", 5, [this] { step(); });
        button("Ignore &All", 6, [this] {
            walk_.ignoreAll();
            step();
        });
        button("A&dd", 7, [this] {
            walk_.add();
            step();
        });
        button("Close", 8, [this] { reject(); });
        connect(suggestions_, &QListWidget::currentTextChanged, changeTo_, &QLineEdit::setText);
        connect(suggestions_, &QListWidget::itemDoubleClicked, this, [this] { this->change(); });
    }

    // Shows the first misspelling; false when there is none.
    bool start() { return step(); }

  private:
    bool step() {
        const auto m = walk_.next();
        if (!m) {
            accept();
            return false;
        }
        context_->setHtml(context(walk_.text(), m->start, m->length));
        const QStringList s = checkerSuggestions(m->word);
        suggestions_->clear();
        suggestions_->addItems(s);
        changeTo_->setText(s.isEmpty() ? m->word : s.first());
        if (!s.isEmpty()) suggestions_->setCurrentRow(0);
        changeTo_->setFocus();
        changeTo_->selectAll();
        return true;
    }
    void change() {
        walk_.change(changeTo_->text());
        step();
    }
    QStringList checkerSuggestions(const QString& word) const {
        return suggest ? suggest(word) : QStringList();
    }

  public:
    std::function<QStringList(const QString&)> suggest;

  private:
    hunspell::MisspellingWalk& walk_;
    QTextEdit* context_;
    QLineEdit* changeTo_;
    QListWidget* suggestions_;
};

} // namespace

QtSpellingService::QtSpellingService(QWidget* parent, const QString& dictionaryFolder,
                                     const QString& language, const QString& personalList)
    : parent_(parent), folder_(dictionaryFolder), language_(language), personalList_(personalList) {
}

bool QtSpellingService::open(SpellingError* error) {
    if (checker_ && checker_->isOpen()) return true;
    checker_ = std::make_unique<hunspell::HunspellChecker>();
    if (checker_->open(folder_, language_, personalList_, error)) return true;
    checker_.reset();
    return false;
}

std::optional<QString> QtSpellingService::check(const QString& text, SpellingError* error) {
    if (!checker_) {
        if (error) *error = {91, QStringLiteral("The spelling service is not open.")};
        return std::nullopt;
    }
    hunspell::MisspellingWalk walk(text, *checker_);
    SpellingDialog dialog(parent_, walk);
    dialog.suggest = [this](const QString& w) { return checker_->suggest(w); };
    if (dialog.start()) dialog.exec();
    // The document's paragraphs, each ended by a CR.
    QString out = walk.text();
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    out.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return out + QLatin1Char('\r');
}

void QtSpellingService::close() {}

} // namespace platform::qt

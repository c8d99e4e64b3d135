#pragma once

#include "platform/lexicon.h"
#include "tests/fakes/fakecontrols.h"
#include "tests/fakes/fakefindreplace.h"

#include <optional>

namespace fakes {

class FakeLabel : public FakeControl<platform::Label> {
  public:
    QString caption() const override { return caption_; }
    void setCaption(const QString& c) override { caption_ = c; }

  private:
    QString caption_;
};

// A list box; sorted lists keep their entries in order without regard to
// case. Choosing an entry raises the click, whether the user or the program
// chose it.
class FakeListBox : public FakeControl<platform::ListBox> {
  public:
    explicit FakeListBox(bool sorted = false) : sorted_(sorted) {}
    void addItem(const QString& item) override;
    void clear() override {
        items.clear();
        index_ = -1;
    }
    int count() const override { return int(items.size()); }
    QString item(int index) const override {
        return index >= 0 && index < count() ? items.at(index) : QString();
    }
    int listIndex() const override { return index_; }
    void setListIndex(int index) override {
        index_ = index >= 0 && index < count() ? index : -1;
        if (index_ >= 0 && onClick) onClick();
    }
    void click(int index) { setListIndex(index); }

    QStringList items;

  private:
    bool sorted_;
    int index_ = -1;
};

// The suggestion box's controls; the frame is 3000 twips wide.
struct FakeSuggestionBox {
    FakeSuggestionBox();
    FakePanel frame;
    FakeLabel label2;
    FakeTextBox word, replace;
    FakeListBox suggestions{false}, work{true};
    FakeButton fixSpelling, skipOnce, skipAll, addWord, close;
};

// A spelling service scripted by the test. Like a word processor it ends
// each paragraph of the returned text with a lone CR; `corrections`
// replaces whole words; it can fail to check.
class FakeSpellingService : public platform::SpellingService {
  public:
    bool open(platform::SpellingError*) override { return true; }
    std::optional<QString> check(const QString& text, platform::SpellingError* error) override;
    void close() override { ++closes; }

    QList<QPair<QString, QString>> corrections;
    std::optional<platform::SpellingError> checkError;
    int closes = 0;
};

} // namespace fakes

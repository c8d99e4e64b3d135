#pragma once

#include "platform/browseraddress.h"
#include "platform/browserpane.h"
#include "platform/dialogs.h"
#include "platform/lexicon.h"
#include "platform/menu.h"
#include "platform/simplecontrols.h"
#include "platform/system.h"
#include "platform/tablespecsview.h"
#include "platform/texteditor.h"
#include "platform/window.h"
#include "util/textcodec.h"

#include <QHash>
#include <QRect>
#include <QStringList>
#include <cmath>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Scripted fakes of the platform's controls and services.
namespace fakes {

inline QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// Message, input and file boxes answered from queues, every box recorded. A
// box asked with nothing queued is noted in `unexpected` and answered as if
// closed (Cancel, or OK where that is the only button).
class FakeDialogs : public platform::Dialogs {
  public:
    struct Asked {
        QString text;
        platform::Buttons buttons;
        QString title;
    };
    platform::Answer message(const QString& text, platform::Buttons buttons,
                             const QString& title = {}) override {
        messages.push_back({text, buttons, title});
        if (buttons == platform::Buttons::Ok) return platform::Answer::Ok;
        return next(answers, &unexpected, text)
            .value_or(buttons == platform::Buttons::YesNo ? platform::Answer::No
                                                          : platform::Answer::Cancel);
    }
    std::optional<QString> input(const QString& prompt, const QString&, const QString&) override {
        return next(inputs, &unexpected, prompt).value_or(std::nullopt);
    }
    std::optional<platform::FileChoice> openFile(const QString& title,
                                                 const QString& initialName) override {
        fileDialogs << title + QLatin1Char('|') + initialName;
        return next(files, nullptr, title).value_or(std::nullopt);
    }
    std::optional<platform::FileChoice> saveFile(const QString& title,
                                                 const QString& initialName) override {
        return openFile(title, initialName);
    }
    std::optional<platform::FileChoice> chooseFile(const QString& title, const QString& initialName,
                                                   const QString&, bool) override {
        return openFile(title, initialName);
    }
    std::optional<int> chooseColor(int, int) override { return std::nullopt; }
    std::optional<platform::FontChoice> chooseFont(int) override { return std::nullopt; }

    QStringList messageTexts() const;

    std::deque<platform::Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<std::optional<platform::FileChoice>> files;

    std::vector<Asked> messages;
    QStringList fileDialogs; // "title|initial name"
    QStringList unexpected;

  private:
    // The next queued answer, or nullopt (the question noted in `notes`).
    template <class T>
    static std::optional<T> next(std::deque<T>& queue, QStringList* notes, const QString& asked) {
        if (queue.empty()) {
            if (notes) *notes << asked;
            return std::nullopt;
        }
        T answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

class FakeProcessLauncher : public platform::ProcessLauncher {
  public:
    bool start(const QString&, const QStringList&) override { return true; }
};

class FakeClock : public platform::Clock {
  public:
    double seconds() const override { return 0; }
};

// Runs out when the test fires it, and only while active.
class FakeTimer : public platform::Timer {
  public:
    void start(int ms) override {
        active_ = true;
        interval = ms;
        ++starts;
    }
    void stop() override { active_ = false; }
    bool active() const override { return active_; }
    // Returns whether the timer ran out.
    bool fire() {
        if (!std::exchange(active_, false)) return false;
        if (onTimeout) onTimeout();
        return true;
    }
    // Fires until the callback stops starting it again; returns how often.
    int runOut() {
        int fired = 0;
        while (fired < 10000 && fire())
            ++fired;
        return fired;
    }
    bool active_ = false;
    int interval = 0;
    int starts = 0;
};

// Runs the work and then its completion at once, unless `hold` is set: then
// both wait for finishAll(), as a slow disk would make the real one wait.
class FakeBackgroundWork : public platform::BackgroundWork {
  public:
    void run(std::function<void()> work, std::function<void()> done) override {
        ++runs;
        held.emplace_back(std::move(work), std::move(done));
        if (!hold) finishAll();
    }
    void finishAll() {
        for (auto& [work, done] : std::exchange(held, {})) {
            work();
            if (done) done();
        }
    }
    bool hold = false;
    int runs = 0;
    std::vector<std::pair<std::function<void()>, std::function<void()>>> held;
};

class FakeTransfer : public platform::Transfer {
  public:
    std::optional<QByteArray> fetch(const QString& address, QString* error = nullptr) override {
        fetched << address;
        if (!page && error) *error = QStringLiteral("Host not found");
        return page;
    }
    std::optional<QByteArray> page;
    QStringList fetched;
};

// One monitor of 1600 x 1000 pixels, 15 twips a pixel.
class FakeMonitorSystem : public platform::MonitorSystem {
  public:
    int getSystemMetrics(int metric) const override {
        return metric == SM_CMONITORS         ? 1
               : metric == SM_CXVIRTUALSCREEN ? 1600
               : metric == SM_CYVIRTUALSCREEN ? 1000
                                              : 0;
    }
    long long monitorFromWindow() const override { return 1; }
    void
    enumDisplayMonitors(const std::function<bool(long long, const QRect&)>& proc) const override {
        proc(1, QRect(0, 0, 1600, 1000));
    }
    int primaryWidth() const override { return 1600; }
    int primaryHeight() const override { return 1000; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 15; }
};

// Like a word processor, it ends each paragraph of the returned text with a
// lone CR; `corrections` replaces whole words; it can fail to check.
class FakeSpellingService : public platform::SpellingService {
  public:
    bool open(platform::SpellingError*) override { return true; }
    std::optional<QString> check(const QString& text, platform::SpellingError* error) override;
    void close() override { ++closes; }

    QList<QPair<QString, QString>> corrections;
    std::optional<platform::SpellingError> checkError;
    int closes = 0;
};

// Geometry and visibility as plain fields; a negative size is ignored, as
// the real widgets do. With `twipsPerPixel` set, every measure is rounded
// to whole pixels, as on a real widget.
template <class Base> class FakeControl : public Base {
  public:
    bool visible() const override { return visible_; }
    void setVisible(bool on) override { visible_ = on; }
    int left() const override { return left_; }
    int top() const override { return top_; }
    int width() const override { return width_; }
    int height() const override { return height_; }
    void setLeft(int t) override { left_ = onPixels(t); }
    void setTop(int t) override { top_ = onPixels(t); }
    void setWidth(int t) override {
        if (t >= 0) width_ = onPixels(t);
    }
    void setHeight(int t) override {
        if (t >= 0) height_ = onPixels(t);
    }
    int twipsPerPixel = 0; // 0: measures are kept exactly

  private:
    int onPixels(int t) const {
        if (twipsPerPixel <= 0) return t;
        return static_cast<int>(std::lround(double(t) / twipsPerPixel)) * twipsPerPixel;
    }
    bool visible_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class FakeWindow : public platform::Window {
  public:
    int left() const override { return left_; }
    int top() const override { return top_; }
    int width() const override { return width_; }
    int height() const override { return height_; }
    void setLeft(int t) override { left_ = t; }
    void setTop(int t) override { top_ = t; }
    void setWidth(int t) override { width_ = std::max(0, t); }
    void setHeight(int t) override { height_ = std::max(0, t); }
    platform::WindowState state() const override { return state_; }
    void setState(platform::WindowState s) override { state_ = s; }
    void show() override {}
    QString caption() const override { return caption_; }
    void setCaption(const QString& c) override { caption_ = c; }
    void setScreenPointer(platform::Pointer p) override { pointer = p; }
    // Runs the close handler as the close box would.
    void close() override {
        bool cancel = false;
        if (onClose) onClose(cancel);
        if (!cancel) closed = true;
    }

    bool closed = false;
    platform::Pointer pointer = platform::Pointer::Default;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    platform::WindowState state_ = platform::WindowState::Normal;
    QString caption_;
};

// Records what it is told; a test raises its events one at a time
// (fireBeforeNavigate, fireComplete) or as the real pane raises them
// (settle, followLink; held to it by tests/contract/test_browsercontract).
class FakeBrowserPane : public FakeControl<platform::BrowserPane> {
  public:
    void navigate(const QString& address) override {
        navigations << address;
        // An anchor of the page asked for while it reloads raises nothing.
        const QUrl url = platform::browserUrl(address);
        if (reloading_ && url.hasFragment() &&
            url.adjusted(QUrl::RemoveFragment) == QUrl(locationUrl_).adjusted(QUrl::RemoveFragment))
            return;
        reloading_ = false;
        pending_ << address;
    }
    bool goBack() override { return false; }
    bool goForward() override { return canGoForward; }
    void goSearch() override {}
    void refresh() override {
        ++refreshes;
        reloading_ = !locationUrl_.isEmpty();
    }
    void print(bool) override {}
    void printPreview() override {}
    QString locationName() const override { return locationName_; }
    QString locationUrl() const override { return locationUrl_; }
    void setFocus() override {
        if (onGotFocus) onGotFocus();
    }

    // Returns whether the controller cancelled.
    bool fireBeforeNavigate(const QString& address, bool followedLink = true) {
        bool cancel = false;
        if (onBeforeNavigate) onBeforeNavigate(address, followedLink, cancel);
        return cancel;
    }
    void fireComplete(const QString& url, const QString& name) {
        locationUrl_ = url;
        locationName_ = name;
        if (onDocumentComplete) onDocumentComplete(url);
    }
    // Raises the events of the navigations asked for since the last call.
    void settle() {
        reloading_ = false;
        const QStringList asked = std::exchange(pending_, {});
        for (const QString& address : asked)
            go(platform::browserUrl(address), false);
    }
    void followLink(const QString& address) { go(platform::browserUrl(address), true); }
    QString lastNavigation() const { return navigations.value(navigations.size() - 1); }

    QStringList navigations;
    int refreshes = 0;
    bool canGoForward = false;

  private:
    void go(const QUrl& url, bool followedLink) {
        const QString address = url.toString(QUrl::FullyEncoded);
        const QUrl shown(locationUrl_);
        // A jump to an anchor of the page shown cannot be cancelled.
        const bool jump =
            !locationUrl_.isEmpty() && url.hasFragment() &&
            url.adjusted(QUrl::RemoveFragment) == shown.adjusted(QUrl::RemoveFragment);
        if (jump && url == shown) return;
        if (fireBeforeNavigate(address, followedLink) && !jump) return;
        fireComplete(address, platform::browserLocationName(url, url.toString()));
    }
    QStringList pending_;
    bool reloading_ = false;
    QString locationName_;
    QString locationUrl_;
};

// The editor as a string with CR LF line breaks and a selection, held to
// the real editor by tests/contract/test_platformcontract.
class FakeTextEditor : public FakeControl<platform::TextEditor> {
  public:
    struct Mark {
        int start, length, color;
        bool bold;
    };
    QString text() const override { return text_; }
    void setText(const QString& t) override {
        text_ = util::toCrLf(t);
        start_ = length_ = 0;
        if (onChange) onChange();
    }
    QString lineText(int offset, int* lineStart) const override {
        const int at = snap(offset);
        const qsizetype begin = at == 0 ? 0 : text_.lastIndexOf(QLatin1String("\r\n"), at - 1);
        const int from = begin < 0 || at == 0 ? 0 : int(begin) + 2;
        const qsizetype end = text_.indexOf(QLatin1String("\r\n"), at);
        if (lineStart) *lineStart = from;
        return text_.mid(from, (end < 0 ? text_.size() : end) - from);
    }
    int selStart() const override { return start_; }
    void setSelStart(int offset) override {
        start_ = snap(offset);
        length_ = 0;
    }
    int selLength() const override { return length_; }
    void setSelLength(int n) override { length_ = snap(start_ + std::max(0, n)) - start_; }
    QString selText() const override { return text_.mid(start_, length_); }
    void setSelText(const QString& t) override {
        const QString crlf = util::toCrLf(t);
        text_.replace(start_, length_, crlf);
        start_ += int(crlf.size());
        length_ = 0;
        if (onChange) onChange();
    }
    void setSelColor(int color) override { marks.push_back({start_, length_, color, false}); }
    void setSelBold(bool bold) override { marks.push_back({start_, length_, -1, bold}); }
    void setFocus() override {
        if (onGotFocus) onGotFocus();
    }
    // Selects the first `what` in the text.
    void select(const QString& what) {
        setSelStart(int(text_.indexOf(what)));
        setSelLength(int(what.size()));
    }

    std::vector<Mark> marks;

  private:
    // Within the text, and never between the CR and the LF of a line break.
    int snap(int offset) const {
        const int at = std::clamp(offset, 0, int(text_.size()));
        return at > 0 && at < text_.size() && text_[at] == QLatin1Char('\n') &&
                       text_[at - 1] == QLatin1Char('\r')
                   ? at - 1
                   : at;
    }
    QString text_;
    int start_ = 0, length_ = 0;
};

class FakeTextBox : public FakeControl<platform::TextBox> {
  public:
    QString text() const override { return text_; }
    void setText(const QString& t) override {
        if (t == text_) return;
        text_ = t;
        if (onChange) onChange();
    }
    void setFocus() override {
        if (onGotFocus) onGotFocus();
    }
    void selectAll() override {}
    void typeAndEnter(const QString& t) {
        text_ = t;
        platform::KeyEvent key{13, 0};
        if (onKeyDown) onKeyDown(key);
    }
    QString text_;
};

class FakeToolbar : public FakeControl<platform::Toolbar> {
  public:
    void click(const QString& key) {
        if (onButtonClick) onButtonClick(key);
    }
};

class FakePanel : public FakeControl<platform::Panel> {
  public:
    void setPointer(platform::Pointer) override {}
    void raise() override {}
};

class FakeLabel : public FakeControl<platform::Label> {
  public:
    QString caption() const override { return caption_; }
    void setCaption(const QString& c) override { caption_ = c; }
    QString caption_;
};

// Sorted lists keep their entries in order without regard to case.
// Choosing an entry raises the click, whether the user or the program chose.
class FakeListBox : public FakeControl<platform::ListBox> {
  public:
    explicit FakeListBox(bool sorted = false) : sorted_(sorted) {}
    void addItem(const QString& item) override;
    void clear() override {
        items.clear();
        index_ = -1;
    }
    int count() const override { return int(items.size()); }
    QString item(int index) const override { return items.value(index); }
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

class FakeMenuEntry : public platform::MenuEntry {
  public:
    bool visible() const override { return visible_; }
    void setVisible(bool on) override { visible_ = on; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override { enabled_ = on; }
    bool checked() const override { return checked_; }
    void setChecked(bool on) override { checked_ = on; }
    QString caption() const override { return caption_; }
    void setCaption(const QString& c) override { caption_ = c; }

    bool visible_ = true, enabled_ = true, checked_ = false;
    QString caption_;
};

// `choose` clicks an entry as the user would, which does nothing while it
// or a menu above it is disabled.
class FakeMenu : public platform::Menu {
  public:
    explicit FakeMenu(const std::vector<platform::MenuItem>& tree);
    platform::MenuEntry& entry(const QString& name, int index = -1) override {
        auto& e = entries_[key(name, index)];
        if (!e) e = std::make_shared<FakeMenuEntry>();
        return *e;
    }
    void popup(const QString&) override {}
    bool choose(const QString& name, int index = -1);
    FakeMenuEntry& get(const QString& name, int index = -1) {
        return static_cast<FakeMenuEntry&>(entry(name, index));
    }

  private:
    static QString key(const QString& name, int index) {
        return name + QLatin1Char('#') + QString::number(index);
    }
    QHash<QString, std::shared_ptr<FakeMenuEntry>> entries_;
    QHash<QString, QString> parents_;
};

class FakeButton : public platform::Button {
  public:
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override { enabled_ = on; }
    // Clicks as a user would: a disabled button does nothing.
    bool click() {
        if (!enabled_ || !onClick) return false;
        onClick();
        return true;
    }
    bool enabled_ = true;
};

class FakeCheckBox : public platform::CheckBox {
  public:
    bool checked() const override { return checked_; }
    void setChecked(bool on) override {
        if (on == checked_) return;
        checked_ = on;
        if (onClick) onClick();
    }
    bool checked_ = false;
};

// One of a pair: choosing it clears `other`.
class FakeOptionButton : public platform::OptionButton {
  public:
    bool value() const override { return value_; }
    void setValue(bool on) override {
        if (on == value_) return;
        value_ = on;
        if (on && other) other->value_ = false;
        if (onClick) onClick();
    }
    FakeOptionButton* other = nullptr;
    bool value_ = false;
};

// A modeless dialog: showing it the first time activates it.
class FakeDialogWindow : public platform::DialogWindow {
  public:
    void show(int, int) override {
        const bool wasVisible = std::exchange(visible_, true);
        if (!wasVisible && onActivate) onActivate();
    }
    bool visible() const override { return visible_; }
    void unload() override {
        bool cancel = false;
        if (onUnload) onUnload(cancel);
        if (!cancel) visible_ = false;
    }
    bool visible_ = false;
};

// Returns from showModal at once and stays open until closed, so a test
// works its controls in between.
class FakeModalDialog : public platform::ModalDialog {
  public:
    void showModal() override { visible_ = true; }
    void close() override { visible_ = false; }
    bool visible() const override { return visible_; }
    bool visible_ = false;
};

struct FakeFindReplace {
    FakeFindReplace() { fromTop.other = &fromCursor, fromCursor.other = &fromTop; }
    platform::FindReplaceView view() {
        return {&form,      &txtFind,    &txtReplace, {&fromTop, &fromCursor}, &matchCase,
                &wholeWord, &ignoreHtml, &findNext,   {&replace, &replaceAll}, &cancel};
    }
    FakeDialogWindow form;
    FakeTextBox txtFind, txtReplace;
    FakeOptionButton fromTop, fromCursor;
    FakeCheckBox matchCase, wholeWord, ignoreHtml;
    FakeButton findNext, replace, replaceAll, cancel;
};

// The table designer's controls.
struct FakeTableSpecs {
    FakeTableSpecs() {
        percent.other = &pixels, pixels.other = &percent;
        solid.other = &lightDark, lightDark.other = &solid;
    }
    platform::TableSpecsView view() {
        return {&form,
                &rows,
                &columns,
                &border,
                &spacing,
                &padding,
                &width,
                {&percent, &pixels},
                {&backgroundColor, &backgroundPicture},
                {&colors[0], &colors[1], &colors[2], &colors[3]},
                {&solid, &lightDark},
                &picture,
                &ok,
                &cancel,
                &preview,
                &previewTimer};
    }
    FakeModalDialog form;
    FakeTextBox rows, columns, border, spacing, padding, width;
    FakeOptionButton percent, pixels;
    FakeCheckBox backgroundColor, backgroundPicture;
    FakeButton colors[4];
    FakeOptionButton solid, lightDark;
    FakeButton picture, ok, cancel;
    FakeBrowserPane preview;
    FakeTimer previewTimer; // the test fires it
};

// The suggestion box's controls; the frame is 3000 twips wide.
struct FakeSuggestionBox {
    FakeSuggestionBox() {
        frame.setWidth(3000);
        frame.setHeight(5400);
        frame.setVisible(false);
        work.setVisible(false);
    }
    FakePanel frame;
    FakeLabel label2;
    FakeTextBox word, replace;
    FakeListBox suggestions{false}, work{true};
    FakeButton fixSpelling, skipOnce, skipAll, addWord, close;
};

} // namespace fakes

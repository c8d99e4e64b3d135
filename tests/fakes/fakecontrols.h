#pragma once

#include "platform/browseraddress.h"
#include "platform/browserpane.h"
#include "platform/menu.h"
#include "platform/simplecontrols.h"
#include "platform/texteditor.h"
#include "platform/window.h"
#include "util/textcodec.h"

#include <QHash>
#include <QStringList>
#include <cmath>
#include <memory>
#include <vector>

namespace fakes {

// Geometry and visibility held as plain fields; a negative size is ignored,
// as the real widgets do. With `twipsPerPixel` set, the control stands on
// whole pixels as a real widget does: every measure given is rounded to the
// nearest pixel and read back in twips.
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
    // Runs the close handler as the close box would; true when it closed.
    void close() override {
        bool cancel = false;
        if (onClose) onClose(cancel);
        if (!cancel) closed = true;
    }

    bool closed = false;
    platform::Pointer pointer = platform::Pointer::Default;

  private:
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    platform::WindowState state_ = platform::WindowState::Normal;
    QString caption_;
};

// A browser pane that records what it is told and lets a test raise its
// events: one at a time (fireBeforeNavigate, fireComplete), or as the real
// pane raises them (settle, followLink; tests/contract/test_browsercontract).
class FakeBrowserPane : public FakeControl<platform::BrowserPane> {
  public:
    void navigate(const QString& address) override {
        navigations << address;
        // An anchor of the page asked for while it reloads is scrolled to
        // once the reload is done, and raises nothing.
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
    // Reloads the page shown, which raises nothing (see navigate).
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

    // Raises before-navigate; returns whether the controller cancelled.
    bool fireBeforeNavigate(const QString& address, bool followedLink = true) {
        bool cancel = false;
        if (onBeforeNavigate) onBeforeNavigate(address, followedLink, cancel);
        return cancel;
    }
    // Shows a page as the browser reports it and raises document-complete.
    void fireComplete(const QString& url, const QString& name) {
        locationUrl_ = url;
        locationName_ = name;
        if (onDocumentComplete) onDocumentComplete(url);
    }
    // Raises what the real pane raises, once its event loop has run, for the
    // navigations asked for since the last call.
    void settle() {
        reloading_ = false;
        const QStringList asked = pending_;
        pending_.clear();
        for (const QString& address : asked)
            go(platform::browserUrl(address), false);
    }
    // The user follows a link of the page shown.
    void followLink(const QString& address) { go(platform::browserUrl(address), true); }
    QString lastNavigation() const {
        return navigations.isEmpty() ? QString() : navigations.back();
    }

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

// The editor as a string with CR LF line breaks and a selection, keeping
// the real editor's contract (tests/unit/test_editorcontract.cpp).
class FakeTextEditor : public FakeControl<platform::TextEditor> {
  public:
    struct Mark {
        int start, length, color;
        bool bold;
    };
    QString text() const override { return text_; }
    void setText(const QString& t) override {
        text_ = util::toCrLf(t);
        start_ = 0;
        length_ = 0;
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
    // Types a text and presses Enter, as a user would.
    void typeAndEnter(const QString& t) {
        text_ = t;
        platform::KeyEvent key{13, 0};
        if (onKeyDown) onKeyDown(key);
    }

  private:
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

// The menu tree as plain entries; `choose` clicks an entry as the user
// would, which does nothing while it or a menu above it is disabled.
class FakeMenu : public platform::Menu {
  public:
    explicit FakeMenu(const std::vector<platform::MenuItem>& tree);
    platform::MenuEntry& entry(const QString& name, int index = -1) override;
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

} // namespace fakes

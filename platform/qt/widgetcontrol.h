#pragma once

#include "platform/control.h"
#include "platform/qt/twips.h"

#include <QWidget>
#include <algorithm>

namespace platform::qt {

// Control geometry of a widget in twips. Widgets are placed absolutely in
// the main window's client area, as the layout routine computes them.
template <class Base> class WidgetControl : public Base {
  public:
    explicit WidgetControl(QWidget* w) : w_(w) {}
    // Visibility as the program set it: a control inside a window not yet
    // shown still counts as visible.
    bool visible() const override { return !w_->isHidden(); }
    void setVisible(bool on) override { w_->setVisible(on); }
    int left() const override { return toTwips(w_->x()); }
    int top() const override { return toTwips(w_->y()); }
    int width() const override { return toTwips(w_->width()); }
    int height() const override { return toTwips(w_->height()); }
    // Negative sizes are refused, and none larger than the screens is
    // given: a browser pane that wide stalls or crashes.
    void setLeft(int t) override { w_->move(limitX(toPixels(t)), w_->y()); }
    void setTop(int t) override { w_->move(w_->x(), limitY(toPixels(t))); }
    void setWidth(int t) override {
        if (t >= 0) w_->resize(std::min(toPixels(t), screensArea().width()), w_->height());
    }
    void setHeight(int t) override {
        if (t >= 0) w_->resize(w_->width(), std::min(toPixels(t), screensArea().height()));
    }
    QWidget* widget() const { return w_; }

  private:
    QWidget* w_;
};

} // namespace platform::qt

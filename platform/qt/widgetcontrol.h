#pragma once

#include "platform/control.h"
#include "platform/qt/twips.h"

#include <QWidget>

namespace platform::qt {

// Control geometry of a widget in twips. Widgets are placed absolutely in
// the main window's client area, as the layout routine computes them.
template <class Base>
class WidgetControl : public Base {
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
    void setLeft(int t) override { w_->move(toPixels(t), w_->y()); }
    void setTop(int t) override { w_->move(w_->x(), toPixels(t)); }
    void setWidth(int t) override {
        if (t >= 0) w_->resize(toPixels(t), w_->height());
    }
    void setHeight(int t) override {
        if (t >= 0) w_->resize(w_->width(), toPixels(t));
    }
    QWidget* widget() const { return w_; }

private:
    QWidget* w_;
};

} // namespace platform::qt

#include "platform/qt/qtwindow.h"

#include "platform/qt/qtcontrols.h"
#include "platform/qt/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <algorithm>

namespace platform::qt {

ViewerMainWindow::ViewerMainWindow(QtWindow* owner) : owner_(owner) {}

void ViewerMainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    owner_->fitFrameOnce();
    if (owner_->onResize) owner_->onResize();
}

void ViewerMainWindow::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    owner_->fitFrameOnce();
}

void ViewerMainWindow::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // Maximising raises a resize too; the layout routine undoes it.
    if (e->type() == QEvent::WindowStateChange && owner_->onResize &&
        (windowState() & Qt::WindowMaximized))
        owner_->onResize();
}

void ViewerMainWindow::closeEvent(QCloseEvent* e) {
    bool cancel = false;
    if (owner_->onClose) owner_->onClose(cancel);
    if (cancel)
        e->ignore();
    else
        e->accept();
}

QtWindow::QtWindow() : window_(new ViewerMainWindow(this)), client_(new QWidget(window_)) {
    window_->setCentralWidget(client_);
}

QtWindow::~QtWindow() {
    delete window_;
}

int QtWindow::left() const {
    return toTwips(window_->pos().x());
}
int QtWindow::top() const {
    return toTwips(window_->pos().y());
}
int QtWindow::width() const {
    return toTwips(window_->width());
}
int QtWindow::height() const {
    return toTwips(window_->height());
}
// Held to the screens: the program keeps its measures in bounds itself, but
// a window tens of thousands of pixels wide would stall or crash the
// browser panes, so the adapter refuses one whatever it is asked.
void QtWindow::setLeft(int t) {
    window_->move(limitX(toPixels(t)), window_->pos().y());
}
void QtWindow::setTop(int t) {
    window_->move(window_->pos().x(), limitY(toPixels(t)));
}
void QtWindow::setWidth(int t) {
    window_->resize(limitWidth(toPixels(t)), window_->height());
}
void QtWindow::setHeight(int t) {
    window_->resize(window_->width(), limitHeight(toPixels(t)));
}

WindowState QtWindow::state() const {
    if (window_->isMinimized()) return WindowState::Minimized;
    if (window_->isMaximized()) return WindowState::Maximized;
    return WindowState::Normal;
}

void QtWindow::setState(WindowState state) {
    switch (state) {
    case WindowState::Normal:
        // Only a window already shown changes state: before the first show
        // this must not show it.
        if (window_->isMaximized() || window_->isMinimized()) window_->showNormal();
        break;
    case WindowState::Minimized:
        window_->showMinimized();
        break;
    case WindowState::Maximized:
        window_->showMaximized();
        break;
    }
}

void QtWindow::show() {
    fitPending_ = !window_->isVisible();
    window_->show();
}

void QtWindow::fitFrameOnce() {
    if (!fitPending_) return;
    const QRect frame = window_->frameGeometry();
    const QRect inner = window_->geometry();
    if (frame == inner) return; // not framed yet (or no window manager)
    fitPending_ = false;
    if (window_->isMaximized() || window_->isMinimized()) return;
    // The program's measures are the window's own size and the frame's
    // position; the screen has to hold the frame.
    const QRect area = screensArea();
    const int extraWidth = frame.width() - inner.width();
    const int extraHeight = frame.height() - inner.height();
    const int width = std::min(inner.width(), std::max(1, area.width() - extraWidth));
    const int height = std::min(inner.height(), std::max(1, area.height() - extraHeight));
    const int x = std::clamp(frame.x(), area.left(),
                             std::max(area.left(), area.right() + 1 - width - extraWidth));
    const int y = std::clamp(frame.y(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - height - extraHeight));
    if (width != inner.width() || height != inner.height()) window_->resize(width, height);
    if (x != frame.x() || y != frame.y()) window_->move(x, y);
}
QString QtWindow::caption() const {
    return window_->windowTitle();
}
void QtWindow::setCaption(const QString& caption) {
    window_->setWindowTitle(caption);
}

void QtWindow::setScreenPointer(Pointer pointer) {
    if (overrideCursor_) {
        QApplication::restoreOverrideCursor();
        overrideCursor_ = false;
    }
    if (pointer != Pointer::Default) {
        QApplication::setOverrideCursor(cursorShape(pointer));
        overrideCursor_ = true;
    }
}

void QtWindow::close() {
    window_->close();
}

} // namespace platform::qt

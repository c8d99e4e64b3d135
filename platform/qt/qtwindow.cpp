#include "platform/qt/qtwindow.h"

#include "platform/qt/qtcontrols.h"
#include "platform/qt/twips.h"

#include <QApplication>
#include <QCloseEvent>

namespace platform::qt {

ViewerMainWindow::ViewerMainWindow(QtWindow* owner) : owner_(owner) {}

void ViewerMainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (owner_->onResize) owner_->onResize();
}

void ViewerMainWindow::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // Maximising raises a resize too; the layout routine undoes it.
    if (e->type() == QEvent::WindowStateChange && owner_->onResize && (windowState() & Qt::WindowMaximized))
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

QtWindow::~QtWindow() { delete window_; }

int QtWindow::left() const { return toTwips(window_->pos().x()); }
int QtWindow::top() const { return toTwips(window_->pos().y()); }
int QtWindow::width() const { return toTwips(window_->width()); }
int QtWindow::height() const { return toTwips(window_->height()); }
void QtWindow::setLeft(int t) { window_->move(toPixels(t), window_->pos().y()); }
void QtWindow::setTop(int t) { window_->move(window_->pos().x(), toPixels(t)); }
void QtWindow::setWidth(int t) { window_->resize(std::max(1, toPixels(t)), window_->height()); }
void QtWindow::setHeight(int t) { window_->resize(window_->width(), std::max(1, toPixels(t))); }

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
    case WindowState::Minimized: window_->showMinimized(); break;
    case WindowState::Maximized: window_->showMaximized(); break;
    }
}

void QtWindow::show() { window_->show(); }
QString QtWindow::caption() const { return window_->windowTitle(); }
void QtWindow::setCaption(const QString& caption) { window_->setWindowTitle(caption); }

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

void QtWindow::close() { window_->close(); }

} // namespace platform::qt

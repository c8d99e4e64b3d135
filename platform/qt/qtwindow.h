#pragma once

#include "platform/window.h"

#include <QMainWindow>

namespace platform::qt {

class QtWindow;

class ViewerMainWindow : public QMainWindow {
  public:
    explicit ViewerMainWindow(QtWindow* owner);

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    QtWindow* owner_;
};

// The main window frame. Position is the frame's, size the window's own
// (menu bar and client area), both in twips.
class QtWindow : public Window {
  public:
    QtWindow();
    ~QtWindow() override;
    int left() const override;
    int top() const override;
    int width() const override;
    int height() const override;
    void setLeft(int twips) override;
    void setTop(int twips) override;
    void setWidth(int twips) override;
    void setHeight(int twips) override;
    WindowState state() const override;
    void setState(WindowState state) override;
    void show() override;
    QString caption() const override;
    void setCaption(const QString& caption) override;
    void setScreenPointer(Pointer pointer) override;
    void close() override;

    ViewerMainWindow* mainWindow() const { return window_; }
    // Once the window manager has framed the shown window: a frame that
    // sticks out of the screens (a window as large as the screen, plus its
    // title bar) is made smaller and moved back onto them.
    void fitFrameOnce();
    QWidget* client() const { return client_; }

  private:
    ViewerMainWindow* window_;
    QWidget* client_;
    bool overrideCursor_ = false;
    bool fitPending_ = false;
};

} // namespace platform::qt

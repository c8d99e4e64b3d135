#pragma once

#include "platform/qt/widgetcontrol.h"
#include "platform/simplecontrols.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolBar>

namespace platform::qt {

class QtTextBox;
class NameEdit : public QLineEdit {
  public:
    NameEdit(QtTextBox* owner, QWidget* parent);

  protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    QtTextBox* owner_;
};

class QtTextBox : public WidgetControl<TextBox> {
  public:
    explicit QtTextBox(QWidget* parent);
    QString text() const override { return edit_->text(); }
    void setText(const QString& text) override { edit_->setText(text); }
    void setFocus() override { edit_->setFocus(Qt::OtherFocusReason); }
    void selectAll() override { edit_->selectAll(); }
    QLineEdit* edit() const { return edit_; }

  private:
    NameEdit* edit_;
};

class QtMultiLineBox;
class MultiLineEdit : public QPlainTextEdit {
  public:
    MultiLineEdit(QtMultiLineBox* owner, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* e) override;

  private:
    QtMultiLineBox* owner_;
};

// A read-only multi-line text box that reports clicks (an instruction box).
// Its text uses CR LF line breaks, as the program writes them.
class QtMultiLineBox : public WidgetControl<TextBox> {
  public:
    explicit QtMultiLineBox(QWidget* parent);
    QString text() const override;
    void setText(const QString& text) override;
    void setFocus() override { edit_->setFocus(Qt::OtherFocusReason); }
    void selectAll() override { edit_->selectAll(); }
    QPlainTextEdit* edit() const { return edit_; }

  private:
    MultiLineEdit* edit_;
};

class QtListBox : public WidgetControl<ListBox> {
  public:
    QtListBox(QWidget* parent, bool sorted);
    void addItem(const QString& item) override;
    void clear() override { list_->clear(); }
    int count() const override { return list_->count(); }
    QString item(int index) const override;
    int listIndex() const override { return list_->currentRow(); }
    void setListIndex(int index) override { list_->setCurrentRow(index); }
    QListWidget* list() const { return list_; }

  private:
    QListWidget* list_;
    bool sorted_;
};

class QtToolbar : public WidgetControl<Toolbar> {
  public:
    // Buttons by key, each with its caption.
    QtToolbar(QWidget* parent, const QList<QPair<QString, QString>>& buttons);
    QToolBar* bar() const { return bar_; }

  private:
    QToolBar* bar_;
};

class QtPanel;
class PanelFrame : public QFrame {
  public:
    PanelFrame(QtPanel* owner, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    QtPanel* owner_;
};

class QtPanel : public WidgetControl<Panel> {
  public:
    explicit QtPanel(QWidget* parent);
    void setPointer(Pointer pointer) override;
    void raise() override { widget()->raise(); }
    QFrame* frame() const { return static_cast<QFrame*>(widget()); }
};

// A frame with a caption (a group box) that holds other controls.
class QtCaptionFrame : public WidgetControl<Panel> {
  public:
    QtCaptionFrame(QWidget* parent, const QString& caption);
    void setPointer(Pointer pointer) override;
    void raise() override { widget()->raise(); }
    QGroupBox* box() const { return static_cast<QGroupBox*>(widget()); }
};

class QtLabel : public WidgetControl<Label> {
  public:
    QtLabel(QWidget* parent, const QString& caption);
    QString caption() const override { return label()->text(); }
    void setCaption(const QString& caption) override { label()->setText(caption); }
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

Qt::CursorShape cursorShape(Pointer pointer);

} // namespace platform::qt

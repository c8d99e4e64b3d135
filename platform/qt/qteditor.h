#pragma once

#include "platform/qt/widgetcontrol.h"
#include "platform/texteditor.h"

#include <QKeySequence>
#include <QPlainTextEdit>
#include <QSet>

namespace platform::qt {

class QtTextEditor;

// The editor widget: a plain-text editor that reports its events to the
// adapter and lets the menu's shortcuts through.
class SourceEdit : public QPlainTextEdit {
  public:
    SourceEdit(QtTextEditor* owner, QWidget* parent);

  protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

  private:
    QtTextEditor* owner_;
};

// Maps the program's CR LF offsets onto the widget's positions (one position
// per line break there): offset = position + number of line breaks before
// it. Block lookups are logarithmic in the document's size.
class QtTextEditor : public WidgetControl<TextEditor> {
  public:
    explicit QtTextEditor(QWidget* parent);
    QString text() const override;
    void setText(const QString& text) override;
    QString lineText(int offset, int* lineStart) const override;
    int selStart() const override;
    void setSelStart(int offset) override;
    int selLength() const override;
    void setSelLength(int length) override;
    QString selText() const override;
    void setSelText(const QString& text) override;
    void setSelColor(int color) override;
    void setSelBold(bool bold) override;
    void setFocus() override;

    SourceEdit* edit() const { return edit_; }
    // Key combinations the menu owns: the editor does not take them.
    static void setMenuShortcuts(const QSet<QKeySequence>& keys);
    static bool isMenuShortcut(const QKeySequence& key);

    int toOffset(int position) const;
    int toPosition(int offset) const;

  private:
    // The widget's raw text as the program's text, and back; `others` is
    // text already in the widget, whose characters a stand-in must avoid.
    QString fromWidget(QString raw) const;
    QString toWidget(const QString& text, const QString& others);

    SourceEdit* edit_;
    // Stand-ins for U+2029, U+FDD0 and U+FDD1 while the text holds them.
    QChar stand_[3];
};

} // namespace platform::qt

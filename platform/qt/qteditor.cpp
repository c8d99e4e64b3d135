#include "platform/qt/qteditor.h"

#include "util/textcodec.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <algorithm>

namespace platform::qt {
namespace {
QSet<QKeySequence>& menuKeys() {
    static QSet<QKeySequence> keys;
    return keys;
}
QKeySequence sequenceOf(const QKeyEvent* e) {
    return QKeySequence(e->keyCombination());
}
} // namespace

SourceEdit::SourceEdit(QtTextEditor* owner, QWidget* parent)
    : QPlainTextEdit(parent), owner_(owner) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(false);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    setFont(mono);
}

bool SourceEdit::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (QtTextEditor::isMenuShortcut(sequenceOf(key))) {
            e->ignore(); // let the menu's shortcut fire
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

void SourceEdit::keyPressEvent(QKeyEvent* e) {
    if (owner_->onKeyDown) {
        const VirtualKey vk = virtualKey(e->key(), e->modifiers());
        KeyEvent key{vk.code, vk.shift};
        owner_->onKeyDown(key);
        if (key.keyCode == 0 && key.shift == 0 && vk.code != 0) {
            e->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void SourceEdit::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    if (owner_->onGotFocus) owner_->onGotFocus();
}

void SourceEdit::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton && owner_->onMouseDown) {
        owner_->onMouseDown(RightButton, toTwips(e->position().toPoint().x()),
                            toTwips(e->position().toPoint().y()));
        e->accept();
        return;
    }
    QPlainTextEdit::mousePressEvent(e);
    if (owner_->onMouseDown) {
        const int button = e->button() == Qt::LeftButton ? LeftButton : MiddleButton;
        owner_->onMouseDown(button, toTwips(e->position().toPoint().x()),
                            toTwips(e->position().toPoint().y()));
    }
}

void SourceEdit::mouseReleaseEvent(QMouseEvent* e) {
    QPlainTextEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && owner_->onClick) owner_->onClick();
}

void SourceEdit::contextMenuEvent(QContextMenuEvent* e) {
    // The right button pops up the program's own menu instead.
    if (owner_->onMouseDown) {
        e->accept();
        return;
    }
    QPlainTextEdit::contextMenuEvent(e);
}

QtTextEditor::QtTextEditor(QWidget* parent)
    : WidgetControl<TextEditor>(new SourceEdit(this, parent)),
      edit_(static_cast<SourceEdit*>(widget())) {
    // Marks put on the text raise it too; handlers compare texts.
    QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
        if (onChange) onChange();
    });
}

void QtTextEditor::setMenuShortcuts(const QSet<QKeySequence>& keys) {
    menuKeys() = keys;
}
bool QtTextEditor::isMenuShortcut(const QKeySequence& key) {
    return menuKeys().contains(key);
}

int QtTextEditor::toOffset(int position) const {
    const QTextBlock block = edit_->document()->findBlock(position);
    return position + (block.isValid() ? block.blockNumber() : edit_->document()->blockCount() - 1);
}

int QtTextEditor::toPosition(int offset) const {
    QTextDocument* doc = edit_->document();
    if (offset <= 0) return 0;
    // The block n starts at offset position(n) + n; find the last block
    // starting at or before `offset`.
    int lo = 0;
    int hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int inBlock = offset - (block.position() + lo);
    // An offset inside or past a CR LF lands at the end of its line.
    return block.position() + std::min(inBlock, block.length() - 1);
}

// The widget stores a line break as a paragraph separator (U+2029), and
// U+2029, U+FDD0 and U+FDD1 in the text would become line breaks too. Such
// characters are held as private-use characters the text does not use, and
// given back as themselves.
namespace {
constexpr char16_t kSpecials[3] = {0x2029, 0xFDD0, 0xFDD1};
bool hasSpecial(const QString& text) {
    for (char16_t c : kSpecials)
        if (text.contains(QChar(c))) return true;
    return false;
}
} // namespace

QString QtTextEditor::fromWidget(QString raw) const {
    raw.replace(QChar(QChar::ParagraphSeparator), QLatin1String("\r\n"));
    for (int i = 0; i < 3; ++i)
        if (!stand_[i].isNull()) raw.replace(stand_[i], QChar(kSpecials[i]));
    return raw;
}

QString QtTextEditor::toWidget(const QString& text, const QString& others) {
    QString plain = util::toCrLf(text);
    if (hasSpecial(plain)) {
        for (int i = 0; i < 3; ++i) {
            if (!stand_[i].isNull() || !plain.contains(QChar(kSpecials[i]))) continue;
            // The highest private-use character found in neither text.
            char16_t c = 0xF8FF;
            while (c > 0xE000 && (plain.contains(QChar(c)) || others.contains(QChar(c)) ||
                                  std::find(stand_, stand_ + 3, QChar(c)) != stand_ + 3))
                --c;
            stand_[i] = QChar(c);
        }
        for (int i = 0; i < 3; ++i)
            if (!stand_[i].isNull()) plain.replace(QChar(kSpecials[i]), stand_[i]);
    }
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}

QString QtTextEditor::text() const {
    return fromWidget(edit_->document()->toRawText());
}

void QtTextEditor::setText(const QString& text) {
    for (QChar& c : stand_)
        c = QChar();
    edit_->setPlainText(toWidget(text, QString()));
}

QString QtTextEditor::lineText(int offset, int* lineStart) const {
    const QTextBlock block = edit_->document()->findBlock(toPosition(offset));
    if (lineStart) *lineStart = toOffset(block.position());
    return fromWidget(block.text());
}

int QtTextEditor::selStart() const {
    const QTextCursor c = edit_->textCursor();
    return toOffset(c.selectionStart());
}

void QtTextEditor::setSelStart(int offset) {
    QTextCursor c = edit_->textCursor();
    const int total = edit_->document()->characterCount() - 1;
    c.setPosition(std::clamp(toPosition(offset), 0, std::max(0, total)));
    edit_->setTextCursor(c);
    edit_->ensureCursorVisible();
}

int QtTextEditor::selLength() const {
    const QTextCursor c = edit_->textCursor();
    return toOffset(c.selectionEnd()) - toOffset(c.selectionStart());
}

void QtTextEditor::setSelLength(int length) {
    QTextCursor c = edit_->textCursor();
    const int start = c.selectionStart();
    const int total = edit_->document()->characterCount() - 1;
    const int end = toPosition(toOffset(start) + std::max(0, length));
    c.setPosition(start);
    c.setPosition(std::clamp(end, start, std::max(start, total)), QTextCursor::KeepAnchor);
    edit_->setTextCursor(c);
}

QString QtTextEditor::selText() const {
    return fromWidget(edit_->textCursor().selectedText());
}

void QtTextEditor::setSelText(const QString& text) {
    const QString plain =
        toWidget(text, hasSpecial(text) ? edit_->document()->toRawText() : QString());
    QTextCursor c = edit_->textCursor();
    c.insertText(plain);
    edit_->setTextCursor(c);
}

// With a selection the format applies to it; without one it is the format
// of the text typed next at the caret.
void QtTextEditor::setSelColor(int color) {
    QTextCharFormat f;
    f.setForeground(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    edit_->mergeCurrentCharFormat(f);
}

void QtTextEditor::setSelBold(bool bold) {
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    edit_->mergeCurrentCharFormat(f);
}

void QtTextEditor::setFocus() {
    edit_->setFocus(Qt::OtherFocusReason);
}

} // namespace platform::qt

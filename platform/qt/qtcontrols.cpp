#include "platform/qt/qtcontrols.h"

#include "platform/qt/qteditor.h"
#include "util/textcodec.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

namespace platform::qt {

Qt::CursorShape cursorShape(Pointer pointer) {
    switch (pointer) {
    case Pointer::Hourglass:
        return Qt::WaitCursor;
    case Pointer::SizeWestEast:
        return Qt::SizeHorCursor;
    case Pointer::Default:
        break;
    }
    return Qt::ArrowCursor;
}

NameEdit::NameEdit(QtTextBox* owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {
    // Like the user's typing, a text set by the program raises the change.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (owner_->onChange) owner_->onChange();
    });
}

bool NameEdit::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride &&
        QtTextEditor::isMenuShortcut(QKeySequence(static_cast<QKeyEvent*>(e)->keyCombination()))) {
        e->ignore();
        return true;
    }
    return QLineEdit::event(e);
}

void NameEdit::keyPressEvent(QKeyEvent* e) {
    if (owner_->onKeyDown) {
        const VirtualKey vk = virtualKey(e->key(), e->modifiers());
        KeyEvent key{vk.code, vk.shift};
        owner_->onKeyDown(key);
        if (key.keyCode == 0 && key.shift == 0 && vk.code != 0) return;
    }
    QLineEdit::keyPressEvent(e);
}

void NameEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (owner_->onGotFocus) owner_->onGotFocus();
}

void NameEdit::mousePressEvent(QMouseEvent* e) {
    QLineEdit::mousePressEvent(e);
    if (owner_->onClick) owner_->onClick();
}

QtTextBox::QtTextBox(QWidget* parent)
    : WidgetControl<TextBox>(new NameEdit(this, parent)), edit_(static_cast<NameEdit*>(widget())) {}

MultiLineEdit::MultiLineEdit(QtMultiLineBox* owner, QWidget* parent)
    : QPlainTextEdit(parent), owner_(owner) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setCursor(Qt::PointingHandCursor);
    viewport()->setCursor(Qt::PointingHandCursor);
}

void MultiLineEdit::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() == Qt::LeftButton && owner_->onClick) owner_->onClick();
}

QtMultiLineBox::QtMultiLineBox(QWidget* parent)
    : WidgetControl<TextBox>(new MultiLineEdit(this, parent)),
      edit_(static_cast<MultiLineEdit*>(widget())) {}

// The widget's raw text: its plain-text form would turn no-break spaces into
// spaces.
QString QtMultiLineBox::text() const {
    QString t = edit_->document()->toRawText();
    t.replace(QChar(QChar::ParagraphSeparator), QLatin1String("\r\n"));
    return t;
}

void QtMultiLineBox::setText(const QString& text) {
    QString t = util::toCrLf(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    edit_->setPlainText(t);
}

namespace {
// A list entered with the keyboard has no entry chosen yet: the first arrow
// key chooses the first entry, as a list box does.
class ListWidget : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    void focusInEvent(QFocusEvent* e) override {
        QListWidget::focusInEvent(e);
        if (selectedItems().isEmpty())
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
};
} // namespace

QtListBox::QtListBox(QWidget* parent, bool sorted)
    : WidgetControl<ListBox>(new ListWidget(parent)), list_(static_cast<QListWidget*>(widget())),
      sorted_(sorted) {
    QObject::connect(list_, &QListWidget::itemClicked, list_, [this] {
        if (onClick) onClick();
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this] {
        if (onDoubleClick) onDoubleClick();
    });
    // An entry chosen with the keyboard counts as clicked, as with the mouse.
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this] {
        if (onClick && list_->currentRow() >= 0 && !list_->selectedItems().isEmpty()) onClick();
    });
}

void QtListBox::addItem(const QString& item) {
    if (!sorted_) {
        list_->addItem(item);
        return;
    }
    int at = 0;
    while (at < list_->count() && list_->item(at)->text().compare(item, Qt::CaseInsensitive) <= 0)
        ++at;
    list_->insertItem(at, item);
}

QString QtListBox::item(int index) const {
    const QListWidgetItem* it = list_->item(index);
    return it ? it->text() : QString();
}

QtToolbar::QtToolbar(QWidget* parent, const QList<QPair<QString, QString>>& buttons)
    : WidgetControl<Toolbar>(new QToolBar(parent)), bar_(static_cast<QToolBar*>(widget())) {
    // Three buttons in 1440 twips: icons, with the caption as tool tip.
    bar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar_->setIconSize(QSize(20, 20));
    bar_->setMovable(false);
    bar_->setFloatable(false);
    for (const auto& [key, caption] : buttons) {
        QStyle::StandardPixmap icon = QStyle::SP_ArrowBack;
        if (key == QLatin1String("Forward")) icon = QStyle::SP_ArrowForward;
        if (key == QLatin1String("Search")) icon = QStyle::SP_FileDialogContentsView;
        QAction* a = bar_->addAction(bar_->style()->standardIcon(icon), caption);
        a->setToolTip(caption);
        a->setObjectName(key);
        QObject::connect(a, &QAction::triggered, bar_, [this, key = key] {
            if (onButtonClick) onButtonClick(key);
        });
    }
}

PanelFrame::PanelFrame(QtPanel* owner, QWidget* parent) : QFrame(parent), owner_(owner) {
    setMouseTracking(true);
}

namespace {
int buttonsOf(Qt::MouseButtons b) {
    int out = 0;
    if (b & Qt::LeftButton) out |= LeftButton;
    if (b & Qt::RightButton) out |= RightButton;
    if (b & Qt::MiddleButton) out |= MiddleButton;
    return out;
}
} // namespace

void PanelFrame::mousePressEvent(QMouseEvent* e) {
    if (owner_->onMouseDown)
        owner_->onMouseDown(buttonsOf(e->button()), toTwips(e->position().toPoint().x()),
                            toTwips(e->position().toPoint().y()));
}

void PanelFrame::mouseMoveEvent(QMouseEvent* e) {
    if (owner_->onMouseMove)
        owner_->onMouseMove(buttonsOf(e->buttons()), toTwips(e->position().toPoint().x()),
                            toTwips(e->position().toPoint().y()));
}

void PanelFrame::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && owner_->onClick) owner_->onClick();
}

QtPanel::QtPanel(QWidget* parent) : WidgetControl<Panel>(new PanelFrame(this, parent)) {}

void QtPanel::setPointer(Pointer pointer) {
    widget()->setCursor(cursorShape(pointer));
}

} // namespace platform::qt

namespace platform::qt {

QtCaptionFrame::QtCaptionFrame(QWidget* parent, const QString& caption)
    : WidgetControl<Panel>(new QGroupBox(caption, parent)) {
    box()->setAutoFillBackground(true);
}

void QtCaptionFrame::setPointer(Pointer pointer) {
    widget()->setCursor(cursorShape(pointer));
}

QtLabel::QtLabel(QWidget* parent, const QString& caption)
    : WidgetControl<Label>(new QLabel(caption, parent)) {}

} // namespace platform::qt

#include "platform/qt/qtmenu.h"

#include <QCursor>

namespace platform::qt {

void QtMenuEntry::setChecked(bool on) {
    checked_ = on;
    if (on) action_->setCheckable(true);
    action_->setChecked(on);
}

bool QtMenu::enabledWithParents(const MenuItem& item) const {
    // A disabled menu disables the shortcuts of everything in it.
    QString name = item.name;
    int index = item.index;
    while (!name.isEmpty()) {
        const auto it = entries_.constFind(key(name, index));
        if (it == entries_.constEnd() || !(*it)->enabled()) return false;
        name = parents_.value(name);
        index = -1;
    }
    return true;
}

QtMenu::QtMenu(QMenuBar* bar, QWidget* window, const std::vector<MenuItem>& tree) {
    for (const MenuItem& item : tree) parents_.insert(item.name, item.parent);
    QHash<QString, bool> isHeader;
    for (const MenuItem& item : tree) isHeader.insert(item.parent, true);
    for (const MenuItem& item : tree) {
        QAction* action = nullptr;
        if (isHeader.contains(item.name)) {
            QMenu* menu = item.parent.isEmpty() ? bar->addMenu(item.caption)
                                                : menus_.value(item.parent)->addMenu(item.caption);
            menu->setObjectName(item.name);
            menus_.insert(item.name, menu);
            action = menu->menuAction();
        } else if (item.isSeparator()) {
            action = menus_.value(item.parent)->addSeparator();
        } else {
            action = menus_.value(item.parent)->addAction(item.caption);
            if (!item.shortcut.isEmpty()) {
                const QKeySequence seq(item.shortcut, QKeySequence::PortableText);
                // Shown in the menu; fired by the window's shortcut below.
                action->setShortcut(seq);
                action->setShortcutContext(Qt::WidgetShortcut);
                auto* shortcut = new QShortcut(seq, window);
                shortcut->setContext(Qt::WindowShortcut);
                const auto fire = [this, item] {
                    if (enabledWithParents(item) && onClick) onClick(item.name, item.index);
                };
                QObject::connect(shortcut, &QShortcut::activated, window, fire);
                QObject::connect(shortcut, &QShortcut::activatedAmbiguously, window, fire);
                shortcuts_.push_back(shortcut);
            }
        }
        action->setObjectName(item.name + (item.index >= 0 ? QString::number(item.index) : QString()));
        action->setVisible(item.visible);
        action->setEnabled(item.enabled);
        auto entry = std::make_shared<QtMenuEntry>(action);
        entries_.insert(key(item.name, item.index), entry);
        if (!isHeader.contains(item.name) && !item.isSeparator()) {
            QObject::connect(action, &QAction::triggered, window, [this, e = entry.get(), item] {
                e->restoreCheck();
                if (onClick) onClick(item.name, item.index);
            });
        }
    }
}

MenuEntry& QtMenu::entry(const QString& name, int index) {
    auto it = entries_.find(key(name, index));
    Q_ASSERT_X(it != entries_.end(), "QtMenu::entry", qPrintable(name));
    return **it;
}

void QtMenu::popup(const QString& name) {
    if (QMenu* menu = menus_.value(name)) menu->exec(QCursor::pos());
}

QList<QKeySequence> QtMenu::shortcuts() const {
    QList<QKeySequence> out;
    for (const QShortcut* s : shortcuts_) out << s->key();
    return out;
}

} // namespace platform::qt

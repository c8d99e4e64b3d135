#include "platform/qt/qtmenu.h"

#include <QCursor>

namespace platform::qt {

void QtMenuEntry::setChecked(bool on) {
    checked_ = on;
    if (on) action_->setCheckable(true);
    action_->setChecked(on);
}

void QtMenuEntry::setCaption(const QString& caption) {
    action_->setText(shortcutText_.isEmpty() ? caption
                                             : caption + QLatin1Char('\t') + shortcutText_);
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
    for (const MenuItem& item : tree)
        parents_.insert(item.name, item.parent);
    QHash<QString, bool> isHeader;
    for (const MenuItem& item : tree)
        isHeader.insert(item.parent, true);
    for (const MenuItem& item : tree) {
        QAction* action = nullptr;
        QString shortcutText;
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
                // Each key is registered once, on the window: the entry only
                // shows it. A key registered on the entry as well made the
                // window's shortcut ambiguous.
                const QKeySequence seq(item.shortcut, QKeySequence::PortableText);
                shortcutText = seq.toString(QKeySequence::NativeText);
                action->setText(item.caption + QLatin1Char('\t') + shortcutText);
                auto* shortcut = new QShortcut(seq, window);
                shortcut->setContext(Qt::WindowShortcut);
                QObject::connect(shortcut, &QShortcut::activated, window, [this, item] {
                    if (enabledWithParents(item) && onClick) onClick(item.name, item.index);
                });
                shortcuts_.push_back(shortcut);
            }
        }
        action->setObjectName(item.name +
                              (item.index >= 0 ? QString::number(item.index) : QString()));
        action->setVisible(item.visible);
        auto entry = std::make_shared<QtMenuEntry>(action, shortcutText);
        entry->setEnabled(item.enabled);
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
    for (const QShortcut* s : shortcuts_)
        out << s->key();
    return out;
}

} // namespace platform::qt

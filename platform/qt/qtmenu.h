#pragma once

#include "platform/menu.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <memory>
#include <vector>

namespace platform::qt {

class QtMenuEntry : public MenuEntry {
  public:
    QtMenuEntry(QAction* action, const QString& shortcutText)
        : action_(action), shortcutText_(shortcutText) {}
    bool visible() const override { return action_->isVisible(); }
    void setVisible(bool on) override { action_->setVisible(on); }
    // As the program set it: Qt reports a hidden action as disabled, yet a
    // hidden entry's shortcut still works.
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override {
        enabled_ = on;
        action_->setEnabled(on);
    }
    bool checked() const override { return checked_; }
    void setChecked(bool on) override;
    QString caption() const override { return action_->text().section(QLatin1Char('\t'), 0, 0); }
    void setCaption(const QString& caption) override;
    QAction* action() const { return action_; }
    // Qt flips a checkable action's mark on a click; the mark is the
    // program's, so it is put back before the handler runs.
    void restoreCheck() { action_->setChecked(checked_); }

  private:
    QAction* action_;
    QString shortcutText_; // shown beside the caption; the window owns the key
    bool checked_ = false;
    bool enabled_ = true;
};

// The menu bar built from the menu tree. Shortcuts belong to the window, not
// to the menu entries, so that a hidden entry's shortcut still works (a
// disabled entry's does not).
class QtMenu : public Menu {
  public:
    QtMenu(QMenuBar* bar, QWidget* window, const std::vector<MenuItem>& tree);
    MenuEntry& entry(const QString& name, int index = -1) override;
    void popup(const QString& name) override;
    QList<QKeySequence> shortcuts() const;
    QMenu* submenu(const QString& name) const { return menus_.value(name); }

  private:
    static QString key(const QString& name, int index) {
        return name + QLatin1Char('#') + QString::number(index);
    }
    bool enabledWithParents(const MenuItem& item) const;
    QHash<QString, QString> parents_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, std::shared_ptr<QtMenuEntry>> entries_;
    std::vector<QShortcut*> shortcuts_;
};

} // namespace platform::qt

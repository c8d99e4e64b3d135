#pragma once

#include <QString>
#include <functional>

namespace platform {

// One entry of a menu tree as the window is created: its header (`parent`,
// empty for a top-level menu), caption with access-key ampersand ("-" for a
// separator), name and array index (-1 when the entry is no array member),
// shortcut in Qt's portable text form ("Ctrl+F1"), and initial state.
// Submenu headers are entries too.
struct MenuItem {
    QString parent;
    QString caption;
    QString name;
    int index = -1;
    QString shortcut;
    bool visible = true;
    bool enabled = true;
    bool isSeparator() const { return caption == QLatin1String("-"); }
};

// One entry of the menu tree, addressed by its name and array index (-1 for
// an entry that is not part of an array).
class MenuEntry {
  public:
    virtual ~MenuEntry() = default;
    virtual bool visible() const = 0;
    virtual void setVisible(bool on) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual bool checked() const = 0;
    virtual void setChecked(bool on) = 0;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
};

class Menu {
  public:
    virtual ~Menu() = default;
    // Every entry of the tree exists; asking for an unknown one is a
    // programming error.
    virtual MenuEntry& entry(const QString& name, int index = -1) = 0;
    // Pops up a submenu (by its header's name) at the mouse position.
    virtual void popup(const QString& name) = 0;

    std::function<void(const QString& name, int index)> onClick;
};

} // namespace platform

#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <map>
#include <memory>

class QAction;
class QMenu;
class QWidget;

// The function menus of the button page: mainMenu for the two rows of
// buttons, with its submenus "Basic", "Windows", "Advance", "Media", "DPI",
// "Polling Rate", and wheelMenu for the wheel. One action per function code,
// 55 in all, each carrying its code as data. Some functions have an action
// and a label but no menu entry ("Profile Menu", "GunFile Manager",
// "SNIPER"): an entry that holds them from a file still shows their name.
//
// The actions have no parent, so clearing and refilling the menus (on every
// language change) never deletes them.
class ButtonMenus {
    Q_DECLARE_TR_FUNCTIONS(ButtonMenus)
public:
    ButtonMenus();
    ~ButtonMenus();

    // Clears and fills the menus; "Macro Manager" only with macros enabled,
    // "Led Switch" only with lighting enabled.
    void build(bool macroEnabled, bool ledEnabled);
    // Menu titles and action texts in the current language.
    void retranslate();

    QMenu *mainMenu() const { return m_main.get(); }
    QMenu *wheelMenu() const { return m_wheel.get(); }
    // The action of a function code; nullptr for codes without one.
    QAction *action(int code) const;
    QList<QAction *> actions() const;

    // The label of a code on a button of the rows (wheel false) or of the
    // wheel: the action's text, empty for codes without one and for the
    // wheel's own functions on a row button.
    QString label(int code, bool wheel) const;

    // The untranslated text of a code, nullptr when it has none.
    static const char *sourceText(int code);
    // Every code that has an action, in the order they are created.
    static QList<int> codes();

private:
    QMenu *submenu(const char *title);

    // The menus have no parent widget: a page inside the window's scroll
    // area inherits its transparent style sheet, which a menu (a window of
    // its own) must not.
    std::map<int, std::unique_ptr<QAction>> m_actions;
    std::unique_ptr<QMenu> m_main;
    std::unique_ptr<QMenu> m_wheel;
    std::map<const char *, std::unique_ptr<QMenu>> m_submenus;
};

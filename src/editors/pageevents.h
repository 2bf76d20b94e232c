#pragma once

#include <QObject>

// What the pages ask of the window, as signals: the host owns one object and
// hands it to every page, the window connects to it once. A page never
// reaches the window itself.
class PageEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Highlight entry `index` of spot group `group` on the mouse picture
    // (the button the pointer is over on the button page).
    void highlightButton(int index, int group);
    // The pointer went over (true) or left button `index` of spot group
    // `group` on the button page: the mouse picture shows that button lit.
    void hoverButton(int index, int group, bool over);
    // Show the macro editor (a macro function was chosen and no macro exists).
    void showMacroTab();
    // Warn that at least one left click must stay assigned.
    void oneClickWarning();
    // The lift-off distance changed on one page: every page that shows it
    // follows. `liftHigh` is the stored code (1 or 2).
    void liftChanged(int liftHigh);
    // Lock (false) or unlock (true) the window's buttons while a page runs
    // something that must not be interrupted (recording, a modal edit).
    void enableWindowButtons(bool enable);
    // A macro was renamed in the library: the buttons of every profile that
    // name it must follow.
    void macroRenamed(const QString &oldName, const QString &newName);
};

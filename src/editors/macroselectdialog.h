#pragma once

#include "config/buttonassignment.h"
#include "widgets/skinneddialog.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QMenu;
class SkinCheckBox;
class SkinButton;

// "MACRO SELECT" / "GUNFILE SELECT": which macro of the library a button
// plays and how it repeats. The names come from the macro list in slot
// order; a name passed in that is no longer listed is still shown and kept.
// "Yes" stays disabled while no name is chosen.
class MacroSelectDialog : public SkinnedDialog {
    Q_OBJECT
public:
    enum Mode {
        LoopCount = ButtonAssignment::LoopCount,
        RepeatWhileHeld = ButtonAssignment::RepeatWhileHeld,
        RepeatUntilPressed = ButtonAssignment::RepeatUntilPressedAgain
    };
    static constexpr int kModeCount = ButtonAssignment::kMacroRepeatCount;

    MacroSelectDialog(const QString &title, const QString &name, int loopCount, int mode,
                      QWidget *parent = nullptr);

    QString name() const { return m_name; }
    // The loop count typed, held to 1..255; an empty field gives 1.
    int loopCount() const;
    int mode() const { return m_mode; }

    QMenu *nameMenu() const { return m_menu; }
    QLineEdit *loopEdit() const { return m_loop; }
    SkinCheckBox *modeButton(int mode) const;

    void chooseName(const QString &name);
    void chooseMode(int mode);

private:
    QString m_name;
    int m_mode = LoopCount;
    QLabel *m_nameLabel = nullptr;
    SkinButton *m_nameButton = nullptr;
    QMenu *m_menu = nullptr;
    QLineEdit *m_loop = nullptr;
    SkinCheckBox *m_modes[kModeCount] = {};
};

#pragma once

#include "combokeystate.h"
#include "keydialog.h"

// "Combo Key": up to four modifiers and one other key, held together. The
// keyboard is grabbed while the dialog is open, so Alt+Tab and the like are
// captured rather than acted on by the desktop.
class ComboKeyDialog : public KeyDialog {
    Q_OBJECT
public:
    explicit ComboKeyDialog(QWidget *parent = nullptr);

    void preset(const std::array<KeyInfo, kEventsPerButton> &events);
    const ComboKeyState &state() const { return m_state; }
    // Key codes of the committed slots in slot order (0: slot unused).
    std::array<int, kComboEntryCount> keyCodes() const { return m_state.committedCodes(); }

protected:
    void keyCaptured(int code, int flags) override;

private:
    void showState();

    ComboKeyState m_state;
};

#pragma once

#include "widgets/skinneddialog.h"

class KeyCapture;
class QLabel;

// The common part of the single-key, combination and fire-key dialogs:
// 400 x 258 design units with the theme frame, "OK" and "Cancel", and a key
// field that holds the keyboard focus and captures every key sent to it
// (KeyCapture), Esc, Return, Space and Tab included; the buttons take no
// focus, so a key never closes the dialog.
//
// With grabKeyboard set the dialog also grabs the keyboard once it is shown,
// so that keys the desktop would take (Alt+Tab, Super) are captured too.
// Where the grab is impossible (Wayland, a display without grabs) one line
// in the dialog says that desktop shortcuts may not be captured.
class KeyDialog : public SkinnedDialog {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 400;
    static constexpr int kDesignHeight = 258;

    explicit KeyDialog(QWidget *parent = nullptr);
    ~KeyDialog() override;

    QLabel *keyField() const { return m_keyField; }
    KeyCapture *capture() const { return m_capture; }
    // The line shown when the keyboard grab failed; hidden otherwise.
    QLabel *grabNotice() const { return m_grabNotice; }
    bool keyboardGrabbed() const { return m_grabbed; }

protected:
    // A captured key: its code (renumbered) and flags (release 0x80,
    // extended 0x01).
    virtual void keyCaptured(int code, int flags) = 0;

    void setGrabKeyboard(bool grab) { m_wantGrab = grab; }
    // One line above the key field telling what to press.
    void setHint(const QString &text);
    // Shows `text` in the key field.
    void showKeyText(const QString &text);
    // Design rectangle of the key field (default: centred under the title).
    void placeKeyField(const QRect &design);

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void tryGrab(int attemptsLeft);

    QLabel *m_keyField = nullptr;
    QLabel *m_grabNotice = nullptr;
    QLabel *m_hint = nullptr;
    KeyCapture *m_capture = nullptr;
    bool m_wantGrab = false;
    bool m_grabbed = false;
};

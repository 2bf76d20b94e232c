#pragma once

#include "repeatedkeyfilter.h"
#include "keydialog.h"

#include "config/buttonassignment.h"

class QLineEdit;
class SkinCheckBox;

// "FireKey Setting": a click of the left, right or middle button, or a key,
// fired "Times:" times with "Delay:" between. The key is captured only while
// "Keyboard Key" is chosen and the key field has the focus; typing into the
// number fields never changes it, nor does the key that ends a number with
// Return. OK stays disabled while "Keyboard Key" is chosen without a key the
// mouse can send (one that has a HID usage).
class FireKeyDialog : public KeyDialog {
    Q_OBJECT
public:
    enum Choice { LeftClick = 0, RightClick = 1, MiddleClick = 2, KeyboardKey = 3 };
    static constexpr int kDefaultTimes = ButtonAssignment::kFireDefaultTimes;
    static constexpr int kDefaultDelay = ButtonAssignment::kFireDefaultDelay;

    explicit FireKeyDialog(QWidget *parent = nullptr);

    // From the entry: Res1 (0 or 0x81 left, 0x82 right, 0x84 middle, else a
    // key's HID usage), LoopNumber (times) and KeyNumber (delay); 0 gives the
    // defaults.
    void preset(int res1, int loopNumber, int keyNumber);

    void choose(int choice);
    int choice() const { return m_choice; }
    int key() const { return m_key; }
    // The numbers typed, held to 1..255; an empty field gives the default.
    int times() const;
    int delay() const;
    // The entry's Res1: the button's code or the key's HID usage (0 when the
    // key has none).
    int res1() const;

    SkinCheckBox *choiceBox(int choice) const;
    QLineEdit *timesEdit() const { return m_times; }
    QLineEdit *delayEdit() const { return m_delay; }

protected:
    void keyCaptured(int code, int flags) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *makeNumberEdit(int value);
    void updateOk();

    SkinCheckBox *m_boxes[4] = {};
    QLineEdit *m_times = nullptr;
    QLineEdit *m_delay = nullptr;
    int m_choice = LeftClick;
    int m_key = 0;
    bool m_skipNext = false;
    RepeatedKeyFilter m_repeats;
};

#pragma once

#include "repeatedkeyfilter.h"
#include "keydialog.h"

// "Single Key": the key of the latest key event, press or release. An event
// that repeats the last one is ignored, so a held key counts once.
class SingleKeyDialog : public KeyDialog {
    Q_OBJECT
public:
    explicit SingleKeyDialog(QWidget *parent = nullptr);

    // Shows the key stored in the entry and makes it the captured key.
    void preset(int keyCode);
    // The captured key code; 0 when none.
    int key() const { return m_key; }

protected:
    void keyCaptured(int code, int flags) override;

private:
    int m_key = 0;
    RepeatedKeyFilter m_repeats;
};

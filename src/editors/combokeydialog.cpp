#include "combokeydialog.h"

#include "config/keytables.h"

ComboKeyDialog::ComboKeyDialog(QWidget *parent)
    : KeyDialog(parent)
{
    setObjectName(QStringLiteral("VeskComboKeyWindow"));
    setTitle(tr("Combo Key"));
    setHint(tr("Hold the keys of the combination together"));
    setGrabKeyboard(true);
}

void ComboKeyDialog::preset(const std::array<KeyInfo, kEventsPerButton> &events)
{
    m_state.preset(events);
    showState();
}

void ComboKeyDialog::keyCaptured(int code, int flags)
{
    if (m_state.feed(code, flags))
        showState();
}

void ComboKeyDialog::showState() { showKeyText(m_state.text(frenchKeyNames())); }

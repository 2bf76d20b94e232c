#include "singlekeydialog.h"

#include "config/keytables.h"

SingleKeyDialog::SingleKeyDialog(QWidget *parent)
    : KeyDialog(parent)
{
    setObjectName(QStringLiteral("VeskSingleKeyWindow"));
    setTitle(tr("Single Key"));
    setHint(tr("Press the key"));
}

void SingleKeyDialog::preset(int keyCode)
{
    m_key = keyCode & 0xFF;
    showKeyText(keyName(m_key));
}

void SingleKeyDialog::keyCaptured(int code, int flags)
{
    if (m_repeats.repeats(code, flags))
        return;
    m_key = code;
    showKeyText(keyName(code));
}

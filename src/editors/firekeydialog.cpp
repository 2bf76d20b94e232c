#include "firekeydialog.h"

#include "config/buttonassignment.h"
#include "config/keytables.h"

#include "widgets/languagefont.h"
#include "widgets/rangevalidator.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlineedit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace {

// The clicks, in the order of FireKeyDialog::Choice.
constexpr int kButtonCodes[3] = {ButtonAssignment::kFireLeft, ButtonAssignment::kFireRight,
                                  ButtonAssignment::kFireMiddle};

int readNumber(const QLineEdit *edit, int fallback)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    if (!ok || edit->text().isEmpty())
        return fallback;
    return qBound(ButtonAssignment::kCountMin, value, ButtonAssignment::kCountMax);
}

QLabel *caption(const QString &text, QWidget *parent, const QRect &design)
{
    auto *label = new QLabel(text, parent);
    label->setFont(LanguageFont::current());
    label->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
    label->setGeometry(UiScale::scaled(design));
    return label;
}

} // namespace

FireKeyDialog::FireKeyDialog(QWidget *parent)
    : KeyDialog(parent)
{
    setObjectName(QStringLiteral("VeskFireKeyWindow"));
    setTitle(tr("FireKey Setting"));

    const QString texts[4] = {tr("Left"), tr("Right"), tr("Middle"), tr("Keyboard Key")};
    const QRect places[4] = {{30, 54, 100, 24}, {140, 54, 100, 24}, {250, 54, 120, 24}, {30, 90, 130, 24}};
    for (int i = 0; i < 4; ++i) {
        m_boxes[i] = new SkinCheckBox(texts[i], this);
        m_boxes[i]->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
        m_boxes[i]->setGeometry(UiScale::scaled(places[i]));
        connect(m_boxes[i], &QCheckBox::clicked, this, [this, i] { choose(i); });
    }
    placeKeyField(QRect(170, 86, 200, 32));

    caption(tr("Times:"), this, QRect(30, 134, 70, 28));
    m_times = makeNumberEdit(kDefaultTimes);
    m_times->setGeometry(UiScale::scaled(QRect(100, 134, 60, 28)));
    caption(tr("Delay:"), this, QRect(200, 134, 70, 28));
    m_delay = makeNumberEdit(kDefaultDelay);
    m_delay->setGeometry(UiScale::scaled(QRect(270, 134, 60, 28)));

    choose(LeftClick);
}

QLineEdit *FireKeyDialog::makeNumberEdit(int value)
{
    auto *edit = new SkinLineEdit(this);
    edit->applyTheme(UiTheme::currentColor(), UiScale::factor());
    edit->setValidator(new RangeValidator(ButtonAssignment::kCountMin, ButtonAssignment::kCountMax, edit));
    edit->setMaxLength(3);
    edit->setAlignment(Qt::AlignCenter);
    edit->setText(QString::number(value));
    edit->installEventFilter(this);
    return edit;
}

bool FireKeyDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Return ends a number (whatever its value: it is held to the range when
    // read) and gives the keys back to the key field; its release, which
    // reaches the key field, is not a key to capture.
    if ((watched == m_times || watched == m_delay) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_skipNext = true;
            keyField()->setFocus();
            return true;
        }
    }
    return KeyDialog::eventFilter(watched, event);
}

SkinCheckBox *FireKeyDialog::choiceBox(int choice) const
{
    return choice >= 0 && choice < 4 ? m_boxes[choice] : nullptr;
}

void FireKeyDialog::choose(int choice)
{
    if (choice < LeftClick || choice > KeyboardKey)
        return;
    m_choice = choice;
    for (int i = 0; i < 4; ++i)
        m_boxes[i]->setChecked(i == choice);
    if (choice == KeyboardKey) {
        keyField()->setFocus();
    } else {
        m_key = 0;
        m_repeats.forget();
        showKeyText(QString());
    }
    updateOk();
}

void FireKeyDialog::preset(int res1, int loopNumber, int keyNumber)
{
    res1 &= 0xFF;
    const int *click = std::find(std::begin(kButtonCodes), std::end(kButtonCodes), res1);
    if (res1 == 0) {
        // A fresh entry: the left click.
        choose(LeftClick);
    } else if (click != std::end(kButtonCodes)) {
        choose(int(click - std::begin(kButtonCodes)));
    } else {
        choose(KeyboardKey);
        int code = 0;
        usageToKeyCode(res1, code);
        m_key = code;
        showKeyText(keyName(code));
        updateOk();
    }
    // A stored number out of 1..255 is shown held to the range; the entry
    // keeps its value until OK.
    const auto held = [](int n) { return qBound(ButtonAssignment::kCountMin, n, ButtonAssignment::kCountMax); };
    m_times->setText(QString::number(loopNumber == 0 ? kDefaultTimes : held(loopNumber)));
    m_delay->setText(QString::number(keyNumber == 0 ? kDefaultDelay : held(keyNumber)));
}

int FireKeyDialog::times() const { return readNumber(m_times, kDefaultTimes); }

int FireKeyDialog::delay() const { return readNumber(m_delay, kDefaultDelay); }

int FireKeyDialog::res1() const
{
    if (m_choice != KeyboardKey)
        return kButtonCodes[m_choice];
    return ButtonAssignment::fireKeyUsage(m_key);
}

void FireKeyDialog::keyCaptured(int code, int flags)
{
    if (m_choice != KeyboardKey)
        return;
    if (m_skipNext) {
        m_skipNext = false;
        return;
    }
    if (m_repeats.repeats(code, flags))
        return;
    m_key = code;
    showKeyText(keyName(code));
    updateOk();
}

void FireKeyDialog::updateOk()
{
    // Without a usage the mouse would fire left clicks instead of the key.
    int usage = 0;
    acceptButton()->setEnabled(m_choice != KeyboardKey || keyCodeToUsage(m_key, usage));
}

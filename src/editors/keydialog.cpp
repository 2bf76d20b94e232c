#include "keydialog.h"

#include "keycapture.h"

#include "widgets/languagefont.h"
#include "widgets/uilog.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {

// The window may not be viewable yet when it is first shown: a grab is
// tried a few times before the dialog gives up on it.
constexpr int kGrabAttempts = 5;
constexpr int kGrabRetryMs = 40;

} // namespace

KeyDialog::KeyDialog(QWidget *parent)
    : SkinnedDialog(parent)
{
    setThemeFrame(true);
    setDesignSize(QSize(kDesignWidth, kDesignHeight));
    addAcceptButton(tr("OK"));
    addRejectButton(tr("Cancel"));

    m_keyField = new QLabel(this);
    m_keyField->setObjectName(QStringLiteral("keyField"));
    m_keyField->setAlignment(Qt::AlignCenter);
    m_keyField->setFont(LanguageFont::current());
    m_keyField->setFocusPolicy(Qt::StrongFocus);
    // Keys are read as keys, never composed into text.
    m_keyField->setAttribute(Qt::WA_InputMethodEnabled, false);
    const QColor accent = UiTheme::currentColor();
    m_keyField->setStyleSheet(QStringLiteral("QLabel{color:white;background:rgb(20,22,26);border:1px solid rgb(90,90,90);}"
                                             "QLabel:focus{border:1px solid rgb(%1,%2,%3);}")
                                  .arg(accent.red())
                                  .arg(accent.green())
                                  .arg(accent.blue()));
    placeKeyField(QRect(60, 84, 280, 40));

    m_hint = new QLabel(this);
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setFont(LanguageFont::current(12));
    m_hint->setStyleSheet(QStringLiteral("color:rgb(200,200,200);background:transparent;"));
    m_hint->setGeometry(UiScale::scaled(QRect(kMargin, 52, kDesignWidth - 2 * kMargin, 26)));

    m_grabNotice = new QLabel(tr("Desktop shortcuts (such as Alt+Tab) may not be captured here."), this);
    m_grabNotice->setObjectName(QStringLiteral("grabNotice"));
    m_grabNotice->setWordWrap(true);
    m_grabNotice->setAlignment(Qt::AlignCenter);
    m_grabNotice->setFont(LanguageFont::current(12));
    m_grabNotice->setStyleSheet(QStringLiteral("color:rgb(200,200,200);background:transparent;"));
    m_grabNotice->setGeometry(UiScale::scaled(QRect(kMargin, 130, kDesignWidth - 2 * kMargin, 44)));
    m_grabNotice->hide();

    m_capture = new KeyCapture(this);
    m_capture->watch(m_keyField);
    connect(m_capture, &KeyCapture::keyCaptured, this, [this](int code, int flags) { keyCaptured(code, flags); });
    setFocusProxy(m_keyField);
}

KeyDialog::~KeyDialog()
{
    if (m_grabbed)
        KeyCapture::releaseKeyboard(this);
}

void KeyDialog::setHint(const QString &text) { m_hint->setText(text); }

void KeyDialog::showKeyText(const QString &text)
{
    // A long combination ("LCtr + LAlt + LShift + Print Screen") centred in
    // the field would lose both of its ends: it is drawn smaller first, and
    // only what still does not fit loses its middle. The whole text is the
    // tool-tip.
    QFont font = LanguageFont::current();
    const int room = m_keyField->contentsRect().width() - UiScale::scaled(8);
    const int smallest = qMax(1, font.pixelSize() * 3 / 4);
    while (font.pixelSize() > smallest && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    m_keyField->setFont(font);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideMiddle, qMax(0, room));
    m_keyField->setText(room > 0 ? shown : text);
    m_keyField->setToolTip(shown == text ? QString() : text);
}

void KeyDialog::placeKeyField(const QRect &design) { m_keyField->setGeometry(UiScale::scaled(design)); }

void KeyDialog::showEvent(QShowEvent *event)
{
    SkinnedDialog::showEvent(event);
    m_keyField->setFocus();
    if (m_wantGrab && !m_grabbed)
        QTimer::singleShot(0, this, [this] { tryGrab(kGrabAttempts); });
}

void KeyDialog::hideEvent(QHideEvent *event)
{
    if (m_grabbed) {
        KeyCapture::releaseKeyboard(this);
        m_grabbed = false;
    }
    SkinnedDialog::hideEvent(event);
}

void KeyDialog::tryGrab(int attemptsLeft)
{
    if (!isVisible())
        return;
    m_grabbed = KeyCapture::grabKeyboard(this);
    if (m_grabbed) {
        m_grabNotice->hide();
        return;
    }
    if (attemptsLeft > 1) {
        QTimer::singleShot(kGrabRetryMs, this, [this, attemptsLeft] { tryGrab(attemptsLeft - 1); });
        return;
    }
    qCDebug(lcUi, "Keyboard grab failed: desktop shortcuts reach the desktop");
    m_grabNotice->show();
}

void KeyDialog::mousePressEvent(QMouseEvent *event)
{
    // A click anywhere on the dialog gives the keys back to the key field.
    m_keyField->setFocus();
    SkinnedDialog::mousePressEvent(event);
}

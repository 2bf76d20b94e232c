#include "skinneddialog.h"

#include "windowshape.h"

#include "languagefont.h"
#include "skin.h"
#include "uiscale.h"
#include "uitheme.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

SkinnedDialog::SkinnedDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setModal(true);

    m_title = new QLabel(this);
    QFont titleFont = LanguageFont::current(16);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
}

SkinnedDialog::~SkinnedDialog() = default;

void SkinnedDialog::setTitle(const QString &title)
{
    m_title->setText(title);
    setWindowTitle(title);
}

QString SkinnedDialog::title() const { return m_title->text(); }

QToolButton *SkinnedDialog::addAcceptButton(const QString &text)
{
    if (!m_accept) {
        m_accept = makeButton(text);
        connect(m_accept, &QToolButton::clicked, this, &QDialog::accept);
        placeChrome();
    }
    return m_accept;
}

QToolButton *SkinnedDialog::addRejectButton(const QString &text)
{
    if (!m_reject) {
        m_reject = makeButton(text);
        connect(m_reject, &QToolButton::clicked, this, &QDialog::reject);
        placeChrome();
    }
    return m_reject;
}

QToolButton *SkinnedDialog::addMiddleButton(const QString &text, int result)
{
    if (!m_middle) {
        m_middle = makeButton(text);
        connect(m_middle, &QToolButton::clicked, this, [this, result] { done(result); });
        placeChrome();
    }
    return m_middle;
}

void SkinnedDialog::setThemeFrame(bool on)
{
    m_themeFrame = on;
    update();
}

void SkinnedDialog::setDesignSize(const QSize &designSize) { setFixedSize(UiScale::scaled(designSize)); }

QRect SkinnedDialog::contentsArea() const
{
    const int margin = UiScale::scaled(kMargin);
    const int top = UiScale::scaled(kTitleHeight);
    const int bottom = height() - margin - UiScale::scaled(kButtonHeight);
    return QRect(margin, top, width() - 2 * margin, qMax(0, bottom - top));
}

QToolButton *SkinnedDialog::makeButton(const QString &text)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setFont(LanguageFont::current());
    button->setStyleSheet(UiTheme::dialogButtonStyle(UiTheme::currentColor()));
    button->setFixedSize(UiScale::scaled(QSize(kButtonWidth, kButtonHeight)));
    button->setCursor(Qt::PointingHandCursor);
    // Keys belong to the dialog's contents (a key being captured, a number
    // being typed), never to a button.
    button->setFocusPolicy(Qt::NoFocus);
    button->show();
    return button;
}

void SkinnedDialog::placeChrome()
{
    const int margin = UiScale::scaled(kMargin);
    m_title->setGeometry(margin, 0, width() - 2 * margin, UiScale::scaled(kTitleHeight));

    const int buttonWidth = UiScale::scaled(kButtonWidth);
    int x = width() - margin - buttonWidth;
    const int y = height() - margin - UiScale::scaled(kButtonHeight);
    for (QToolButton *button : {m_reject, m_middle, m_accept}) {
        if (!button)
            continue;
        button->move(x, y);
        x -= buttonWidth + UiScale::scaled(kButtonGap);
    }
}

void SkinnedDialog::resizeEvent(QResizeEvent *event)
{
    placeChrome();
    QDialog::resizeEvent(event);
    // Cut corners: left out where the desktop would show them black.
    if (isVisible())
        WindowShape::fitToPaint(this);
}

void SkinnedDialog::showEvent(QShowEvent *event)
{
    WindowShape::fitToPaint(this);
    QDialog::showEvent(event);
}

void SkinnedDialog::setBackgroundPicture(const QString &file)
{
    m_background = file;
    update();
}

void SkinnedDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QPixmap background = Skin::atScale(Skin::path(m_background));
    if (!background.isNull())
        Skin::drawSliced(painter, rect(), background, QMargins(16, kTitleHeight + 4, 16, 16));
    else
        painter.fillRect(rect(), QColor(28, 31, 36));

    // The theme colour marks the title, as it marks the active tab.
    const QColor accent = UiTheme::currentColor();
    const int titleHeight = UiScale::scaled(kTitleHeight);
    const int barHeight = qMax(2, UiScale::scaled(16));
    painter.fillRect(QRect(UiScale::scaled(kMargin) - qMax(2, UiScale::scaled(10)), (titleHeight - barHeight) / 2,
                           qMax(2, UiScale::scaled(3)), barHeight),
                     accent);

    if (m_themeFrame) {
        QPen pen(accent);
        pen.setWidth(2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void SkinnedDialog::mousePressEvent(QMouseEvent *event)
{
    // A frameless dialog is moved by dragging it anywhere.
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPos() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void SkinnedDialog::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

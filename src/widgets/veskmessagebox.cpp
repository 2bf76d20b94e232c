#include "veskmessagebox.h"

#include "windowshape.h"

#include "languagefont.h"
#include "skin.h"
#include "uiscale.h"
#include "uitheme.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace {

std::function<bool()> g_defaultReadyCheck;

// Design geometry of the box.
const int kMargin = 26;
const int kTitleHeight = 44;
const int kPictureSize = 64;
const int kButtonWidth = 100;
const int kButtonHeight = 30;
const int kButtonGap = 14;
const int kMinimumHeight = 200;

QFont messageFont()
{
    // Consolas where it is installed; fontconfig picks the nearest
    // monospace family elsewhere.
    QFont font(QStringLiteral("Consolas"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(qMax(1, UiScale::scaled(14)));
    return font;
}

} // namespace

VeskMessageBox::VeskMessageBox(int kind, const QString &title, const QString &text, QWidget *parent,
                               bool closeOnPlugIn)
    : QDialog(parent)
    , m_kind(kind)
    , m_closeOnPlugIn(closeOnPlugIn)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowTitle(title);
    setModal(true);

    m_title = new QLabel(title, this);
    QFont titleFont = LanguageFont::current(16);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setStyleSheet(QStringLiteral("color:white;background:transparent;"));

    const QString picture = pictureFor(kind);
    if (!picture.isEmpty()) {
        m_picture = new QLabel(this);
        m_picture->setAttribute(Qt::WA_TranslucentBackground, true);
        const int side = UiScale::scaled(kPictureSize);
        m_picture->setPixmap(Skin::picture(Skin::path(picture), QSize(side, side), Qt::KeepAspectRatio));
    }

    m_text = new QLabel(text, this);
    m_text->setFont(messageFont());
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text->setStyleSheet(QStringLiteral("color:rgb(225,229,235);background:transparent;"));

    if (kind == Question) {
        m_yes = makeButton(tr("Yes"));
        m_no = makeButton(tr("No"));
        connect(m_yes, &QToolButton::clicked, this, &QDialog::accept);
        connect(m_no, &QToolButton::clicked, this, &QDialog::reject);
    } else {
        m_ok = makeButton(tr("Ok"));
        connect(m_ok, &QToolButton::clicked, this, &QDialog::accept);
    }
    layoutContents();

    if (m_closeOnPlugIn) {
        m_plugInTimer = new QTimer(this);
        m_plugInTimer->setInterval(kPlugInCheckMs);
        connect(m_plugInTimer, &QTimer::timeout, this, &VeskMessageBox::checkMouseReady);
        m_plugInTimer->start();
    }
}

VeskMessageBox::~VeskMessageBox() = default;

QString VeskMessageBox::title() const { return m_title->text(); }

QString VeskMessageBox::text() const { return m_text->text(); }

void VeskMessageBox::setMouseReadyCheck(std::function<bool()> check) { m_readyCheck = std::move(check); }

void VeskMessageBox::setDefaultMouseReadyCheck(std::function<bool()> check)
{
    g_defaultReadyCheck = std::move(check);
}

QString VeskMessageBox::pictureFor(int kind)
{
    switch (kind) {
    case Question:
        return QStringLiteral("ask.png");
    case Warning:
        return QStringLiteral("warn.png");
    case Receiver:
        return QStringLiteral("dongle2.png");
    default:
        return QString();
    }
}

int VeskMessageBox::show(int kind, const QString &title, const QString &text, QWidget *parent)
{
    VeskMessageBox box(kind, title, text, parent);
    return box.exec();
}

QToolButton *VeskMessageBox::makeButton(const QString &text)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setFont(LanguageFont::current());
    button->setStyleSheet(UiTheme::dialogButtonStyle(UiTheme::currentColor()));
    button->setFixedSize(UiScale::scaled(QSize(kButtonWidth, kButtonHeight)));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void VeskMessageBox::layoutContents()
{
    const int width = UiScale::scaled(kDesignWidth);
    const int margin = UiScale::scaled(kMargin);
    const int titleHeight = UiScale::scaled(kTitleHeight);
    const int pictureSide = m_picture ? UiScale::scaled(kPictureSize) : 0;
    const int gap = m_picture ? UiScale::scaled(18) : 0;
    const int buttonHeight = UiScale::scaled(kButtonHeight);

    m_title->setGeometry(margin, 0, width - 2 * margin, titleHeight);

    // The box grows with its text, never below the minimum height.
    const int textLeft = margin + pictureSide + gap;
    const int textWidth = width - textLeft - margin;
    const QRect needed = QFontMetrics(m_text->font())
                             .boundingRect(QRect(0, 0, textWidth, 100000), Qt::TextWordWrap, m_text->text());
    const int bodyTop = titleHeight + UiScale::scaled(16);
    const int bodyHeight = qMax(qMax(needed.height(), pictureSide), UiScale::scaled(56));
    const int height = qMax(UiScale::scaled(kMinimumHeight),
                            bodyTop + bodyHeight + UiScale::scaled(20) + buttonHeight + margin);
    setFixedSize(width, height);

    const int bodyBottom = height - margin - buttonHeight - UiScale::scaled(20);
    if (m_picture) {
        const int top = bodyTop + (bodyBottom - bodyTop - pictureSide) / 2;
        m_picture->setGeometry(margin, top, pictureSide, pictureSide);
    }
    m_text->setGeometry(textLeft, bodyTop, textWidth, bodyBottom - bodyTop);

    const int buttonWidth = UiScale::scaled(kButtonWidth);
    const int buttonGap = UiScale::scaled(kButtonGap);
    int x = width - margin - buttonWidth;
    const int y = height - margin - buttonHeight;
    for (QToolButton *button : {m_ok, m_no, m_yes}) {
        if (!button)
            continue;
        button->move(x, y);
        x -= buttonWidth + buttonGap;
    }
}

void VeskMessageBox::checkMouseReady()
{
    const std::function<bool()> &check = m_readyCheck ? m_readyCheck : g_defaultReadyCheck;
    if (check && check()) {
        m_plugInTimer->stop();
        accept();
    }
}

void VeskMessageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Sliced so that the picture's title band keeps its height whatever the
    // height of the box.
    const QPixmap background = Skin::atScale(Skin::path(QStringLiteral("dlg.png")));
    if (!background.isNull()) {
        Skin::drawSliced(painter, rect(), background, QMargins(16, kTitleHeight + 4, 16, 16));
    } else {
        painter.fillRect(rect(), QColor(28, 31, 36));
    }
    // The theme colour marks the title, as it marks the active tab.
    const QColor accent = UiTheme::currentColor();
    const int titleHeight = UiScale::scaled(kTitleHeight);
    const int barHeight = qMax(2, UiScale::scaled(16));
    painter.fillRect(QRect(UiScale::scaled(kMargin) - qMax(2, UiScale::scaled(10)),
                           (titleHeight - barHeight) / 2, qMax(2, UiScale::scaled(3)), barHeight),
                     accent);
}

void VeskMessageBox::showEvent(QShowEvent *event)
{
    // Rounded corners: cut out where the desktop would show them black.
    WindowShape::fitToPaint(this);
    QDialog::showEvent(event);
}

void VeskMessageBox::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isVisible())
        WindowShape::fitToPaint(this);
}

void VeskMessageBox::keyPressEvent(QKeyEvent *event)
{
    // Return answers with the box's main button: "Yes" for a question.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void VeskMessageBox::mousePressEvent(QMouseEvent *event)
{
    // A frameless box is moved by dragging it anywhere.
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void VeskMessageBox::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPos() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void VeskMessageBox::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

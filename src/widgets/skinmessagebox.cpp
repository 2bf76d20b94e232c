#include "skinmessagebox.h"

#include "skin.h"
#include "uiscale.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {

std::function<bool()> g_defaultReadyCheck;

// Design geometry of the box's body.
const int kPictureSize = 64;
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

SkinMessageBox::SkinMessageBox(int kind, const QString &title, const QString &text, QWidget *parent,
                               bool closeOnPlugIn)
    : SkinnedDialog(parent)
    , m_kind(kind)
    , m_closeOnPlugIn(closeOnPlugIn)
{
    setTitle(title);

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
        addAcceptButton(tr("Yes"));
        addRejectButton(tr("No"));
    } else if (kind == SaveQuestion) {
        addAcceptButton(tr("Save"));
        addMiddleButton(tr("Discard"), Discarded);
        addRejectButton(tr("Cancel"));
    } else {
        addAcceptButton(tr("Ok"));
    }
    layoutContents();

    if (m_closeOnPlugIn) {
        m_plugInTimer = new QTimer(this);
        m_plugInTimer->setInterval(kPlugInCheckMs);
        connect(m_plugInTimer, &QTimer::timeout, this, &SkinMessageBox::checkMouseReady);
        m_plugInTimer->start();
    }
}

SkinMessageBox::~SkinMessageBox() = default;

QString SkinMessageBox::text() const { return m_text->text(); }

void SkinMessageBox::setMouseReadyCheck(std::function<bool()> check) { m_readyCheck = std::move(check); }

void SkinMessageBox::setDefaultMouseReadyCheck(std::function<bool()> check)
{
    g_defaultReadyCheck = std::move(check);
}

QString SkinMessageBox::pictureFor(int kind)
{
    switch (kind) {
    case Question:
    case SaveQuestion:
        return QStringLiteral("ask.png");
    case Warning:
        return QStringLiteral("warn.png");
    case Receiver:
        return QStringLiteral("dongle2.png");
    default:
        return QString();
    }
}

int SkinMessageBox::show(int kind, const QString &title, const QString &text, QWidget *parent)
{
    SkinMessageBox box(kind, title, text, parent);
    return box.exec();
}

void SkinMessageBox::layoutContents()
{
    const int width = UiScale::scaled(kDesignWidth);
    const int margin = UiScale::scaled(kMargin);
    const int titleHeight = UiScale::scaled(kTitleHeight);
    const int pictureSide = m_picture ? UiScale::scaled(kPictureSize) : 0;
    const int gap = m_picture ? UiScale::scaled(18) : 0;
    const int buttonHeight = UiScale::scaled(kButtonHeight);

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
}

void SkinMessageBox::checkMouseReady()
{
    const std::function<bool()> &check = m_readyCheck ? m_readyCheck : g_defaultReadyCheck;
    if (check && check()) {
        m_plugInTimer->stop();
        accept();
    }
}

void SkinMessageBox::keyPressEvent(QKeyEvent *event)
{
    // Return answers with the box's main button: "Yes" for a question.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

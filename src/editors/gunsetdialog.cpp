#include "gunsetdialog.h"

#include "config/paths.h"

#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skinmessagebox.h"
#include "widgets/skinbutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

namespace {

// Design geometry.
constexpr int kFieldX = 200;
constexpr int kColumnStep = 66;
constexpr int kColumnWidth = 60;
constexpr int kRowHeight = 28;
constexpr int kRailY = 148;
constexpr int kRailWidth = 340;
constexpr int kRailHeight = 56;
constexpr int kBulletWidth = 22;
constexpr int kBulletHeight = 48;
constexpr int kValueRowY[3] = {218, 258, 298};
const char *const kSpinStyle = "color: rgb(225,225,225);background:rgb(82,82,82)";

QSpinBox *spin(QWidget *parent, int minimum, int maximum, int value)
{
    auto *box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(QLatin1String(kSpinStyle));
    return box;
}

QLabel *label(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
    return l;
}

} // namespace

GunsetDialog::GunsetDialog(QWidget *parent)
    : SkinnedDialog(parent)
    , m_nameLabel(label(this))
    , m_name(new QLineEdit(this))
    , m_bulletLabel(label(this))
    , m_bulletChoice(new SkinButton(this))
{
    setObjectName(QStringLiteral("VeskGunsetDialog"));
    setModal(true);
    setThemeFrame(true);
    setBackgroundPicture(QStringLiteral("dlg_gun.png"));
    setTitle(tr("GUN SET"));
    setWindowTitle(tr("Gun Set"));
    m_nameLabel->setText(tr("GUNFILE NAME"));
    m_bulletLabel->setText(tr("BULLETS"));
    m_name->setMaxLength(kMaxNameLength);
    m_name->setStyleSheet(QStringLiteral("QToolTip{background-color:black}"
                                         "QLineEdit{border-width:2px;background-color:rgb(30,30,30);color:white}"));

    m_bulletChoice->setObjectName(QStringLiteral("bulletChoice"));
    m_bulletChoice->setPictures({Skin::path(QStringLiteral("bulletsel.png"))});
    auto *menu = new QMenu(m_bulletChoice);
    for (int n = 1; n <= kMaxRecoilBullets; ++n)
        connect(menu->addAction(QString::number(n)), &QAction::triggered, this, [this, n] { setBulletCount(n); });
    UiTheme::styleMenu(menu, 70);
    m_bulletChoice->setMenu(menu);

    const char *rowNames[3] = {QT_TR_NOOP("DELAY(MS)"), QT_TR_NOOP("Y"), QT_TR_NOOP("X")};
    for (size_t r = 0; r < m_rowLabels.size(); ++r) {
        m_rowLabels[r] = label(this);
        m_rowLabels[r]->setText(tr(rowNames[r]));
    }
    for (Column &column : m_columns) {
        column.delay = spin(this, 1, 999, 100);
        column.y = spin(this, -100, 100, 0);
        column.x = spin(this, -100, 100, 0);
    }

    QToolButton *yes = addAcceptButton(tr("Yes"));
    QToolButton *no = addRejectButton(tr("No"));
    yes->setObjectName(QStringLiteral("msgBoxYesBtn"));
    no->setObjectName(QStringLiteral("msgBoxNoBtn"));
    // "Yes" checks the name before it accepts.
    disconnect(yes, &QToolButton::clicked, this, &QDialog::accept);
    connect(yes, &QToolButton::released, this, &GunsetDialog::OnYesClick);

    layoutContents();
    setBulletCount(kMaxRecoilBullets);
}

std::vector<RecoilBullet> GunsetDialog::bullets() const
{
    std::vector<RecoilBullet> list;
    for (int i = 0; i < m_count; ++i) {
        const Column &c = m_columns[size_t(i)];
        list.push_back({c.delay->value(), c.y->value(), c.x->value()});
    }
    return list;
}

void GunsetDialog::setBulletCount(int count)
{
    m_count = qBound(1, count, kMaxRecoilBullets);
    m_bulletChoice->setText(QString::number(m_count));
    for (int i = 0; i < kMaxRecoilBullets; ++i) {
        const bool shown = i < m_count;
        m_columns[size_t(i)].delay->setVisible(shown);
        m_columns[size_t(i)].y->setVisible(shown);
        m_columns[size_t(i)].x->setVisible(shown);
    }
    update();
}

void GunsetDialog::OnYesClick()
{
    const QString name = m_name->text();
    if (name.isEmpty()) {
        SkinMessageBox::show(SkinMessageBox::Warning, tr("Warning"), tr("Please input file name."), this);
        return;
    }
    QString why;
    if (!Paths::isSafeFileName(name, &why)) {
        SkinMessageBox::show(SkinMessageBox::Warning, tr("Warning"), why, this);
        return;
    }
    m_fileName = name;
    accept();
}

void GunsetDialog::layoutContents()
{
    setDesignSize(QSize(kDesignWidth, kDesignHeight));
    const QFont font = LanguageFont::current();
    m_nameLabel->setGeometry(UiScale::scaled(40, 66, 150, kRowHeight));
    m_name->setGeometry(UiScale::scaled(kFieldX, 66, 320, kRowHeight));
    m_bulletLabel->setGeometry(UiScale::scaled(40, 106, 150, kRowHeight));
    m_bulletChoice->setGeometry(UiScale::scaled(kFieldX, 106, 70, kRowHeight));
    for (size_t r = 0; r < m_rowLabels.size(); ++r)
        m_rowLabels[r]->setGeometry(UiScale::scaled(40, kValueRowY[r], 150, kRowHeight));
    for (int i = 0; i < kMaxRecoilBullets; ++i) {
        const Column &c = m_columns[size_t(i)];
        const int x = kFieldX + i * kColumnStep;
        c.delay->setGeometry(UiScale::scaled(x, kValueRowY[0], kColumnWidth, kRowHeight));
        c.y->setGeometry(UiScale::scaled(x, kValueRowY[1], kColumnWidth, kRowHeight));
        c.x->setGeometry(UiScale::scaled(x, kValueRowY[2], kColumnWidth, kRowHeight));
    }
    for (QWidget *w : std::initializer_list<QWidget *>{m_nameLabel, m_name, m_bulletLabel, m_bulletChoice})
        w->setFont(font);
    for (QLabel *l : m_rowLabels)
        l->setFont(font);
    for (const Column &c : m_columns) {
        for (QSpinBox *box : {c.delay, c.y, c.x})
            box->setFont(font);
    }
}

void GunsetDialog::paintEvent(QPaintEvent *event)
{
    SkinnedDialog::paintEvent(event);
    QPainter painter(this);
    const QRect rail = UiScale::scaled(kFieldX - 10, kRailY, kRailWidth, kRailHeight);
    painter.drawPixmap(rail, Skin::picture(Skin::path(QStringLiteral("gunset_slider.png")), rail.size()));
    const QSize bullet = UiScale::scaled(QSize(kBulletWidth, kBulletHeight));
    const QPixmap picture = Skin::picture(Skin::path(QStringLiteral("gunset_bullet.png")), bullet);
    for (int i = 0; i < m_count; ++i) {
        const int x = UiScale::scaled(kFieldX + i * kColumnStep + (kColumnWidth - kBulletWidth) / 2);
        painter.drawPixmap(x, rail.top() + (rail.height() - bullet.height()) / 2, picture);
    }
}

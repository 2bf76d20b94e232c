#include "coloreditdialog.h"

#include "widgets/languagefont.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/huebar.h"
#include "widgets/saturationvaluearea.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

namespace {

// Design geometry, inside the margins of the dialog's chrome.
const QRect kSvArea(26, 56, 210, 210);
const QRect kHueBar(244, 56, 22, 210);
const int kColumnX[2] = {282, 376};
const int kRowY[3] = {56, 90, 124};
const int kLabelWidth = 22;
const int kSpinWidth = 62;
const int kFieldHeight = 26;
const int kFieldWidth = 178;   // the hexadecimal text, the swatch row, the preview
const QRect kHex(282, 164, kFieldWidth, 28);
const int kSwatchY = 212;
const int kSwatchSide = 22;
const int kSwatchGap = 4;
const QRect kPreview(282, 246, kFieldWidth, 28);

const QRgb kSwatches[ColorEditDialog::kSwatchCount] = {
    qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 255, 255),
    qRgb(255, 255, 0), qRgb(255, 0, 255), qRgb(255, 255, 255),
};

const char kFieldStyle[] = "background:rgb(24,26,30);color:white;border:1px solid rgb(90,94,100);"
                           "selection-background-color:rgb(90,94,100);";

QString rgbStyle(const QColor &color)
{
    return QStringLiteral("QPushButton{background:rgb(%1,%2,%3);border:1px solid rgb(120,124,130);}"
                          "QPushButton:hover{border:1px solid white;}")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue());
}

} // namespace

ColorEditDialog::ColorEditDialog(const QColor &initial, QWidget *parent)
    : SkinnedDialog(parent)
{
    setObjectName(QStringLiteral("VeskColorArea"));
    setTitle(tr("Color Edit"));

    m_svArea = new SaturationValueArea(this);
    m_hueBar = new HueBar(this);
    connect(m_hueBar, &HueBar::hueChanged, this,
            [this](int hue) { showHsv(hue, m_saturation, m_value, FromPicker); });
    connect(m_svArea, &SaturationValueArea::svChanged, this,
            [this](int saturation, int value) { showHsv(m_hue, saturation, value, FromPicker); });

    const char *hsvNames[3] = {"H:", "S:", "V:"};
    const char *rgbNames[3] = {"R:", "G:", "B:"};
    for (int i = 0; i < 3; ++i) {
        m_hsvLabels[size_t(i)] = makeLabel(QLatin1String(hsvNames[i]));
        m_rgbLabels[size_t(i)] = makeLabel(QLatin1String(rgbNames[i]));
        m_hsv[size_t(i)] = makeSpinBox(i == 0 ? 359 : 255);
        m_rgb[size_t(i)] = makeSpinBox(255);
        connect(m_hsv[size_t(i)], qOverload<int>(&QSpinBox::valueChanged), this, [this] {
            showHsv(m_hsv[0]->value(), m_hsv[1]->value(), m_hsv[2]->value(), FromHsv);
        });
        connect(m_rgb[size_t(i)], qOverload<int>(&QSpinBox::valueChanged), this, [this] {
            showRgb(QColor(m_rgb[0]->value(), m_rgb[1]->value(), m_rgb[2]->value()), FromRgb);
        });
    }

    m_hex = new QLineEdit(this);
    m_hex->setObjectName(QStringLiteral("hex"));
    m_hex->setFont(LanguageFont::current());
    m_hex->setStyleSheet(QLatin1String(kFieldStyle));
    m_hex->setMaxLength(7);
    connect(m_hex, &QLineEdit::textEdited, this, &ColorEditDialog::onHexEdited);
    // Text that is not a colour is dropped when the field is left.
    connect(m_hex, &QLineEdit::editingFinished, this, [this] { refreshEditors(FromOutside); });

    for (int i = 0; i < kSwatchCount; ++i) {
        auto *swatch = new QPushButton(this);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(i));
        swatch->setStyleSheet(rgbStyle(swatchColor(i)));
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setFocusPolicy(Qt::NoFocus);
        connect(swatch, &QPushButton::clicked, this, [this, i] { setColor(swatchColor(i)); });
        m_swatches[size_t(i)] = swatch;
    }

    QToolButton *apply = addAcceptButton(tr("APPLY"));
    addRejectButton(tr("Cancel"));
    connect(apply, &QToolButton::clicked, this, &ColorEditDialog::colorApplied);

    layoutContents();
    showRgb(initial.isValid() ? initial : QColor(0, 0, 0), FromOutside);
}

QColor ColorEditDialog::swatchColor(int index)
{
    return QColor(kSwatches[index >= 0 && index < kSwatchCount ? index : 0]);
}

void ColorEditDialog::setColor(const QColor &color) { showRgb(color, FromOutside); }

QLabel *ColorEditDialog::makeLabel(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setFont(LanguageFont::current());
    label->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
    return label;
}

QSpinBox *ColorEditDialog::makeSpinBox(int maximum)
{
    auto *box = new QSpinBox(this);
    box->setRange(0, maximum);
    UiTheme::styleSpinBox(box);
    return box;
}

void ColorEditDialog::showHsv(int hue, int saturation, int value, Source source)
{
    m_hue = qBound(0, hue, 359);
    m_saturation = qBound(0, saturation, 255);
    m_value = qBound(0, value, 255);
    const QColor hsv = QColor::fromHsv(m_hue, m_saturation, m_value);
    m_color = QColor(hsv.red(), hsv.green(), hsv.blue());
    refreshEditors(source);
}

void ColorEditDialog::showRgb(const QColor &color, Source source)
{
    const QColor rgb = color.toRgb();
    m_color = QColor(rgb.red(), rgb.green(), rgb.blue());
    const QColor hsv = m_color.toHsv();
    // A grey has no hue (-1): the hue shown stays where it was.
    if (hsv.hsvHue() >= 0)
        m_hue = hsv.hsvHue();
    m_saturation = hsv.hsvSaturation();
    m_value = hsv.value();
    refreshEditors(source);
}

void ColorEditDialog::refreshEditors(Source source)
{
    if (source != FromHsv) {
        for (QSpinBox *box : m_hsv)
            box->blockSignals(true);
        m_hsv[0]->setValue(m_hue);
        m_hsv[1]->setValue(m_saturation);
        m_hsv[2]->setValue(m_value);
        for (QSpinBox *box : m_hsv)
            box->blockSignals(false);
    }
    if (source != FromRgb) {
        for (QSpinBox *box : m_rgb)
            box->blockSignals(true);
        m_rgb[0]->setValue(m_color.red());
        m_rgb[1]->setValue(m_color.green());
        m_rgb[2]->setValue(m_color.blue());
        for (QSpinBox *box : m_rgb)
            box->blockSignals(false);
    }
    if (source != FromHex) {
        const QSignalBlocker blocker(m_hex);
        m_hex->setText(m_color.name().toUpper());
    }
    m_hueBar->setHue(m_hue);
    m_svArea->setHue(m_hue);
    m_svArea->setSaturationValue(m_saturation, m_value);
    update();
    emit colorChanged(m_color);
}

void ColorEditDialog::onHexEdited(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return;   // not (yet) a colour: the editors keep the last one
    showRgb(QColor(QLatin1Char('#') + match.captured(1)), FromHex);
}

void ColorEditDialog::layoutContents()
{
    setDesignSize(QSize(kDesignWidth, kDesignHeight));
    m_svArea->setGeometry(UiScale::scaled(kSvArea));
    m_hueBar->setGeometry(UiScale::scaled(kHueBar));
    for (int i = 0; i < 3; ++i) {
        const int y = kRowY[i];
        m_hsvLabels[size_t(i)]->setGeometry(UiScale::scaled(QRect(kColumnX[0], y, kLabelWidth, kFieldHeight)));
        m_hsv[size_t(i)]->setGeometry(
            UiScale::scaled(QRect(kColumnX[0] + kLabelWidth, y, kSpinWidth, kFieldHeight)));
        m_rgbLabels[size_t(i)]->setGeometry(UiScale::scaled(QRect(kColumnX[1], y, kLabelWidth, kFieldHeight)));
        m_rgb[size_t(i)]->setGeometry(
            UiScale::scaled(QRect(kColumnX[1] + kLabelWidth, y, kSpinWidth, kFieldHeight)));
    }
    m_hex->setGeometry(UiScale::scaled(kHex));
    for (int i = 0; i < kSwatchCount; ++i) {
        m_swatches[size_t(i)]->setGeometry(UiScale::scaled(
            QRect(kColumnX[0] + i * (kSwatchSide + kSwatchGap), kSwatchY, kSwatchSide, kSwatchSide)));
    }
}

void ColorEditDialog::paintEvent(QPaintEvent *event)
{
    SkinnedDialog::paintEvent(event);
    // The colour being edited, below the swatches.
    QPainter painter(this);
    const QRect preview = UiScale::scaled(kPreview);
    painter.fillRect(preview, m_color);
    painter.setPen(QColor(120, 124, 130));
    painter.drawRect(preview.adjusted(0, 0, -1, -1));
}

#include "devicestatuspanel.h"

#include "windowcontrols.h"

#include "config/appconfig.h"
#include "device/mouselist.h"
#include "device/statusquery.h"
#include "widgets/batterybar.h"
#include "widgets/skin.h"
#include "widgets/uilog.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skinlabel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace {

// The bar's own text in bold at 16 design pixels, made smaller where it would
// not fit the bar ("MOUSE OFF" and its translations are wider than the 71
// design units of the bar).
int fittedPixels(const QWidget *bar, const QString &text)
{
    int pixels = UiScale::scaled(DeviceStatusPanel::kBarFontPixels);
    QFont font = bar->font();
    font.setBold(true);
    const int room = bar->width() - qMax(2, UiScale::scaled(4));
    while (pixels > 6) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= room)
            break;
        --pixels;
    }
    return pixels;
}

} // namespace

int DeviceStatusPanel::modeFor(bool receiverCommand, bool cableCommand, bool charging)
{
    if (cableCommand)
        return receiverCommand ? ReceiverCharging : CableOnly;
    if (receiverCommand)
        return charging ? ReceiverCharging : ReceiverOnly;
    return NoConnection;
}

DeviceStatusPanel::DeviceStatusPanel(WindowControls &controls, QWidget *window)
    : m_controls(controls)
    , m_window(window)
{
}

void DeviceStatusPanel::loadSettings()
{
    m_fullMillivolts = batteryFullMillivolts();
    m_lastLevel = AppConfig::battery();
    m_controls.battery->setValue(qBound(0, m_lastLevel, 100));
}

bool DeviceStatusPanel::cablePresent()
{
    const MouseList &list = mouseList();
    return list.count > 0 && list.entries[0].collection(MouseCollection::CableCommand).found;
}

void DeviceStatusPanel::applyNormalLook()
{
    m_controls.battery->applyNormalStyle(UiTheme::currentColor(), UiScale::scaled(kBarFontPixels));
}

QString DeviceStatusPanel::mouseOffText() { return QCoreApplication::translate("MainWindow", "MOUSE OFF"); }

void DeviceStatusPanel::showBattery(quint8 charge, quint8 lowByte, quint8 highByte)
{
    BatteryBar *bar = m_controls.battery;
    const StatusAnswer answer{lowByte, highByte, charge};
    if (answer.mouseOff()) {
        bar->setBarText(mouseOffText());
        bar->setTextVisible(true);
        bar->applyOffStyle(fittedPixels(bar, bar->barText()));
        m_controls.charge->hide();
        m_mouseOff = true;
        return;
    }

    m_mouseOff = false;
    const bool cable = cablePresent();
    bar->setBarText(QString());
    bar->setTextVisible(true);
    // Over the cable the mouse charges: the bar stands full, without a number.
    bar->setFormat(cable ? QString() : QStringLiteral("%p%"));
    applyNormalLook();
    m_charging = charge;

    const int level = batteryLevel(answer.rawBattery(), m_fullMillivolts);
    if (level != m_lastLevel) {
        m_lastLevel = level;
        if (!AppConfig::setBattery(level))
            qCDebug(lcUi, "the battery level could not be stored");
    }
    bar->setValue(cable ? 100 : level);
    updateMode();
}

void DeviceStatusPanel::updateMode()
{
    const MouseList &list = mouseList();
    bool receiver = false;
    bool cable = false;
    if (list.count > 0) {
        receiver = list.entries[0].collection(MouseCollection::ReceiverCommand).found != 0;
        cable = list.entries[0].collection(MouseCollection::CableCommand).found != 0;
    }
    m_mode = modeFor(receiver, cable, m_charging != 0);
    m_controls.battery->setVisible(m_mode == ReceiverOnly || m_mode == NoConnection);
    m_controls.dongle->setVisible(m_mode == ReceiverCharging || m_mode == ReceiverOnly);
    // Charging shows as mode 1, not as the lightning picture.
    m_controls.charge->hide();
    m_window->update();
}

void DeviceStatusPanel::restyle()
{
    if (m_mouseOff)
        m_controls.battery->applyOffStyle(fittedPixels(m_controls.battery, m_controls.battery->barText()));
    else
        applyNormalLook();
}

void DeviceStatusPanel::paintFrame(QPainter &painter) const
{
    const bool frameOn = m_mode <= ReceiverCharging;
    const QRect frame = UiScale::scaled(WindowControls::kBatteryFrame);
    const QPixmap picture = Skin::picture(Skin::path(QLatin1String(frameOn ? "bat2.png" : "bat1.png")), frame.size());
    if (!picture.isNull())
        painter.drawPixmap(frame.topLeft(), picture);
}

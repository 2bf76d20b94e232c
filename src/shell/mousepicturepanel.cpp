#include "mousepicturepanel.h"

#include "windowcontrols.h"

#include "widgets/skin.h"
#include "widgets/skinlabel.h"
#include "widgets/skinbutton.h"

#include <QImageReader>

MousePicturePanel::MousePicturePanel(WindowControls &controls)
    : m_controls(controls)
{
}

QString MousePicturePanel::modelFolder() const
{
    return Skin::path(QStringLiteral("mouse/") + m_model + QLatin1Char('/'));
}

void MousePicturePanel::setModel(const QString &model)
{
    m_model = model;
    reloadPictures();
}

void MousePicturePanel::reloadPictures()
{
    if (m_model.isEmpty() || !showFrontPicture(modelFolder() + QStringLiteral("Mouse.png")))
        m_controls.frontPicture->clearPicture();
    m_controls.sidePicture->clearPicture();
    m_sideModel.clear();
    // isHidden, not isVisible: while the window itself is being shown its
    // children do not count as visible yet.
    if (!m_controls.sidePicture->isHidden())
        loadSidePicture();
}

bool MousePicturePanel::showFrontPicture(const QString &file)
{
    // After the background the largest picture of the first paint: its
    // scaled copy comes from the disk cache.
    SkinLabel *label = m_controls.frontPicture;
    const QSize natural = QImageReader(file).size();
    if (!natural.isValid() || label->size().isEmpty())
        return false;
    const QImage image = m_cache.picture(file, natural.scaled(label->size(), Qt::KeepAspectRatio));
    if (image.isNull())
        return false;
    label->clearPicture();
    label->setPixmap(QPixmap::fromImage(image));
    return true;
}

void MousePicturePanel::loadSidePicture()
{
    if (m_sideModel == m_model)
        return;
    m_sideModel = m_model;
    // No slash before the suffix: the side pictures stand beside the folders.
    if (m_model.isEmpty()
        || !m_controls.sidePicture->setPicture(Skin::path(QStringLiteral("mouse/") + m_model + QStringLiteral("_Side.png"))))
        m_controls.sidePicture->clearPicture();
}

void MousePicturePanel::showForTab(PageTab tab)
{
    m_tab = tab;
    const bool lighting = tab == PageTab::Lighting;
    const bool buttons = tab == PageTab::Customize;
    const bool side = buttons && !m_front;
    m_controls.frontPicture->setVisible(lighting || (buttons && m_front));
    m_controls.sidePicture->setVisible(side);
    if (side)
        loadSidePicture();
    m_controls.modelLabel->setVisible(lighting || buttons);
    m_controls.front->setVisible(buttons);
    m_controls.side->setVisible(buttons);
    for (SkinButton *spot : m_controls.frontSpots)
        spot->setVisible(buttons && m_front);
    for (SkinButton *spot : m_controls.sideSpots)
        spot->setVisible(side);
    // The wheel is seen from the front only.
    m_controls.wheelUp->setVisible(buttons && m_front);
    m_controls.wheelDown->setVisible(buttons && m_front);
}

void MousePicturePanel::setFrontView(bool front)
{
    m_front = front;
    showForTab(m_tab);
}

bool MousePicturePanel::selectSpot(int group, int index)
{
    SkinButton *chosen = m_controls.spot(group, index);
    if (!chosen)
        return false;
    m_group = group;
    m_spot = index;
    for (int g = 0; g < WindowControls::SpotGroupCount; ++g) {
        for (int i = 0; SkinButton *spot = m_controls.spot(g, i); ++i)
            spot->setState(1);
    }
    chosen->setState(0);
    return true;
}

void MousePicturePanel::clearSelection()
{
    m_group = 0;
    m_spot = 0;
}

void MousePicturePanel::hover(SkinButton *button, bool over)
{
    int group = -1;
    int index = -1;
    if (!m_controls.findSpot(button, &group, &index) && button && button->property("hotSpot").isValid())
        index = button->property("hotSpot").toInt();
    hoverButton(index, over);
}

void MousePicturePanel::hoverButton(int index, bool over)
{
    if (index < 0 || m_model.isEmpty())
        return;
    // A picture that cannot be read leaves the one shown.
    if (over)
        m_controls.frontPicture->setPicture(modelFolder() + QString::asprintf("mouse_%d.png", index + 1));
    else
        showFrontPicture(modelFolder() + QStringLiteral("Mouse.png"));
}

#pragma once

#include "editors/pagetab.h"

#include "scaledpicturecache.h"

#include <QString>

class SkinButton;
class WindowControls;

// The mouse beside the pages: its front or side picture with the label under
// it, the hot spots over the picture (20 front, 20 side, the two wheel
// arrows) with the one that is selected, and the picture of a single button
// while the pointer is over its spot.
//
// Pictures are loaded for the current model; the side picture only when it is
// first shown, the front picture from the disk cache of scaled pictures.
class MousePicturePanel {
public:
    explicit MousePicturePanel(WindowControls &controls);

    // The model whose pictures are shown ("" for none).
    void setModel(const QString &model);
    // Loads the pictures again at the labels' current size (after a change
    // of scale or model).
    void reloadPictures();

    // What the tab shows of the mouse: tab 0 the front picture and its label,
    // tab 1 the picture of the chosen view with its spots and the view
    // buttons, the other tabs nothing.
    void showForTab(PageTab tab);
    bool frontView() const { return m_front; }
    void setFrontView(bool front);

    // Spot `index` of `group` becomes the selected one: every spot goes to
    // state 1, the selected one to state 0. False (nothing changed) for a
    // spot that does not exist.
    bool selectSpot(int group, int index);
    // Forgets the selection (model or mouse changed).
    void clearSelection();
    int selectedGroup() const { return m_group; }
    int selectedSpot() const { return m_spot; }

    // The pointer entered (true) or left a hot spot: button n's picture, or
    // the whole mouse again. A button of a page names its spot with the
    // property "hotSpot".
    void hover(SkinButton *button, bool over);
    // The same for button `index` of the front picture.
    void hoverButton(int index, bool over);

private:
    bool showFrontPicture(const QString &file);
    void loadSidePicture();
    QString modelFolder() const;

    WindowControls &m_controls;
    ScaledPictureCache m_cache;
    QString m_model;
    QString m_sideModel;   // whose side picture the label holds
    bool m_front = true;
    PageTab m_tab = PageTab::Lighting;
    int m_group = 0;
    int m_spot = 0;
};

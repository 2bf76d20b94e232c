#pragma once

#include "pagecontext.h"
#include "pagetab.h"

#include "config/mouseconfig.h"

#include <QRect>

class QWidget;

// Where a page stands in the window and what it edits, known before the
// page is built: until its tab is first shown, the host keeps a placeholder
// of the page's size and object name in its place. Every page class states
// its place in `static PagePlace placement()`.
struct PagePlace {
    PageTab tab;
    QRect baseGeometry;       // design units of the 999 x 640 window
    // The page's object name, and its placeholder's, so that tests and
    // style sheets find it before and after it is built.
    const char *objectName;
    // The page scrolls inside the host's scroll area, which stands at the
    // base geometry; the page is EditorPage::kButtonPageWidth wide and as
    // high as the product's buttons need (EditorPage::buttonPageHeight).
    bool scrolls = false;
    // The page edits the lighting profile rather than the current one.
    bool editsLighting = false;
};

// One editing page of the main window. A page is a widget placed at the base
// geometry of its place (scaled by the host) and shown on its tab. The window talks to it through this interface only; the
// page talks back through the PageEvents it was created with.
//
// Pages edit one way: show() hands a page the working copy of its profile
// and of the configuration (the window's edited record), and the user's
// actions write into it, each into its own field. Apply sends what the copy
// holds and the stored record does not; Cancel, a reset, a load and a
// profile switch replace the copy and show the pages again.
//
// Filling never writes: show() fills the controls with their signals
// blocked. A value out of a control's range is shown clamped and left as it
// is in the record; only the user's own actions write.
class EditorPage {
public:
    virtual ~EditorPage();

    virtual QWidget *widget() = 0;

    // Fills the page from `profile` and `config`, which the page edits until
    // the next call. The lighting page is handed the lighting profile, the
    // others the current one.
    virtual void show(ProfileData &profile, MouseConfig &config, const PageContext &context) = 0;
    virtual void retranslate() {}
    // Before Apply, closing and quitting: a page that holds edits the record
    // does not carry (macro rows live in their files) asks the user whether
    // to keep them. False: the user chose to stay, and nothing goes on.
    virtual bool settleUnsavedEdits() { return true; }
    // Cancel: such edits are thrown away without a question.
    virtual void discardUnsavedEdits() {}
    // The scale factor changed: the host has set the base geometry already.
    virtual void setScale(double factor) { (void)factor; }

    // What the mouse changed with its own buttons; the record holds the new
    // value already.
    virtual void showDpiStage(int stage) { (void)stage; }
    virtual void showRate(int rateCode) { (void)rateCode; }
    // The one lift-off distance of the record changed on another page.
    virtual void showLift(int liftHigh) { (void)liftHigh; }
    virtual void showLightMode(int mode) { (void)mode; }

    // The hot spot chosen over the mouse picture, and the view shown.
    virtual void selectButton(int index, int group) { (void)index; (void)group; }
    virtual void showView(bool frontView) { (void)frontView; }

    // The button page is 332 wide and 440 high, or taller when the product
    // has more buttons than fit: 50 units per button plus 20.
    static constexpr int kButtonPageWidth = 332;
    static int buttonPageHeight(int buttonCount);
};

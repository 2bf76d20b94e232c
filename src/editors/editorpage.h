#pragma once

#include "pagecontext.h"
#include "pagetab.h"

#include "config/mouseconfig.h"

#include <QRect>

class QWidget;

// One editing page of the main window. A page is a widget placed at its base
// geometry (design units of the 999 x 640 window, scaled by the host) and
// shown on its tab. The window talks to it through this interface only; the
// page talks back through the PageEvents it was created with.
//
// Filling never writes: show() fills the controls with their signals blocked
// and keeps the profile it is handed for the user's edits until the next
// show(). A value out of a control's range is shown clamped and left as it
// is in the record; only the user's own actions write.
//
// Every show() stands for a record that was replaced (a reset, a load, a
// profile switch, Cancel): a page drops whatever it held outside the record
// and shows the record alone. Whoever re-shows the pages without replacing
// the record gathers them into it first.
class EditorPage {
public:
    // The places in the window, in the order the pages are built and
    // refreshed.
    enum Slot { Lighting, Buttons, Performance, ReportRate, Dpi, Macros, SlotCount };

    virtual ~EditorPage();

    virtual Slot slot() const = 0;
    virtual QWidget *widget() = 0;
    // The tab and base geometry of the page; by default those of its slot.
    virtual PageTab tab() const { return tabOf(slot()); }
    virtual QRect baseGeometry() const { return baseGeometryOf(slot()); }

    // Fills the page from `profile`, which the page edits until the next
    // call, and drops what the page held outside the record. The lighting
    // page is handed the lighting profile, the others the current one.
    virtual void show(ProfileData &profile, const PageContext &context) = 0;
    // The values the page holds outside the record, into `profile` and
    // `config` (Apply, or a copy to compare or save). The page keeps them:
    // gathering into a copy must not lose them.
    virtual void gather(ProfileData &profile, MouseConfig &config) const { (void)profile; (void)config; }
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
    // value already, and it replaces a choice of the page not applied yet.
    virtual void showDpiStage(int stage) { (void)stage; }
    virtual void showRate(int rateCode) { (void)rateCode; }
    // The one lift-off distance of the record changed (on this page or
    // another).
    virtual void showLift(int liftHigh) { (void)liftHigh; }
    virtual void showLightMode(int mode) { (void)mode; }

    // The hot spot chosen over the mouse picture, and the view shown.
    virtual void selectButton(int index, int group) { (void)index; (void)group; }
    virtual void showView(bool frontView) { (void)frontView; }

    static PageTab tabOf(Slot slot);
    static QRect baseGeometryOf(Slot slot);
    // The object name of the page class a slot stands for, so that tests and
    // style sheets find a page before and after its class exists.
    static const char *objectNameOf(Slot slot);

    // The button page is 332 wide and 440 high, or taller when the product
    // has more buttons than fit: 50 units per button plus 20.
    static constexpr int kButtonPageWidth = 332;
    static int buttonPageHeight(int buttonCount);
};

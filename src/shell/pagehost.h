#pragma once

#include "editors/editorpage.h"
#include "editors/pageevents.h"

#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QScrollArea;
class QWidget;

// The editing pages of the main window and everything the window asks of
// them: show a profile, hand back what the user edited, follow what the mouse
// changed by itself, scale and translate.
//
// A page is registered as a factory for its slot (see pageregistry.cpp).
// A slot without a page holds a plain transparent widget of the page's size,
// so that the window lays out and works the same with or without it. Pages
// of the first tab are built at once; the others when their tab is first
// shown (or a test asks for them), which keeps the start fast. A page that
// is built later is shown the profile the others were shown last.
class PageHost {
public:
    using Factory = std::function<EditorPage *(PageEvents &events, QWidget *parent)>;

    explicit PageHost(QWidget *window);
    ~PageHost();

    PageEvents &events() { return *m_events; }

    // Registers the page of a slot; the last registration of a slot wins.
    void add(EditorPage::Slot slot, Factory factory);
    template <class Page>
    void add()
    {
        add(Page::kSlot, [](PageEvents &events, QWidget *parent) -> EditorPage * { return new Page(events, parent); });
    }

    // Creates the slots (placeholders and the scroll area of the button
    // page) and the pages of `firstTab`. `buttonCount` sizes the button page.
    void build(int buttonCount, PageTab firstTab);
    // Base geometry at the process-wide scale factor.
    void layout();
    void retranslate();

    // Shows the pages of `tab`, hides the others; builds them first if needed.
    void showForTab(PageTab tab);

    // Fills every built page: the lighting page with the lighting profile,
    // the others with the current profile of `config`.
    void refresh(MouseConfig &config, const PageContext &context);
    // Apply: the pages' values into the current (and lighting) profile.
    // Every built page settles the edits it holds outside the record
    // (EditorPage::settleUnsavedEdits); false as soon as one is kept.
    bool settleUnsavedEdits();
    // Cancel: every built page throws such edits away.
    void discardUnsavedEdits();
    void gather(MouseConfig &config) const;

    // What the mouse changed, the hot spot chosen, the view shown.
    void showDpiStage(int stage);
    void showRate(int rateCode);
    void showLift(int liftHigh);
    void showLightMode(int mode);
    void selectButton(int index, int group);
    void showView(bool frontView);

    // The page of `slot`, built now if it was registered and not built yet;
    // null when no page is registered for it.
    EditorPage *page(EditorPage::Slot slot);
    // What stands in `slot`: the page or its placeholder.
    QWidget *slotWidget(EditorPage::Slot slot) const;
    QScrollArea *buttonArea() const { return m_buttonArea; }

private:
    EditorPage *ensureBuilt(EditorPage::Slot slot);
    void place(EditorPage::Slot slot, QWidget *widget);
    template <class Call>
    void forEachBuilt(Call call);

    QWidget *m_window;
    std::unique_ptr<PageEvents> m_events;
    std::array<Factory, EditorPage::SlotCount> m_factories;
    std::array<EditorPage *, EditorPage::SlotCount> m_pages{};
    // For a page that is a QObject: null once Qt has deleted it with its
    // parent, so that the host never deletes it twice.
    std::array<QPointer<QObject>, EditorPage::SlotCount> m_pageObjects{};
    std::array<bool, EditorPage::SlotCount> m_pageIsObject{};
    std::array<QWidget *, EditorPage::SlotCount> m_widgets{};
    QScrollArea *m_buttonArea = nullptr;
    int m_buttonCount = 0;
    PageTab m_tab = PageTab::Lighting;

    // What the pages were shown last, for a page built later.
    MouseConfig *m_config = nullptr;
    PageContext m_context;
};

#pragma once

#include "editors/editorpage.h"
#include "editors/pageevents.h"

#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

class QScrollArea;
class QWidget;

// The editing pages of the main window and everything the window asks of
// them: show the record they edit, follow what the mouse changed by itself,
// scale and translate. A lift-off click on one page shows on the other
// (PageEvents::liftChanged).
//
// A page class is registered with one line, `host.add<Page>()` (see
// pageregistry.cpp): the class states its place (`static PagePlace
// placement()`) and takes (PageEvents &, const PageContext &, QWidget *parent)
// in its constructor; the context carries the product's facts.
// Until a page is built its place holds a plain transparent widget of the
// page's size and object name, so that the window lays out and works the
// same either way. Pages of the first tab are built at once; the others when
// their tab is first shown (or a test asks for them), which keeps the start
// fast. A page that is built later is shown the profile the others were
// shown last. A page is a widget: it goes with the window.
class PageHost {
public:
    using Factory = std::function<EditorPage *(PageEvents &events, const PageContext &context, QWidget *parent)>;

    explicit PageHost(QWidget *window);
    ~PageHost();

    PageEvents &events() { return *m_events; }

    // Registers a page class; a later registration of the same class
    // replaces the earlier one. Pages are built, shown and asked in the
    // order of their registration.
    template <class Page>
    void add()
    {
        add(Page::placement(), typeid(Page),
            [](PageEvents &events, const PageContext &context, QWidget *parent) -> EditorPage * {
                return new Page(events, context, parent);
            });
    }

    // Creates the places (placeholders and the scroll area of a scrolling
    // page) and the pages of `firstTab`; pages are built with `context`
    // until the first refresh. The product's shown buttons size a scrolling
    // page.
    void build(const PageContext &context, PageTab firstTab);
    // Base geometry at the process-wide scale factor.
    void layout();
    void retranslate();

    // Shows the pages of `tab`, hides the others; builds them first if needed.
    void showForTab(PageTab tab);

    // Fills every built page: a page that edits the lighting profile with
    // that, the others with the current profile of `config`; the pages edit
    // `config` from now on.
    void refresh(MouseConfig &config, const PageContext &context);
    // Before Apply: every built page settles the edits it holds outside the
    // record (EditorPage::settleUnsavedEdits); false as soon as one is kept.
    bool settleUnsavedEdits();
    // Cancel: every built page throws such edits away.
    void discardUnsavedEdits();

    // What the mouse changed, the hot spot chosen, the view shown. A hot
    // spot chooses a button of the Customize tab, whose pages are built for
    // it.
    void showDpiStage(int stage);
    void showRate(int rateCode);
    void showLightMode(int mode);
    void selectButton(int index, int group);
    void showView(bool frontView);

    // The page of class `Page`, built now if it was registered and not built
    // yet; null when it is not registered.
    template <class Page>
    Page *page()
    {
        const int i = indexOf(typeid(Page));
        return i < 0 ? nullptr : dynamic_cast<Page *>(ensureBuilt(i));
    }
    // What stands in the place of `Page`: the page or its placeholder.
    template <class Page>
    QWidget *placeOf() const
    {
        const int i = indexOf(typeid(Page));
        return i < 0 ? nullptr : m_entries[size_t(i)].widget;
    }
    QScrollArea *buttonArea() const { return m_scrollArea; }

private:
    struct Entry {
        PagePlace place;
        std::type_index type;
        Factory factory;
        EditorPage *page = nullptr;
        QWidget *widget = nullptr;   // the page's widget or its placeholder
    };

    void add(const PagePlace &place, std::type_index type, Factory factory);
    // A lift-off click on one page: the others show it.
    void showLift(int liftHigh);
    int indexOf(std::type_index type) const;
    EditorPage *ensureBuilt(int index);
    void put(Entry &entry, QWidget *widget);
    void setGeometry(const Entry &entry);
    ProfileData &profileFor(const Entry &entry, MouseConfig &config) const;
    template <class Call>
    void forEachBuilt(Call call);

    QWidget *m_window;
    std::unique_ptr<PageEvents> m_events;
    std::vector<Entry> m_entries;
    QScrollArea *m_scrollArea = nullptr;
    PageTab m_tab = PageTab::Lighting;

    // What the pages were shown last, for a page built later.
    MouseConfig *m_config = nullptr;
    PageContext m_context;
};

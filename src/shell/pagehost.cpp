#include "pagehost.h"

#include "config/profilerules.h"
#include "widgets/uiscale.h"

#include <QScrollArea>
#include <QWidget>

PageHost::PageHost(QWidget *window)
    : m_window(window)
    , m_events(std::make_unique<PageEvents>())
{
    QObject::connect(m_events.get(), &PageEvents::liftChanged, m_events.get(),
                     [this](int liftHigh) { showLift(liftHigh); });
}

PageHost::~PageHost() = default;

void PageHost::add(const PagePlace &place, std::type_index type, Factory factory)
{
    const int i = indexOf(type);
    if (i >= 0)
        m_entries[size_t(i)].factory = std::move(factory);
    else
        m_entries.push_back(Entry{place, type, std::move(factory)});
}

int PageHost::indexOf(std::type_index type) const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].type == type)
            return int(i);
    }
    return -1;
}

void PageHost::build(const PageContext &context, PageTab firstTab)
{
    m_context = context;
    m_tab = firstTab;

    // A page with more buttons than fit scrolls; the area is invisible
    // around it.
    m_scrollArea = new QScrollArea(m_window);
    m_scrollArea->setObjectName(QStringLiteral("buttonArea"));
    m_scrollArea->setWindowFlags(Qt::FramelessWindowHint);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setStyleSheet(QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}"));
    m_scrollArea->viewport()->setStyleSheet(QStringLiteral("background-color:transparent;margin:0px;"));
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    for (size_t i = 0; i < m_entries.size(); ++i) {
        Entry &entry = m_entries[i];
        if (entry.place.tab == firstTab) {
            ensureBuilt(int(i));
            continue;
        }
        // The place of a page not built yet: transparent, named after it.
        auto *placeholder = new QWidget;
        placeholder->setObjectName(QLatin1String(entry.place.objectName));
        placeholder->setAttribute(Qt::WA_TranslucentBackground, true);
        put(entry, placeholder);
    }
}

void PageHost::put(Entry &entry, QWidget *widget)
{
    QWidget *old = entry.widget;
    entry.widget = widget;
    if (entry.place.scrolls) {
        if (old)
            m_scrollArea->takeWidget();
        m_scrollArea->setWidget(widget);
    } else {
        widget->setParent(m_window);
    }
    if (old)
        old->deleteLater();
    setGeometry(entry);
    widget->setVisible(entry.place.tab == m_tab);
}

void PageHost::setGeometry(const Entry &entry)
{
    if (entry.place.scrolls) {
        m_scrollArea->setGeometry(UiScale::scaled(entry.place.baseGeometry));
        entry.widget->setFixedSize(UiScale::scaled(EditorPage::kButtonPageWidth),
                                   UiScale::scaled(EditorPage::buttonPageHeight(m_context.product.shownButtonCount)));
    } else {
        entry.widget->setGeometry(UiScale::scaled(entry.place.baseGeometry));
    }
}

ProfileData &PageHost::profileFor(const Entry &entry, MouseConfig &config) const
{
    return entry.place.editsLighting ? lightingProfile(config, m_context.modelName) : currentProfile(config);
}

EditorPage *PageHost::ensureBuilt(int index)
{
    Entry &entry = m_entries[size_t(index)];
    if (entry.page || !entry.factory || !m_scrollArea)
        return entry.page;
    EditorPage *page = entry.factory(*m_events, m_context, m_window);
    entry.page = page;
    put(entry, page->widget());
    page->setScale(UiScale::factor());
    page->retranslate();
    if (m_config)
        page->show(profileFor(entry, *m_config), *m_config, m_context);
    return page;
}

template <class Call>
void PageHost::forEachBuilt(Call call)
{
    for (Entry &entry : m_entries) {
        if (entry.page)
            call(*entry.page);
    }
}

void PageHost::layout()
{
    for (const Entry &entry : m_entries) {
        if (!entry.widget)
            continue;
        setGeometry(entry);
        if (entry.page)
            entry.page->setScale(UiScale::factor());
    }
}

void PageHost::retranslate()
{
    forEachBuilt([](EditorPage &page) { page.retranslate(); });
}

void PageHost::showForTab(PageTab tab)
{
    m_tab = tab;
    bool scrolling = false;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const bool visible = m_entries[i].place.tab == tab;
        if (visible)
            ensureBuilt(int(i));
        if (QWidget *widget = m_entries[i].widget)
            widget->setVisible(visible);
        scrolling = scrolling || (visible && m_entries[i].place.scrolls);
    }
    if (m_scrollArea)
        m_scrollArea->setVisible(scrolling);
}

void PageHost::refresh(MouseConfig &config, const PageContext &context)
{
    m_config = &config;
    m_context = context;
    for (Entry &entry : m_entries) {
        if (entry.page)
            entry.page->show(profileFor(entry, config), config, m_context);
    }
}

void PageHost::discardUnsavedEdits()
{
    forEachBuilt([](EditorPage &page) { page.discardUnsavedEdits(); });
}

bool PageHost::settleUnsavedEdits()
{
    for (const Entry &entry : m_entries) {
        if (entry.page && !entry.page->settleUnsavedEdits())
            return false;
    }
    return true;
}

void PageHost::showDpiStage(int stage)
{
    forEachBuilt([&](EditorPage &page) { page.showDpiStage(stage); });
}

void PageHost::showRate(int rateCode)
{
    forEachBuilt([&](EditorPage &page) { page.showRate(rateCode); });
}

void PageHost::showLift(int liftHigh)
{
    forEachBuilt([&](EditorPage &page) { page.showLift(liftHigh); });
}

void PageHost::showLightMode(int mode)
{
    forEachBuilt([&](EditorPage &page) { page.showLightMode(mode); });
}

void PageHost::selectButton(int index, int group)
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].place.tab == PageTab::Customize)
            ensureBuilt(int(i));
    }
    forEachBuilt([&](EditorPage &page) { page.selectButton(index, group); });
}

void PageHost::showView(bool frontView)
{
    forEachBuilt([&](EditorPage &page) { page.showView(frontView); });
}

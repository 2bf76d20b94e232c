#include "pagehost.h"

#include "config/profilerules.h"
#include "widgets/uiscale.h"

#include <QScrollArea>
#include <QWidget>

PageHost::PageHost(QWidget *window)
    : m_window(window)
    , m_events(std::make_unique<PageEvents>())
{
}

// The pages are the host's: a page that is a widget goes with the window
// anyway, but a page object beside its widget would be lost.
PageHost::~PageHost()
{
    for (size_t s = 0; s < m_pages.size(); ++s) {
        EditorPage *page = m_pages[s];
        if (!page)
            continue;
        if (!m_pageIsObject[s] || m_pageObjects[s])
            delete page;
    }
}

void PageHost::add(EditorPage::Slot slot, Factory factory)
{
    if (slot >= 0 && slot < EditorPage::SlotCount)
        m_factories[size_t(slot)] = std::move(factory);
}

void PageHost::build(int buttonCount, PageTab firstTab)
{
    m_buttonCount = buttonCount;
    m_tab = firstTab;

    // The button page scrolls when the product has many buttons; the area is
    // invisible around it.
    m_buttonArea = new QScrollArea(m_window);
    m_buttonArea->setObjectName(QStringLiteral("buttonArea"));
    m_buttonArea->setWindowFlags(Qt::FramelessWindowHint);
    m_buttonArea->setFrameShape(QFrame::NoFrame);
    m_buttonArea->setStyleSheet(QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}"));
    m_buttonArea->viewport()->setStyleSheet(QStringLiteral("background-color:transparent;margin:0px;"));
    m_buttonArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_buttonArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    for (int s = 0; s < EditorPage::SlotCount; ++s) {
        const auto slot = EditorPage::Slot(s);
        if (m_factories[size_t(s)] && EditorPage::tabOf(slot) == firstTab) {
            ensureBuilt(slot);
            continue;
        }
        // The slot of a page not built (yet): transparent, named after the
        // page it stands for.
        auto *placeholder = new QWidget;
        placeholder->setObjectName(QLatin1String(EditorPage::objectNameOf(slot)));
        placeholder->setAttribute(Qt::WA_TranslucentBackground, true);
        place(slot, placeholder);
    }
}

void PageHost::place(EditorPage::Slot slot, QWidget *widget)
{
    QWidget *old = m_widgets[size_t(slot)];
    m_widgets[size_t(slot)] = widget;
    if (slot == EditorPage::Buttons) {
        if (old)
            m_buttonArea->takeWidget();
        m_buttonArea->setWidget(widget);
    } else {
        widget->setParent(m_window);
    }
    if (old)
        old->deleteLater();
    const QRect base = m_pages[size_t(slot)] ? m_pages[size_t(slot)]->baseGeometry() : EditorPage::baseGeometryOf(slot);
    if (slot == EditorPage::Buttons)
        widget->setFixedSize(UiScale::scaled(EditorPage::kButtonPageWidth),
                             UiScale::scaled(EditorPage::buttonPageHeight(m_buttonCount)));
    else
        widget->setGeometry(UiScale::scaled(base));
    const bool visible = EditorPage::tabOf(slot) == m_tab;
    widget->setVisible(visible);
}

EditorPage *PageHost::ensureBuilt(EditorPage::Slot slot)
{
    if (EditorPage *page = m_pages[size_t(slot)])
        return page;
    const Factory &factory = m_factories[size_t(slot)];
    if (!factory || !m_buttonArea)
        return nullptr;
    EditorPage *page = factory(*m_events, m_window);
    m_pages[size_t(slot)] = page;
    m_pageObjects[size_t(slot)] = dynamic_cast<QObject *>(page);
    m_pageIsObject[size_t(slot)] = m_pageObjects[size_t(slot)] != nullptr;
    place(slot, page->widget());
    page->setScale(UiScale::factor());
    page->retranslate();
    if (m_config)
        page->show(slot == EditorPage::Lighting ? lightingProfile(*m_config, m_context.modelName)
                                                : currentProfile(*m_config),
                   m_context);
    return page;
}

EditorPage *PageHost::page(EditorPage::Slot slot)
{
    if (slot < 0 || slot >= EditorPage::SlotCount)
        return nullptr;
    return ensureBuilt(slot);
}

QWidget *PageHost::slotWidget(EditorPage::Slot slot) const
{
    if (slot < 0 || slot >= EditorPage::SlotCount)
        return nullptr;
    return m_widgets[size_t(slot)];
}

template <class Call>
void PageHost::forEachBuilt(Call call)
{
    for (EditorPage *page : m_pages) {
        if (page)
            call(*page);
    }
}

void PageHost::layout()
{
    if (!m_buttonArea)
        return;
    m_buttonArea->setGeometry(UiScale::scaled(EditorPage::baseGeometryOf(EditorPage::Buttons)));
    for (int s = 0; s < EditorPage::SlotCount; ++s) {
        const auto slot = EditorPage::Slot(s);
        QWidget *widget = m_widgets[size_t(s)];
        EditorPage *page = m_pages[size_t(s)];
        if (slot == EditorPage::Buttons)
            widget->setFixedSize(UiScale::scaled(EditorPage::kButtonPageWidth),
                                 UiScale::scaled(EditorPage::buttonPageHeight(m_buttonCount)));
        else
            widget->setGeometry(UiScale::scaled(page ? page->baseGeometry() : EditorPage::baseGeometryOf(slot)));
        if (page)
            page->setScale(UiScale::factor());
    }
}

void PageHost::retranslate()
{
    forEachBuilt([](EditorPage &page) { page.retranslate(); });
}

void PageHost::showForTab(PageTab tab)
{
    m_tab = tab;
    for (int s = 0; s < EditorPage::SlotCount; ++s) {
        const auto slot = EditorPage::Slot(s);
        const bool visible = EditorPage::tabOf(slot) == tab;
        if (visible)
            ensureBuilt(slot);
        if (QWidget *widget = m_widgets[size_t(s)])
            widget->setVisible(visible);
    }
    if (m_buttonArea)
        m_buttonArea->setVisible(tab == PageTab::Customize);
}

void PageHost::refresh(MouseConfig &config, const PageContext &context)
{
    m_config = &config;
    m_context = context;
    m_context.config = &config;
    ProfileData &lighting = lightingProfile(config, context.modelName);
    ProfileData &current = currentProfile(config);
    for (int s = 0; s < EditorPage::SlotCount; ++s) {
        if (EditorPage *page = m_pages[size_t(s)])
            page->show(s == EditorPage::Lighting ? lighting : current, m_context);
    }
}

void PageHost::gather(MouseConfig &config) const
{
    ProfileData &lighting = lightingProfile(config, m_context.modelName);
    ProfileData &current = currentProfile(config);
    for (int s = 0; s < EditorPage::SlotCount; ++s) {
        if (EditorPage *page = m_pages[size_t(s)])
            page->gather(s == EditorPage::Lighting ? lighting : current, config);
    }
}

void PageHost::discardUnsavedEdits()
{
    forEachBuilt([](EditorPage &page) { page.discardUnsavedEdits(); });
}

bool PageHost::settleUnsavedEdits()
{
    for (EditorPage *page : m_pages) {
        if (page && !page->settleUnsavedEdits())
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
    if (EditorPage *page = ensureBuilt(EditorPage::Buttons))
        page->selectButton(index, group);
}

void PageHost::showView(bool frontView)
{
    forEachBuilt([&](EditorPage &page) { page.showView(frontView); });
}

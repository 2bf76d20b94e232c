#include "buttonmenus.h"

#include "config/functioncatalogue.h"
#include "config/functionmenus.h"

#include "widgets/uitheme.h"

#include <QAction>
#include <QMenu>

namespace {

struct FunctionText {
    int code;
    const char *text;
};

// The name of every function that has an action, as the button page shows it.
constexpr FunctionText kTexts[] = {
    {Fun::Left, QT_TRANSLATE_NOOP("ButtonMenus", "Left")},
    {Fun::Right, QT_TRANSLATE_NOOP("ButtonMenus", "Right")},
    {Fun::Middle, QT_TRANSLATE_NOOP("ButtonMenus", "Middle")},
    {Fun::Forward, QT_TRANSLATE_NOOP("ButtonMenus", "Forward")},
    {Fun::Back, QT_TRANSLATE_NOOP("ButtonMenus", "Back")},
    {Fun::SingleKey, QT_TRANSLATE_NOOP("ButtonMenus", "SINGLE KEY")},
    {Fun::ComboKey, QT_TRANSLATE_NOOP("ButtonMenus", "COMBO KEY")},
    {Fun::FireKey, QT_TRANSLATE_NOOP("ButtonMenus", "FIRE KEY")},
    {Fun::ButtonOff, QT_TRANSLATE_NOOP("ButtonMenus", "Button Off")},
    {17, QT_TRANSLATE_NOOP("ButtonMenus", "Cut")},
    {18, QT_TRANSLATE_NOOP("ButtonMenus", "Copy")},
    {19, QT_TRANSLATE_NOOP("ButtonMenus", "Paste")},
    {20, QT_TRANSLATE_NOOP("ButtonMenus", "All")},
    {21, QT_TRANSLATE_NOOP("ButtonMenus", "Find")},
    {22, QT_TRANSLATE_NOOP("ButtonMenus", "New")},
    {23, QT_TRANSLATE_NOOP("ButtonMenus", "Print")},
    {24, QT_TRANSLATE_NOOP("ButtonMenus", "Save")},
    {25, QT_TRANSLATE_NOOP("ButtonMenus", "Switch Window")},
    {26, QT_TRANSLATE_NOOP("ButtonMenus", "Close Window")},
    {27, QT_TRANSLATE_NOOP("ButtonMenus", "My Computer")},
    {28, QT_TRANSLATE_NOOP("ButtonMenus", "Run")},
    {29, QT_TRANSLATE_NOOP("ButtonMenus", "Show Desktop")},
    {30, QT_TRANSLATE_NOOP("ButtonMenus", "Lock PC")},
    {31, QT_TRANSLATE_NOOP("ButtonMenus", "Browser Home")},
    {32, QT_TRANSLATE_NOOP("ButtonMenus", "Browser Backward")},
    {33, QT_TRANSLATE_NOOP("ButtonMenus", "Browser Forward")},
    {34, QT_TRANSLATE_NOOP("ButtonMenus", "Browser Stop")},
    {35, QT_TRANSLATE_NOOP("ButtonMenus", "Browser Refresh")},
    {36, QT_TRANSLATE_NOOP("ButtonMenus", "Browser Search")},
    {37, QT_TRANSLATE_NOOP("ButtonMenus", "Browser Favorite")},
    {38, QT_TRANSLATE_NOOP("ButtonMenus", "Mail")},
    {39, QT_TRANSLATE_NOOP("ButtonMenus", "Play/Pause")},
    {40, QT_TRANSLATE_NOOP("ButtonMenus", "Stop")},
    {41, QT_TRANSLATE_NOOP("ButtonMenus", "Previous Track")},
    {42, QT_TRANSLATE_NOOP("ButtonMenus", "Next Track")},
    {43, QT_TRANSLATE_NOOP("ButtonMenus", "Volume Up")},
    {44, QT_TRANSLATE_NOOP("ButtonMenus", "Volume Down")},
    {45, QT_TRANSLATE_NOOP("ButtonMenus", "Mute")},
    {46, QT_TRANSLATE_NOOP("ButtonMenus", "Media Player")},
    {Fun::DpiSwitch, QT_TRANSLATE_NOOP("ButtonMenus", "DPI Switch")},
    {Fun::DpiUp, QT_TRANSLATE_NOOP("ButtonMenus", "DPI +")},
    {Fun::DpiDown, QT_TRANSLATE_NOOP("ButtonMenus", "DPI -")},
    {Fun::RateUp, QT_TRANSLATE_NOOP("ButtonMenus", "Rate +")},
    {Fun::RateDown, QT_TRANSLATE_NOOP("ButtonMenus", "Rate -")},
    {Fun::ScrollUp, QT_TRANSLATE_NOOP("ButtonMenus", "Scroll Up")},
    {Fun::ScrollDown, QT_TRANSLATE_NOOP("ButtonMenus", "Scroll Down")},
    {Fun::LedSwitch, QT_TRANSLATE_NOOP("ButtonMenus", "Led Switch")},
    {Fun::Sniper, QT_TRANSLATE_NOOP("ButtonMenus", "SNIPER")},
    {Fun::ProfileUp, QT_TRANSLATE_NOOP("ButtonMenus", "Profile +")},
    {Fun::ProfileDown, QT_TRANSLATE_NOOP("ButtonMenus", "Profile -")},
    {Fun::ProfileSwitch, QT_TRANSLATE_NOOP("ButtonMenus", "Profile Switch")},
    {Fun::BossKey, QT_TRANSLATE_NOOP("ButtonMenus", "Boss Key")},
    {Fun::RateSwitch, QT_TRANSLATE_NOOP("ButtonMenus", "Rate Switch")},
    {Fun::Macro, QT_TRANSLATE_NOOP("ButtonMenus", "Macro Manager")},
    {Fun::GunFile, QT_TRANSLATE_NOOP("ButtonMenus", "GunFile Manager")},
};

const char *const kBasic = QT_TRANSLATE_NOOP("ButtonMenus", "Basic");
const char *const kWindows = QT_TRANSLATE_NOOP("ButtonMenus", "Windows");
const char *const kAdvance = QT_TRANSLATE_NOOP("ButtonMenus", "Advance");
const char *const kMedia = QT_TRANSLATE_NOOP("ButtonMenus", "Media");
const char *const kDpi = QT_TRANSLATE_NOOP("ButtonMenus", "DPI");
const char *const kProfileMenu = QT_TRANSLATE_NOOP("ButtonMenus", "Profile Menu");
const char *const kPollingRate = QT_TRANSLATE_NOOP("ButtonMenus", "Polling Rate");

constexpr int kMenuWidth = 160;

} // namespace

ButtonMenus::ButtonMenus()
{
    for (const FunctionText &entry : kTexts) {
        auto action = std::make_unique<QAction>();
        action->setData(entry.code);
        m_actions[entry.code] = std::move(action);
    }
    m_main = std::make_unique<QMenu>();
    m_main->setObjectName(QStringLiteral("mainMenu"));
    m_wheel = std::make_unique<QMenu>();
    m_wheel->setObjectName(QStringLiteral("wheelMenu"));
    // The profile functions have a submenu that is never offered.
    for (const char *title : {kBasic, kWindows, kAdvance, kMedia, kDpi, kProfileMenu, kPollingRate})
        m_submenus[title] = std::make_unique<QMenu>();
}

ButtonMenus::~ButtonMenus()
{
    // Submenus first: the main menu holds their menu actions.
    m_main->clear();
    m_submenus.clear();
}

const char *ButtonMenus::sourceText(int code)
{
    for (const FunctionText &entry : kTexts) {
        if (entry.code == code)
            return entry.text;
    }
    return nullptr;
}

QList<int> ButtonMenus::codes()
{
    QList<int> out;
    for (const FunctionText &entry : kTexts)
        out << entry.code;
    return out;
}

QAction *ButtonMenus::action(int code) const
{
    const auto it = m_actions.find(code);
    return it == m_actions.end() ? nullptr : it->second.get();
}

QList<QAction *> ButtonMenus::actions() const
{
    QList<QAction *> out;
    for (const auto &entry : m_actions)
        out << entry.second.get();
    return out;
}

QString ButtonMenus::label(int code, bool wheel) const
{
    if (!wheel && (code == Fun::ScrollUp || code == Fun::ScrollDown))
        return QString();
    const QAction *found = action(code);
    return found ? found->text() : QString();
}

QMenu *ButtonMenus::submenu(const char *title)
{
    // The menu layout names its submenus by their group's title.
    for (auto &entry : m_submenus) {
        if (qstrcmp(entry.first, title) == 0)
            return entry.second.get();
    }
    return nullptr;
}

void ButtonMenus::build(bool macroEnabled, bool ledEnabled)
{
    m_main->clear();
    m_wheel->clear();
    for (auto &entry : m_submenus)
        entry.second->clear();

    const auto fill = [this](QMenu *menu, const std::vector<int> &codes) {
        for (int code : codes)
            menu->addAction(action(code));
    };
    for (const FunctionMenuSection &section : mainFunctionMenu(macroEnabled, ledEnabled)) {
        const char *title = functionGroupTitle(section.group);
        QMenu *target = title ? submenu(title) : m_main.get();
        fill(target, section.codes);
        if (title)
            m_main->addMenu(target);
    }
    fill(submenu(kProfileMenu), {Fun::ProfileSwitch, Fun::ProfileUp, Fun::ProfileDown});
    fill(m_wheel.get(), wheelFunctionMenu());

    UiTheme::styleMenu(m_main.get(), kMenuWidth);
    UiTheme::styleMenu(m_wheel.get(), kMenuWidth);
    for (auto &entry : m_submenus)
        UiTheme::styleMenu(entry.second.get(), kMenuWidth);
    retranslate();
}

void ButtonMenus::retranslate()
{
    for (const FunctionText &entry : kTexts)
        action(entry.code)->setText(tr(entry.text));
    for (auto &entry : m_submenus)
        entry.second->setTitle(tr(entry.first));
}

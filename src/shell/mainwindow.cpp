#include "mainwindow.h"

#include "applycontroller.h"
#include "appprofileservice.h"
#include "batteryhistorydialog.h"
#include "batterynotifier.h"
#include "batteryoutlook.h"
#include "connectioncontroller.h"
#include "desktopintegration.h"
#include "devicestatuspanel.h"
#include "firmwarelaunch.h"
#include "languagecontroller.h"
#include "statusreporthandler.h"
#include "pageeditcontroller.h"
#include "pagehost.h"
#include "pageregistry.h"
#include "profilecontrols.h"
#include "traycontroller.h"
#include "settingswatcher.h"
#include "windowcommandserver.h"
#include "windowdrag.h"
#include "windowscale.h"

#include "config/appconfig.h"
#include "config/langconfig.h"
#include "config/productdescriptor.h"
#include "config/profilefile.h"
#include "config/profilelibraryeditor.h"
#include "device/batteryrecorder.h"
#include "device/hidbackend.h"
#include "device/discovery.h"
#include "device/statuspollerthread.h"
#include "device/statusquery.h"
#include "platform/desktoppointerspeed.h"
#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uilog.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlabel.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinmessagebox.h"
#include "widgets/batterybar.h"
#include "widgets/skinbutton.h"
#include "widgets/windowshape.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

const int kSlotMenuDesignWidth = 150;

} // namespace

MainWindow::MainWindow(QObject *plugSource, QWidget *parent)
    : QWidget(parent)
{
    // Start-up replaces the title with the product name.
    setObjectName(QStringLiteral("MousecfgWidget"));
    setWindowTitle(QStringLiteral("MousecfgWidget"));
    setStyleSheet(QStringLiteral("*{outline:0px;}"));
    Skin::initResources();

    // Background and scale, size and shape.
    m_scale = std::make_unique<WindowScale>();
    chooseInitialScale();

    // Device notifications before the first enumeration, so that a mouse
    // plugged in meanwhile is not missed.
    m_connection = new ConnectionController(this, m_settings.mouse(), [this](StatusPollerThread *thread) { connectPoller(thread); });
    m_connection->followPlugEvents(plugSource);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // The cut corners show the desktop behind them. A mask only shapes the
    // window on X11 without compositing; on Wayland it shapes input alone,
    // and the corners would stay as painted: where the desktop composites,
    // the window is drawn on a transparent background, clipped to its shape.
    if (WindowShape::desktopComposites())
        setAttribute(Qt::WA_TranslucentBackground, true);
    new WindowDrag(this);

    // The language decides the fonts and the
    // descriptor's colour mode the look of every button, so both are read
    // before the controls exist.
    m_languages = new LanguageController(this);
    m_languages->startUp();
    SkinButton::setDefaultColorMode(ProductDescriptor::colorMode());
    m_product.facts = ProductFacts::fromDescriptor();
    m_product.version = ProductDescriptor::version();

    // Controls, then the mouse list, the devices present and the model menu.
    // The profile controls upload through the Apply controller.
    m_apply = std::make_unique<ApplyController>(this, m_settings, m_connection->poller());
    buildControls();
    m_connection->discover();

    // Battery settings, device and poller; what the poller reports lands in
    // the status panel and the status report handler.
    m_status = std::make_unique<DeviceStatusPanel>(m_controls, this);
    m_status->loadSettings();
    m_events = std::make_unique<StatusReportHandler>(m_settings);
    m_desktop = new DesktopIntegration(m_status->fullMillivolts(), this);
    m_connection->openCurrentModel();
    m_connection->startStatusThread();

    loadModelFiles();

    // Pages.
    m_pages = std::make_unique<PageHost>(this);
    registerPages(*m_pages);
    connectPageEvents();
    // The button page is as tall as the buttons it shows need.
    m_pages->build(pageContext(), m_product.facts.lighting ? PageTab::Lighting : PageTab::Customize);
    serveCommands();

    showModelStart(false);
    m_scaleState.layoutDone = true;
    retranslate();
    // After the layout: the pictures are scaled to their labels.
    m_mouse.setModel(currentModel());
    m_profiles->showCurrent();
    if (!writeDefaultProfileFile())
        qCWarning(lcUi, "the default profile file could not be written");

    // Icon and tray.
    setWindowIcon(QIcon(Skin::path(QStringLiteral("icon.ico"))));
    m_desktop->createTray(currentModel(), m_controls.autostart);
    connectHelpers();
    startAppProfiles();

    // The battery display starts from a low reading until the mouse
    // answers; the window (or the warning) follows a moment later.
    m_status->showBattery(0, 1, 1);
    m_connection->setMouseReady(presentModelCount() > 0);
    m_connection->showWarningSoon();
}

MainWindow::~MainWindow()
{
    // The poller first: it must be gone before the handles close.
    m_connection->stopStatusThread();
    m_settings.mouse().close();
    hidBackend().exit();
}

void MainWindow::startHidden(int trayGraceMs)
{
    m_connection->cancelWarning();
    if (tray()->hasTray())
        return;
    QTimer::singleShot(trayGraceMs, this, [this] {
        if (!tray()->hasTray() && isHidden()) {
            qCDebug(lcUi, "no tray appeared: the window shows");
            showAsStarted();
        }
    });
}

void MainWindow::showAsStarted()
{
    if (presentModelCount() != 0) {
        setWindowOpacity(1.0);
        show();
    } else {
        m_connection->showWarning();
    }
}

int MainWindow::presentModelCount() const { return m_connection->presentModelCount(); }
QStringList MainWindow::modelNames() const { return m_connection->modelNames(); }
QString MainWindow::currentModel() const { return m_connection->currentModel(); }
bool MainWindow::mouseReady() const { return m_connection->mouseReady(); }
bool MainWindow::warningShown() const { return m_connection->warningShown(); }
int MainWindow::statusMode() const { return m_status->mode(); }
int MainWindow::lastBatteryLevel() const { return m_status->lastBatteryLevel(); }
QStringList MainWindow::libraryNames() const { return m_profiles->libraryNames(); }
TrayController *MainWindow::tray() const { return m_desktop ? m_desktop->tray() : nullptr; }

void MainWindow::chooseInitialScale()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const int level = WindowScale::levelForScreen(screen);
    m_scaleState.level = level;
    UiScale::setLevel(level);
    setBaseSize(WindowScale::kDesignWidth, WindowScale::kDesignHeight);
    setMinimumSize(WindowScale::kDesignWidth, WindowScale::kDesignHeight);
    const QSize size = WindowScale::windowSize(level);
    m_scaleState.setSize = size;
    resize(size);
    if (screen)
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    const QBitmap shape = m_scale->mask(level);
    if (!shape.isNull())
        setMask(shape);
}

void MainWindow::applyScale(int level)
{
    const bool changed = level != m_scaleState.level;
    m_scaleState.level = level;
    UiScale::setLevel(level);
    if (changed) {
        const QSize size = WindowScale::windowSize(level);
        m_scaleState.setSize = size;
        resize(size);
    }
    layoutWindow();
    m_mouse.reloadPictures();
}

void MainWindow::connectPoller(StatusPollerThread *thread)
{
    // Each reading is stored on the poller's own thread, before its signal
    // reaches the window, so the outlook below finds it in the history.
    const int fullMillivolts = m_status->fullMillivolts();
    thread->setReadingSink([fullMillivolts] { return std::make_unique<BatteryRecorder>(fullMillivolts); });
    // Queued: the poller emits on its own thread. The outlook first: the
    // notice names its estimate.
    connect(thread, &StatusPollerThread::batteryRead, m_desktop->batteryOutlook(), &BatteryOutlook::refresh,
            Qt::QueuedConnection);
    connect(thread, &StatusPollerThread::batteryRead, m_status.get(), &DeviceStatusPanel::showBattery,
            Qt::QueuedConnection);
    connect(thread, &StatusPollerThread::batteryRead, m_desktop->batteryNotices(), &BatteryNotifier::takeReading,
            Qt::QueuedConnection);
    // What the mouse reports changes the record: while an upload reads it,
    // the change waits until the upload has ended.
    connect(thread, &StatusPollerThread::statusReported, this, &MainWindow::takeStatusReport,
            Qt::QueuedConnection);
    connect(thread, &StatusPollerThread::writeStatusRead, m_status.get(), &noteWriteStatus, Qt::QueuedConnection);
}

void MainWindow::takeStatusReport(quint8 profile, quint8 stage, quint8 rate, quint8 mode)
{
    m_apply->whenIdle([=] { m_events->refreshStatus(profile, stage, rate, mode); });
}

void MainWindow::connectHelpers()
{
    connect(m_connection, &ConnectionController::modelEntered, this, &MainWindow::enterCurrentModel);
    connect(m_connection, &ConnectionController::linksChanged, m_status.get(), &DeviceStatusPanel::updateMode);
    connect(m_connection, &ConnectionController::hideRequested, this, &MainWindow::hideWindow);
    connect(m_events.get(), &StatusReportHandler::profileChanged, m_profiles, &ProfileControls::mouseSwitched);
    connect(m_events.get(), &StatusReportHandler::profileTablesDue, m_profiles, &ProfileControls::sendProfileTables);
    connect(m_events.get(), &StatusReportHandler::dpiStageChanged, this, [this](int stage) { m_pages->showDpiStage(stage); });
    connect(m_events.get(), &StatusReportHandler::rateChanged, this, [this](int rate) { m_pages->showRate(rate); });
    connect(m_events.get(), &StatusReportHandler::announce, this, &MainWindow::showOsd);
    connect(tray(), &TrayController::loadConfigRequested, m_connection, &ConnectionController::showWarning);
    connect(tray(), &TrayController::showWindowRequested, this, &MainWindow::showFromElsewhere);
    connect(tray(), &TrayController::activated, this, &MainWindow::iconActivated);
    connect(tray(), &TrayController::quitRequested, this, [this] {
        if (m_pages->settleUnsavedEdits())
            QCoreApplication::quit();
    });
    connect(m_controls.battery, &BatteryBar::clicked, this, &MainWindow::showBatteryHistory);
    connect(m_controls.dongle, &SkinLabel::clicked, this, &MainWindow::showBatteryHistory);
}

void MainWindow::startAppProfiles()
{
    AppProfileSwitcher::Hooks hooks;
    hooks.activeSlot = [this] { return m_settings.editing().profileIndex(); };
    hooks.busy = [this] { return m_apply->isBusy(); };
    hooks.whenIdle = [this](std::function<void()> action) { m_apply->whenIdle(std::move(action)); };
    hooks.mouseAvailable = [this] { return mouseReady() && !m_settings.mouse().mouseOff(); };
    hooks.switchTo = [this](int slot) {
        m_profiles->dropUnappliedEdits();
        switchProfileTo(slot);
    };
    m_appProfiles = new AppProfileService(this, std::move(hooks), QStringLiteral("/proc"), this);
    m_appProfiles->layout();
    connect(m_appProfiles, &AppProfileService::announce, this, &MainWindow::showOsd);
    tray()->addProfileEntries(
        [this] { return QStringList(m_settings.editing().names.begin(), m_settings.editing().names.end()); },
        [this] { return m_settings.editing().profileIndex(); });
    connect(tray(), &TrayController::profileChosen, this, &MainWindow::switchProfileTo);
    connect(tray(), &TrayController::appProfilesRequested, m_appProfiles, &AppProfileService::openDialog);
}

void MainWindow::switchProfileTo(int slot) { m_profiles->switchSlot(slot); }

void MainWindow::buildControls()
{
    m_controls.profileControlsShown = AppConfig::profileControlsShown();
    m_controls.build(this);
    m_connection->setModelButton(m_controls.model);
    m_languages->buildMenu(m_controls.language);
    connect(m_languages, &LanguageController::languageChosen, this, &MainWindow::switchLanguage);
    if (!m_languages->offersChoice())
        m_controls.language->hide();
    m_profiles = new ProfileControls(m_settings, m_controls, *m_apply, this, this);
    connect(m_profiles, &ProfileControls::recordChanged, this, &MainWindow::refreshPages);
    connect(m_profiles, &ProfileControls::editsDiscarded, this, &MainWindow::sayEditsDiscarded);
    connect(m_profiles, &ProfileControls::configurationLoaded, this, [this] {
        selectTab(PageTab::Lighting);
        m_controls.setArrowPictures(currentModel());
    });
    connectControls();
}

// The window's own buttons: its frame, the footer, the tabs, the views and
// the hot spots. The profile controls connect theirs themselves.
void MainWindow::connectControls()
{
    WindowControls &c = m_controls;
    const auto onClick = [this](SkinButton *button, std::function<void()> action) {
        connect(button, &QPushButton::clicked, this, std::move(action));
    };
    onClick(c.close, [this] {
        if (m_pages->settleUnsavedEdits())
            hideWindow();
    });
    onClick(c.minimise, [this] { showMinimized(); });
    onClick(c.cancel, [this] {
        hideWindow();
        discardEdits();
    });
    onClick(c.ok, [this] {
        upload(false);
        hideWindow();
    });
    // Macro rows not saved yet would not reach the mouse: the user decides
    // first.
    // A successful Apply also ends the line that said edits were dropped.
    onClick(c.apply, [this] {
        if (m_pages->settleUnsavedEdits() && apply() == 0 && m_appProfiles
            && m_appProfiles->statusText() == m_discardedLine)
            m_appProfiles->showStatus(QString());
    });
    onClick(c.front, [this] { showFrontView(true); });
    onClick(c.side, [this] { showFrontView(false); });
    // A tab follows the press already; the click only confirms it.
    for (int i = 0; i < kPageTabCount; ++i) {
        const PageTab tab = PageTab(i);
        onClick(c.tabs[size_t(i)], [this, tab] { selectTab(tab); });
        connect(c.tabs[size_t(i)], &SkinButton::entered, this, [this, tab] { selectTab(tab); });
    }
    connect(c.firmware, &SkinButton::entered, this, &MainWindow::startFirmwareUpdate);
    // A hot spot chooses its button on the picture and on the button page;
    // the side view only shows.
    for (int group = 0; group < WindowControls::SpotGroupCount; ++group) {
        if (group == WindowControls::SideSpots)
            continue;
        for (int index = 0; index < WindowControls::kSpotsPerView; ++index) {
            if (SkinButton *spot = c.spot(group, index)) {
                onClick(spot, [this, group, index] {
                    m_mouse.selectSpot(group, index);
                    m_pages->selectButton(index, group);
                });
            }
        }
    }
    for (SkinButton *button : c.frontSpots)
        connect(button, &SkinButton::hovered, this, [this](SkinButton *spot, bool over) { m_mouse.hover(spot, over); });
    // The first spot also shows the pointer over it by its state.
    connect(c.frontSpots[0], &SkinButton::hovered, this, [](SkinButton *btn, bool over) { btn->setState(over ? 0 : 1); });
}

void MainWindow::layoutWindow()
{
    m_scaleState.laidOutLevel = m_scaleState.level;
    m_scaleState.laidOutSize = size();
    m_controls.layout(!m_product.facts.macros, !m_product.facts.lighting);
    if (m_pages)
        m_pages->layout();
    if (m_status)
        m_status->restyle();
    if (m_appProfiles)
        m_appProfiles->layout();
    for (QMenu *menu : {m_languages->menu(), m_connection->modelMenu(), m_profiles->slotMenu(), m_profiles->libraryMenu()})
        UiTheme::styleMenu(menu, kSlotMenuDesignWidth);
    const QBitmap shape = m_scale->mask(m_scaleState.level);
    if (!shape.isNull())
        setMask(shape);
    update();
}

void MainWindow::retranslate()
{
    m_controls.retranslate(m_product.version);
    m_profiles->retranslate();
    m_controls.language->setText(m_languages->currentName());
    m_controls.modelLabel->setText(AppConfig::model());
    if (m_status && m_status->showsMouseOff())
        m_controls.battery->setBarText(DeviceStatusPanel::mouseOffText());
    if (tray())
        tray()->retranslate();
    m_languages->buildMenu(m_controls.language);
    if (m_pages)
        m_pages->retranslate();
    layoutWindow();
}

void MainWindow::selectTab(PageTab tab)
{
    if (int(tab) < 0 || int(tab) >= kPageTabCount)
        return;
    for (SkinButton *button : m_controls.tabs)
        button->setState(0);
    // A product without lighting never shows the lighting page.
    if (tab == PageTab::Lighting && !m_product.facts.lighting)
        tab = PageTab::Customize;
    m_controls.tabs[size_t(tab)]->setState(1);
    m_currentTab = tab;

    m_mouse.showForTab(tab);
    if (m_pages)
        m_pages->showForTab(tab);
}

void MainWindow::showFrontView(bool front)
{
    m_mouse.setFrontView(front);
    if (m_pages)
        m_pages->showView(front);
}

void MainWindow::refreshPages()
{
    for (SkinButton *indicator : m_controls.indicators)
        indicator->setState(0);
    m_controls.indicators[size_t(m_settings.editing().profileIndex())]->setState(1);
    if (!m_pages)
        return;
    m_pages->refresh(m_settings.editing(), pageContext());
}

PageContext MainWindow::pageContext() const
{
    PageContext context;
    context.modelName = currentModel();
    context.sensorType = AppConfig::sensorType();
    context.product = m_product.facts;
    return context;
}

void MainWindow::connectPageEvents()
{
    PageEvents &events = m_pages->events();
    connect(&events, &PageEvents::highlightButton, this,
            [this](int index, int group) { m_mouse.selectSpot(group, index); });
    connect(&events, &PageEvents::hoverButton, this, [this](int index, int group, bool over) {
        if (group == WindowControls::FrontSpots)
            m_mouse.hoverButton(index, over);
    });
    connect(&events, &PageEvents::showMacroTab, this, [this] { selectTab(PageTab::Macro); });
    connect(&events, &PageEvents::oneClickWarning, this, &MainWindow::showOneClickWarning);
    connect(&events, &PageEvents::enableWindowButtons, this, &MainWindow::enableButtons);
    auto *edits = new PageEditController(m_settings, m_pages->events(), this);
    connect(edits, &PageEditController::recordChanged, this, &MainWindow::refreshPages);
}

void MainWindow::enterCurrentModel(bool selectFirstSpot)
{
    m_mouse.clearSelection();
    showFrontView(true);
    layoutWindow();
    m_mouse.setModel(currentModel());
    loadModelFiles();
    if (!writeDefaultProfileFile())
        qCWarning(lcUi, "the default profile file could not be written");
    showModelStart(selectFirstSpot);
    if (tray())
        tray()->setToolTip(currentModel());
}

void MainWindow::loadModelFiles()
{
    loadSettings();
    m_profiles->showCurrent();
    m_profiles->reloadLibrary();
}

void MainWindow::showModelStart(bool selectFirstSpot)
{
    selectTab(PageTab::Lighting);
    if (selectFirstSpot)
        m_mouse.selectSpot(WindowControls::FrontSpots, 0);
    m_controls.setArrowPictures(currentModel());
    refreshPages();
}

void MainWindow::loadSettings()
{
    if (!m_settings.load())
        qCDebug(lcUi, "some profile files are missing; their profiles start empty");
    // The desktop's own pointer speed is no edit of the user's: read once,
    // into both records.
    const int speed = DesktopPointerSpeed::read();
    if (speed != 0)
        m_settings.changeBoth([speed](MouseConfig &config) { currentProfile(config).mousespeed = uint8_t(speed); });
}

void MainWindow::serveCommands()
{
    WindowCommandServer::Window window;
    window.isVisible = [this] { return isVisible(); };
    window.show = [this] { showFromElsewhere(); };
    window.settingsReplaced = [this](bool profileChanged) {
        if (profileChanged)
            DesktopPointerSpeed::applyFrom(currentProfile(m_settings.editing()));
        m_profiles->showProfileChange();
    };
    window.editsDropped = [this](int slot) { sayEditsDiscarded(slot); };
    auto *commands = new WindowCommandServer(m_settings, *m_apply, window, this);
    if (!commands->listen())
        qCWarning(lcUi, "the command line cannot reach this window; it works on the settings files itself");

    auto *watcher = new SettingsWatcher(300, this);
    watcher->setBusyCheck([this] { return m_apply->isBusy(); });
    connect(watcher, &SettingsWatcher::changed, this, &MainWindow::takeChangedFiles);
}

void MainWindow::takeChangedFiles()
{
    MouseConfig files;
    AppConfig::loadAll(files);
    // The window's own writes leave the files as it stored them.
    if (files == m_settings.stored())
        return;
    bool keepEdits = false;
    if (m_settings.hasUnappliedEdits()) {
        SkinMessageBox box(SkinMessageBox::Question, tr("Warning"),
                           tr("The settings were changed outside this window. Load them and discard your "
                              "unapplied changes?"),
                           this);
        keepEdits = box.exec() != QDialog::Accepted;
        // The box runs its own event loop: the files may have changed again.
        AppConfig::loadAll(files);
    }
    qCDebug(lcUi, "settings files changed outside the window; %s", keepEdits ? "edits kept" : "taken in");
    const int profileBefore = m_settings.editing().profileIndex();
    m_settings.filesChanged(files, keepEdits);
    if (m_settings.editing().profileIndex() != profileBefore)
        DesktopPointerSpeed::applyFrom(currentProfile(m_settings.editing()));
    m_profiles->showProfileChange();
}

void MainWindow::showFromElsewhere()
{
    if (isHidden() || isMinimized()) {
        showNormal();
        m_connection->showWarning();
        return;
    }
    raise();
    activateWindow();
}

void MainWindow::hideWindow()
{
    // Without a tray nothing could bring a hidden window back, and the
    // single-instance guard would refuse a new start: end the program then.
    if (!tray()->hasTray()) {
        QCoreApplication::quit();
        return;
    }
    hide();
}

void MainWindow::sayEditsDiscarded(int slot)
{
    qCDebug(lcUi, "unapplied edits of profile %d dropped by a switch from outside the window", slot + 1);
    m_discardedLine = tr("Unapplied changes to Profile %1 were discarded").arg(slot + 1);
    if (m_appProfiles)
        m_appProfiles->showStatus(m_discardedLine);
}

QString MainWindow::discardedLine() const
{
    return m_appProfiles && m_appProfiles->statusText() == m_discardedLine ? m_discardedLine : QString();
}

void MainWindow::discardEdits()
{
    // The stored record is what the files hold (with the desktop's pointer
    // speed, which reading a file again would lose).
    m_settings.dropEdits();
    m_pages->discardUnsavedEdits();
    m_profiles->makeProfileCurrent(m_settings.editing().profileIndex(), false);
}

int MainWindow::apply() { return m_apply->apply(); }

int MainWindow::upload(bool full) { return m_apply->upload(full); }

void MainWindow::switchLanguage(int id)
{
    bool loaded = false;
    if (!m_languages->switchTo(id, &loaded))
        return;
    m_controls.language->setText(m_languages->currentName());
    if (loaded)
        retranslate();
}

void MainWindow::startFirmwareUpdate()
{
    m_controls.firmware->setState(0);
    launchFirmwareUpdate(this, *m_connection, m_languages->currentId());
}

void MainWindow::showOsd(const QString &text)
{
    m_desktop->showText(text);
}

void MainWindow::showBatteryHistory()
{
    BatteryHistoryDialog dialog(m_desktop->batteryOutlook(), this);
    dialog.exec();
}

void MainWindow::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick)
        return;
    // A click on the tray icon: there is a tray to bring the window back.
    if (isHidden())
        m_connection->showWarning();
    else if (!warningShown())
        hide();
}

void MainWindow::showOneClickWarning()
{
    SkinMessageBox box(SkinMessageBox::Warning, tr("Warning"), tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."), this);
    box.exec();
}

void MainWindow::enableButtons(bool enable)
{
    for (SkinButton *button : m_controls.lockableButtons())
        button->setEnabled(enable);
    m_controls.nameField->setEnabled(enable);
}

// --- Events ----------------------------------------------------------------

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (testAttribute(Qt::WA_TranslucentBackground) && !mask().isEmpty())
        painter.setClipRegion(mask());
    const QPixmap &background = m_scale->background(m_scaleState.level);
    if (!background.isNull())
        painter.drawPixmap(0, 0, background);
    else
        painter.fillRect(rect(), QColor(20, 22, 26));
    if (m_status)
        m_status->paintFrame(painter);
    m_firstPaint.firstPaint();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_scaleState.layoutDone)
        return;
    QScreen *screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const int screenLevel = WindowScale::levelForScreen(screen);
    const int level = WindowScale::levelAfterResize(m_scaleState.level, screenLevel, size(),
                                                    m_scaleState.setSize);
    qCDebug(lcUi, "resized to %d x %d: scale level %d", width(), height(), level);
    // Showing the window resizes it to the size it already has: the layout
    // of that level and size stands.
    if (level == m_scaleState.laidOutLevel && size() == m_scaleState.laidOutSize)
        return;
    applyScale(level);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A close request from the desktop (Alt+F4) does what the close button
    // does.
    event->ignore();
    if (m_pages->settleUnsavedEdits())
        hideWindow();
}

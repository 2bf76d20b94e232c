#include "windowcontrols.h"

#include "widgets/languagefont.h"
#include "widgets/skincheckbox.h"
#include "widgets/skin.h"
#include "widgets/uiscale.h"
#include "widgets/skinlabel.h"
#include "widgets/skinlineedit.h"
#include "widgets/batterybar.h"
#include "widgets/skinbutton.h"

#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

const QRect WindowControls::kBatteryFrame(69, 581, 86, 47);
const QRect WindowControls::kFrontPicture(637, 99, 300, 400);
const QRect WindowControls::kSidePicture(637, 99, 316, 443);

namespace {

// Design geometry of the controls the layout shows.
const int kTabX = 69;
const int kTabY[kPageTabCount] = {90, 124, 158, 192};
const QSize kTabSize(154, 29);
const QRect kResetAll(308, 588, 128, 30);
const QRect kLoad(439, 588, 76, 30);
const QRect kSave(518, 588, 76, 30);
const QRect kApply(597, 588, 76, 30);
const QRect kLogo(69, 20, 200, 50);
const QRect kBattery(75, 587, 71, 34);
const QRect kCharge(174, 584, 26, 40);
const QRect kDongle(174, 581, 48, 48);
const QRect kModelButton(670, 33, 100, 20);
const QRect kLanguageButton(774, 33, 105, 20);
const QRect kMinimise(891, 30, 26, 26);
const QRect kClose(923, 30, 26, 26);
const QRect kModelLabel(637, 515, 300, 20);
const QRect kVersion(870, 594, 92, 24);
const QRect kAutostart(690, 594, 178, 24);
const QSize kAutostartBox(16, 16);

// Places of the controls that exist but are not shown: the layout pass gives
// them an empty size at these points.
const int kIndicatorX = 81;
const int kIndicatorY[WindowControls::kProfileSlots] = {240, 265, 290, 315, 340};
const QPoint kAdd(69, 504), kDelete(93, 504), kImport(117, 504), kExport(141, 504), kCopy(165, 504),
    kReset(189, 504);
const QPoint kNameField(68, 479), kNameLabel(69, 458), kLibrary(202, 479);
const QPoint kOk(439, 588), kCancel(518, 588), kFront(617, 99), kSide(617, 320);
const QPoint kWheelUp(792, 215), kWheelDown(792, 261);
const QPoint kFirstFrontSpots[7] = {{756, 233}, {826, 233}, {791, 238}, {729, 239},
                                    {792, 282}, {790, 304}, {790, 304}};

// Where the profile controls stand when they are shown: the indicators in
// a column under the tabs, the name with its label and the library button,
// then the small buttons. Import and export wear pictures; the four text
// buttons take two rows, so that their words fit in every language.
const QSize kIndicatorSize(130, 22);
const QRect kNameLabelShown(69, 456, 104, 20);
const QRect kImportShown(177, 455, 22, 22);
const QRect kExportShown(201, 455, 22, 22);
const QRect kNameFieldShown(69, 479, 128, 22);
const QRect kLibraryShown(201, 479, 22, 22);
const QRect kAddShown(69, 506, 75, 24), kDeleteShown(148, 506, 75, 24);
const QRect kCopyShown(69, 534, 75, 24), kResetShown(148, 534, 75, 24);

const int kTextSliceBorder = 8;

QStringList skinFiles(std::initializer_list<const char *> names)
{
    QStringList files;
    for (const char *name : names)
        files.append(Skin::path(QString::fromLatin1(name)));
    return files;
}

SkinButton *textButton(QWidget *parent, const char *objectName)
{
    auto *button = new SkinButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setPictures(skinFiles({"tabbutton-1.png", "tabbutton-3.png", "tabbutton-2.png"}));
    button->setSliceBorder(kTextSliceBorder);
    return button;
}

SkinButton *pictureButton(QWidget *parent, const char *objectName, const QStringList &pictures)
{
    auto *button = new SkinButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setPictures(pictures);
    return button;
}

SkinLabel *pictureLabel(QWidget *parent, const char *objectName, const char *file)
{
    auto *label = new SkinLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setPicture(Skin::path(QString::fromLatin1(file)), Qt::KeepAspectRatio);
    return label;
}

// The focus policy a control had before it was hidden in place, so that a
// later layout that shows it again gives it back.
const char kShownFocusPolicy[] = "shownFocusPolicy";

void place(QWidget *widget, const QRect &design)
{
    widget->setGeometry(UiScale::scaled(design));
    const QVariant kept = widget->property(kShownFocusPolicy);
    if (kept.isValid()) {
        widget->setFocusPolicy(Qt::FocusPolicy(kept.toInt()));
        widget->setProperty(kShownFocusPolicy, QVariant());
    }
}

// Present, working, unseen. A control nobody can see takes no focus and so
// no keys: Enter typed anywhere in the window must not reach the name field.
void hideInPlace(QWidget *widget, const QPoint &design)
{
    widget->setGeometry(QRect(UiScale::scaled(design), QSize(0, 0)));
    if (!widget->property(kShownFocusPolicy).isValid())
        widget->setProperty(kShownFocusPolicy, int(widget->focusPolicy()));
    widget->setFocusPolicy(Qt::NoFocus);
    if (widget->hasFocus())
        widget->clearFocus();
}

} // namespace

void WindowControls::build(QWidget *window)
{
    m_window = window;

    close = pictureButton(window, "close", skinFiles({"close-1.png", "close-2.png", "close-3.png"}));
    minimise = pictureButton(window, "minimise", skinFiles({"min-1.png", "min-2.png", "min-3.png"}));
    model = textButton(window, "model");
    language = pictureButton(window, "language", skinFiles({"lang.png", "lang.png", "lang.png"}));
    firmware = textButton(window, "firmware");

    static const char *const tabNames[kPageTabCount] = {"tabLighting", "tabCustomize", "tabDpi", "tabMacro"};
    for (int i = 0; i < kPageTabCount; ++i)
        tabs[size_t(i)] = textButton(window, tabNames[i]);
    for (int i = 0; i < kProfileSlots; ++i) {
        indicators[size_t(i)] = textButton(window, "profileIndicator");
        indicators[size_t(i)]->setProperty("slot", i);
    }

    profileMenu = pictureButton(window, "profileMenu", skinFiles({"profilesel.png"}));
    add = textButton(window, "add");
    remove = textButton(window, "delete");
    // The two pictures are crossed over on purpose: the export button wears
    // the import arrows and the other way round, as the skin was drawn.
    exportProfile = pictureButton(window, "exportProfile",
                                  skinFiles({"profile_import1.png", "profile_import2.png", "profile_import2.png"}));
    importProfile = pictureButton(window, "importProfile",
                                  skinFiles({"profile_export1.png", "profile_export1.png", "profile_export1.png"}));
    copy = textButton(window, "copy");
    reset = textButton(window, "reset");
    resetAll = textButton(window, "resetAll");
    load = textButton(window, "load");
    save = textButton(window, "save");
    nameField = new SkinLineEdit(window);
    nameField->setObjectName(QStringLiteral("nameField"));
    nameLabel = new SkinLabel(window);
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    library = pictureButton(window, "library", skinFiles({"profile_apply1.png"}));

    ok = textButton(window, "ok");
    cancel = textButton(window, "cancel");
    apply = textButton(window, "apply");

    frontPicture = new SkinLabel(window);
    frontPicture->setObjectName(QStringLiteral("frontPicture"));
    frontPicture->setAlignment(Qt::AlignCenter);
    sidePicture = new SkinLabel(window);
    sidePicture->setObjectName(QStringLiteral("sidePicture"));
    modelLabel = new SkinLabel(window);
    modelLabel->setObjectName(QStringLiteral("modelLabel"));
    modelLabel->setAlignment(Qt::AlignCenter);
    front = textButton(window, "front");
    side = textButton(window, "side");
    // The spots stand over the pictures, so they are made after them. Those
    // the layout does not place keep an empty geometry: they carry the
    // selection but have no place on the sample pictures.
    for (int i = 0; i < kSpotsPerView; ++i) {
        frontSpots[size_t(i)] = pictureButton(window, "frontSpot", {});
        sideSpots[size_t(i)] = pictureButton(window, "sideSpot", {});
        frontSpots[size_t(i)]->setGeometry(0, 0, 0, 0);
        sideSpots[size_t(i)]->setGeometry(0, 0, 0, 0);
    }
    wheelUp = pictureButton(window, "wheelUp", {});
    wheelDown = pictureButton(window, "wheelDown", {});

    battery = new BatteryBar(window);
    battery->setObjectName(QStringLiteral("battery"));
    battery->setRange(0, 100);
    charge = pictureLabel(window, "charge", "lightning.png");
    dongle = pictureLabel(window, "dongle", "dongle.png");
    logo = pictureLabel(window, "logo", "mouselogo.png");
    version = new SkinLabel(window);
    version->setObjectName(QStringLiteral("version"));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version->setStyleSheet(QStringLiteral("color:rgb(140,148,160);background:transparent;"));
    autostart = new SkinCheckBox(QString(), window);
    autostart->setObjectName(QStringLiteral("autostart"));
    autostart->setIndicatorSize(kAutostartBox.width(), kAutostartBox.height());
}

void WindowControls::layout(bool disableMacro, bool ledDisable)
{
    const QFont font = LanguageFont::current();
    for (SkinButton *button : buttons())
        button->setFont(font);
    nameField->setFont(font);
    nameLabel->setFont(font);
    modelLabel->setFont(font);
    version->setFont(LanguageFont::current(12));
    autostart->setFont(LanguageFont::current(12));

    for (int i = 0; i < kPageTabCount; ++i)
        place(tabs[size_t(i)], QRect(QPoint(kTabX, kTabY[i]), kTabSize));
    if (disableMacro)
        hideInPlace(tabs[size_t(PageTab::Macro)], QPoint(kTabX, kTabY[int(PageTab::Macro)]));
    if (ledDisable)
        hideInPlace(tabs[size_t(PageTab::Lighting)], QPoint(kTabX, kTabY[int(PageTab::Lighting)]));

    layoutProfileControls();
    hideInPlace(profileMenu, kNameField);
    hideInPlace(firmware, kReset);
    hideInPlace(ok, kOk);
    hideInPlace(cancel, kCancel);
    hideInPlace(front, kFront);
    hideInPlace(side, kSide);
    hideInPlace(wheelUp, kWheelUp);
    hideInPlace(wheelDown, kWheelDown);
    for (int i = 0; i < 7; ++i)
        hideInPlace(frontSpots[size_t(i)], kFirstFrontSpots[i]);

    place(resetAll, kResetAll);
    place(load, kLoad);
    place(save, kSave);
    place(apply, kApply);
    place(logo, kLogo);
    place(battery, kBattery);
    place(charge, kCharge);
    place(dongle, kDongle);
    place(frontPicture, kFrontPicture);
    place(sidePicture, kSidePicture);
    place(modelLabel, kModelLabel);
    place(model, kModelButton);
    place(language, kLanguageButton);
    place(minimise, kMinimise);
    place(close, kClose);
    place(version, kVersion);
    place(autostart, kAutostart);
}

void WindowControls::layoutProfileControls()
{
    const QList<QWidget *> controls = {indicators[0], indicators[1], indicators[2], indicators[3], indicators[4],
                                       add, remove, importProfile, exportProfile, copy, reset, nameField, library};
    for (QWidget *control : controls)
        control->setFocusPolicy(profileControlsShown ? Qt::StrongFocus : Qt::NoFocus);
    // A control of empty size that kept the focus would still take keys.
    for (QWidget *control : controls) {
        if (!profileControlsShown && control->hasFocus())
            control->clearFocus();
    }
    if (!profileControlsShown) {
        for (int i = 0; i < kProfileSlots; ++i)
            hideInPlace(indicators[size_t(i)], QPoint(kIndicatorX, kIndicatorY[i]));
        hideInPlace(add, kAdd);
        hideInPlace(remove, kDelete);
        hideInPlace(importProfile, kImport);
        hideInPlace(exportProfile, kExport);
        hideInPlace(copy, kCopy);
        hideInPlace(reset, kReset);
        hideInPlace(nameField, kNameField);
        hideInPlace(nameLabel, kNameLabel);
        hideInPlace(library, kLibrary);
        return;
    }
    for (int i = 0; i < kProfileSlots; ++i)
        place(indicators[size_t(i)], QRect(QPoint(kIndicatorX, kIndicatorY[i]), kIndicatorSize));
    place(nameLabel, kNameLabelShown);
    place(importProfile, kImportShown);
    place(exportProfile, kExportShown);
    place(nameField, kNameFieldShown);
    place(library, kLibraryShown);
    place(add, kAddShown);
    place(remove, kDeleteShown);
    place(copy, kCopyShown);
    place(reset, kResetShown);
}

void WindowControls::retranslate(const QString &productVersion)
{
    // The window's own catalogue context: these texts are the window's.
    static const char *const tabTexts[kPageTabCount] = {QT_TRANSLATE_NOOP("MainWindow", "LIGHTING"),
                                                   QT_TRANSLATE_NOOP("MainWindow", "CUSTOMIZE"),
                                                   QT_TRANSLATE_NOOP("MainWindow", "DPI"),
                                                   QT_TRANSLATE_NOOP("MainWindow", "MACRO")};
    for (int i = 0; i < kPageTabCount; ++i)
        tabs[size_t(i)]->setText(QCoreApplication::translate("MainWindow", tabTexts[i]));
    for (int i = 0; i < kProfileSlots; ++i)
        indicators[size_t(i)]->setText(numbered(QCoreApplication::translate("MainWindow", "Profile"),
                                                QCoreApplication::translate("MainWindow", " %d"), i + 1));
    version->setText(QCoreApplication::translate("MainWindow", "Version") + QLatin1Char(' ') + productVersion);
    autostart->setText(QCoreApplication::translate("MainWindow", "Start with the desktop"));
    nameField->setPlaceholderText(QCoreApplication::translate("MainWindow", "Press Enter To Apply"));
    nameLabel->setText(QCoreApplication::translate("MainWindow", "NAME"));
    reset->setText(QCoreApplication::translate("MainWindow", "RESET"));
    add->setText(QCoreApplication::translate("MainWindow", "ADD"));
    remove->setText(QCoreApplication::translate("MainWindow", "DELETE"));
    copy->setText(QCoreApplication::translate("MainWindow", "COPY"));
    resetAll->setText(QCoreApplication::translate("MainWindow", "Reset All"));
    ok->setText(QCoreApplication::translate("MainWindow", "OK"));
    cancel->setText(QCoreApplication::translate("MainWindow", "Cancel"));
    apply->setText(QCoreApplication::translate("MainWindow", "Apply"));
    load->setText(QCoreApplication::translate("MainWindow", "LOAD1"));
    save->setText(QCoreApplication::translate("MainWindow", "SAVE"));
    firmware->setText(QCoreApplication::translate("MainWindow", "Firmware Update"));
    front->setText(QCoreApplication::translate("MainWindow", "Front"));
    side->setText(QCoreApplication::translate("MainWindow", "Side"));
}

QString WindowControls::numbered(const QString &word, const QString &format, int number)
{
    // The number goes in by replacement, not printf: a catalogue's format
    // text is data, and a stray conversion in it must not reach printf.
    return word + QString(format).replace(QLatin1String("%d"), QString::number(number));
}

bool WindowControls::usesStrongArrows(const QString &modelName)
{
    static const char *const models[] = {
        "ZEPHRAN2", "VALKOR",  "STRIKON",    "VIPRAX FPS", "VIPRAX",   "MORVANE",   "MORVANE3", "TRAVEK",
        "KV41",     "Q412-RGB", "KV41-P7777", "EMBERLYX",  "Q215",     "Q216",      "Q220-RGB", "SOLVARE",
        "Q221-PRO", "Q221-RGB", "Q221-RGB2",  "KALDERA2",  "AURIVEN2", "REGNAR"};
    for (const char *name : models) {
        if (modelName == QLatin1String(name))
            return true;
    }
    return false;
}

void WindowControls::setArrowPictures(const QString &modelName)
{
    if (usesStrongArrows(modelName)) {
        wheelUp->setPictures(skinFiles({"btn_up4.png", "btn_up3.png", "btn_up3.png"}));
        wheelDown->setPictures(skinFiles({"btn_down4.png", "btn_down3.png", "btn_down3.png"}));
    } else {
        wheelUp->setPictures(skinFiles({"btn_up2.png", "btn_up1.png", "btn_up1.png"}));
        wheelDown->setPictures(skinFiles({"btn_down2.png", "btn_down1.png", "btn_down1.png"}));
    }
}

SkinButton *WindowControls::spot(int group, int index) const
{
    if (index < 0)
        return nullptr;
    switch (group) {
    case FrontSpots:
        return index < kSpotsPerView ? frontSpots[size_t(index)] : nullptr;
    case SideSpots:
        return index < kSpotsPerView ? sideSpots[size_t(index)] : nullptr;
    case WheelArrows:
        return index == 0 ? wheelUp : (index == 1 ? wheelDown : nullptr);
    default:
        return nullptr;
    }
}

bool WindowControls::findSpot(const SkinButton *button, int *group, int *index) const
{
    for (int g = 0; g < SpotGroupCount; ++g) {
        for (int i = 0; i < kSpotsPerView; ++i) {
            SkinButton *candidate = spot(g, i);
            if (!candidate)
                break;
            if (candidate == button) {
                *group = g;
                *index = i;
                return true;
            }
        }
    }
    *group = -1;
    *index = -1;
    return false;
}

QList<SkinButton *> WindowControls::buttons() const
{
    QList<SkinButton *> list = {close,   minimise, model,   language, firmware,      profileMenu,
                                    add,     remove,   copy,    reset,    exportProfile, importProfile,
                                    resetAll, load,    save,    library,  ok,            cancel,
                                    apply,   front,    side,    wheelUp,  wheelDown};
    for (SkinButton *button : tabs)
        list.append(button);
    for (SkinButton *button : indicators)
        list.append(button);
    for (SkinButton *button : frontSpots)
        list.append(button);
    for (SkinButton *button : sideSpots)
        list.append(button);
    return list;
}

QList<SkinButton *> WindowControls::lockableButtons() const
{
    QList<SkinButton *> list = {language, close,  minimise, firmware, profileMenu, add,  remove, copy,
                                    reset,    resetAll, exportProfile, importProfile, ok, cancel, apply, load,
                                    save,     library,  model};
    for (SkinButton *button : tabs)
        list.append(button);
    return list;
}

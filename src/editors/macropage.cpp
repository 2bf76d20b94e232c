#include "macropage.h"

#include "macroroweditor.h"
#include "macrorows.h"
#include "macrotablemodel.h"
#include "mousecommandpanel.h"
#include "pageevents.h"
#include "macrorowdelegate.h"

#include "config/macrofile.h"
#include "config/macrolibrary.h"
#include "widgets/uilog.h"
#include "config/productdescriptor.h"

#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinbutton.h"
#include "widgets/rangevalidator.h"

#include <QDebug>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableView>

#include <algorithm>
#include <array>

namespace {

// Design geometry, relative to the page (665 x 467).
struct Place {
    int button;
    QRect rect;
};
const Place kButtonPlaces[] = {
    {MacroPage::ChangeName, {0, 52, 170, 26}},  {MacroPage::New, {0, 326, 82, 26}},
    {MacroPage::DeleteMacro, {88, 326, 82, 26}}, {MacroPage::Import, {0, 358, 82, 26}},
    {MacroPage::Export, {88, 358, 82, 26}},     {MacroPage::GunSet, {88, 390, 82, 26}},
    {MacroPage::Start, {0, 430, 170, 32}},      {MacroPage::Stop, {0, 430, 170, 32}},
    {MacroPage::Edit, {180, 258, 93, 26}},      {MacroPage::DeleteRow, {278, 258, 93, 26}},
    {MacroPage::Top, {376, 258, 93, 26}},       {MacroPage::Bottom, {474, 258, 93, 26}},
    {MacroPage::MoveUp, {572, 258, 93, 26}},    {MacroPage::MoveDown, {180, 290, 110, 26}},
    {MacroPage::Clear, {295, 290, 80, 26}},     {MacroPage::InsertDelay, {380, 290, 140, 26}},
    {MacroPage::MouseAction, {525, 290, 140, 26}}, {MacroPage::Save, {465, 434, 95, 30}},
    {MacroPage::Cancel, {570, 434, 95, 30}},
};
const QRect kNameLabel(0, 0, 170, 20), kName(0, 22, 170, 26), kList(0, 84, 170, 236), kBatch(0, 390, 84, 26);
const QRect kTable(180, 0, 485, 250), kMousePanel(455, 0, 210, 250), kOptions(180, 324, 485, 106);
const int kColumnWidth = 160;

const char *const kButtonTexts[MacroPage::ButtonCount] = {
    QT_TRANSLATE_NOOP("MacroPage", "START"),        QT_TRANSLATE_NOOP("MacroPage", "STOP"),
    QT_TRANSLATE_NOOP("MacroPage", "NEW"),          QT_TRANSLATE_NOOP("MacroPage", "DELETE"),
    QT_TRANSLATE_NOOP("MacroPage", "CHANGE NAME"),  QT_TRANSLATE_NOOP("MacroPage", "SAVE"),
    QT_TRANSLATE_NOOP("MacroPage", "CANCEL"),       QT_TRANSLATE_NOOP("MacroPage", "IMPORT"),
    QT_TRANSLATE_NOOP("MacroPage", "EXPORT"),       QT_TRANSLATE_NOOP("MacroPage", "GUN SET"),
    QT_TRANSLATE_NOOP("MacroPage", "EDIT"),         QT_TRANSLATE_NOOP("MacroPage", "DELETE"),
    QT_TRANSLATE_NOOP("MacroPage", "TOP"),          QT_TRANSLATE_NOOP("MacroPage", "BOTTOM"),
    QT_TRANSLATE_NOOP("MacroPage", "MOVE UP"),      QT_TRANSLATE_NOOP("MacroPage", "MOVE DOWN"),
    QT_TRANSLATE_NOOP("MacroPage", "CLEAR"),        QT_TRANSLATE_NOOP("MacroPage", "INSERT DELAY"),
    QT_TRANSLATE_NOOP("MacroPage", "MOUSE ACTION"),
};
const char *const kLoopTexts[3] = {
    QT_TRANSLATE_NOOP("MacroPage", "LOOPS TIME(1-255)"),
    QT_TRANSLATE_NOOP("MacroPage", "REPEAT RUN WHEN KEY DOWN"),
    QT_TRANSLATE_NOOP("MacroPage", "REPEAT RUN UNTIL THE KEY DOWN"),
};

constexpr int kMaxDefaultDelayMs = 65535;
constexpr int kMaxLoopTime = 255;

int readClamped(const QString &text, int minimum, int maximum, int empty)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::clamp(value, minimum, maximum) : empty;
}

} // namespace

PagePlace MacroPage::placement()
{
    return {PageTab::Macro, QRect(285, 90, 665, 467), "MacroDialog"};
}

MacroPage::MacroPage(PageEvents &events, const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , m_events(events)
    , m_dialogs(MacroPageDialogs::standard())
    , m_model(new MacroTableModel(this))
    , m_unitMs(context.product.macroDelayUnit)
{
    m_product = context.product;
    setObjectName(QLatin1String(placement().objectName));
    m_model->setDelayUnit(m_unitMs);
    connect(this, &MacroPage::enableWindowButtons, &m_events, &PageEvents::enableWindowButtons);
    buildControls();
    setTexts();
    layoutControls();
    refillList(QString());
    updateEnabled();
}

MacroPage::~MacroPage()
{
    installCapture(false);
}

void MacroPage::buildControls()
{
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new SkinButton(this);
        button->setPictures({Skin::path(QStringLiteral("tabbutton-1.png")), Skin::path(QStringLiteral("tabbutton-3.png")),
                             Skin::path(QStringLiteral("tabbutton-2.png"))});
        button->setSliceBorder(8);
        button->setObjectName(QStringLiteral("macroButton%1").arg(i));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, button] { onClicked(button); });
        m_buttons[size_t(i)] = button;
    }
    m_buttons[Stop]->hide();

    m_nameLabel = new QLabel(this);
    m_nameLabel->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
    m_name = new SkinLineEdit(this);
    m_name->setMaxLength(100);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("macroList"));
    connect(m_list, &QListWidget::clicked, this, &MacroPage::itemClicked);
    m_batch = new SkinCheckBox(QString(), this);
    connect(m_batch, &QCheckBox::clicked, this, &MacroPage::checkbtn_clicked);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("macroTable"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new MacroRowDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setShowGrid(false);
    m_table->setFocusPolicy(Qt::NoFocus);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &MacroPage::currentMacroChanged);

    m_options = new QWidget(this);
    m_recordDelays = new SkinCheckBox(QString(), m_options);
    m_defaultDelays = new SkinCheckBox(QString(), m_options);
    for (SkinCheckBox *box : {m_recordDelays, m_defaultDelays})
        connect(box, &QCheckBox::clicked, this, &MacroPage::checkbtn_clicked);
    m_defaultDelay = new SkinLineEdit(m_options);
    m_defaultDelay->setValidator(new RangeValidator(m_unitMs, kMaxDefaultDelayMs, m_defaultDelay));
    m_defaultDelay->setMaxLength(5);
    connect(m_defaultDelay, &QLineEdit::textEdited, this, &MacroPage::defaultDelayChanged);
    m_msLabel = new QLabel(QStringLiteral("ms"), m_options);
    m_msLabel->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
    for (size_t i = 0; i < m_loops.size(); ++i) {
        auto *box = new SkinCheckBox(QString(), m_options);
        box->setPictures(Skin::path(QStringLiteral("checkbox2-1.png")), Skin::path(QStringLiteral("checkbox2-2.png")));
        connect(box, &QCheckBox::clicked, this, [this, i](bool on) {
            // One loop type at most; clicking the one that is on turns it off.
            for (size_t k = 0; k < m_loops.size(); ++k)
                m_loops[k]->setChecked(k == i && on);
            markDirty();
        });
        m_loops[i] = box;
    }
    m_loopTime = new SkinLineEdit(m_options);
    m_loopTime->setValidator(new RangeValidator(1, kMaxLoopTime, m_loopTime));
    m_loopTime->setMaxLength(3);
    connect(m_loopTime, &QLineEdit::textEdited, this, &MacroPage::loopTimeChanged);

    m_rowEditor = new MacroRowEditor(this);
    m_rowEditor->setDelayUnit(m_unitMs);
    m_rowEditor->hide();
    connect(m_rowEditor, &MacroRowEditor::rowEdited, this, [this](const KeyInfo &row) {
        const int at = selectedRow();
        if (at < 0)
            return;
        m_model->replace(at, row);
        markDirty();
    });

    m_mousePanel = new MouseCommandPanel(this);
    m_mousePanel->hide();
    connect(m_mousePanel, &MouseCommandPanel::clickRequested, this, [this](int button) {
        std::vector<KeyInfo> rows = withDelay(MacroRows::buttonRow(true, button));
        const std::vector<KeyInfo> release = withDelay(MacroRows::buttonRow(false, button));
        rows.insert(rows.end(), release.begin(), release.end());
        insertRows(rows);
    });
    connect(m_mousePanel, &MouseCommandPanel::buttonRequested, this,
            [this](int button, bool press) { insertRows(withDelay(MacroRows::buttonRow(press, button))); });
    connect(m_mousePanel, &MouseCommandPanel::moveRequested, this, [this](MacroRows::Direction d, int distance) {
        insertRows(withDelay(MacroRows::moveRow(d, distance)));
    });
}

void MacroPage::setTexts()
{
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons[size_t(i)]->setText(tr(kButtonTexts[i]));
    m_buttons[Start]->setToolTip(
        tr("Records the keys typed into this program. Keys typed into other programs cannot be recorded."));
    m_nameLabel->setText(tr("MACRO NAME"));
    m_batch->setText(tr("BATCH"));
    m_recordDelays->setText(tr("RECORD DELAYS BETWEEN ACTION"));
    m_defaultDelays->setText(tr("INSERT DEFAULT DELAY"));
    for (size_t i = 0; i < m_loops.size(); ++i)
        m_loops[i]->setText(tr(kLoopTexts[i]));
    m_model->retranslate();
    m_mousePanel->retranslate();
    m_rowEditor->retranslate();
}

void MacroPage::showMousePanel(bool show)
{
    m_mousePanel->setVisible(show);
    placeTable();
}

void MacroPage::placeTable()
{
    QRect table = kTable;
    std::array<int, MacroTableModel::ColumnCount> widths;
    widths.fill(kColumnWidth);
    if (!m_mousePanel->isHidden()) {
        // Beside the panel: the action and delay columns as narrow as their
        // headers allow.
        table.setRight(kMousePanel.left() - 1);
        widths[MacroTableModel::ActionColumn] = 62;
        widths[MacroTableModel::DelayColumn] = 92;
    }
    m_table->setGeometry(UiScale::scaled(table));
    // The key column takes what the other two leave of the visible width
    // (less the frame and a vertical bar), so no horizontal bar is ever
    // needed; a header text is never cut, in any language or scale.
    QHeaderView *header = m_table->horizontalHeader();
    const QFontMetrics metrics(header->font());
    for (int c : {int(MacroTableModel::ActionColumn), int(MacroTableModel::DelayColumn)}) {
        const QString text = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int needed = metrics.horizontalAdvance(text) + UiScale::scaled(12);
        header->setSectionResizeMode(c, QHeaderView::Fixed);
        m_table->setColumnWidth(c, std::max(UiScale::scaled(widths[size_t(c)]), needed));
    }
    header->setSectionResizeMode(MacroTableModel::KeyColumn, QHeaderView::Stretch);
}

void MacroPage::layoutControls()
{
    const QFont font = LanguageFont::current();
    for (const Place &place : kButtonPlaces)
        m_buttons[size_t(place.button)]->setGeometry(UiScale::scaled(place.rect));
    for (SkinButton *button : m_buttons)
        button->setFont(font);
    m_nameLabel->setGeometry(UiScale::scaled(kNameLabel));
    m_name->setGeometry(UiScale::scaled(kName));
    m_list->setGeometry(UiScale::scaled(kList));
    m_batch->setGeometry(UiScale::scaled(kBatch));
    m_table->verticalHeader()->setDefaultSectionSize(UiScale::scaled(24));
    m_mousePanel->setGeometry(UiScale::scaled(kMousePanel));
    m_options->setGeometry(UiScale::scaled(kOptions));
    m_rowEditor->setGeometry(UiScale::scaled(kOptions.adjusted(0, 10, 0, -60)));
    // One option a line; the two number fields line up on the right.
    const int line = 21;
    m_recordDelays->setGeometry(UiScale::scaled(0, 0, 485, 20));
    m_defaultDelays->setGeometry(UiScale::scaled(0, line, 330, 20));
    m_defaultDelay->setGeometry(UiScale::scaled(340, line, 70, 20));
    m_msLabel->setGeometry(UiScale::scaled(416, line, 40, 20));
    for (size_t i = 0; i < m_loops.size(); ++i)
        m_loops[i]->setGeometry(UiScale::scaled(0, int(2 + i) * line, i == 0 ? 330 : 485, 20));
    m_loopTime->setGeometry(UiScale::scaled(340, 2 * line, 70, 20));

    for (QWidget *w : std::initializer_list<QWidget *>{m_nameLabel, m_name, m_list, m_batch, m_table, m_recordDelays,
                                                        m_defaultDelays, m_defaultDelay, m_msLabel, m_loopTime})
        w->setFont(font);
    for (SkinCheckBox *box : m_loops)
        box->setFont(font);
    m_table->horizontalHeader()->setFont(font);
    const QColor accent = UiTheme::currentColor();
    for (SkinLineEdit *edit : {m_name, m_defaultDelay, m_loopTime})
        edit->applyTheme(accent, UiScale::factor());
    m_defaultDelay->setAlignment(Qt::AlignCenter);
    m_loopTime->setAlignment(Qt::AlignCenter);
    const QString frame = QStringLiteral("rgb(%1,%2,%3)").arg(accent.red()).arg(accent.green()).arg(accent.blue());
    // The batch mode's check boxes: white frames, filled with the theme
    // colour when ticked.
    m_list->setStyleSheet(QStringLiteral("QListWidget{background:rgb(25,25,25);color:white;border:1px solid %1;}"
                                         "QListWidget::item:selected{background:rgb(80,80,80);color:white;}"
                                         "QListWidget::indicator{width:%2px;height:%2px;border:1px solid white;"
                                         "background:rgb(25,25,25);}"
                                         "QListWidget::indicator:checked{background:%1;}")
                              .arg(frame)
                              .arg(UiScale::scaled(12)));
    m_table->setStyleSheet(QStringLiteral("QTableView{background:rgb(25,25,25);color:white;border:1px solid %1;}"
                                          "QHeaderView::section{background:rgb(45,45,45);color:white;border:none;"
                                          "padding:2px;}")
                               .arg(frame));
    m_mousePanel->applyScale();
    m_rowEditor->applyScale();
    // Last: the columns are measured in the header's font.
    placeTable();
}

void MacroPage::show(ProfileData &, MouseConfig &config, const PageContext &)
{
    // The macros live in their files; the profile is not the page's.
    m_config = &config;
}

void MacroPage::retranslate()
{
    setTexts();
    layoutControls();
}

void MacroPage::setScale(double factor)
{
    (void)factor;
    layoutControls();
}

// ---- state and enabling ----

void MacroPage::updateEnabled()
{
    const bool haveMacro = !m_current.isEmpty();
    const bool idle = !m_recording && !m_editing;
    const bool batch = m_batch->isChecked();
    const bool editable = idle && !batch && haveMacro;
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons[size_t(i)]->setEnabled(editable);
    m_buttons[Stop]->setEnabled(m_recording);
    m_buttons[Save]->setEnabled((idle && !batch && haveMacro) || m_editing);
    m_buttons[Cancel]->setEnabled((idle && !batch && haveMacro) || m_editing);
    m_buttons[New]->setEnabled(idle && !batch);
    m_buttons[GunSet]->setEnabled(idle && !batch);
    m_buttons[Import]->setEnabled(idle);
    m_buttons[Export]->setEnabled(idle && haveMacro);
    m_batch->setEnabled(idle);
    m_list->setEnabled(idle);
    m_name->setEnabled(editable);
    m_options->setEnabled(editable);
    m_mousePanel->setEnabled(editable);
    m_table->setEnabled(!m_recording && !batch);
}

void MacroPage::markDirty()
{
    if (!m_filling)
        m_dirty = true;
}

int MacroPage::delayMode() const
{
    if (m_recordDelays->isChecked())
        return MacroRecorder::RecordedDelays;
    return m_defaultDelays->isChecked() ? MacroRecorder::DefaultDelay : MacroRecorder::NoDelays;
}

int MacroPage::loopType() const
{
    for (size_t i = 0; i < m_loops.size(); ++i) {
        if (m_loops[i]->isChecked())
            return int(i) + 1;
    }
    return NoLoop;
}

int MacroPage::defaultDelayMs() const
{
    return readClamped(m_defaultDelay->text(), m_unitMs, kMaxDefaultDelayMs, MacroLibrary::kDefaultDelayMs);
}

int MacroPage::loopTime() const
{
    return readClamped(m_loopTime->text(), 1, kMaxLoopTime, MacroLibrary::kDefaultLoopTime);
}

void MacroPage::selectRow(int row)
{
    if (row < 0 || row >= m_model->count()) {
        m_table->selectionModel()->clearSelection();
        m_table->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        return;
    }
    m_table->selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(m_model->index(row, 0));
}

int MacroPage::selectedRow() const
{
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    return current.isValid() && m_table->selectionModel()->isRowSelected(current.row(), QModelIndex()) ? current.row()
                                                                                                          : -1;
}

void MacroPage::SelectRow(int row)
{
    qCDebug(lcUi, "SelectRow %d", row);
    selectRow(row);
}

void MacroPage::warn(const QString &text, bool capitalTitle)
{
    m_dialogs.warn(this, capitalTitle ? tr("WARNING") : tr("Warning"), text);
}

void MacroPage::checkbtn_clicked()
{
    auto *box = qobject_cast<SkinCheckBox *>(sender());
    if (box == m_batch) {
        refillList(m_current);
        updateEnabled();
        return;
    }
    // The two delay options exclude each other; unticking leaves none.
    if (box == m_recordDelays && box->isChecked())
        m_defaultDelays->setChecked(false);
    if (box == m_defaultDelays && box->isChecked())
        m_recordDelays->setChecked(false);
    markDirty();
}

void MacroPage::defaultDelayChanged(const QString &text)
{
    qCDebug(lcUi) << "defaultDelayChanged" << text;
    markDirty();
}

void MacroPage::loopTimeChanged(const QString &text)
{
    qCDebug(lcUi) << "loopTimeChanged" << text;
    markDirty();
}

// ---- clicks ----

void MacroPage::onClicked(SkinButton *button)
{
    const auto it = std::find(m_buttons.begin(), m_buttons.end(), button);
    if (it == m_buttons.end())
        return;
    const auto which = Button(it - m_buttons.begin());
    switch (which) {
    case Start: startRecording(); break;
    case Stop: stopRecording(); break;
    case New: newMacro(); break;
    case DeleteMacro: deleteMacro(); break;
    case ChangeName: changeName(); break;
    case Save: leaveEditMode(true); break;
    case Cancel: leaveEditMode(false); break;
    case Import: importMacros(); break;
    case Export: exportMacros(); break;
    case GunSet: gunSet(); break;
    case Edit: enterEditMode(); break;
    case InsertDelay: insertRows({MacroRows::delayRowForMs(kInsertedDelayMs, m_unitMs)}); break;
    case MouseAction: showMousePanel(m_mousePanel->isHidden()); break;
    default: rowOperation(which); break;
    }
}

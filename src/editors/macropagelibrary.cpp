// The library side of the macro page: the list, loading and saving the
// current macro, and the operations on macro files.

#include "macropage.h"
#include "recoilevents.h"
#include "macrotablemodel.h"
#include "pageevents.h"

#include "config/macroassignments.h"
#include "config/macrofile.h"
#include "config/macrolibrary.h"
#include "config/paths.h"
#include "config/productdescriptor.h"

#include "widgets/skincheckbox.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinbutton.h"

#include <QFileInfo>
#include <QListWidget>
#include <QTableView>

namespace {

QString listed(const QStringList &names) { return names.join(QStringLiteral(", ")); }

// Entries 0..19 are the buttons of the front picture, 20..39 those of the
// side picture.
constexpr int kButtonRowSize = 20;

// The number the button page shows beside button `index` of a row: the
// buttons the product hides are not counted. 0 for a button it does not show.
int shownButtonNumber(const ProductFacts &product, int index)
{
    const ProductDescriptor::Matrix &matrix = product.pageMatrix;
    const int count = std::clamp(product.pageMatrixCount, 0, int(kDescriptorButtonCount));
    if (index >= count || matrix[size_t(index)] == 255)
        return 0;
    int number = 1;
    for (int b = 0; b < index; ++b)
        number += matrix[size_t(b)] != 255;
    return number;
}

} // namespace

void MacroPage::refillList(const QString &select)
{
    const QStringList names = listMacros();
    const bool batch = m_batch->isChecked();
    m_list->clear();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, m_list);
        if (batch) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    QString wanted = names.contains(select) ? select : QString();
    if (wanted.isEmpty() && !names.isEmpty())
        wanted = names.contains(m_current) ? m_current : names.first();
    const auto found = m_list->findItems(wanted, Qt::MatchExactly);
    if (!found.isEmpty())
        m_list->setCurrentItem(found.first());
    if (wanted != m_current || wanted.isEmpty())
        loadMacro(wanted);
    updateEnabled();
}

bool MacroPage::loadMacro(const QString &name)
{
    m_filling = true;
    m_current = name;
    m_name->setText(name);
    MacroOptions options;
    std::vector<KeyInfo> events;
    // A missing file loads as an empty macro.
    const bool read = !name.isEmpty() && readMacroFile(name, options, events);
    // Rows the editor cannot show (a hand-edited file) are left out.
    keepEditableEvents(events);
    m_recordDelays->setChecked(options.DelayType == MacroRecorder::RecordedDelays);
    m_defaultDelays->setChecked(options.DelayType == MacroRecorder::DefaultDelay);
    m_defaultDelay->setText(QString::number(name.isEmpty() ? MacroLibrary::kDefaultDelayMs : options.DefaultDelay));
    m_loopTime->setText(QString::number(name.isEmpty() ? MacroLibrary::kDefaultLoopTime : options.LoopTime));
    for (int t = 1; t <= 3; ++t)
        m_loops[size_t(t - 1)]->setChecked(options.LoopType == t);
    m_model->setRows(std::move(events));
    selectRow(m_model->count() - 1);
    m_filling = false;
    m_dirty = false;
    updateEnabled();
    return read;
}

bool MacroPage::saveCurrent()
{
    if (m_current.isEmpty())
        return false;
    // A list entry edited by hand may name no file the folder can hold.
    QString why;
    if (!Paths::isSafeFileName(m_current, &why)) {
        warn(why);
        return false;
    }
    MacroOptions options;
    options.DelayType = delayMode();
    options.DefaultDelay = defaultDelayMs();
    options.LoopType = loopType();
    options.LoopTime = loopTime();
    if (!writeMacroFile(m_current, options, m_model->rows())) {
        warn(tr("The macro file could not be written."));
        return false;
    }
    // The fields show what the file now holds (an empty field took its
    // default, a number below the range its minimum).
    m_defaultDelay->setText(QString::number(options.DefaultDelay));
    m_loopTime->setText(QString::number(options.LoopTime));
    m_dirty = false;
    return true;
}

bool MacroPage::settleUnsavedEdits()
{
    if (!m_dirty || m_current.isEmpty())
        return true;
    const QString text = tr("The macro \"%1\" has changes that are not saved. Save them?").arg(m_current);
    switch (m_dialogs.askUnsaved(this, text)) {
    case MacroPageDialogs::Unsaved::Save:
        return saveCurrent();
    case MacroPageDialogs::Unsaved::Discard:
        // The page shows the file again: what the mouse is sent.
        loadMacro(m_current);
        return true;
    case MacroPageDialogs::Unsaved::Cancel:
        break;
    }
    return false;
}

void MacroPage::discardUnsavedEdits()
{
    if (m_dirty && !m_current.isEmpty())
        loadMacro(m_current);
}

void MacroPage::itemClicked(const QModelIndex &index)
{
    if (!index.isValid() || m_recording || m_editing)
        return;
    const QString name = index.data().toString();
    if (name == m_current)
        return;
    if (!settleUnsavedEdits()) {
        // The user stays with the macro being edited.
        const auto found = m_list->findItems(m_current, Qt::MatchExactly);
        if (!found.isEmpty())
            m_list->setCurrentItem(found.first());
        return;
    }
    loadMacro(name);
}

void MacroPage::newMacro()
{
    if (macroListFull()) {
        warn(tr("TOO MANY MACROS TO BE CREATE!"), true);
        return;
    }
    if (!settleUnsavedEdits())
        return;
    QString name;
    if (MacroLibrary::createMacro(&name) != MacroLibrary::Done) {
        warn(tr("The macro file could not be written."));
        return;
    }
    refillList(name);
}

QStringList MacroPage::buttonsUsing(const QString &name) const
{
    QStringList buttons;
    if (!m_config)
        return buttons;
    for (const MacroAssignment &use : findMacroAssignments(*m_config, name)) {
        QString button;
        if (use.entry == kWheelUpEntry) {
            button = tr("wheel up");
        } else if (use.entry == kWheelDownEntry) {
            button = tr("wheel down");
        } else {
            const bool side = use.entry >= kButtonRowSize;
            const int number = shownButtonNumber(m_product, use.entry % kButtonRowSize);
            if (number == 0)
                continue;   // not a button of this product: it plays nothing anyway
            button = (side ? tr("side button %1") : tr("front button %1")).arg(number);
        }
        buttons.append(tr("Profile %1: %2").arg(use.profile + 1).arg(button));
    }
    return buttons;
}

void MacroPage::deleteMacro()
{
    if (m_current.isEmpty())
        return;
    // The file goes for good: ask first, and say which buttons lose it.
    QString question = tr("Delete the macro \"%1\"?").arg(m_current);
    const QStringList users = buttonsUsing(m_current);
    if (!users.isEmpty())
        question += QLatin1Char('\n') + tr("These buttons use it and will play nothing: %1").arg(listed(users));
    if (!m_dialogs.ask(this, question))
        return;
    const int row = m_list->currentRow();
    ::deleteMacro(m_current);
    m_dirty = false;
    const QStringList names = listMacros();
    const QString next = names.isEmpty() ? QString() : names.at(std::min(std::max(row, 0), int(names.size()) - 1));
    m_current.clear();
    refillList(next);
}

void MacroPage::changeName()
{
    if (m_current.isEmpty())
        return;
    const QString wanted = m_name->text();
    QString why;
    QString renamed;
    switch (MacroLibrary::rename(m_current, wanted, &renamed, &why)) {
    case MacroLibrary::Done: break;
    case MacroLibrary::UnsafeName: warn(why); m_name->setText(m_current); return;
    default: warn(tr("The macro could not be renamed.")); m_name->setText(m_current); return;
    }
    const QString old = m_current;
    m_current = renamed;
    m_name->setText(renamed);
    if (renamed != old)
        emit m_events.macroRenamed(old, renamed);
    refillList(renamed);
}

void MacroPage::importMacros()
{
    QStringList files;
    if (m_batch->isChecked()) {
        files = m_dialogs.openFiles(this);
    } else {
        const QString file = m_dialogs.openFile(this);
        if (!file.isEmpty())
            files.append(file);
    }
    if (files.isEmpty())
        return;
    if (macroListFull()) {
        warn(tr("TOO MANY MACROS TO BE CREATE!"), true);
        return;
    }
    if (!settleUnsavedEdits())
        return;
    const MacroLibrary::ImportReport report = MacroLibrary::importFiles(files);
    QStringList problems;
    if (!report.existing.isEmpty())
        problems.append(tr("Macro Exist!") + QLatin1Char(' ') + listed(report.existing));
    if (!report.refused.isEmpty())
        problems.append(tr("These files cannot be macro names: %1").arg(listed(report.refused)));
    if (!report.notMacro.isEmpty())
        problems.append(tr("These files are not macro files: %1").arg(listed(report.notMacro)));
    if (!report.shortened.isEmpty())
        problems.append(tr("A macro holds at most %1 actions; only the first %1 were imported: %2")
                            .arg(kEventsPerButton)
                            .arg(listed(report.shortened)));
    if (!report.failed.isEmpty())
        problems.append(tr("These files could not be imported: %1").arg(listed(report.failed)));
    if (report.listFull)
        problems.append(tr("TOO MANY MACROS TO BE CREATE!"));
    if (!problems.isEmpty())
        warn(problems.join(QLatin1Char('\n')));
    if (!report.imported.isEmpty())
        refillList(report.imported.last());
}

void MacroPage::exportMacros()
{
    if (m_current.isEmpty())
        return;
    if (!m_batch->isChecked()) {
        const QString chosen = m_dialogs.saveFile(this, m_current + QStringLiteral(".MSMACRO"));
        if (chosen.isEmpty())
            return;
        if (!MacroLibrary::exportTo(m_current, MacroLibrary::withMacroSuffix(chosen)))
            warn(tr("These files could not be exported: %1").arg(m_current));
        return;
    }
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            names.append(m_list->item(i)->text());
    }
    if (names.isEmpty())
        return;
    const QString folder = m_dialogs.chooseFolder(this);
    if (folder.isEmpty())
        return;
    const QStringList existing = MacroLibrary::existingExports(names, folder);
    if (!existing.isEmpty() && !m_dialogs.ask(this, tr("Replace these files?\n%1").arg(listed(existing))))
        return;
    const QStringList failed = MacroLibrary::exportAll(names, folder);
    if (!failed.isEmpty())
        warn(tr("These files could not be exported: %1").arg(listed(failed)));
}

void MacroPage::gunSet()
{
    if (macroListFull()) {
        warn(tr("TOO MANY MACROS TO BE CREATE!"), true);
        return;
    }
    const MacroPageDialogs::Recoil recoil = m_dialogs.recoil(this);
    if (!recoil.accepted)
        return;
    if (!settleUnsavedEdits())
        return;
    QString name;
    QString why;
    const auto result = MacroLibrary::createRecoil(recoil.name, buildRecoilEvents(recoil.bullets, m_model->delayUnit()),
                                                   &name, &why);
    switch (result) {
    case MacroLibrary::Done: refillList(name); break;
    case MacroLibrary::UnsafeName: warn(why); break;
    case MacroLibrary::ListFull: warn(tr("TOO MANY MACROS TO BE CREATE!"), true); break;
    default: warn(tr("The macro file could not be written.")); break;
    }
}

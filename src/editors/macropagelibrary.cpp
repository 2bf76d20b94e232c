// The library side of the macro page: the list, loading and saving the
// current macro, and the operations on macro files.

#include "macropage.h"
#include "recoilevents.h"
#include "macrotablemodel.h"
#include "pageevents.h"

#include "config/macrofile.h"
#include "config/macrolibrary.h"
#include "config/paths.h"

#include "widgets/veskcheckbox.h"
#include "widgets/vesklineedit.h"
#include "widgets/veskpushbutton.h"

#include <QFileInfo>
#include <QListWidget>
#include <QTableView>

namespace {

QString listed(const QStringList &names) { return names.join(QStringLiteral(", ")); }

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
    m_dirty = false;
    return true;
}

bool MacroPage::confirmDropEdits()
{
    if (!m_dirty || m_current.isEmpty())
        return true;
    if (m_dialogs.ask(this, tr("The macro \"%1\" has changes that are not saved. Save them?").arg(m_current)))
        saveCurrent();
    m_dirty = false;
    return true;
}

void MacroPage::itemClicked(const QModelIndex &index)
{
    if (!index.isValid() || m_recording || m_editing)
        return;
    const QString name = index.data().toString();
    if (name == m_current)
        return;
    confirmDropEdits();
    loadMacro(name);
}

void MacroPage::newMacro()
{
    if (macroListFull()) {
        warn(tr("TOO MANY MACROS TO BE CREATE!"), true);
        return;
    }
    confirmDropEdits();
    QString name;
    if (MacroLibrary::createMacro(&name) != MacroLibrary::Done) {
        warn(tr("The macro file could not be written."));
        return;
    }
    refillList(name);
}

void MacroPage::deleteMacro()
{
    if (m_current.isEmpty())
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
    confirmDropEdits();
    const MacroLibrary::ImportReport report = MacroLibrary::importFiles(files);
    QStringList problems;
    if (!report.existing.isEmpty())
        problems.append(tr("Macro Exist!") + QLatin1Char(' ') + listed(report.existing));
    if (!report.refused.isEmpty())
        problems.append(tr("These files cannot be macro names: %1").arg(listed(report.refused)));
    if (!report.failed.isEmpty() || !report.notMacros.isEmpty())
        problems.append(tr("These files could not be imported: %1").arg(listed(report.failed + report.notMacros)));
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
    confirmDropEdits();
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

// The rows of the macro page: inserting mouse actions and delays, moving
// and deleting rows, edit mode, and recording through the key capture.

#include "keycapture.h"
#include "macropage.h"
#include "macroroweditor.h"
#include "macrorows.h"
#include "macrotablemodel.h"
#include "mousecommandpanel.h"

#include "config/keytables.h"
#include "widgets/uilog.h"

#include "widgets/skinbutton.h"

#include <QApplication>
#include <QDebug>
#include <QTableView>

#include <algorithm>

std::vector<KeyInfo> MacroPage::withDelay(const KeyInfo &row) const
{
    std::vector<KeyInfo> rows{row};
    switch (delayMode()) {
    case MacroRecorder::RecordedDelays: rows.push_back(MacroRows::delayRowForMs(kInsertedDelayMs, m_unitMs)); break;
    case MacroRecorder::DefaultDelay: rows.push_back(MacroRows::delayRowForMs(defaultDelayMs(), m_unitMs)); break;
    default: break;
    }
    return rows;
}

bool MacroPage::insertRows(std::vector<KeyInfo> rows)
{
    if (m_current.isEmpty() || m_recording || m_editing)
        return false;
    const int at = selectedRow() + 1;
    if (!m_model->insertEvents(at, rows)) {
        warn(tr("The macro is full: the mouse plays at most 63 events in 200 bytes. Nothing was inserted."));
        return false;
    }
    selectRow(at + int(rows.size()) - 1);
    markDirty();
    return true;
}

void MacroPage::rowOperation(Button which)
{
    const int row = selectedRow();
    const int last = m_model->count() - 1;
    if (which == Clear) {
        if (m_model->count() > 0) {
            m_model->clear();
            markDirty();
        }
        return;
    }
    if (row < 0)
        return;
    int to = row;
    switch (which) {
    case DeleteRow:
        m_model->removeAt(row);
        markDirty();
        selectRow(std::min(row, m_model->count() - 1));
        return;
    case Top: to = 0; break;
    case Bottom: to = last; break;
    case MoveUp: to = std::max(0, row - 1); break;
    case MoveDown: to = std::min(last, row + 1); break;
    default: return;
    }
    if (to == row)
        return;
    m_model->move(row, to);
    selectRow(to);
    markDirty();
}

void MacroPage::currentMacroChanged(const QModelIndex &current, const QModelIndex &previous)
{
    (void)previous;
    if (!m_editing || !current.isValid())
        return;
    const int kind = m_rowEditor->editRow(m_model->row(current.row()));
    qCDebug(lcUi, "currentMacroChanged %d", kind);
    installCapture(m_rowEditor->wantsKeys());
}

void MacroPage::enterEditMode()
{
    const int row = selectedRow();
    if (row < 0 || m_editing)
        return;
    m_editing = true;
    m_options->hide();
    showMousePanel(false);
    m_rowEditor->show();
    updateEnabled();
    emit enableWindowButtons(false);
    currentMacroChanged(m_model->index(row, 0), QModelIndex());
}

void MacroPage::leaveEditMode(bool save)
{
    if (m_recording)
        return;
    installCapture(false);
    const bool wasEditing = m_editing;
    m_editing = false;
    m_rowEditor->hide();
    m_options->show();
    if (save) {
        saveCurrent();
    } else {
        const int row = selectedRow();
        loadMacro(m_current);
        if (wasEditing && row >= 0 && row < m_model->count())
            selectRow(row);
    }
    updateEnabled();
    if (wasEditing)
        emit enableWindowButtons(true);
}

void MacroPage::startRecording()
{
    if (m_recording || m_editing || m_current.isEmpty())
        return;
    m_model->clear();
    m_recording = true;
    m_dirty = true;
    m_buttons[Start]->hide();
    m_buttons[Stop]->show();
    m_recorder.start(delayMode(), defaultDelayMs(), m_unitMs);
    // Keys typed now are recorded, not typed into the edits.
    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();
    updateEnabled();
    emit enableWindowButtons(false);
    installCapture(true);
}

void MacroPage::stopRecording()
{
    if (!m_recording)
        return;
    installCapture(false);
    m_recording = false;
    m_buttons[Stop]->hide();
    m_buttons[Start]->show();
    updateEnabled();
    emit enableWindowButtons(true);
    if (MacroRows::hasUnreleasedPress(m_model->rows()))
        warn(tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    saveCurrent();
}

void MacroPage::takeKey(int code, int flags, qint64 ms)
{
    if (m_editing && m_rowEditor->wantsKeys()) {
        int usage = 0;
        if (keyCodeToUsage(code, usage))
            m_rowEditor->takeKey(usage);
        return;
    }
    if (!m_recording)
        return;
    std::vector<KeyInfo> rows = m_model->rows();
    const size_t before = rows.size();
    if (m_recorder.feed(code, flags, ms, rows) != MacroRecorder::Added)
        return;
    m_model->append(std::vector<KeyInfo>(rows.begin() + long(before), rows.end()));
    selectRow(m_model->count() - 1);
}

// Keys are taken from every widget of the program while recording or
// editing a key row; keys typed into other programs cannot be seen without
// privileges.
void MacroPage::installCapture(bool on)
{
    if (on) {
        if (!m_capture) {
            m_capture = new KeyCapture(this);
            connect(m_capture, &KeyCapture::keyCaptured, this, &MacroPage::takeKey);
        }
        m_capture->watch(QCoreApplication::instance());
        m_capture->setActive(true);
    } else if (m_capture) {
        // A release the capture still holds back belongs to the recording.
        m_capture->setActive(false);
        m_capture->stopWatching();
    }
}

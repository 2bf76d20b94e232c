#include "macrotablemodel.h"

#include "device/macroimage.h"
#include "editors/macrorows.h"

#include "widgets/skin.h"

#include <QPixmap>

MacroTableModel::MacroTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void MacroTableModel::setDelayUnit(int unitMs)
{
    m_unitMs = unitMs > 0 ? unitMs : 10;
    if (!m_rows.empty())
        emit dataChanged(index(0, DelayColumn), index(count() - 1, DelayColumn));
}

void MacroTableModel::setRows(std::vector<KeyInfo> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool MacroTableModel::canInsert(int at, const std::vector<KeyInfo> &rows) const
{
    if (at < 0 || at > count())
        return false;
    std::vector<KeyInfo> after = m_rows;
    after.insert(after.begin() + at, rows.begin(), rows.end());
    return macroFitsBank(after.data(), int(after.size()));
}

bool MacroTableModel::insertEvents(int at, const std::vector<KeyInfo> &rows)
{
    if (rows.empty() || !canInsert(at, rows))
        return false;
    beginInsertRows(QModelIndex(), at, at + int(rows.size()) - 1);
    m_rows.insert(m_rows.begin() + at, rows.begin(), rows.end());
    endInsertRows();
    return true;
}

void MacroTableModel::append(const std::vector<KeyInfo> &rows)
{
    if (rows.empty())
        return;
    beginInsertRows(QModelIndex(), count(), count() + int(rows.size()) - 1);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    endInsertRows();
}

void MacroTableModel::replace(int i, const KeyInfo &row)
{
    if (i < 0 || i >= count())
        return;
    m_rows[size_t(i)] = row;
    emit dataChanged(index(i, 0), index(i, ColumnCount - 1));
}

void MacroTableModel::removeAt(int i)
{
    if (i < 0 || i >= count())
        return;
    beginRemoveRows(QModelIndex(), i, i);
    m_rows.erase(m_rows.begin() + i);
    endRemoveRows();
}

bool MacroTableModel::move(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count())
        return false;
    if (from == to)
        return true;
    // beginMoveRows counts the destination before the move.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    const KeyInfo row = m_rows[size_t(from)];
    m_rows.erase(m_rows.begin() + from);
    m_rows.insert(m_rows.begin() + to, row);
    endMoveRows();
    return true;
}

void MacroTableModel::clear() { setRows({}); }

int MacroTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

int MacroTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant MacroTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return QVariant();
    const KeyInfo &event = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case KeyColumn: return MacroRowText::keyCell(event);
        case ActionColumn: return MacroRowText::actionCell(event);
        case DelayColumn: return MacroRowText::delayCell(event, m_unitMs);
        default: return QVariant();
        }
    case IconFileRole: {
        // The delay icon stands in the delay column, the others by the key.
        const bool delay = MacroRows::kindOf(event) == MacroRows::Kind::Delay;
        if (index.column() != (delay ? DelayColumn : KeyColumn))
            return QVariant();
        const QString file = MacroRowText::iconFile(event);
        return file.isEmpty() ? QVariant() : QVariant(Skin::path(file));
    }
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case EventRole: return event.map << 16 | event.DataH << 8 | event.DataL;
    default: return QVariant();
    }
}

QVariant MacroTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case KeyColumn: return tr("KEY");
    case ActionColumn: return tr("ACTION");
    case DelayColumn: return tr("DELAY(ms)");
    default: return QVariant();
    }
}

void MacroTableModel::retranslate() { emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1); }

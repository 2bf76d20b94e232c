#pragma once

#include "config/mouseconfig.h"

#include <QAbstractTableModel>

#include <vector>

// The rows of the macro being edited, as the table "KEY", "ACTION",
// "DELAY(ms)" shows them. Each row is one event triple; the cells are its
// texts (MacroRowText); the key cell (the delay cell of a delay row) names
// the row's icon.
class MacroTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { KeyColumn, ActionColumn, DelayColumn, ColumnCount };
    // The row's event packed as type << 16 | high << 8 | low.
    static constexpr int EventRole = Qt::UserRole + 1;
    // The skin picture of the cell's icon (key up or down, mouse, delay).
    static constexpr int IconFileRole = Qt::UserRole + 2;

    explicit MacroTableModel(QObject *parent = nullptr);

    void setDelayUnit(int unitMs);
    int delayUnit() const { return m_unitMs; }

    const std::vector<KeyInfo> &rows() const { return m_rows; }
    void setRows(std::vector<KeyInfo> rows);
    const KeyInfo &row(int index) const { return m_rows.at(size_t(index)); }
    int count() const { return int(m_rows.size()); }

    // Whether `rows` inserted at `at` leave a macro the mouse can play whole
    // (see macroFitsBank).
    bool canInsert(int at, const std::vector<KeyInfo> &rows) const;
    // Inserts all of `rows` at `at`, or nothing when they would not fit.
    bool insertEvents(int at, const std::vector<KeyInfo> &rows);
    // Appends without the device check: the recorder keeps its own limits.
    void append(const std::vector<KeyInfo> &rows);
    void replace(int index, const KeyInfo &row);
    void removeAt(int index);
    // Moves row `from` to index `to`; false when either is out of range.
    bool move(int from, int to);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The header texts changed language.
    void retranslate();

private:
    std::vector<KeyInfo> m_rows;
    int m_unitMs = 10;
};

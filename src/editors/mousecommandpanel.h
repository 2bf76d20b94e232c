#pragma once

#include "macrorows.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The "MOUSE COMMAND" panel of the macro editor: the five mouse buttons, each
// with "PRESS DOWN" and "BOUNCE UP", and the four movements with a distance
// each. It only asks; the page inserts the rows.
//
// A collapsed button item opens on a click (closing the others); a click on
// an open one asks for a whole click.
class MouseCommandPanel : public QWidget {
    Q_OBJECT
public:
    explicit MouseCommandPanel(QWidget *parent = nullptr);

    void retranslate();
    void applyScale();
    // The distance edit of a movement (for tests).
    QLineEdit *distanceEdit(MacroRows::Direction direction) const { return m_distance[size_t(direction)]; }
    QTreeWidget *tree() const { return m_tree; }

signals:
    void clickRequested(int button);
    void buttonRequested(int button, bool press);
    void moveRequested(MacroRows::Direction direction, int distance);

private slots:
    void commandChosen(QTreeWidgetItem *item, int column);

private:
    QLabel *m_title;
    QTreeWidget *m_tree;
    std::array<QLineEdit *, 4> m_distance{};
};

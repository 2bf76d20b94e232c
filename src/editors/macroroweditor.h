#pragma once

#include "config/mouseconfig.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// The editor of one macro row in edit mode: the key row takes the next key
// typed (the page hands it in), the button row a menu of buttons, the
// movement a direction and a distance, the delay its milliseconds. Every
// change is reported as the row's new triple.
class MacroRowEditor : public QWidget {
    Q_OBJECT
public:
    explicit MacroRowEditor(QWidget *parent = nullptr);

    void setDelayUnit(int unitMs) { m_unitMs = unitMs > 0 ? unitMs : 10; }
    // Shows the editor that fits `row`; returns its kind number (1 key,
    // 2 button, 3 movement, 4 delay, 0 none).
    int editRow(const KeyInfo &row);
    bool wantsKeys() const { return m_kind == 1; }
    // A key typed while a key row is edited: the row keeps press or release.
    void takeKey(int usage);

    void retranslate();
    void applyScale();

    QPushButton *buttonChoice() const { return m_button; }
    QPushButton *directionChoice() const { return m_direction; }
    QLineEdit *distanceEdit() const { return m_distance; }
    QLineEdit *delayEdit() const { return m_delay; }

    static constexpr int kMinDelayMs = 10;
    static constexpr int kMaxDelayMs = 65535;

signals:
    void rowEdited(const KeyInfo &row);

private slots:
    void moveEdited(const QString &text);
    void delayEdited(const QString &text);

private:
    void change(const KeyInfo &row);
    void showTexts();

    KeyInfo m_row;
    int m_kind = 0;
    int m_unitMs = 10;
    QStackedWidget *m_stack;
    QLabel *m_keyTitle;
    QLabel *m_keyName;
    QLabel *m_buttonTitle;
    QPushButton *m_button;
    QLabel *m_moveTitle;
    QPushButton *m_direction;
    QLineEdit *m_distance;
    QLabel *m_delayTitle;
    QLineEdit *m_delay;
};

#pragma once

#include "widgets/skinneddialog.h"

#include <memory>

class BatteryHistory;
class BatteryOutlook;
class BatteryPlot;
class QAbstractButton;
class QButtonGroup;
class QLabel;

// "Battery history": the level over the last 24 hours, 7 days or 30 days
// (switchable), charging times shaded, and the estimate in words. It reads
// the history on its own connection when it opens, when the span changes and
// whenever the window's outlook has taken a new reading.
class BatteryHistoryDialog : public SkinnedDialog {
    Q_OBJECT
public:
    enum Span { Day = 0, Week = 1, Month = 2 };
    static qint64 spanSeconds(Span span);

    explicit BatteryHistoryDialog(BatteryOutlook *outlook, QWidget *parent = nullptr);
    ~BatteryHistoryDialog() override;

    void setSpan(Span span);
    Span span() const { return m_span; }
    BatteryPlot *plot() const { return m_plot; }
    QLabel *estimateLabel() const { return m_estimate; }
    QAbstractButton *spanButton(Span span) const;
    int shownReadings() const { return m_shown; }

public slots:
    void reload();

private:
    BatteryOutlook *m_outlook;
    std::unique_ptr<BatteryHistory> m_history;
    BatteryPlot *m_plot = nullptr;
    QLabel *m_estimate = nullptr;
    QButtonGroup *m_spans = nullptr;
    Span m_span = Day;
    int m_shown = 0;
};

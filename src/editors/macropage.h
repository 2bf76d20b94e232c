#pragma once

#include "editorpage.h"
#include "macropagedialogs.h"
#include "macrorecorder.h"

#include <QWidget>

#include <array>

class KeyCapture;
class MacroRowEditor;
class MacroTableModel;
class MouseCommandPanel;
class PageEvents;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QTableView;
class SkinCheckBox;
class SkinLineEdit;
class SkinButton;

// The macro editor (MacroDialog), the page of the macro tab. It keeps the
// macro library (Configs/MacroDB and MACRO_LIST), shows the selected macro's
// rows, records keys typed into this program, inserts mouse actions and
// delays, edits and moves rows, and creates recoil files.
//
// Macros live in their files, not in the profile record: show() leaves the record
// alone. Only a rename reaches the record, through
// PageEvents::macroRenamed, so that buttons keep their macro.
class MacroPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    static PagePlace placement();

    enum Button {
        Start, Stop, New, DeleteMacro, ChangeName, Save, Cancel, Import, Export, GunSet,
        Edit, DeleteRow, Top, Bottom, MoveUp, MoveDown, Clear, InsertDelay, MouseAction, ButtonCount
    };
    enum LoopType { NoLoop = 0, LoopCount = 1, RepeatWhileHeld = 2, RepeatUntilPressed = 3 };
    // Inserted by "INSERT DELAY", and after mouse actions with recorded
    // delays.
    static constexpr int kInsertedDelayMs = 10;

    MacroPage(PageEvents &events, const PageContext &context, QWidget *parent = nullptr);
    ~MacroPage() override;

    QWidget *widget() override { return this; }
    void show(ProfileData &profile, MouseConfig &config, const PageContext &context) override;
    using QWidget::show;
    void retranslate() override;
    void setScale(double factor) override;
    // Rows or options changed and not saved: asks Save / Discard / Cancel.
    // False when the user cancels or the save fails.
    bool settleUnsavedEdits() override;
    // Cancel: the selected macro's file is shown again.
    void discardUnsavedEdits() override;

    void setDialogs(const MacroPageDialogs &dialogs) { m_dialogs = dialogs; }

    QString currentName() const { return m_current; }
    MacroTableModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }
    QListWidget *macroList() const { return m_list; }
    SkinButton *button(Button which) const { return m_buttons[size_t(which)]; }
    SkinLineEdit *nameEdit() const { return m_name; }
    SkinLineEdit *defaultDelayEdit() const { return m_defaultDelay; }
    SkinLineEdit *loopTimeEdit() const { return m_loopTime; }
    SkinCheckBox *delayBox(int mode) const { return mode == 1 ? m_recordDelays : m_defaultDelays; }
    SkinCheckBox *loopBox(int loopType) const { return m_loops[size_t(loopType - 1)]; }
    SkinCheckBox *batchBox() const { return m_batch; }
    MouseCommandPanel *mousePanel() const { return m_mousePanel; }
    MacroRowEditor *rowEditor() const { return m_rowEditor; }
    bool isRecording() const { return m_recording; }
    bool isEditing() const { return m_editing; }
    bool hasUnsavedRows() const { return m_dirty; }
    const MacroRecorder &recorder() const { return m_recorder; }

    int delayMode() const;
    int loopType() const;
    // The edits read as stored: clamped to their ranges, empty gives the
    // default.
    int defaultDelayMs() const;
    int loopTime() const;

    // Selects the row (-1 for none).
    void selectRow(int row);
    int selectedRow() const;

public slots:
    // A key typed into the program while recording or editing a key row:
    // set-1 key code, flags (bit 7 release) and the time in ms.
    void takeKey(int code, int flags, qint64 ms);
    void onClicked(SkinButton *button);
    void itemClicked(const QModelIndex &index);
    void SelectRow(int row);

signals:
    void enableWindowButtons(bool enable);

private slots:
    void currentMacroChanged(const QModelIndex &current, const QModelIndex &previous);
    void checkbtn_clicked();
    void defaultDelayChanged(const QString &text);
    void loopTimeChanged(const QString &text);

private:
    void buildControls();
    void layoutControls();
    // Shows or hides the mouse-command panel; the table makes room for it,
    // so that no column is covered while it is open.
    void showMousePanel(bool show);
    void placeTable();
    void updateEnabled();
    void setTexts();

    // Library.
    void refillList(const QString &select);
    bool loadMacro(const QString &name);
    bool saveCurrent();
    void newMacro();
    void deleteMacro();
    // "Profile 2: front button 3" for each button of the five profiles that
    // plays macro `name`.
    QStringList buttonsUsing(const QString &name) const;
    void changeName();
    void importMacros();
    void exportMacros();
    void gunSet();

    // Rows.
    void startRecording();
    void stopRecording();
    void enterEditMode();
    void leaveEditMode(bool save);
    bool insertRows(std::vector<KeyInfo> rows);
    std::vector<KeyInfo> withDelay(const KeyInfo &row) const;
    void rowOperation(Button which);
    void markDirty();

    void warn(const QString &text, bool capitalTitle = false);
    void installCapture(bool on);

    PageEvents &m_events;
    MacroPageDialogs m_dialogs;
    MacroRecorder m_recorder;
    MacroTableModel *m_model;
    int m_unitMs;

    std::array<SkinButton *, ButtonCount> m_buttons{};
    QLabel *m_nameLabel = nullptr;
    SkinLineEdit *m_name = nullptr;
    QListWidget *m_list = nullptr;
    SkinCheckBox *m_batch = nullptr;
    QTableView *m_table = nullptr;
    SkinCheckBox *m_recordDelays = nullptr;
    SkinCheckBox *m_defaultDelays = nullptr;
    SkinLineEdit *m_defaultDelay = nullptr;
    QLabel *m_msLabel = nullptr;
    std::array<SkinCheckBox *, 3> m_loops{};
    SkinLineEdit *m_loopTime = nullptr;
    QWidget *m_options = nullptr;
    MouseCommandPanel *m_mousePanel = nullptr;
    MacroRowEditor *m_rowEditor = nullptr;
    KeyCapture *m_capture = nullptr;

    // The configuration of the last show(): the host keeps it for as long as
    // the page shows it. Read only, to name the buttons that use a macro.
    const MouseConfig *m_config = nullptr;
    ProductFacts m_product;
    QString m_current;
    bool m_recording = false;
    bool m_editing = false;
    bool m_dirty = false;
    bool m_filling = false;
};

#pragma once
// The MACRO page: the stored macros on the left, the events of the selected
// one in the middle, the mouse actions and the delay and loop options on the
// right. Macros are recorded from the keyboard layer, completed by hand and
// kept one file each in the macro store.
//
// While recording or editing, EnableButtonsSignal(false) asks the window to
// disable everything else, so the page is left only through STOP, SAVE or
// CANCEL. Row edits (insertions, moves, deletions, the row clipboard) enter
// edit mode; SAVE writes the file, CANCEL reloads it.
#include "storage/MacroFiles.h"
#include "ui/macro/MacroRecorder.h"
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>

class KeyboardHook;
class KestPushButton;
class KestTreeWidget;
class MacroEventModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QStackedWidget;
class QTableView;
class QTreeWidgetItem;

class MacroDialog : public QWidget
{
    Q_OBJECT

public:
    explicit MacroDialog(QWidget *parent = nullptr);
    ~MacroDialog() override;

    // ---- state -----------------------------------------------------------
    bool isRecording() const { return m_bRecording; }
    bool isEditing() const { return m_bEdit; }
    bool isBatchMode() const { return m_bBatch; }
    QString currentMacroName() const;
    QStringList listedNames() const; // as the list shows them
    QStringList checkedNames() const; // batch mode
    int delayUnit() const { return m_iDelayUnit; }
    int delayType() const { return m_iDelayType; }
    int loopType() const { return m_iLoopType; }
    int currentRow() const;
    void setCurrentRow(int row);
    QVector<MacroEvent> rowClipboard() const { return m_clipboard; }
    MacroEventModel *eventModel() const { return m_model; }
    QTableView *eventTable() const { return m_table; }
    QListWidget *macroList() const { return m_list; }
    KestTreeWidget *actionTree() const { return m_tree; }
    KestPushButton *pageButton(const QString &objectName) const;
    // Replaces the recorder's millisecond clock (tests).
    void setRecorderClock(MacroRecorder::Clock clock);
    // Buttons play macros by name. The window says which buttons play one
    // (shown before DELETE) and carries a CHANGE NAME to them; false there
    // means a file could not be updated.
    using MacroUsers = std::function<QStringList(const QString &name)>;
    using MacroRenamed = std::function<bool(const QString &oldName, const QString &newName)>;
    void setMacroUsers(MacroUsers users, MacroRenamed renamed);

    // ---- operations behind the buttons ------------------------------------
    void selectMacro(const QString &name);
    // Re-reads "MACRO_LIST"; selects the given name, else keeps the current one.
    void reloadList(const QString &select = QString());
    void startRecording();
    void recordAfter();    // records into the table after the current row
    void stopRecording();
    void newMacro();
    void deleteMacro();
    void beginRename();    // "CHANGE NAME": the current entry becomes editable
    bool renameMacro(const QString &newName);
    void importMacroFiles(const QStringList &paths);
    bool exportMacroTo(const QString &path);
    void exportCheckedTo(const QString &directory);
    void setBatchMode(bool on);
    void toggleBatch();
    void chooseImportFiles();  // "IMPORT": file dialog, then importMacroFiles
    void chooseExportTarget(); // "EXPORT": save or folder dialog, then export
    void openGunSet();
    bool createGunFile(const QString &name, const QVector<MacroEvent> &events);
    void retranslate();

signals:
    void EnableButtonsSignal(bool bEnable);

public slots:
    void TreeitemClick(QTreeWidgetItem *item, int column);
    void CurrentChanged(const QModelIndex &current, const QModelIndex &previous);
    void SelectRow(const QModelIndex &current);
    void EditMoveChanged(const QString &text);
    void EditDelayChanged(const QString &text);
    void DefDelayChanged(const QString &text);
    void LoopTimeChanged(const QString &text);
    void checkbtn_clicked();

    // Row buttons.
    void moveRowUp();
    void moveRowDown();
    void moveRowTop();
    void moveRowBottom();
    void deleteRow();
    void clearRows();
    void copyRows();
    void cutRows();
    void pasteRows();
    void insertDelay();
    void editRow();
    void saveEdit();
    void cancelEdit();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // construction (MacroDialog.cpp)
    void buildButtons();
    void buildTable();
    void buildOptions();
    void buildEditRow();
    void relayout();
    void updateControls();
    void showEditField();
    int showMessage(const QString &text, const QString &caption);

    // recording and key editing (MacroRecording.cpp)
    void beginRecording(bool after);
    void installHook();
    void removeHook();
    void onHookKey(int scanCode, int flags);
    void recordKey(int scanCode, int flags);
    void editKey(int scanCode, int flags);

    // rows (MacroRowEditing.cpp)
    QVector<MacroEvent> accompanyingDelay() const;
    bool insertRows(const QVector<MacroEvent> &rows);
    void moveCurrentRow(int target);
    QVector<int> selectedRows() const;
    void enterEditMode();
    void leaveEditMode();
    void setDelayType(int type);
    void setLoopType(int type);

    // the store (MacroLibraryPage.cpp)
    void loadMacro(const QString &name);
    bool saveMacro(const QString &name);
    void saveOptionsWhenIdle();
    MacroFile macroFromPage() const;
    bool refuseFullStore();

    MacroEventModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QListWidget *m_list = nullptr;
    KestTreeWidget *m_tree = nullptr;
    QList<KestPushButton *> m_buttons;
    QLabel *m_nameTitle = nullptr;
    QLabel *m_macroTitle = nullptr;
    QLabel *m_editCaption = nullptr;
    QStackedWidget *m_editStack = nullptr;
    QLineEdit *m_keyEdit = nullptr;
    QLineEdit *m_moveEdit = nullptr;
    QLineEdit *m_delayEdit = nullptr;
    QCheckBox *m_recordDelayCheck = nullptr;
    QCheckBox *m_defaultDelayCheck = nullptr;
    QLineEdit *m_defaultDelayEdit = nullptr;
    QCheckBox *m_loopChecks[3] = {};
    QLineEdit *m_loopTimeEdit = nullptr;
    QLabel *m_msLabel = nullptr;

    MacroRecorder m_recorder;
    std::unique_ptr<KeyboardHook> m_hook;
    bool m_bRecording = false;
    bool m_bEdit = false;
    bool m_bBatch = false;
    bool m_bLoading = false;
    int m_iDelayUnit = 10;
    int m_iDelayType = DelayNone;
    int m_iLoopType = 0;
    QString m_recordingName;
    int m_iRecordInsertRow = -1; // RECORD AFTER: where the next recorded rows go
    int m_lastEditScan = -1;
    int m_lastEditFlags = -1;
    QVector<MacroEvent> m_clipboard;
    MacroUsers m_macroUsers;
    MacroRenamed m_macroRenamed;
};

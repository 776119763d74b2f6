#pragma once
// Picks a stored macro (or gun file) for a mouse button and how the button
// plays it: a loop count, repeat while held, or repeat until pressed again.
#include "ui/macro/DialogFrame.h"

class KestAction;
class KestPushButton;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

// Play modes as the button record keeps them (res1).
enum MacroPlayMode { PlayLoops = 0, PlayWhileHeld = 1, PlayUntilPressed = 2, PLAY_MODE_COUNT = 3 };

class KestMacroSelect : public DialogFrame
{
    Q_OBJECT

public:
    KestMacroSelect(const QString &title, const QString &presetName, int presetLoopCount, int presetMode,
                    QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    int mode() const;
    int loopCount() const; // 0 when the field is empty
    QString chosenName() const { return m_chosenName; }

    QMenu *macroMenu() const { return m_menu; }
    QLineEdit *loopCountEdit() const { return m_loopEdit; }
    KestPushButton *modeButton(int mode) const { return m_modeButtons[mode]; }

public slots:
    void chooseMacro(QAction *action);
    void chooseMode(int mode);
    void onYesClicked();

private:
    QString m_chosenName;
    KestPushButton *m_dropDown = nullptr;
    QMenu *m_menu = nullptr;
    KestPushButton *m_modeButtons[PLAY_MODE_COUNT] = {};
    QLineEdit *m_loopEdit = nullptr;
};

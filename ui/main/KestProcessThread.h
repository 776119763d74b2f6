#pragma once
// The window's write thread: one write transaction behind the busy dialog.
#include "device/CommandProtocol.h"
#include "storage/MouseSettings.h"
#include <QThread>

// m_iStatus values besides the device result codes.
constexpr quint8 WriteStatusSleeping = 5;
constexpr quint8 WriteStatusNotSaved = 6;

class KestProcessThread : public QThread
{
    Q_OBJECT
public:
    // links: how the download reaches the connection's status thread, taken on the GUI thread.
    KestProcessThread(MouseSettings &working, MouseSettings &applied, bool writeAll, DownloadLinks links = {},
                      QObject *parent = nullptr);

    quint8 m_iStatus = 0;
    bool m_bDiffSaved = true; // "Config/Diff" reached Config.ini
    bool m_bWriteAll = false;
    int m_iActivateSlot = -1; // made active on the mouse before the write, when set
    int m_iSentFlags = 0; // the groups that reached the mouse

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    MouseSettings &m_working;
    MouseSettings &m_applied;
    DownloadLinks m_links;
};

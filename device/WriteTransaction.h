#pragma once
// One write to the mouse, shared by the window's Apply and the command line:
// store the settings, choose the groups, send them, and keep "Config/Diff"
// and the macros' write marks true to what the mouse holds.
//
// "Config/Diff" = 1 means the mouse may hold something other than the files.
// It is stored before the first report of a download goes out, and whenever
// settings that differ from the mouse are saved without being sent. It goes
// back to 0 only after a download that sent every differing group succeeded.
//
// Write marks ("Setting/WriteSign"): change detection only reads them; a
// marked macro that a button plays counts as a button change. After a
// download that sent the buttons succeeded, the marks of every macro the
// buttons play are cleared: those with a slot in the macro area were just
// sent from their files, the others are not on the mouse at all and go out
// from their files whenever their profile's key table does.
#include "device/CommandProtocol.h"
#include "storage/MouseSettings.h"
#include <functional>
#include <utility>

class WriteTransaction
{
public:
    // applied: what the mouse holds while "Config/Diff" is 0. links: how the
    // download reaches the status thread (none for a tool that runs none).
    WriteTransaction(const MouseSettings &working, const MouseSettings &applied, bool writeAll = false,
                     DownloadLinks links = {});

    // The groups the mouse may lack: every group when writeAll or while
    // "Config/Diff" is 1, else those in which working and applied differ.
    // Fixed when the transaction begins.
    int differing() const { return m_differing; }

    // Stores working in the settings files. False when they could not be written.
    bool save();
    // Downloads the groups in flags (nothing for 0); the device result code.
    int send(int flags);
    // Who downloads: applyAllSettings in this process unless set (a running
    // program that owns the mouse sends what is stored for the command line).
    using Download = std::function<int(const MouseSettings &record, int flags)>;
    void setDownload(Download download) { m_download = std::move(download); }

    // False once "Config/Diff" could not be stored.
    bool diffSaved() const { return m_diffSaved; }
    const MouseSettings &working() const { return m_working; }

private:
    void storeDiff(int diff);

    const MouseSettings &m_working;
    DownloadLinks m_links;
    Download m_download;
    int m_storedDiff;
    int m_differing;
    bool m_diffSaved = true;
};

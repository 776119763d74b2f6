#pragma once
// The command sequences sent to the mouse. Each returns the code of the first
// failing send (1, 2 or 4) and sends nothing after it, or 0.
#include "device/InputReports.h"
#include "device/ReportFrame.h"
#include "storage/MouseSettings.h"
#include <functional>

// What a download needs from whoever runs it (the connection that owns the
// status thread); each part may be empty.
struct DownloadLinks {
    std::function<void()> stopStatusThread;  // must not return before the thread has left its loop
    std::function<void()> startStatusThread; // after a successful download only
    StatusReportSink onStatus;               // status reports its sends read
};

// Sends the groups named by flags (ChangeBasic, ChangeDpi, ChangeButtons,
// ChangeLighting) and the macros between begin and end write, from a copy of
// record kept as the device image. The status thread is stopped, and its end
// awaited, before the first packet; it is started again only after a
// successful download.
int applyAllSettings(const MouseSettings &record, int flags, const DownloadLinks &links = {});

// Status reports the sends below read go to onStatus (dropped when empty).
int beginWrite(const StatusReportSink &onStatus = {});
int endWrite(const StatusReportSink &onStatus = {});
int sendControl(uint8_t flag, const StatusReportSink &onStatus = {});
// Control flags 0x04, 0x01, 0x02, 0x08, 0x10.
int sendRefreshSequence(const StatusReportSink &onStatus = {});
// Makes profile index active (written once, not read back), then control flag 0x01.
// Both are sent whatever the first returns; the code of the first failure is
// returned for information only.
int setActiveProfile(int index, const StatusReportSink &onStatus = {});

// The groups, from the device image. The DPI stages and the key table are the
// active profile's (profileId); the lighting table is always profile 0's.
int writeBasicSettings();
int writeDpiStages(int profile);
int writeButtonTable(); // also rebuilds the macro-name map, so the macros follow it
int writeLightingTable();
int writeMacros();      // nothing when no button carries a macro

// The packets of the fixed sequences.
ReportList refreshSequenceReports();
Report beginWriteReport();
Report endWriteReport();

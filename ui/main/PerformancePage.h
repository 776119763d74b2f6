#pragma once
// The DPI page: DPI stages, report rate and lift-off, pointer and scroll
// speed. The panels work on copies of the session's active profile; collect()
// takes what was edited on them since they were loaded, for the slot they
// were loaded with. The lift-off is global and goes in at once. A page built
// with deferPanels makes its panels when it is first shown (or buildPanels()).
#include "storage/MouseSettings.h"
#include <QWidget>

class ApplySession;
class KestDPIWindow;
class KestPointSpeed;
class KestReportRate;

class PerformancePage : public QWidget
{
    Q_OBJECT
public:
    PerformancePage(ApplySession *session, QWidget *parent = nullptr, bool deferPanels = false);

    // Makes and loads the panels unless they are there; true when it made them.
    bool buildPanels();

    // Loads the panels from the working record's active profile.
    void refresh();
    // Takes the panels' edits into the working record.
    void collect();
    // Whether a panel holds an edit that collect() would take.
    bool hasEdits() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void layoutPanels();

    ApplySession *m_session;
    KestDPIWindow *m_dpiWindow = nullptr;
    KestReportRate *m_reportRate = nullptr;
    KestPointSpeed *m_pointSpeed = nullptr;
    ProfileData m_pointSpeedProfile; // the pointer-speed panel edits this copy
    // What each panel was loaded with, in panel order: DPI, rate, pointer speed.
    ProfileData m_loaded[3];
    int m_loadedSlot = -1;
};

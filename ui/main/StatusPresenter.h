#pragma once
// What the mouse reports, as the window shows it: the battery and sleeping
// state, the on-screen notices for changes made on the mouse itself, and the
// reports held back while the window may not take them. No widgets.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QTimer;

class StatusPresenter : public QObject
{
    Q_OBJECT
public:
    // busy says whether mouse-side changes must wait now (a write runs, a dialog is open).
    explicit StatusPresenter(std::function<bool()> busy, QObject *parent = nullptr);

    struct Battery {
        bool off = false;      // no battery data: the mouse is off or asleep
        bool charging = false;
        bool cable = false;    // on the cable the bar shows full, without a number
        int percent = 0;
    };
    // A battery report (all three bytes 0: no data). Sets the sleeping state
    // and stores a changed percentage; notSaved when it could not be stored.
    Battery batteryReport(quint8 charge, quint8 lowByte, quint8 highByte);
    int batteryPercent() const { return m_iBatteryPercent; }

    // While busy, keeps replay for later and returns true; it runs once the
    // window is free again, in the order held.
    bool hold(const std::function<void()> &replay);
    // The mouse's reports of one kind: a newer one replaces the one held, so
    // what waits stays bounded however many arrive.
    enum class HeldReport { State, WriteStatus, LightMode };
    bool hold(HeldReport kind, const std::function<void()> &replay);
    int heldCount() const { return int(m_held.size()); }

    // The notices for a slot, a DPI stage and a report rate chosen on the mouse.
    static QString profileNotice(int slot);
    static QString dpiNotice(int stage, int dpi);
    static QString rateNotice(int pollrate);
    // Emits osdText and hands the notice to the on-screen display program.
    void showOsd(const QString &text);

    static constexpr int HOLD_POLL_MS = 100;

signals:
    void osdText(const QString &text);
    void notSaved();

private:
    std::function<bool()> m_busy;
    struct Held {
        int kind; // -1: not replaced by a newer one
        std::function<void()> replay;
    };
    bool holdAs(int kind, const std::function<void()> &replay);
    QList<Held> m_held;
    QTimer *m_holdTimer = nullptr;
    int m_iBatteryPercent = 0;
    int m_iBatteryFull;
};

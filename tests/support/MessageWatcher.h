#pragma once
// Answers the window's modal message boxes in GUI tests and remembers their texts.
#include <QObject>
#include <QStringList>
#include <QTimer>

class MessageWatcher : public QObject
{
    Q_OBJECT
public:
    // accept: press Yes/Ok (true) or No (false) on every box that appears.
    explicit MessageWatcher(bool accept = true);
    QStringList texts() const { return m_texts; }
    // Answer with this exec() result instead (Discard of an Apply/Discard/Cancel box).
    void answerWith(int result) { m_answer = result; }
    // Leave boxes open (to look at them) until released.
    void hold(bool on) { m_hold = on; }
    // The message of the box open now; empty when none.
    static QString openMessage();

private:
    void poll();
    QTimer m_timer;
    QStringList m_texts;
    bool m_accept;
    bool m_hold = false;
    int m_answer = -1;
};

#pragma once
// The LIGHTING page: the lighting panel and its colour editor, editing the
// session's working record directly.
#include <QWidget>

class ApplySession;
class KestColorWindow;

class LightingPage : public QWidget
{
    Q_OBJECT
public:
    LightingPage(ApplySession *session, QWidget *parent = nullptr);
    // Points the panel at the profile whose lighting is shown now.
    void refresh();

private:
    ApplySession *m_session;
    KestColorWindow *m_colorWindow;
};

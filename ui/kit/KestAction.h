#pragma once
// Menu action whose font follows the current language.
#include <QAction>

class KestAction : public QAction
{
    Q_OBJECT

public:
    explicit KestAction(QObject *parent = nullptr);
    KestAction(const QString &text, QObject *parent = nullptr);

    void setText(const QString &text);
    void applyFont();
};

#pragma once
// Editable list row: a label that turns into a line edit on request
// (double click or editPressSlot) and back when the edit loses focus or
// Return is pressed.
#include <QWidget>

class QLabel;
class QLineEdit;

class KestListItem : public QWidget
{
    Q_OBJECT

public:
    explicit KestListItem(const QString &text = QString(), QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    bool isEditing() const;
    QLineEdit *lineEdit() const { return m_edit; }

public slots:
    void editPressSlot();
    void lostFocusSlot();

signals:
    // The edited text was taken over (an empty edit keeps the old text).
    void EditFinishedSignal(KestListItem *item, const QString &text);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QLabel *m_label;
    QLineEdit *m_edit;
};

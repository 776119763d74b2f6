#include "ui/kit/KestAccessible.h"
#include "ui/kit/KestPushButton.h"
#include <QAccessibleWidget>
#include <QMenu>

namespace {

class KestPushButtonAccessible : public QAccessibleWidget
{
public:
    explicit KestPushButtonAccessible(KestPushButton *button) : QAccessibleWidget(button, QAccessible::PushButton) {}

    QAccessible::Role role() const override
    {
        return button()->menu() ? QAccessible::ButtonMenu : QAccessible::PushButton;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->isCheckable()) {
            s.checkable = true;
            s.checked = button()->isChecked();
        }
        s.pressed = button()->isDown();
        // A button laid out to no size (a slot the model lacks) is not on the screen.
        if (button()->size().isEmpty())
            s.invisible = true;
        s.hasPopup = button()->menu() != nullptr;
        return s;
    }

    // An image button is named by the table or its tool tip; a captioned one by its caption.
    QString text(QAccessible::Text t) const override
    {
        const KestPushButton *b = button();
        if (t == QAccessible::Name) {
            // A named button with a caption says both: "Language: English", "Button 3: Left".
            const QString name = b->accessibleName();
            if (!name.isEmpty())
                return b->text().isEmpty() || b->text() == name ? name : name + QStringLiteral(": ") + b->text();
            return b->text().isEmpty() ? b->toolTip() : b->text();
        }
        if (t == QAccessible::Description && b->accessibleDescription().isEmpty() && b->toolTip() != text(QAccessible::Name))
            return b->toolTip();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (button()->menu())
            button()->showMenu();
        else
            button()->click();
    }

private:
    KestPushButton *button() const { return static_cast<KestPushButton *>(widget()); }
};

} // namespace

QAccessibleInterface *kitAccessibleFactory(const QString &, QObject *object)
{
    if (auto *button = qobject_cast<KestPushButton *>(object))
        return new KestPushButtonAccessible(button);
    return nullptr;
}

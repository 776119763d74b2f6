#include "ui/panels/PageFitter.h"
#include <QEvent>
#include <QWidget>

namespace {
class PageResizeFilter : public QObject
{
public:
    PageResizeFilter(QWidget *page, std::function<void()> relayout) : QObject(page), m_relayout(std::move(relayout))
    {
        page->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && watched == parent())
            m_relayout();
        return false;
    }

private:
    std::function<void()> m_relayout;
};
} // namespace

void followPageSize(QWidget *page, std::function<void()> relayout)
{
    if (!page || !relayout)
        return;
    relayout();
    new PageResizeFilter(page, std::move(relayout));
}

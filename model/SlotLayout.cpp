#include "model/SlotLayout.h"
#include <algorithm>

QVector<bool> visibleSlots(const uint8_t layout[DESCRIPTION_BUTTON_COUNT], int buttonCount)
{
    QVector<bool> visible(SLOT_GROUP_SIZE, false);
    const int count = std::min(buttonCount, DESCRIPTION_BUTTON_COUNT);
    for (int i = 0; i < count; ++i)
        visible[i] = layout[i] != HIDDEN_SLOT;
    return visible;
}

QVector<int> slotNumbers(const QVector<bool> &visible)
{
    QVector<int> numbers(visible.size(), 0);
    int number = 0;
    for (int i = 0; i < visible.size(); ++i)
        numbers[i] = visible[i] ? ++number : 0;
    return numbers;
}

QVector<QRect> slotGeometry(const QVector<bool> &visible, int panelHeight, double scale)
{
    const int n = int(std::count(visible.begin(), visible.end(), true));
    const int slotHeight = int(SLOT_HEIGHT * scale);
    int top = DENSE_SLOT_TOP;
    int gap = DENSE_SLOT_GAP;
    if (n <= MAX_EVENLY_SPACED_SLOTS) {
        gap = std::max(0, (panelHeight - slotHeight * n) / (n + 1));
        top = gap;
    }
    QVector<QRect> rects(visible.size());
    int c = 0;
    for (int i = 0; i < visible.size(); ++i) {
        if (!visible[i])
            continue;
        rects[i] = QRect(int(SLOT_X * scale), top + c * (gap + slotHeight), int(SLOT_WIDTH * scale), slotHeight);
        ++c;
    }
    return rects;
}

int slotContentHeight(const QVector<bool> &visible, double scale)
{
    const int n = int(std::count(visible.begin(), visible.end(), true));
    if (n <= MAX_EVENLY_SPACED_SLOTS)
        return 0;
    const int slotHeight = int(SLOT_HEIGHT * scale);
    return DENSE_SLOT_TOP + n * slotHeight + (n - 1) * DENSE_SLOT_GAP + DENSE_SLOT_TOP;
}

#pragma once
// A drop-down button of the assignment panel: the slot's function as its
// caption and a chevron that marks the menu behind it.
#include "ui/kit/KestPushButton.h"

class SlotButton : public KestPushButton
{
    Q_OBJECT

public:
    explicit SlotButton(const QStringList &imagePaths, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

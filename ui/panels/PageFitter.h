#pragma once
// Keeps a panel laid out for its page: the window resizes its pages when the
// UI scale changes, and the panel follows.
#include <functional>

class QWidget;

// Runs relayout now and after every resize of page.
void followPageSize(QWidget *page, std::function<void()> relayout);

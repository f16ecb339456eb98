#pragma once

#include <functional>

class QObject;
class QWidget;

namespace tarvello {

// Runs react when widget loses the keyboard focus, before the widget's own
// reaction to it (a line edit's editingFinished), for as long as both live.
void onFocusLoss(QWidget *widget, std::function<void()> react);

// Runs react after every resize of watched until react returns false or owner
// is destroyed.
void watchResizes(QWidget *watched, QObject *owner, std::function<bool()> react);

} // namespace tarvello

#pragma once

class QRect;
class QWidget;

// What the view asks of its window when it draws outside a paint event.

// Whether the widget has a drawing surface on the screen now: it is shown and its
// window is exposed. Without one nothing drawn for it would reach the screen.
bool HasWindowSurface(const QWidget& widget);

// Invalidates the whole widget and repaints it before returning.
void InvalidateAndUpdateNow(QWidget& widget);

// Repaints the part of the widget in area (widget coordinates) before returning.
void UpdateAreaNow(QWidget& widget, const QRect& area);

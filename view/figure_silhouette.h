#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QSize>

#include "shapes/shape_catalogue.h"
#include "shapes/shape_outline.h"

// A figure as the player recognises it before it is cut: its outline filled in one
// colour. The chooser's tiles and the figure pane both draw it from here, so that a
// figure looks the same wherever it is offered.

// The outline as a closed path, as large as fits rect with its proportions kept and
// centred in it; model y runs up, the picture's down. Empty for an outline with fewer
// than three vertices or no extent.
QPainterPath FigureSilhouette(const wendrel::ShapeOutline& outline, const QRectF& rect);

// The silhouette filled with colour on a transparent picture of size device-independent
// pixels, with a little room around it, sharp at the given device pixel ratio.
QPixmap SilhouettePixmap(const wendrel::ShapeOutline& outline, QSize size, qreal ratio,
                         const QColor& colour);

// The outline a built-in figure is cut from.
const wendrel::ShapeOutline& BuiltInOutline(wendrel::Shape shape);

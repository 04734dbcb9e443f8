#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QSize>

#include "shapes/figure.h"

// A figure as the player recognises it before it is cut: its outline filled in one
// colour. The chooser's tiles and the figure pane both draw it from here, so that a
// figure looks the same wherever it is offered.

// The figure's outline as a closed path, as large as fits rect with its proportions kept
// and centred in it; model y runs up, the picture's down. Empty for an outline with fewer
// than three vertices or no extent.
QPainterPath FigureSilhouette(const wendrel::Figure& figure, const QRectF& rect);

// The silhouette filled with colour on a transparent picture of size device-independent
// pixels, with a little room around it, sharp at the given device pixel ratio.
QPixmap SilhouettePixmap(const wendrel::Figure& figure, QSize size, qreal ratio,
                         const QColor& colour);

#pragma once

#include <QString>

#include "io/picture_trace.h"

// A figure from a picture file: what Qt reads of it (PNG, JPEG, and SVG where Qt's SVG
// plugin is installed), made into the tracer's mask and traced. A file that cannot be
// read is refused as empty.
wendrel::PictureTrace TracePicture(const QString& path);

// Why a picture gives no figure, in the player's language, to follow "Cannot make a
// figure from NAME: ".
QString PictureRefusalText(wendrel::PictureRefusal refusal);

// How large the screens are shown: the factor that fits them into a space, and the window size a
// first start opens at.
#pragma once
#include <QRect>
#include <QSize>

// The largest factor (any fraction) at which cx by cy logical pixels fit into the space.
qreal FitScale(QSize space, int cx, int cy);

// Where a first start puts the window: the largest size whose screen area (the window less its
// bars, sizeChrome) keeps the screens' shape and fits about 85 % of the available desktop area,
// centred on it.
QRect FirstWindowGeometry(const QRect& rcAvailable, QSize sizeChrome, int cx, int cy);

// Display scale choice for the screens and the first window size.
#include "framework/Scale.h"

#include <algorithm>
#include <cmath>

qreal FitScale(QSize space, int cx, int cy)
{
    if (cx <= 0 || cy <= 0 || space.width() <= 0 || space.height() <= 0)
        return 1.0;
    return std::min(qreal(space.width()) / cx, qreal(space.height()) / cy);
}

QRect FirstWindowGeometry(const QRect& rcAvailable, QSize sizeChrome, int cx, int cy)
{
    const QSize space(int(rcAvailable.width() * 0.85) - sizeChrome.width(),
                      int(rcAvailable.height() * 0.85) - sizeChrome.height());
    // Never smaller than the handheld's own screen, even on a desktop too small for 85 % of it.
    const qreal s = std::max<qreal>(1.0, FitScale(space, cx, cy));
    const QSize size(int(std::ceil(cx * s - 1e-6)) + sizeChrome.width(), int(std::ceil(cy * s - 1e-6)) + sizeChrome.height());
    QRect rc(QPoint(0, 0), size);
    rc.moveCenter(rcAvailable.center());
    return rc;
}

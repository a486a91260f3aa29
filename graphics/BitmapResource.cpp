// Bitmap resources from the Qt resource file that lives in this static library, each with its
// drawings at 2x, 3x and 4x.
#include "graphics/BitmapResource.h"

#include <QImage>
#include <QString>

static void InitBitmapResources()
{
    // The resource file is linked into a static library, so it must be registered by hand.
    static const bool s_bDone = [] {
        Q_INIT_RESOURCE(bitmaps);
        return true;
    }();
    (void)s_bDone;
}

BOOL LoadBitmapResource(CBitmap& bitmap, UINT nId)
{
    InitBitmapResources();
    const QImage image(QStringLiteral(":/bitmaps/%1.png").arg(nId));
    if (image.isNull())
        return FALSE;
    bitmap.DeleteObject();
    if (!bitmap.Attach(image))
        return FALSE;
    // The same drawing for larger screens; a variant of the wrong size is left out.
    for (int k = 2; k <= 4; ++k) {
        QImage variant(QStringLiteral(":/bitmaps/%1@%2x.png").arg(nId).arg(k));
        if (variant.size() != image.size() * k)
            continue;
        variant.setDevicePixelRatio(k);
        bitmap.AddVariant(variant);
    }
    return TRUE;
}

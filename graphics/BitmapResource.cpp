// Bitmap resources from the Qt resource file that lives in this static library.
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
    return bitmap.Attach(image);
}

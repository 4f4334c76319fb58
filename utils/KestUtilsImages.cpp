#include "utils/KestUtils.h"

#include "framework/Stream.h"

QString TKestUtils::GetImageType(TStream& data, bool resetPosition)
{
    qint64 saved = data.Position();
    if (resetPosition)
        data.SetPosition(0);
    uchar b[4] = {};
    qint64 got = data.Read(b, 4);
    data.SetPosition(saved);
    if (got < 4)
        return QString();
    if (b[0] == 'G' && b[1] == 'I' && b[2] == 'F')
        return QStringLiteral(".gif");
    if (b[0] == 'B' && b[1] == 'M')
        return QStringLiteral(".bmp");
    if (b[0] == 0x89 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G')
        return QStringLiteral(".png");
    if ((b[0] == 0x49 && b[1] == 0x49 && b[2] == 0x2A) || (b[0] == 0x4D && b[1] == 0x4D && b[2] == 0x2A))
        return QStringLiteral(".tiff");
    if (b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF && (b[3] == 0xE0 || b[3] == 0xE1 || b[3] == 0xDB))
        return QStringLiteral(".jpg");
    if (b[0] == 0 && b[1] == 0 && b[2] == 1 && b[3] == 0)
        return QStringLiteral(".unknown");
    if (b[0] == 0 && b[1] == 0 && b[2] == 0 && b[3] == 0)
        return QStringLiteral(".empty");
    return QString();
}

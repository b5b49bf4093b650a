#include "ResourcePaths.h"

namespace resources {

QString antennaSketchPath()
{
    return QStringLiteral(":/pictures/antenna.bmp");
}

QString applicationIconPath()
{
    return QStringLiteral(":/icons/ShortDipole.ico");
}

} // namespace resources

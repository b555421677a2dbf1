#include "app/widgets/ProgramIcon.h"

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64, 128, 256})
        icon.addFile(QString(":/icons/daubrix-%1.png").arg(size), QSize(size, size));
    icon.addFile(":/icons/daubrix.png", QSize(48, 48));
    return icon;
}

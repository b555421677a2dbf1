#pragma once
#include <QPixmap>

// The tip dialog's picture: a lit light bulb, 40 x 53 pixels, drawn here.
QPixmap LightBulbPicture();

#pragma once

#include <QPixmap>

// The product picture of the splash and About windows, drawn rather than shipped.
QPixmap productPicture(int width, int height);

#pragma once

#include <QIcon>
#include <QPixmap>

// The product picture of the splash and About windows, drawn rather than shipped.
QPixmap productPicture(int width, int height);

// A toolbar icon of one or two letters on a rounded square of a colour.
QIcon letterIcon(const QString& letters, const QColor& colour);

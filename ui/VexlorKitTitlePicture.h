// The About box's picture: the program's name in blue block capitals on black.
#pragma once

#include <QPixmap>
#include <QSize>

inline constexpr QSize TitlePictureSize(435, 39);

// Drawn from a small built-in bitmap font, so no image file has to travel with us.
QPixmap DrawTitlePicture();

#pragma once

#include <QIcon>
#include <QSize>

class QLabel;

// Shows a picture in a label at the given size in device-independent pixels, from the bitmap
// made for the screen's scale: pixel for pixel where the picture holds one of that many device
// pixels, scaled down from the next larger one otherwise, never scaled up from a small one. It
// is chosen again when the label comes to be painted at another scale.
void showScaledPicture(QLabel *label, const QIcon &picture, QSize size);

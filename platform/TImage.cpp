#include "platform/TImage.h"

#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
}

void TImage::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        painter.drawPixmap(rect(), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}

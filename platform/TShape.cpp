#include "platform/TShape.h"

#include <QPainter>
#include <algorithm>

TShape::TShape(QWidget* parent)
    : QWidget(parent)
{
}

void TShape::SetShape(TShapeType shape)
{
    shape_ = shape;
    update();
}

void TShape::SetBrushColor(TColor colour)
{
    brush_ = colour;
    update();
}

void TShape::SetPenColor(TColor colour)
{
    pen_ = colour;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(ToQColor(pen_), 1));
    painter.setBrush(ToQColor(brush_));
    if (shape_ == TShapeType::Rectangle) {
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    // A circle takes the smaller side and is centred in the other.
    painter.setRenderHint(QPainter::Antialiasing);
    const int diameter = std::min(width(), height()) - 1;
    const QRect circle((width() - diameter) / 2, (height() - diameter) / 2, diameter, diameter);
    painter.drawEllipse(circle);
}

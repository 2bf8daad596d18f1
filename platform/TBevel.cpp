#include "platform/TBevel.h"

TBevel::TBevel(QWidget* parent, TBevelShape shape)
    : QFrame(parent)
    , shape_(shape)
{
    SetShape(shape);
}

void TBevel::SetShape(TBevelShape shape)
{
    shape_ = shape;
    switch (shape) {
    case TBevelShape::Box:
        setFrameStyle(QFrame::Box | QFrame::Sunken);
        break;
    case TBevelShape::Frame:
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        break;
    case TBevelShape::VerticalLine:
        setFrameStyle(QFrame::VLine | QFrame::Sunken);
        break;
    case TBevelShape::HorizontalLine:
        setFrameStyle(QFrame::HLine | QFrame::Sunken);
        break;
    }
}

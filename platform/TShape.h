#pragma once
// A shape control: a rectangle or a circle drawn with a brush and a one-pixel pen.

#include "platform/TColor.h"

#include <QWidget>

enum class TShapeType { Rectangle, Circle };

class TShape : public QWidget {
    Q_OBJECT

public:
    explicit TShape(QWidget* parent = nullptr);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    TColor BrushColor() const { return brush_; }
    void SetBrushColor(TColor colour);
    TColor PenColor() const { return pen_; }
    void SetPenColor(TColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShapeType shape_ = TShapeType::Rectangle;
    TColor brush_ = clWhite;
    TColor pen_ = clBlack;
};

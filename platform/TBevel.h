#pragma once
// A bevel: a sunken frame, or a one-pixel line, drawn over nothing.

#include <QFrame>

enum class TBevelShape { Box, Frame, VerticalLine, HorizontalLine };

class TBevel : public QFrame {
    Q_OBJECT

public:
    explicit TBevel(QWidget* parent = nullptr, TBevelShape shape = TBevelShape::Box);

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);

private:
    TBevelShape shape_;
};

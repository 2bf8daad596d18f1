#pragma once
// An image control: shows a picture, stretched to the control's bounds or at its own size.
// Transparent: what lies behind shows through the picture's transparent pixels.

#include <QPixmap>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
};

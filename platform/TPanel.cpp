#include "platform/TPanel.h"

TPanel::TPanel(QWidget* parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

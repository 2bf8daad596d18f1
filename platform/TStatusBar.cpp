#include "platform/TStatusBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
constexpr int kPanelGap = 2;
constexpr int kTextInset = 3;
}

TStatusBar::TStatusBar(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

int TStatusBar::AddPanel(int width)
{
    panels_.push_back({width, QString()});
    update();
    return PanelCount() - 1;
}

int TStatusBar::PanelWidth(int index) const
{
    return Valid(index) ? panels_[std::size_t(index)].width : 0;
}

void TStatusBar::SetPanelWidth(int index, int width)
{
    if (!Valid(index))
        return;
    panels_[std::size_t(index)].width = width;
    update();
}

QString TStatusBar::PanelText(int index) const
{
    return Valid(index) ? panels_[std::size_t(index)].text : QString();
}

void TStatusBar::SetPanelText(int index, const QString& text)
{
    if (!Valid(index))
        return;
    panels_[std::size_t(index)].text = text;
    update(PanelRect(index));
}

QRect TStatusBar::PanelRect(int index) const
{
    if (!Valid(index))
        return QRect();
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += panels_[std::size_t(i)].width + kPanelGap;
    const bool last = index == PanelCount() - 1;
    const int width = last ? std::max(0, this->width() - left) : panels_[std::size_t(index)].width;
    return QRect(left, kPanelGap, width, height() - kPanelGap);
}

void TStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < PanelCount(); ++i) {
        const QRect box = PanelRect(i);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = box;
        frame.lineWidth = 1;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_FrameStatusBarItem, &frame, &painter, this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box.adjusted(kTextInset, 0, -kTextInset, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         panels_[std::size_t(i)].text);
    }
}

#include "dialogs/DialogPictures.h"

#include "dialogs/DialogDesign.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap TransparentPixmap(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A small sheet of quoted cells: the program's mark.
void PaintSheet(QPainter& painter, const QRect& area)
{
    painter.setPen(QPen(QColor(0, 0, 127), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(area.left() + 1, area.top() + 1, area.width() - 2, area.height() / 4),
                     QColor(0, 127, 127));
    const int rows = 4, cols = 3;
    for (int r = 1; r < rows; ++r) {
        const int y = area.top() + r * area.height() / rows;
        painter.drawLine(area.left(), y, area.right(), y);
    }
    for (int c = 1; c < cols; ++c) {
        const int x = area.left() + c * area.width() / cols;
        painter.drawLine(x, area.top(), x, area.bottom());
    }
    painter.setFont(DesignFont("Arial", 9, true));
    painter.setPen(QColor(127, 0, 127));
    for (int r = 1; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QRect cell(area.left() + c * area.width() / cols, area.top() + r * area.height() / rows,
                             area.width() / cols, area.height() / rows);
            painter.drawText(cell, Qt::AlignCenter, "\"\"");
        }
    }
}

void PaintEnvelope(QPainter& painter, const QRect& area)
{
    painter.setPen(QPen(QColor(0, 0, 127), 1));
    painter.setBrush(QColor(255, 255, 224));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.drawLine(area.topLeft(), area.center());
    painter.drawLine(QPoint(area.right() - 1, area.top()), area.center());
}

} // namespace

QStringList FeedbackAddresses()
{
    return {"feedback@colvane.example", "beta@colvane.example", "support@colvane.example"};
}

QPixmap PaintColvaneLogo(int width, int height)
{
    QPixmap pixmap = TransparentPixmap(width, height);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A teal rule under the title and the sheet at the right; the left part below the rule
    // stays clear for the build label drawn over the picture.
    painter.fillRect(QRect(2, 2, width - 56, 3), QColor(0, 127, 127));
    painter.setFont(DesignFont("Arial", 11, false));
    painter.setPen(QColor(0, 0, 127));
    painter.drawText(QRect(2, 6, width - 56, 18), Qt::AlignLeft | Qt::AlignVCenter, "comma delimited data");
    PaintSheet(painter, QRect(width - 48, 2, 44, height - 4));
    return pixmap;
}

QPixmap PaintContactList(int width, int height)
{
    QPixmap pixmap = TransparentPixmap(width, height);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QStringList addresses = FeedbackAddresses();
    const int lineHeight = height / int(addresses.size());
    painter.setFont(DesignFont("Arial", 13, false));
    for (int i = 0; i < addresses.size(); ++i) {
        const int top = i * lineHeight;
        PaintEnvelope(painter, QRect(4, top + (lineHeight - 14) / 2, 20, 14));
        painter.setPen(QColor(0, 0, 127));
        painter.drawText(QRect(32, top, width - 34, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         addresses[i]);
    }
    return pixmap;
}

QPixmap PaintVersionBadge(int width, int height)
{
    QPixmap pixmap = TransparentPixmap(width, height);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath badge;
    badge.addRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 6, 6);
    painter.fillPath(badge, QColor(0, 127, 127).darker(130));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawPath(badge);
    painter.setFont(DesignFont("Arial", 13, true));
    painter.drawText(QRect(0, 2, width, height / 2), Qt::AlignCenter, "Version 1.1");
    painter.setFont(DesignFont("Arial", 11, false));
    painter.drawText(QRect(0, height / 2, width, height / 2 - 2), Qt::AlignCenter, "beta build 7");
    return pixmap;
}

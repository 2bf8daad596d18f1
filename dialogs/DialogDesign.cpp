#include "dialogs/DialogDesign.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

QFont DesignFont(const QString& family, int pixelHeight, bool bold)
{
    QFont font(family);
    // Where the family is missing, prefer the metric-compatible Liberation face over the
    // wider default sans-serif, so texts fit the design's sizes.
    font.setFamilies({family, "Liberation Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void SetDialogBorder(QWidget& window, int clientWidth, int clientHeight)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(clientWidth, clientHeight);
    // The design's default font: MS Sans Serif with an 11-pixel character height.
    window.setFont(DesignFont("MS Sans Serif", 11));
}

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window.move(area.left() + (area.width() - window.width()) / 2,
                area.top() + (area.height() - window.height()) / 2);
}

QString DisplayLineBreaks(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

void SetBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void SetTextColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

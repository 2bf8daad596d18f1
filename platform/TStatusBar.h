#pragma once
// A status bar with text panels side by side. The owner places the bar and sets each
// panel's width; the last panel reaches to the bar's right edge.

#include <QString>
#include <QWidget>
#include <vector>

class TStatusBar : public QWidget {
    Q_OBJECT

public:
    explicit TStatusBar(QWidget* parent = nullptr);

    int AddPanel(int width);
    int PanelCount() const { return int(panels_.size()); }
    // Out-of-range indexes read as 0 and "" and are ignored when set.
    int PanelWidth(int index) const;
    void SetPanelWidth(int index, int width);
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);
    // The rectangle the panel occupies on the bar.
    QRect PanelRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Panel {
        int width;
        QString text;
    };
    bool Valid(int index) const { return index >= 0 && index < PanelCount(); }

    std::vector<Panel> panels_;
};

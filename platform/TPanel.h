#pragma once
// A panel: a raised frame with a centred caption.

#include <QLabel>

class TPanel : public QLabel {
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
};

#pragma once
// A read-only view of a file's raw text that stays fast on hundreds of megabytes: the text
// is shared with its owner (never copied), split into lines by one pass over the bytes, and
// only the lines on screen are decoded and drawn. No word wrap, both scroll bars, and a
// selection that stays visible when the view has no focus. Ctrl+C copies the selection.
//
// Positions count the characters (UTF-16 code units) of the view's text, which is the prefix
// followed by the decoded bytes; a CR LF counts as two, as do the engine's byte offsets. A
// lone CR, a lone LF and CR LF each end a line.

#include "platform/TextEncoding.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <memory>
#include <string>
#include <vector>

class TSourceView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TSourceView(QWidget* parent = nullptr);

    void SetText(const QString& prefix, std::shared_ptr<const std::string> bytes, TextEncoding encoding);
    void Clear();

    // Setting the start empties the selection and scrolls its line into view; both are kept
    // inside the text.
    int SelStart() const;
    void SetSelStart(int position);
    int SelLength() const;
    void SetSelLength(int length);

    // Colours the text of the current selection (it stays coloured after the selection moves,
    // like a rich-edit's selection attributes); SetText and Clear drop the colouring.
    void SetSelectionColor(const QColor& color);
    QColor ColorAt(int position) const;

    // The view position of a byte of the bytes part, prefix included.
    int PositionOfByte(qsizetype byteOffset) const;

    int TextLength() const;
    int LineCount() const;
    QString Text() const;          // the whole text: slow on large files, for tests
    QString SelectedText() const;

    void CopyToClipboard() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct LineSpan {
        int start = 0;    // view position of the line's first character
        int length = 0;   // characters before the line break
    };

    void BuildLineIndex();
    void EnsurePositionIndex() const;
    int ByteLineCount() const;
    qsizetype ByteLineStart(int line) const;
    qsizetype ByteLineEnd(int line) const;   // before the line break
    qint64 PositionOfByteLine(int line) const;
    LineSpan SpanOfLine(int line) const;
    QString LineText(int line) const;
    int LineOfPosition(int position) const;
    int PositionAt(const QPoint& point) const;
    void UpdateScrollBars();
    void ScrollToLine(int line);
    int LineHeight() const;
    void DrawLine(QPainter& painter, int line, int y) const;

    QString prefix_;
    std::vector<QString> prefixLines_;   // complete lines of the prefix
    QString prefixTail_;                 // the prefix after its last line break
    std::shared_ptr<const std::string> bytes_;
    TextEncoding encoding_ = Utf8;
    std::vector<quint32> lineStarts_;    // byte offset of each line of the bytes part
    int longestLine_ = 0;                // in bytes

    // For UTF-8: the position of every CheckpointEvery-th line of the bytes part, built on
    // first need.
    static constexpr int CheckpointEvery = 256;
    mutable std::vector<qint64> checkpoints_;
    mutable qint64 bytesLength_ = -1;    // characters of the decoded bytes

    int selStart_ = 0;
    int selLength_ = 0;
    int colouredStart_ = 0;
    int colouredLength_ = 0;
    QColor colouredWith_;
    int anchor_ = 0;
};

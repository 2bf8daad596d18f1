#include "platform/TSourceView.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr int Margin = 2;
// Lines longer than this are decoded only around the part that is on screen.
constexpr qsizetype LongLine = 4096;

} // namespace

TSourceView::TSourceView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    Clear();
}

void TSourceView::SetText(const QString& prefix, std::shared_ptr<const std::string> bytes, TextEncoding encoding)
{
    prefix_ = prefix;
    bytes_ = bytes ? std::move(bytes) : std::make_shared<const std::string>();
    encoding_ = encoding;
    prefixLines_.clear();
    qsizetype from = 0;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        const QChar c = prefix[i];
        if (c != u'\r' && c != u'\n')
            continue;
        prefixLines_.push_back(prefix.mid(from, i - from));
        if (c == u'\r' && i + 1 < prefix.size() && prefix[i + 1] == u'\n')
            ++i;
        from = i + 1;
    }
    prefixTail_ = prefix.mid(from);
    BuildLineIndex();
    checkpoints_.clear();
    bytesLength_ = encoding_ == Latin1 ? qint64(bytes_->size()) : -1;
    selStart_ = selLength_ = anchor_ = 0;
    colouredStart_ = colouredLength_ = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    UpdateScrollBars();
    viewport()->update();
}

void TSourceView::Clear()
{
    SetText(QString(), nullptr, Utf8);
}

// One pass over the bytes: memchr finds the next LF and the next CR, whichever comes first
// ends the line (a CR directly followed by an LF ends it once).
void TSourceView::BuildLineIndex()
{
    lineStarts_.clear();
    longestLine_ = 0;
    const char* const begin = bytes_->data();
    const char* const end = begin + std::min<std::size_t>(bytes_->size(), UINT32_MAX);
    lineStarts_.reserve(std::size_t(end - begin) / 64 + 1);
    lineStarts_.push_back(0);
    auto find = [end](const char* from, char c) {
        const void* hit = std::memchr(from, c, std::size_t(end - from));
        return hit ? static_cast<const char*>(hit) : end;
    };
    const char* nextLf = find(begin, '\n');
    const char* nextCr = find(begin, '\r');
    const char* lineStart = begin;
    while (nextLf != end || nextCr != end) {
        const char* brk = std::min(nextLf, nextCr);
        const char* after = brk + 1;
        if (brk == nextCr && after < end && *after == '\n')
            ++after;
        longestLine_ = std::max(longestLine_, int(std::min<qsizetype>(brk - lineStart, INT_MAX)));
        lineStarts_.push_back(quint32(after - begin));
        lineStart = after;
        if (nextLf < after)
            nextLf = find(after, '\n');
        if (nextCr < after)
            nextCr = find(after, '\r');
    }
    longestLine_ = std::max(longestLine_, int(std::min<qsizetype>(end - lineStart, INT_MAX)));
}

void TSourceView::EnsurePositionIndex() const
{
    if (bytesLength_ >= 0)
        return;
    checkpoints_.clear();
    qint64 position = 0;
    const int lines = ByteLineCount();
    for (int line = 0; line < lines; line += CheckpointEvery) {
        checkpoints_.push_back(position);
        const qsizetype from = ByteLineStart(line);
        const qsizetype to = line + CheckpointEvery < lines ? ByteLineStart(line + CheckpointEvery)
                                                            : qsizetype(bytes_->size());
        position += DecodedLength(std::string_view(bytes_->data() + from, std::size_t(to - from)), encoding_);
    }
    bytesLength_ = position;
}

int TSourceView::ByteLineCount() const
{
    return int(lineStarts_.size());
}

qsizetype TSourceView::ByteLineStart(int line) const
{
    return qsizetype(lineStarts_[std::size_t(line)]);
}

qsizetype TSourceView::ByteLineEnd(int line) const
{
    qsizetype end = line + 1 < ByteLineCount() ? ByteLineStart(line + 1) : qsizetype(bytes_->size());
    if (line + 1 < ByteLineCount()) {
        const char* data = bytes_->data();
        if (end > ByteLineStart(line) && data[end - 1] == '\n')
            --end;
        if (end > ByteLineStart(line) && data[end - 1] == '\r')
            --end;
    }
    return end;
}

// The view position of the first character of a line of the bytes part, prefix excluded.
qint64 TSourceView::PositionOfByteLine(int line) const
{
    if (encoding_ == Latin1)
        return ByteLineStart(line);
    EnsurePositionIndex();
    const int base = line / CheckpointEvery * CheckpointEvery;
    const qsizetype from = ByteLineStart(base);
    return checkpoints_[std::size_t(line / CheckpointEvery)]
           + DecodedLength(std::string_view(bytes_->data() + from, std::size_t(ByteLineStart(line) - from)), encoding_);
}

TSourceView::LineSpan TSourceView::SpanOfLine(int line) const
{
    const int prefixLines = int(prefixLines_.size());
    if (line < prefixLines) {
        qsizetype at = 0;
        for (int i = 0; i < line; ++i) {
            at += prefixLines_[std::size_t(i)].size();
            at += (prefix_[at] == u'\r' && at + 1 < prefix_.size() && prefix_[at + 1] == u'\n') ? 2 : 1;
        }
        return {int(at), int(prefixLines_[std::size_t(line)].size())};
    }
    const int byteLine = line - prefixLines;
    const int tail = byteLine == 0 ? int(prefixTail_.size()) : 0;
    const int start = byteLine == 0 ? int(prefix_.size() - prefixTail_.size())
                                    : int(prefix_.size() + PositionOfByteLine(byteLine));
    const qsizetype from = ByteLineStart(byteLine);
    const auto length = DecodedLength(std::string_view(bytes_->data() + from, std::size_t(ByteLineEnd(byteLine) - from)),
                                      encoding_);
    return {start, int(length) + tail};
}

QString TSourceView::LineText(int line) const
{
    const int prefixLines = int(prefixLines_.size());
    if (line < prefixLines)
        return prefixLines_[std::size_t(line)];
    const int byteLine = line - prefixLines;
    const qsizetype from = ByteLineStart(byteLine);
    const QString text = DecodeText(std::string_view(bytes_->data() + from, std::size_t(ByteLineEnd(byteLine) - from)),
                                    encoding_);
    return byteLine == 0 ? prefixTail_ + text : text;
}

int TSourceView::LineCount() const
{
    return int(prefixLines_.size()) + ByteLineCount();
}

int TSourceView::LineOfPosition(int position) const
{
    int low = 0;
    int high = LineCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (SpanOfLine(middle).start <= position)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

int TSourceView::TextLength() const
{
    EnsurePositionIndex();
    return int(std::min<qint64>(prefix_.size() + bytesLength_, INT_MAX));
}

int TSourceView::PositionOfByte(qsizetype byteOffset) const
{
    byteOffset = std::clamp<qsizetype>(byteOffset, 0, qsizetype(bytes_->size()));
    if (encoding_ == Latin1)
        return int(std::min<qint64>(prefix_.size() + byteOffset, INT_MAX));
    const auto found = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), quint32(byteOffset));
    const int line = int(found - lineStarts_.begin()) - 1;
    const qsizetype from = ByteLineStart(line);
    const qint64 position = PositionOfByteLine(line)
                            + DecodedLength(std::string_view(bytes_->data() + from, std::size_t(byteOffset - from)), encoding_);
    return int(std::min<qint64>(prefix_.size() + position, INT_MAX));
}

int TSourceView::SelStart() const
{
    return selStart_;
}

void TSourceView::SetSelStart(int position)
{
    selStart_ = std::clamp(position, 0, TextLength());
    selLength_ = 0;
    anchor_ = selStart_;
    ScrollToLine(LineOfPosition(selStart_));
    viewport()->update();
}

int TSourceView::SelLength() const
{
    return selLength_;
}

void TSourceView::SetSelLength(int length)
{
    selLength_ = std::clamp(length, 0, TextLength() - selStart_);
    viewport()->update();
}

void TSourceView::SetSelectionColor(const QColor& color)
{
    colouredStart_ = selStart_;
    colouredLength_ = selLength_;
    colouredWith_ = color;
    viewport()->update();
}

QColor TSourceView::ColorAt(int position) const
{
    if (position >= colouredStart_ && position < colouredStart_ + colouredLength_)
        return colouredWith_;
    return palette().color(QPalette::Text);
}

QString TSourceView::Text() const
{
    return prefix_ + DecodeText(*bytes_, encoding_);
}

QString TSourceView::SelectedText() const
{
    if (selLength_ == 0)
        return QString();
    // Decode only the lines the selection touches.
    const int first = LineOfPosition(selStart_);
    const int last = LineOfPosition(selStart_ + selLength_ - 1);
    const int prefixLines = int(prefixLines_.size());
    const LineSpan firstSpan = SpanOfLine(first);
    QString text;
    if (first < prefixLines) {
        text = prefix_.mid(firstSpan.start);
        if (last >= prefixLines)
            text += DecodeText(std::string_view(bytes_->data(), std::size_t(ByteLineCount() > last - prefixLines + 1
                                                                                 ? ByteLineStart(last - prefixLines + 1)
                                                                                 : qsizetype(bytes_->size()))),
                               encoding_);
    } else {
        const qsizetype from = ByteLineStart(first - prefixLines);
        const qsizetype to = last - prefixLines + 1 < ByteLineCount() ? ByteLineStart(last - prefixLines + 1)
                                                                      : qsizetype(bytes_->size());
        text = (first == prefixLines ? prefixTail_ : QString())
               + DecodeText(std::string_view(bytes_->data() + from, std::size_t(to - from)), encoding_);
    }
    return text.mid(selStart_ - firstSpan.start, selLength_);
}

void TSourceView::CopyToClipboard() const
{
    if (selLength_ > 0)
        QApplication::clipboard()->setText(SelectedText());
}

int TSourceView::LineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

void TSourceView::UpdateScrollBars()
{
    const int visible = std::max(1, viewport()->height() / LineHeight());
    verticalScrollBar()->setRange(0, std::max(0, LineCount() - visible));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);
    const qint64 width = qint64(longestLine_ + 1) * fontMetrics().averageCharWidth() + 2 * Margin;
    horizontalScrollBar()->setRange(0, int(std::clamp<qint64>(width - viewport()->width(), 0, INT_MAX / 2)));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth() * 4);
}

void TSourceView::ScrollToLine(int line)
{
    QScrollBar* bar = verticalScrollBar();
    const int visible = std::max(1, viewport()->height() / LineHeight());
    if (line < bar->value() || line >= bar->value() + visible)
        bar->setValue(std::max(0, line - visible / 2));
    horizontalScrollBar()->setValue(0);
}

void TSourceView::DrawLine(QPainter& painter, int line, int y) const
{
    const LineSpan span = SpanOfLine(line);
    const QFontMetrics metrics = fontMetrics();
    const int average = std::max(1, metrics.averageCharWidth());
    const int scrolled = horizontalScrollBar()->value();
    QString text = LineText(line);
    int first = 0;  // index in the line of the first character drawn
    int x = Margin - scrolled;
    if (text.size() > LongLine) {
        first = std::clamp(scrolled / average, 0, int(text.size()));
        text = text.mid(first, viewport()->width() / average + 2);
        x = Margin - (scrolled - first * average);
    }
    const int baseline = y + metrics.ascent();
    // Draw in runs of equal colouring: before, inside and after the selection.
    const int selFrom = std::clamp(selStart_ - span.start - first, 0, int(text.size()));
    const int selTo = std::clamp(selStart_ + selLength_ - span.start - first, 0, int(text.size()));
    const int bounds[] = {0, selFrom, selTo, int(text.size())};
    for (int run = 0; run < 3; ++run) {
        const QString part = text.mid(bounds[run], bounds[run + 1] - bounds[run]);
        if (part.isEmpty())
            continue;
        const int width = metrics.horizontalAdvance(part);
        if (run == 1) {
            QColor back = palette().color(QPalette::Highlight);
            back.setAlpha(90);
            painter.fillRect(QRect(x, y, width, LineHeight()), back);
        }
        // The colouring of a range may differ from the current selection; colour by position.
        const int position = span.start + first + bounds[run];
        const bool coloured = position < colouredStart_ + colouredLength_ && position + part.size() > colouredStart_;
        if (coloured && (position < colouredStart_ || position + part.size() > colouredStart_ + colouredLength_)) {
            // Mixed run: draw character by character.
            int cx = x;
            for (int i = 0; i < part.size(); ++i) {
                painter.setPen(ColorAt(position + i));
                painter.drawText(cx, baseline, QString(part[i]));
                cx += metrics.horizontalAdvance(part[i]);
            }
        } else {
            painter.setPen(coloured ? colouredWith_ : palette().color(QPalette::Text));
            painter.drawText(x, baseline, part);
        }
        x += width;
    }
    // A selected line break shows as a small block after the text.
    if (selStart_ + selLength_ > span.start + span.length && selStart_ <= span.start + span.length
        && line + 1 < LineCount()) {
        QColor back = palette().color(QPalette::Highlight);
        back.setAlpha(90);
        painter.fillRect(QRect(x, y, average, LineHeight()), back);
    }
}

void TSourceView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    painter.setFont(font());
    const int height = LineHeight();
    const int first = verticalScrollBar()->value();
    const int last = std::min(LineCount() - 1, first + viewport()->height() / height + 1);
    for (int line = first, y = 0; line <= last; ++line, y += height)
        DrawLine(painter, line, y);
}

void TSourceView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TSourceView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selStart_ = 0;
        selLength_ = TextLength();
        viewport()->update();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

int TSourceView::PositionAt(const QPoint& point) const
{
    const int line = std::clamp(verticalScrollBar()->value() + point.y() / LineHeight(), 0, LineCount() - 1);
    const LineSpan span = SpanOfLine(line);
    const QString text = LineText(line);
    const int x = point.x() - Margin + horizontalScrollBar()->value();
    const QFontMetrics metrics = fontMetrics();
    if (text.size() > LongLine)
        return span.start + std::clamp(x / std::max(1, metrics.averageCharWidth()), 0, int(text.size()));
    int low = 0;
    int high = int(text.size());
    while (low < high) {
        const int middle = (low + high) / 2;
        if (metrics.horizontalAdvance(text.left(middle + 1)) - metrics.horizontalAdvance(text[middle]) / 2 < x)
            low = middle + 1;
        else
            high = middle;
    }
    return span.start + low;
}

void TSourceView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int position = PositionAt(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier))
        anchor_ = position;
    selStart_ = std::min(anchor_, position);
    selLength_ = std::abs(position - anchor_);
    viewport()->update();
}

void TSourceView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int position = PositionAt(event->position().toPoint());
    selStart_ = std::min(anchor_, position);
    selLength_ = std::abs(position - anchor_);
    viewport()->update();
}

void TSourceView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateScrollBars();
}

#pragma once
// An image list: the pictures of a tool bar's buttons, by index.

#include <QIcon>
#include <QObject>
#include <vector>

class TImageList : public QObject {
    Q_OBJECT

public:
    explicit TImageList(QObject* parent = nullptr);

    int Add(const QIcon& image);
    int Count() const { return int(images_.size()); }
    // An empty icon for an index out of range.
    QIcon Get(int index) const;

private:
    std::vector<QIcon> images_;
};

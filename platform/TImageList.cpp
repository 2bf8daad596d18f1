#include "platform/TImageList.h"

TImageList::TImageList(QObject* parent)
    : QObject(parent)
{
}

int TImageList::Add(const QIcon& image)
{
    images_.push_back(image);
    return Count() - 1;
}

QIcon TImageList::Get(int index) const
{
    if (index < 0 || index >= Count())
        return QIcon();
    return images_[std::size_t(index)];
}

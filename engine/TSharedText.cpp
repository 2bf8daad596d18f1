#include "engine/TSharedText.h"

namespace {
const std::shared_ptr<const std::string>& EmptyBlock()
{
    static const auto empty = std::make_shared<const std::string>();
    return empty;
}
}

TSharedText::TSharedText() : block_(EmptyBlock()) {}

TSharedText::TSharedText(std::string text)
    : block_(std::make_shared<const std::string>(std::move(text)))
{
}

TSharedText::TSharedText(const char* text) : TSharedText(std::string(text)) {}

TSharedText::TSharedText(std::shared_ptr<const std::string> block)
    : block_(block ? std::move(block) : EmptyBlock())
{
}

TSharedText& TSharedText::operator=(std::string text)
{
    block_ = std::make_shared<const std::string>(std::move(text));
    return *this;
}

TSharedText& TSharedText::operator=(const char* text)
{
    return *this = std::string(text);
}

TSharedText& TSharedText::operator+=(std::string_view more)
{
    std::string joined;
    joined.reserve(size() + more.size());
    joined.append(*block_).append(more);
    return *this = std::move(joined);
}

void TSharedText::clear()
{
    block_ = EmptyBlock();
}

#pragma once
// A string of bytes that is shared instead of copied: the engine's text, the reader's buffer
// and the source view all hold the same block. It reads like a const std::string and is
// replaced by assignment; a change made through it never alters a block someone else holds.

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

class TSharedText {
public:
    TSharedText();
    TSharedText(std::string text);
    TSharedText(const char* text);
    explicit TSharedText(std::shared_ptr<const std::string> block);

    TSharedText& operator=(std::string text);
    TSharedText& operator=(const char* text);
    TSharedText& operator+=(std::string_view more);

    operator const std::string&() const { return *block_; }
    operator std::string_view() const { return *block_; }
    const std::string& str() const { return *block_; }
    std::shared_ptr<const std::string> Share() const { return block_; }

    std::size_t size() const { return block_->size(); }
    std::size_t length() const { return block_->size(); }
    bool empty() const { return block_->empty(); }
    const char* data() const { return block_->data(); }
    const char* c_str() const { return block_->c_str(); }
    char operator[](std::size_t i) const { return (*block_)[i]; }
    std::string::const_iterator begin() const { return block_->begin(); }
    std::string::const_iterator end() const { return block_->end(); }
    std::string substr(std::size_t pos, std::size_t count = std::string::npos) const
    {
        return block_->substr(pos, count);
    }
    std::size_t find(std::string_view what, std::size_t pos = 0) const
    {
        return block_->find(what, pos);
    }
    void clear();

    friend bool operator==(const TSharedText& a, std::string_view b) { return a.str() == b; }
    friend bool operator==(const TSharedText& a, const std::string& b) { return a.str() == b; }
    friend bool operator==(const TSharedText& a, const char* b) { return a.str() == b; }
    friend std::ostream& operator<<(std::ostream& out, const TSharedText& t) { return out << t.str(); }

private:
    std::shared_ptr<const std::string> block_;
};

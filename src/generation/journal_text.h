// Texts written end to end, each found again by where it begins and ends.
// A cleared buffer keeps its room, and an append is a copy into that room:
// the journal writes a few hundred short pieces for each sheet.
#pragma once

#include <algorithm>
#include <charconv>
#include <concepts>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace orvandel {

class JournalText {
 public:
  std::size_t size() const { return size_; }
  void clear() { size_ = 0; }
  void reserve(std::size_t bytes) {
    if (bytes > room_.size()) room_.resize(bytes);
  }

  void append(std::string_view text) {
    if (text.empty()) return;  // nothing to copy, and a fresh buffer has no storage to copy into
    makeRoom(text.size());
    std::memcpy(room_.data() + size_, text.data(), text.size());
    size_ += text.size();
  }
  // Appends `text` to the text begun at `start`, each run of spaces in the
  // two of them read as one.
  void appendWords(std::string_view text, std::size_t start) {
    makeRoom(text.size());
    for (const char c : text) {
      if (c == ' ' && size_ > start && room_[size_ - 1] == ' ') continue;
      room_[size_++] = c;
    }
  }
  template <std::integral Whole>
  void append(Whole number) {
    constexpr std::size_t kLongestNumber = 24;
    makeRoom(kLongestNumber);
    char* const start = room_.data() + size_;
    size_ += static_cast<std::size_t>(std::to_chars(start, start + kLongestNumber, number).ptr - start);
  }

  std::string_view view(std::size_t begin, std::size_t end) const {
    return {room_.data() + begin, end - begin};
  }

 private:
  void makeRoom(std::size_t bytes) {
    if (bytes > room_.size() - size_) room_.resize(std::max(2 * room_.size(), size_ + bytes));
  }

  std::vector<char> room_;
  std::size_t size_ = 0;
};

}  // namespace orvandel

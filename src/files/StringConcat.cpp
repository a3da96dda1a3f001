#include "files/StringConcat.hpp"

namespace files {

void StringConcat::Add(std::string_view s) {
    const auto n = static_cast<int64_t>(s.size());
    if (n == 0) return;
    if (Length_ + n > Capacity_) {
        // Whole chunks, enough for the piece: afterwards Capacity_ > Length_ + n.
        const int64_t grow = ((Length_ - Capacity_ + n) / ChunkSize_ + 1) * ChunkSize_;
        Buffer_.append(static_cast<std::size_t>(grow), ' ');
        Capacity_ += grow;
    }
    Buffer_.replace(static_cast<std::size_t>(Length_), s.size(), s);
    Length_ += n;
}

std::string StringConcat::GetStr() const {
    return Buffer_.substr(0, static_cast<std::size_t>(Length_));
}

}  // namespace files

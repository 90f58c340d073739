#include "platform/SubfolderListing.h"

#include <cstring>
#include <limits>

namespace dirforge::platform {

namespace {

constexpr std::size_t kRoomPerName = 32;

} // namespace

void SubfolderListing::reserve(std::size_t count) {
    inodes_.reserve(count);
    starts_.reserve(count);
    // Room is only address space until the names fill it: generous costs nothing.
    names_.reserve(count * kRoomPerName);
}

void SubfolderListing::add(std::string_view name, std::uint64_t inode) {
    // A name holding a NUL cannot be asked for; positions must fit the offsets kept for them.
    if (name.find('\0') != std::string_view::npos ||
        names_.size() + name.size() + 1 > std::numeric_limits<std::uint32_t>::max())
        return;
    if (indexed_)
        index_.insert(name, inodes_.size());
    inodes_.push_back(inode);
    starts_.push_back(static_cast<std::uint32_t>(names_.size()));
    names_.append(name);
    names_.push_back('\0');
}

bool SubfolderListing::holds(std::size_t position, std::string_view name) const {
    const std::size_t start = starts_[position];
    const std::size_t end =
        position + 1 < starts_.size() ? starts_[position + 1] - 1 : names_.size() - 1;
    return end - start == name.size() &&
           std::memcmp(names_.data() + start, name.data(), name.size()) == 0;
}

std::size_t SubfolderListing::lookUp(std::string_view name) {
    if (!indexed_) {
        index_.reserve(inodes_.size());
        for (std::size_t i = 0; i < inodes_.size(); ++i)
            index_.insert(std::string_view(names_.data() + starts_[i]), i);
        indexed_ = true;
    }
    const std::uint64_t* position = index_.find(name);
    return position == nullptr ? inodes_.size() : static_cast<std::size_t>(*position);
}

const std::uint64_t* SubfolderListing::find(std::string_view name) {
    const std::size_t count = inodes_.size();
    if (count == 0)
        return nullptr;
    // Next to the last one found, either way; before any, at either end.
    const std::size_t guesses[] = {last_ == 0 ? count - 1 : last_ - 2, last_ == 0 ? 0 : last_};
    std::size_t found = count;
    for (const std::size_t guess : guesses)
        if (guess < count && holds(guess, name)) {
            found = guess;
            break;
        }
    if (found == count)
        found = lookUp(name);
    if (found == count)
        return nullptr;
    last_ = found + 1;
    return &inodes_[found];
}

void SubfolderListing::clear() {
    inodes_.clear();
    starts_.clear();
    names_.clear();
    index_.clear();
    indexed_ = false;
    last_ = 0;
}

} // namespace dirforge::platform

#include "doubles/memory_controls.h"

namespace quiz {

void MemoryList::clear() {
  items_.clear();
  selected_ = no_selection;
}

void MemoryList::add_item(std::string_view text) {
  const ListIndex count = to_list_index(items_.size() + 1, list_name);
  const ListIndex position = collation_.insert_position(
      text, static_cast<ListIndex>(count - 1),
      [this](ListIndex i) -> std::string_view { return items_[static_cast<std::size_t>(i)]; });
  items_.emplace(items_.begin() + position, text);
  // The selection stays on the entry it was on.
  if (selected_ >= position) ++selected_;
}

std::string MemoryList::item_text(ListIndex index) const {
  check_index(index, items_.size(), list_name);
  return items_[static_cast<std::size_t>(index)];
}

void MemoryList::remove_item(ListIndex index) {
  check_index(index, items_.size(), list_name);
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    selected_ = no_selection;
  } else if (selected_ > index) {
    --selected_;
  }
}

void MemoryList::select(ListIndex index) {
  if (index != no_selection) check_index(index, items_.size(), list_name);
  selected_ = index;
}

ListIndex MemoryList::count() const { return to_list_index(items_.size(), list_name); }

}  // namespace quiz

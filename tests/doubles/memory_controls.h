#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "quiz/collation.h"
#include "quiz/controls.h"

namespace quiz {

// A list held in memory, kept in the order of the shared collation.
class MemoryList final : public VisibleList {
 public:
  explicit MemoryList(const BulgarianCollation& collation) : collation_(collation) {}

  void clear() override;
  void add_item(std::string_view text) override;
  std::string item_text(ListIndex index) const override;
  ListIndex selected_index() const override { return selected_; }
  void remove_item(ListIndex index) override;

  // What the pupil does: select an entry, or no_selection to clear the selection.
  void select(ListIndex index);
  ListIndex count() const;
  const std::vector<std::string>& items() const { return items_; }

 private:
  const BulgarianCollation& collation_;
  std::vector<std::string> items_;
  ListIndex selected_ = no_selection;
};

class MemoryTextBox final : public TextBox {
 public:
  std::string text() const override { return text_; }
  void set_text(std::string_view text) override { text_ = text; }

 private:
  std::string text_;
};

class MemoryLabel final : public Label {
 public:
  void set_caption(std::string_view caption) override { caption_ = caption; }
  const std::string& caption() const { return caption_; }

 private:
  std::string caption_;
};

}  // namespace quiz

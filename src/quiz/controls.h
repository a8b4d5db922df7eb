#pragma once

#include <string>
#include <string_view>

#include "quiz/list_index.h"

// The controls the quiz works on, reduced to the operations it needs. The window provides them
// on top of real widgets; the in-memory ones serve tests and benchmarks. Texts are UTF-8.
// Every operation either does what it says or throws.
namespace quiz {

// A visible list box whose entries stay in alphabetical order, with at most one selected entry.
class VisibleList {
 public:
  virtual ~VisibleList() = default;
  virtual void clear() = 0;
  // Inserts the entry at its alphabetical position.
  virtual void add_item(std::string_view text) = 0;
  virtual std::string item_text(ListIndex index) const = 0;
  // no_selection when nothing is selected.
  virtual ListIndex selected_index() const = 0;
  // Removing the selected entry leaves the list with no selection.
  virtual void remove_item(ListIndex index) = 0;
};

// A multi-line text box; lines end with CR LF, and text() returns exactly what was set.
class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::string text() const = 0;
  virtual void set_text(std::string_view text) = 0;
};

class Label {
 public:
  virtual ~Label() = default;
  virtual void set_caption(std::string_view caption) = 0;
};

}  // namespace quiz

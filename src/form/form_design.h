#pragma once

// The quiz window's design, read by every front end: its size, colours, font, controls and
// texts. Plain data; nothing here knows which toolkit draws it.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace form {

enum class ControlKind { list, text_box, label, button };

// What each visible control does in the game.
enum class Role {
  name_list,
  settlement_list,
  result_box,
  correct_label,
  wrong_label,
  settlement_heading,
  name_heading,
  title,
  clear_button,
};
inline constexpr std::size_t role_count = static_cast<std::size_t>(Role::clear_button) + 1;

struct Rgb {
  int red;
  int green;
  int blue;
};

// Positions and sizes are in twips (1440 to the inch), 15 to a pixel at 96 dots per inch,
// measured from the top-left corner of the client area.
struct FormControl {
  Role role;
  ControlKind kind;
  std::string_view object_name;  // control array and index
  int left;
  int top;
  int width;
  int height;
  std::string_view caption = {};
  std::optional<Rgb> background = std::nullopt;  // the platform's default where empty
  int tab_index;
  // For controls whose visible text does not name them; labels are named by their caption.
  std::string_view accessible_name = {};
};

inline constexpr int twips_per_pixel = 15;
inline constexpr int pixels_per_inch = 96;
constexpr int to_pixels(int twips) { return twips / twips_per_pixel; }

inline constexpr int client_width = 7155;
inline constexpr int client_height = 5250;
inline constexpr Rgb form_background{192, 192, 255};
inline constexpr std::string_view form_title = "География - известни български пещери";
// The caption is the publisher's address, this gap, then the title.
inline constexpr std::string_view caption_gap = "   ";
inline constexpr std::string_view font_family = "Times New Roman";
inline constexpr int font_point_size = 12;
inline constexpr int font_weight = 400;
inline constexpr int font_charset = 204;  // Cyrillic

inline constexpr Rgb heading_background{255, 192, 128};

// The visible controls, in the order they are created. Qt hands assistive technology a
// window's children in the order they were created, so this is also the order in which a
// screen reader's review of the window meets them: the button first, the title last.
inline constexpr std::array<FormControl, role_count> form_controls{{
    {.role = Role::clear_button,
     .kind = ControlKind::button,
     .object_name = "Command1(0)",
     .left = 2640,
     .top = 2760,
     .width = 1935,
     .height = 375,
     .caption = "Чисти",
     .background = Rgb{255, 128, 128},
     .tab_index = 7,
     .accessible_name = "Чисти: нова игра"},
    {.role = Role::settlement_list,
     .kind = ControlKind::list,
     .object_name = "List1(1)",
     .left = 3600,
     .top = 840,
     .width = 3375,
     .height = 1770,
     .tab_index = 4,
     .accessible_name = "Местонахождение- село,град"},
    {.role = Role::name_list,
     .kind = ControlKind::list,
     .object_name = "List1(0)",
     .left = 120,
     .top = 840,
     .width = 3375,
     .height = 1770,
     .tab_index = 3,
     .accessible_name = "Име на пещера"},
    {.role = Role::result_box,
     .kind = ControlKind::text_box,
     .object_name = "Text1(0)",
     .left = 120,
     .top = 3240,
     .width = 6855,
     .height = 1935,
     .tab_index = 0,
     .accessible_name = "Резултат"},
    {.role = Role::wrong_label,
     .kind = ControlKind::label,
     .object_name = "Label1(4)",
     .left = 5280,
     .top = 2760,
     .width = 1695,
     .height = 375,
     .caption = "Невярно: ",
     .background = Rgb{255, 0, 0},
     .tab_index = 12},
    {.role = Role::correct_label,
     .kind = ControlKind::label,
     .object_name = "Label1(3)",
     .left = 120,
     .top = 2760,
     .width = 1695,
     .height = 375,
     .caption = "Вярно: ",
     .background = Rgb{0, 255, 0},
     .tab_index = 11},
    {.role = Role::settlement_heading,
     .kind = ControlKind::label,
     .object_name = "Label1(2)",
     .left = 3600,
     .top = 480,
     .width = 3375,
     .height = 375,
     .caption = "Местонахождение- село,град",
     .background = heading_background,
     .tab_index = 10},
    {.role = Role::name_heading,
     .kind = ControlKind::label,
     .object_name = "Label1(1)",
     .left = 120,
     .top = 480,
     .width = 3375,
     .height = 375,
     .caption = "Име на пещера",
     .background = heading_background,
     .tab_index = 9},
    {.role = Role::title,
     .kind = ControlKind::label,
     .object_name = "Label1(0)",
     .left = 1320,
     .top = 0,
     .width = 4575,
     .height = 375,
     .caption = "География - пещери в България",
     .background = heading_background,
     .tab_index = 2},
}};

// A row left out or written twice would leave a role without its control, or give it two.
constexpr bool every_role_once() {
  for (std::size_t role = 0; role < role_count; ++role) {
    int rows = 0;
    for (const FormControl& entry : form_controls) {
      if (static_cast<std::size_t>(entry.role) == role) ++rows;
    }
    if (rows != 1) return false;
  }
  return true;
}
static_assert(every_role_once(), "every role has exactly one row in form_controls");

// How to pick from the keyboard, for screen readers: the lists' description, and the result
// box's until the first pair of a game.
inline constexpr std::string_view keyboard_hint =
    "Стрелките и буквите избират веднага. С Ctrl те само местят курсора, а интервалът избира.";

// What the result box shows before the first pair; each line ends with CR LF.
inline constexpr std::string_view intro_text =
    "Спелеологията е наука, екстремен спорт изискващ здрави нерви и специална екипировка, "
    "понякога просто приятна почивка. Част от пещерите са благоустроени, електрифицирани и "
    "достъпни, но някои крият доста опасности за любителя на природата.\r\n"
    "Да се реализира проект представящ междупредметна връзка География и Информатика.\r\n"
    "Тема на проекта: География - пещери в България\r\n"
    "Да се използват набор от списъчни менюта съдържащи информация за пещера и близко селище.\r\n"
    "Прочетете допълнителен материал за пещерите в България и техните забележителности.\r\n";

// What the window does when a failure stops it, named in the message that tells the pupil.
inline constexpr std::string_view loading_lists = "Зареждането на списъците";
inline constexpr std::string_view checking_pair = "Проверката на избраната двойка";
inline constexpr std::string_view new_game = "Новата игра";

inline constexpr std::string_view failure_title = "Грешка";
inline constexpr std::string_view unknown_failure = "неизвестна грешка";
inline constexpr std::string_view start_failure = "Програмата не може да започне.";

}  // namespace form

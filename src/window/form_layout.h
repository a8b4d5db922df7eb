#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace window {

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
inline constexpr std::size_t role_count = 9;

struct Rgb {
  int red;
  int green;
  int blue;
};

// Positions and sizes are in twips (1440 to the inch), 15 to a pixel at 96 dots per inch.
struct FormControl {
  Role role;
  ControlKind kind;
  std::string_view object_name;  // control array and index
  int left;
  int top;
  int width;
  int height;
  std::string_view caption;
  std::optional<Rgb> background;  // the platform's default where empty
  int tab_index;
  // For controls whose visible text does not name them; labels are named by their caption.
  std::string_view accessible_name;
};

inline constexpr int twips_per_pixel = 15;
constexpr int to_pixels(int twips) { return twips / twips_per_pixel; }

inline constexpr int client_width = 7155;
inline constexpr int client_height = 5250;
inline constexpr Rgb form_background{192, 192, 255};
inline constexpr std::string_view form_title = "География - известни български пещери";
inline constexpr std::string_view font_family = "Times New Roman";
inline constexpr int font_point_size = 12;

inline constexpr Rgb heading_background{255, 192, 128};

// The visible controls of the window, in the order they are created.
inline constexpr std::array<FormControl, role_count> form_controls{{
    {Role::clear_button, ControlKind::button, "Command1(0)", 2640, 2760, 1935, 375, "Чисти",
     Rgb{255, 128, 128}, 7, "Чисти: нова игра"},
    {Role::settlement_list,
     ControlKind::list,
     "List1(1)",
     3600,
     840,
     3375,
     1770,
     "",
     {},
     4,
     "Местонахождение- село,град"},
    {Role::name_list,
     ControlKind::list,
     "List1(0)",
     120,
     840,
     3375,
     1770,
     "",
     {},
     3,
     "Име на пещера"},
    {Role::result_box,
     ControlKind::text_box,
     "Text1(0)",
     120,
     3240,
     6855,
     1935,
     "",
     {},
     0,
     "Резултат"},
    {Role::wrong_label, ControlKind::label, "Label1(4)", 5280, 2760, 1695, 375,
     "Невярно: ", Rgb{255, 0, 0}, 12, ""},
    {Role::correct_label, ControlKind::label, "Label1(3)", 120, 2760, 1695, 375,
     "Вярно: ", Rgb{0, 255, 0}, 11, ""},
    {Role::settlement_heading, ControlKind::label, "Label1(2)", 3600, 480, 3375, 375,
     "Местонахождение- село,град", heading_background, 10, ""},
    {Role::name_heading, ControlKind::label, "Label1(1)", 120, 480, 3375, 375, "Име на пещера",
     heading_background, 9, ""},
    {Role::title, ControlKind::label, "Label1(0)", 1320, 0, 4575, 375,
     "География - пещери в България", heading_background, 2, ""},
}};

// How to pick from the keyboard, for screen readers: the lists' description, and the result
// box's until the first pair of a game.
inline constexpr std::string_view keyboard_hint =
    "Стрелките избират веднага. С Ctrl стрелките само местят курсора, а интервалът избира.";

// What the result box shows before the first pair; each line ends with CR LF.
inline constexpr std::string_view intro_text =
    "Спелеологията е наука, екстремен спорт изискващ здрави нерви и специална екипировка, "
    "понякога просто приятна почивка. Част от пещерите са благоустроени, електрифицирани и "
    "достъпни, но някои крият доста опасности за любителя на природата.\r\n"
    "Да се реализира проект представящ междупредметна връзка География и Информатика.\r\n"
    "Тема на проекта: География - пещери в България\r\n"
    "Да се използват набор от списъчни менюта съдържащи информация за пещера и близко селище.\r\n"
    "Прочетете допълнителен материал за пещерите в България и техните забележителности.\r\n";

}  // namespace window

// What a screen reader gets from the window, asked as a screen reader asks: through oleacc,
// from each control's window.
//
// Wine 8's oleacc gives every LISTBOX, BUTTON and STATIC a generic client object (role 10), no
// list entries as children, and stubs in place of the annotation service, so only what the
// EDIT and the labels tell can be checked there. The DISABLED_ tests check the rest and are
// for a real Windows machine: win32_window_tests.exe --gtest_also_run_disabled_tests
// --gtest_filter='Accessibility*'.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <string>

#include "form/form_design.h"
#include "quiz/utf16.h"
#include "win32/handles.h"
#include "window_driver.h"

namespace {

using form::Role;

VARIANT self() {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = CHILDID_SELF;
  return child;
}

VARIANT child_number(long number) {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = number;
  return child;
}

std::string taken(BSTR text) {
  const std::string utf8 = text ? quiz::to_utf8({text, SysStringLen(text)}) : std::string();
  SysFreeString(text);
  return utf8;
}

class Accessibility : public ::testing::Test {
 protected:
  win32::ComApartment com;
  test::OpenWindow ui;

  win32::ComPtr<IAccessible> object_of(HWND control, DWORD object = OBJID_CLIENT) const {
    IAccessible* accessible = nullptr;
    const HRESULT found = AccessibleObjectFromWindow(control, object, __uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&accessible));
    EXPECT_EQ(found, S_OK);
    return win32::ComPtr<IAccessible>(SUCCEEDED(found) ? accessible : nullptr);
  }
  std::string name_of(HWND control, DWORD object = OBJID_CLIENT) const {
    BSTR name = nullptr;
    if (const auto accessible = object_of(control, object)) accessible->get_accName(self(), &name);
    return taken(name);
  }
  std::string description_of(HWND control) const {
    BSTR description = nullptr;
    if (const auto accessible = object_of(control)) {
      accessible->get_accDescription(self(), &description);
    }
    return taken(description);
  }
  long role_of(HWND control) const {
    VARIANT role{};
    if (const auto accessible = object_of(control)) accessible->get_accRole(self(), &role);
    return role.vt == VT_I4 ? role.lVal : -1;
  }
};

TEST_F(Accessibility, TheResultBoxIsReadOnlyTextWithTheWholeTextAsItsValue) {
  const auto box = object_of(ui.result());
  ASSERT_TRUE(box);
  EXPECT_EQ(role_of(ui.result()), ROLE_SYSTEM_TEXT);
  BSTR value = nullptr;
  ASSERT_EQ(box->get_accValue(self(), &value), S_OK);
  EXPECT_EQ(taken(value), test::text_of(ui.result()));
  VARIANT state{};
  ASSERT_EQ(box->get_accState(self(), &state), S_OK);
  ASSERT_EQ(state.vt, VT_I4);
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_READONLY);

  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Каците"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "с.Церово"));
  ASSERT_EQ(box->get_accValue(self(), &value), S_OK);
  EXPECT_EQ(taken(value),
            "Грешка: Каците - с.Церово\r\nпещерата Каците се намира в общ. Своге - област  "
            "София\r\n");
}

TEST_F(Accessibility, LabelsAreNamedByTheirCaptions) {
  const std::pair<Role, std::string_view> names[] = {
      {Role::title, "География - пещери в България"},
      {Role::name_heading, "Име на пещера"},
      {Role::settlement_heading, "Местонахождение- село,град"},
      {Role::correct_label, "Вярно: "},
      {Role::wrong_label, "Невярно: "},
  };
  for (const auto& [role, name] : names) EXPECT_EQ(name_of(ui.control(role)), name);
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Бачо Киро"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "гр.Дряново"));
  EXPECT_EQ(name_of(ui.correct()), "Вярно: 1");
}

TEST_F(Accessibility, TheButtonShowsItsCaption) {
  EXPECT_EQ(test::text_of(ui.clear_button()), "Чисти");
}

TEST_F(Accessibility, DISABLED_ListsAreListsOfTheirEntries) {
  for (HWND list : {ui.names(), ui.settlements()}) {
    const auto accessible = object_of(list);
    ASSERT_TRUE(accessible);
    EXPECT_EQ(role_of(list), ROLE_SYSTEM_LIST);
    long children = 0;
    ASSERT_EQ(accessible->get_accChildCount(&children), S_OK);
    EXPECT_EQ(children, 31);
    BSTR first = nullptr;
    ASSERT_EQ(accessible->get_accName(child_number(1), &first), S_OK);
    EXPECT_EQ(taken(first), list == ui.names() ? "Балабанова дупка" : "гара Лакатник");
  }
}

TEST_F(Accessibility, DISABLED_ControlsAreNamedAndDescribedForTheKeyboard) {
  EXPECT_EQ(name_of(ui.names()), "Име на пещера");
  EXPECT_EQ(name_of(ui.settlements()), "Местонахождение- село,град");
  EXPECT_EQ(name_of(ui.result()), "Резултат");
  const std::string hint =
      "Стрелките избират веднага. С Ctrl стрелките само местят курсора, а интервалът избира.";
  EXPECT_EQ(description_of(ui.names()), hint);
  EXPECT_EQ(description_of(ui.settlements()), hint);
  EXPECT_EQ(description_of(ui.result()), hint);
}

TEST_F(Accessibility, DISABLED_TheResultBoxIsDescribedByTheScoreAfterAPair) {
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Бачо Киро"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "гр.Дряново"));
  EXPECT_EQ(description_of(ui.result()), "Вярно: 1, Невярно: 0");
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.names(), "Каците"));
  ASSERT_TRUE(test::click_entry(ui.handle(), ui.settlements(), "с.Церово"));
  EXPECT_EQ(description_of(ui.result()), "Вярно: 1, Невярно: 1");
  ASSERT_TRUE(test::click_control(ui.handle(), ui.clear_button()));
  EXPECT_EQ(
      description_of(ui.result()),
      "Стрелките избират веднага. С Ctrl стрелките само местят курсора, а интервалът избира.");
}

TEST_F(Accessibility, DISABLED_TheButtonIsAPushButtonNamedForANewGame) {
  EXPECT_EQ(role_of(ui.clear_button()), ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(name_of(ui.clear_button()), "Чисти: нова игра");
}

TEST_F(Accessibility, DISABLED_LabelsAreStaticText) {
  for (const Role role : {Role::title, Role::name_heading, Role::settlement_heading,
                          Role::correct_label, Role::wrong_label}) {
    EXPECT_EQ(role_of(ui.control(role)), ROLE_SYSTEM_STATICTEXT) << test::text_of(ui.control(role));
  }
}

TEST_F(Accessibility, DISABLED_TheWindowIsNamedByItsSubject) {
  EXPECT_EQ(name_of(ui.handle(), OBJID_WINDOW), "География - известни български пещери");
}

}  // namespace

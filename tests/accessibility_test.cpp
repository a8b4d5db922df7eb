// What a screen reader is told while the quiz is played from the keyboard or with the mouse.
// Screen readers read what gets the focus, and name and description changes of it; the events
// the window sends are caught here as they go out to assistive technology.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QMenu>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "form/form_design.h"
#include "quiz_window_driver.h"
#include "window/qt_helpers.h"
#include "window/quiz_form.h"
#include "window/start_up.h"

using namespace Qt::StringLiterals;

namespace {

// One event as a screen reader gets it: what it is about, and the name of the entry it names.
struct Heard {
  QAccessible::Event type;
  const QObject* object;
  QString entry;  // for focus and selection events on a list entry
};

std::vector<Heard> heard;

void hear(QAccessibleEvent* event) {
  QString entry;
  const bool names_an_entry =
      event->child() >= 0 &&
      (event->type() == QAccessible::Focus || event->type() == QAccessible::Selection ||
       event->type() == QAccessible::SelectionAdd || event->type() == QAccessible::SelectionRemove);
  if (names_an_entry) {
    if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(event->object())) {
      if (QAccessibleInterface* child = list->child(event->child())) {
        entry = child->text(QAccessible::Name);
      }
    }
  }
  heard.push_back({event->type(), event->object(), entry});
}

bool focus_heard_on(const QObject* object) {
  return std::ranges::any_of(heard, [object](const Heard& event) {
    return event.type == QAccessible::Focus && event.object == object;
  });
}

// Whether `object` got the focus before its text changed: a screen reader that sees the text
// of the focused control change first takes the control as read, and keeps quiet.
bool focus_heard_before_text_change_on(const QObject* object) {
  const auto on_object = [object](const Heard& event) { return event.object == object; };
  const auto focus = std::ranges::find_if(heard, [&](const Heard& event) {
    return on_object(event) && event.type == QAccessible::Focus;
  });
  const auto text_change = std::ranges::find_if(heard, [&](const Heard& event) {
    return on_object(event) &&
           (event.type == QAccessible::TextInserted || event.type == QAccessible::TextRemoved ||
            event.type == QAccessible::TextUpdated || event.type == QAccessible::TextCaretMoved);
  });
  return focus != heard.end() && text_change != heard.end() && focus < text_change;
}

bool name_change_heard_on(const QObject* object) {
  return std::ranges::any_of(heard, [object](const Heard& event) {
    return event.type == QAccessible::NameChanged && event.object == object;
  });
}

QString accessible_text(QObject* object, QAccessible::Text text) {
  QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
  return interface ? interface->text(text) : QString();
}

enum class PickBy { mouse, ctrl_and_space, arrow };

// Picks `text`; `before_last_step` runs just before the step that picks, so that what was
// heard while browsing towards the entry can be told from what the pick itself sends.
template <typename BeforeLastStep>
bool pick(PickBy by, QListWidget& list, const QString& text, BeforeLastStep before_last_step) {
  switch (by) {
    case PickBy::mouse:
      before_last_step();
      return test::click(list, text);
    case PickBy::ctrl_and_space:
      if (!test::browse_to(list, text)) return false;
      before_last_step();
      QTest::keyClick(&list, Qt::Key_Space);
      return true;
    case PickBy::arrow: {
      // Ctrl+arrows to the entry above, then a plain Down picks the entry.
      const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
      if (found.size() != 1 || list.row(found.front()) == 0) return false;
      if (!test::browse_to(list, list.item(list.row(found.front()) - 1)->text())) return false;
      before_last_step();
      QTest::keyClick(&list, Qt::Key_Down);
      return true;
    }
  }
  return false;
}

}  // namespace

Q_DECLARE_METATYPE(PickBy)

class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<window::QuizForm> form;
  std::optional<test::QuizWindow> ui;

 private Q_SLOTS:
  void initTestCase() {
    window::set_up_application(*qApp);  // as the program sets itself up
    // Widgets tell assistive technology of their changes only while it listens, and under the
    // offscreen platform nothing does: the test is the listener, as in Qt's own tests.
    QPlatformAccessibility* accessibility =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(accessibility);
    accessibility->setActive(true);
    QAccessible::installUpdateHandler(hear);
  }
  void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

  void init() {
    form = std::make_unique<window::QuizForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    ui.emplace(*form);
    heard.clear();
  }
  void cleanup() {
    ui.reset();
    form.reset();
  }

  void theVerdictTakesTheFocusAndNothingElseIsNamed_data() {
    QTest::addColumn<PickBy>("by");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("settlement");
    QTest::addColumn<QString>("score");
    const std::pair<PickBy, const char*> ways[] = {{PickBy::mouse, "mouse"},
                                                   {PickBy::ctrl_and_space, "Ctrl and Space"},
                                                   {PickBy::arrow, "arrow"}};
    for (const auto& [by, way] : ways) {
      QTest::addRow("%s, right pair", way)
          << by << u"Бачо Киро"_s << u"гр.Дряново"_s << u"Вярно: 1, Невярно: 0"_s;
      QTest::addRow("%s, wrong pair", way)
          << by << u"Каците"_s << u"с.Церово"_s << u"Вярно: 0, Невярно: 1"_s;
    }
  }

  void theVerdictTakesTheFocusAndNothingElseIsNamed() {
    QFETCH(PickBy, by);
    QFETCH(QString, name);
    QFETCH(QString, settlement);
    QVERIFY(pick(by, ui->names, name, [] {}));
    QVERIFY(pick(by, ui->settlements, settlement, [] { heard.clear(); }));
    QCOMPARE(ui->checks(), 1);
    QTest::qWait(0);  // anything the lists send later

    QCOMPARE(QApplication::focusWidget(), &ui->result);
    QVERIFY(focus_heard_before_text_change_on(&ui->result));
    QVERIFY(QAccessible::queryAccessibleInterface(&ui->result)->state().readOnly);
    QVERIFY(ui->result.toPlainText().startsWith(
        name == u"Бачо Киро"_s ? u"Вярно: Пещерата Бачо Киро"_s : u"Грешка: Каците"_s));
    QTEST(accessible_text(&ui->result, QAccessible::Description), "score");
    for (const Heard& event : heard) {
      if (!event.entry.isEmpty()) {
        QVERIFY2(event.entry == name || event.entry == settlement, qUtf8Printable(event.entry));
      }
    }
    QVERIFY(ui->no_selection_left());
  }

  // After each step, by the mouse: a pair (cave, settlement) or «Чисти».
  void scoresAreNamedByTheirCaptions_data() {
    QTest::addColumn<QList<QStringList>>("steps");
    const QStringList right{u"Бачо Киро"_s, u"гр.Дряново"_s};
    const QStringList wrong{u"Каците"_s, u"с.Церово"_s};
    const QStringList clear{u"Чисти"_s};
    QTest::newRow("start") << QList<QStringList>{};
    QTest::newRow("right pair") << QList<QStringList>{right};
    QTest::newRow("wrong pair") << QList<QStringList>{wrong};
    QTest::newRow("after «Чисти»") << QList<QStringList>{right, wrong, clear};
  }

  void scoresAreNamedByTheirCaptions() {
    QFETCH(QList<QStringList>, steps);
    const auto names_follow_captions = [this](const QStringList& captions_before) {
      for (int i = 0; i < 2; ++i) {
        QLabel* label = i == 0 ? &ui->correct : &ui->wrong;
        if (accessible_text(label, QAccessible::Name) != label->text()) return false;
        if (label->text() != captions_before[i] && !name_change_heard_on(label)) return false;
      }
      return true;
    };
    QVERIFY(names_follow_captions({ui->correct.text(), ui->wrong.text()}));
    for (const QStringList& step : steps) {
      const QStringList captions_before{ui->correct.text(), ui->wrong.text()};
      heard.clear();
      if (step.size() == 2) {
        QVERIFY(test::click(ui->names, step[0]));
        QVERIFY(test::click(ui->settlements, step[1]));
      } else {
        QTest::mouseClick(&ui->clear_button, Qt::LeftButton);
        // The new game is heard: the focus moves to the name list.
        QCOMPARE(QApplication::focusWidget(), &ui->names);
        QVERIFY(focus_heard_on(&ui->names));
        QCOMPARE(ui->correct.text(), u"Вярно:"_s);
        QCOMPARE(ui->wrong.text(), u"Невярно:"_s);
      }
      QVERIFY(names_follow_captions(captions_before));
    }
    // Before the first pair of a game, the result box tells how to pick from the keyboard.
    if (steps.isEmpty() || steps.back().size() == 1) {
      QCOMPARE(accessible_text(&ui->result, QAccessible::Description),
               window::to_qstring(form::keyboard_hint));
    }
  }

  void tabbingIntoAListPutsTheCursorOnTheEntryThatSpacePicks() {
    QVERIFY(test::click(ui->names, u"Балабанова дупка"_s));
    QVERIFY(test::click(ui->settlements, u"с.Комщица"_s));
    QCOMPARE(QApplication::focusWidget(), &ui->result);

    for (QListWidget* list : {&ui->names, &ui->settlements}) {
      heard.clear();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), list);
      QCOMPARE(list->currentRow(), 0);
      QVERIFY(list->selectedItems().isEmpty());
      QTest::qWait(0);
      // The last thing heard is the entry under the cursor.
      QVERIFY(!heard.empty());
      QCOMPARE(heard.back().type, QAccessible::Focus);
      QCOMPARE(heard.back().entry, list->item(0)->text());
      QTest::keyClick(list, Qt::Key_Space);
    }
    QVERIFY(ui->result.toPlainText().startsWith(u"Грешка: Банковица - гара Лакатник"_s));
  }

  // Ctrl with a letter moves the cursor, and the screen reader names the entry it moved to.
  void aCursorMovedByCtrlAndALetterIsHeard() {
    ui->names.setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    heard.clear();
    QTest::sendKeyEvent(QTest::Click, &ui->names, Qt::Key_unknown, u"м"_s, Qt::ControlModifier);
    QVERIFY(ui->names.selectedItems().isEmpty());
    QVERIFY(!heard.empty());
    QCOMPARE(heard.back().type, QAccessible::Focus);
    QCOMPARE(heard.back().entry, u"Магура"_s);
  }

  void theWindowIsAWindowNamedByItsSubject() {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), u"География - известни български пещери"_s);
  }

  // What a screen reader calls each control: a label its caption, a list the heading above it,
  // the button what it does.
  void everyControlIsNamedForTheScreenReader_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");
    QTest::newRow("title") << u"Label1(0)"_s << u"География - пещери в България"_s;
    QTest::newRow("name heading") << u"Label1(1)"_s << u"Име на пещера"_s;
    QTest::newRow("settlement heading") << u"Label1(2)"_s << u"Местонахождение- село,град"_s;
    QTest::newRow("correct score") << u"Label1(3)"_s << u"Вярно: "_s;
    QTest::newRow("wrong score") << u"Label1(4)"_s << u"Невярно: "_s;
    QTest::newRow("clear button") << u"Command1(0)"_s << u"Чисти: нова игра"_s;
    QTest::newRow("name list") << u"List1(0)"_s << u"Име на пещера"_s;
    QTest::newRow("settlement list") << u"List1(1)"_s << u"Местонахождение- село,град"_s;
    QTest::newRow("result box") << u"Text1(0)"_s << u"Резултат"_s;
  }

  void everyControlIsNamedForTheScreenReader() {
    QFETCH(QString, objectName);
    auto* widget = form->findChild<QWidget*>(objectName);
    QVERIFY(widget);
    QTEST(accessible_text(widget, QAccessible::Name), "name");
  }

  // Under an English desktop, the application speaks Bulgarian: to assistive technology, which
  // Qt gives the application's locale, and in the texts Qt draws itself.
  void theApplicationIsSetUpToSpeakBulgarian() {
    QCOMPARE(QLocale().name(), u"bg_BG"_s);
    const std::unique_ptr<QMenu> menu(ui->result.createStandardContextMenu());
    const auto* select_all = menu->findChild<QAction*>(u"select-all"_s);
    QVERIFY(select_all);
    QVERIFY2(select_all->text().remove(u'&').startsWith(u"Избиране на всичко"_s),
             "Qt's Bulgarian translations are missing or not loaded");
  }

  // The desktop finds the window's name and icon by its desktop entry.
  void theApplicationNamesItsDesktopEntry() {
    QCOMPARE(QGuiApplication::desktopFileName(), u"example.peshteri.CavesQuiz"_s);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

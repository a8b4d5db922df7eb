#include "window/quiz_form.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>

#include "form/form_design.h"
#include "form/publisher.h"
#include "quiz/cave_rows.h"
#include "quiz_window_driver.h"
#include "window/failure_dialog.h"
#include "window/pick_list.h"
#include "window/qt_controls.h"
#include "window/qt_helpers.h"
#include "window/start_up.h"

using namespace Qt::StringLiterals;

namespace {

// What the result box shows for a text the quiz writes with CR LF line ends.
QString shown(std::string_view text) {
  return window::to_qstring(text).replace(u"\r\n"_s, u"\n"_s);
}

QStringList items_of(const QListWidget& list) {
  QStringList items;
  for (int row = 0; row < list.count(); ++row) items << list.item(row)->text();
  return items;
}

}  // namespace

class QuizFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<window::QuizForm> form;
  std::optional<test::QuizWindow> ui;

 private Q_SLOTS:
  void init() {
    form = std::make_unique<window::QuizForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    ui.emplace(*form);
  }
  void cleanup() {
    ui.reset();
    form.reset();
  }

  void opensReadyToPlay() {
    QCOMPARE(form->windowTitle(),
             window::to_qstring(form::publisher) + u"   География - известни български пещери"_s);
    QVERIFY(QFile::exists(u":/icons/caves-quiz.png"_s));
    QVERIFY(!form->windowIcon().availableSizes().isEmpty());
    QCOMPARE(form->size(), QSize(477, 350));
    QCOMPARE(ui->names.count(), 31);
    QCOMPARE(ui->names.item(0)->text(), u"Балабанова дупка"_s);
    const quiz::AnswerKey key = quiz::cave_key();
    for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
      QCOMPARE(ui->names.item(row)->text(), window::to_qstring(key.name(row)));
    }
    QCOMPARE(ui->settlements.count(), 31);
    QCOMPARE(ui->settlements.item(0)->text(), u"гара Лакатник"_s);
    QCOMPARE(ui->settlements.item(10)->text(), u"с. Брестница"_s);
    QCOMPARE(ui->settlements.item(30)->text(), u"с.Ягодина"_s);
    QVERIFY(ui->no_selection_left());
    QCOMPARE(ui->correct.text(), u"Вярно: "_s);
    QCOMPARE(ui->wrong.text(), u"Невярно: "_s);
    QCOMPARE(ui->result.toPlainText(), shown(form::intro_text));
    QCOMPARE(QApplication::focusWidget(), &ui->result);
  }

  // Where each control stands in the client area, in pixels, what colour is behind it, and its
  // font: Times New Roman, 12 point, regular, for every control. The client area has no name.
  void everyControlIsDrawnWhereAndAsDesigned_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QColor>("colour");  // none: the platform's own background
    const QColor heading(255, 192, 128);
    QTest::newRow("client area") << QString() << QRect(0, 0, 477, 350) << QPalette::Window
                                 << QColor(192, 192, 255);
    QTest::newRow("title") << u"Label1(0)"_s << QRect(88, 0, 305, 25) << QPalette::Window
                           << heading;
    QTest::newRow("name heading") << u"Label1(1)"_s << QRect(8, 32, 225, 25) << QPalette::Window
                                  << heading;
    QTest::newRow("settlement heading")
        << u"Label1(2)"_s << QRect(240, 32, 225, 25) << QPalette::Window << heading;
    QTest::newRow("name list") << u"List1(0)"_s << QRect(8, 56, 225, 118) << QPalette::Base
                               << QColor();
    QTest::newRow("settlement list")
        << u"List1(1)"_s << QRect(240, 56, 225, 118) << QPalette::Base << QColor();
    QTest::newRow("correct score")
        << u"Label1(3)"_s << QRect(8, 184, 113, 25) << QPalette::Window << QColor(0, 255, 0);
    QTest::newRow("clear button") << u"Command1(0)"_s << QRect(176, 184, 129, 25)
                                  << QPalette::Button << QColor(255, 128, 128);
    QTest::newRow("wrong score") << u"Label1(4)"_s << QRect(352, 184, 113, 25) << QPalette::Window
                                 << QColor(255, 0, 0);
    QTest::newRow("result box") << u"Text1(0)"_s << QRect(8, 216, 457, 129) << QPalette::Base
                                << QColor();
  }

  void everyControlIsDrawnWhereAndAsDesigned() {
    QFETCH(QString, objectName);
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QColor, colour);
    const QWidget* widget =
        objectName.isEmpty() ? form->centralWidget() : form->findChild<QWidget*>(objectName);
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    QTEST(QRect(widget->mapTo(form.get(), QPoint(0, 0)), widget->size()), "rect");
    if (colour.isValid()) {
      QCOMPARE(widget->palette().color(role), colour);
      if (role == QPalette::Window) QVERIFY(widget->autoFillBackground());
    } else {
      QCOMPARE(widget->palette().color(role), QApplication::palette(widget).color(role));
    }
    // The font asked for; the desktop may draw it with a metric twin such as Liberation Serif.
    QCOMPARE(widget->font().family(), u"Times New Roman"_s);
    QCOMPARE(widget->font().pointSize(), 12);
    QCOMPARE(widget->font().weight(), QFont::Normal);
  }

  void showsNothingOfTheKeyBeyondTheTwoLists() {
    const quiz::AnswerKey key = quiz::cave_key();
    const QString description = window::to_qstring(key.description(0));
    const QString region = window::to_qstring(key.region(28));
    for (const QWidget* widget : form->findChildren<QWidget*>()) {
      if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        QVERIFY(list == &ui->names || list == &ui->settlements);
        QVERIFY(!items_of(*list).contains(description));
        QVERIFY(!items_of(*list).contains(region));
      }
    }
    QVERIFY(!ui->result.toPlainText().contains(description));
  }

  void judgesPairsPickedWithTheMouse_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("settlement");
    QTest::addColumn<bool>("settlementFirst");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("correctCaption");
    QTest::addColumn<QString>("wrongCaption");
    const QString bacho_kiro = shown("Вярно: Пещерата Бачо Киро е близо до гр.Дряново\r\n ") +
                               window::to_qstring(quiz::cave_key().description(2));
    const QString katsite = shown(
        "Грешка: Каците - с.Церово\r\nпещерата Каците се намира в общ. Своге - област  "
        "София\r\n");
    for (const bool settlement_first : {false, true}) {
      const char* order = settlement_first ? "settlement first" : "name first";
      QTest::addRow("correct, %s", order) << u"Бачо Киро"_s << u"гр.Дряново"_s << settlement_first
                                          << bacho_kiro << u"Вярно: 1"_s << u"Невярно: "_s;
      QTest::addRow("wrong, %s", order) << u"Каците"_s << u"с.Церово"_s << settlement_first
                                        << katsite << u"Вярно: "_s << u"Невярно: 1"_s;
    }
  }

  void judgesPairsPickedWithTheMouse() {
    QFETCH(QString, name);
    QFETCH(QString, settlement);
    QFETCH(bool, settlementFirst);
    QListWidget& first = settlementFirst ? ui->settlements : ui->names;
    QListWidget& second = settlementFirst ? ui->names : ui->settlements;
    QVERIFY(test::click(first, settlementFirst ? settlement : name));
    QCOMPARE(ui->result.toPlainText(), shown(form::intro_text));
    QVERIFY(test::click(second, settlementFirst ? name : settlement));

    QTEST(ui->result.toPlainText(), "expected");
    QTEST(ui->correct.text(), "correctCaption");
    QTEST(ui->wrong.text(), "wrongCaption");
    QCOMPARE(ui->names.count(), 30);
    QCOMPARE(ui->settlements.count(), 30);
    QVERIFY(ui->names.findItems(name, Qt::MatchExactly).isEmpty());
    QVERIFY(ui->settlements.findItems(settlement, Qt::MatchExactly).isEmpty());
    QVERIFY(ui->no_selection_left());
  }

  void playsAWholeGameWithTheMouseOneCheckAPair() {
    const quiz::AnswerKey key = quiz::cave_key();
    for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
      // Every other pair wrong on purpose: the bottom settlement instead of the right one.
      const QString settlement = row % 2 ? ui->settlements.item(ui->settlements.count() - 1)->text()
                                         : window::to_qstring(key.settlement(row));
      if (ui->settlements.findItems(settlement, Qt::MatchExactly).isEmpty()) continue;
      QVERIFY(test::click(ui->names, window::to_qstring(key.name(row))));
      QVERIFY(test::click(ui->settlements, settlement));
      QCOMPARE(ui->checks(), 31 - ui->names.count());
      QCOMPARE(ui->names.count(), ui->settlements.count());
      QVERIFY(ui->no_selection_left());
    }
    // Pairs left over when a wrong pick took their settlement away.
    for (int left = ui->names.count(); left > 0; --left) {
      QVERIFY(test::click(ui->names, ui->names.item(0)->text()));
      QVERIFY(test::click(ui->settlements, ui->settlements.item(0)->text()));
      QCOMPARE(ui->names.count(), left - 1);
    }
    QCOMPARE(ui->checks(), 31);
    QCOMPARE(ui->settlements.count(), 0);
  }

  void playsWithTheArrowKeys() {
    QTest::keyClick(&ui->result, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &ui->names);
    QVERIFY(test::arrow_to(ui->names, u"Бачо Киро"_s));
    QCOMPARE(ui->checks(), 0);

    QTest::keyClick(&ui->names, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &ui->settlements);
    QTest::keyClick(&ui->settlements, Qt::Key_End);  // picks the last settlement at once
    QCOMPARE(ui->result.toPlainText(),
             shown("Грешка: Бачо Киро - с.Ягодина\r\nпещерата Бачо Киро се намира в общ. Дряново "
                   "- област Габрово\r\n"));
    QCOMPARE(ui->wrong.text(), u"Невярно: 1"_s);
    QCOMPARE(ui->checks(), 1);
    QVERIFY(ui->no_selection_left());
  }

  void playsWithTheKeyboardByBrowsingBeforePicking() {
    QVERIFY(test::browse_and_pick(ui->names, u"Тизоин"_s));
    QCOMPARE(ui->checks(), 0);
    QVERIFY(test::browse_and_pick(ui->settlements, u"с.Гинци"_s));
    QCOMPARE(ui->correct.text(), u"Вярно: 1"_s);
    QCOMPARE(ui->checks(), 1);
    QVERIFY(ui->no_selection_left());

    QVERIFY(test::browse_and_pick(ui->settlements, u"с.Церово"_s));
    QVERIFY(test::browse_and_pick(ui->names, u"Каците"_s));
    QCOMPARE(ui->wrong.text(), u"Невярно: 1"_s);
    QCOMPARE(ui->checks(), 2);
    QCOMPARE(ui->names.count(), 29);
    QVERIFY(ui->no_selection_left());
  }

  // The cursor that Ctrl moves is no pick: a pick in the other list alone judges nothing.
  void aCursorMovedWithCtrlIsNoPick() {
    QVERIFY(test::browse_to(ui->names, u"Тизоин"_s));
    QVERIFY(test::click(ui->settlements, u"с.Гинци"_s));
    QCOMPARE(ui->checks(), 0);
    QCOMPARE(ui->result.toPlainText(), shown(form::intro_text));
    QVERIFY(ui->names.selectedItems().isEmpty());
    QCOMPARE(ui->settlements.selectedItems().size(), 1);
  }

  // Whatever put the focus in the list, Ctrl with a key that moves the cursor picks nothing. A
  // click on the scroll bar gives the list the focus without a cursor, where Qt's own handling
  // of an arrow key would start from the first entry and pick it.
  void ctrlWithAMovementKeyPicksNothing_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Up") << Qt::Key_Up;
    QTest::newRow("Down") << Qt::Key_Down;
    QTest::newRow("Left") << Qt::Key_Left;
    QTest::newRow("Right") << Qt::Key_Right;
    QTest::newRow("Home") << Qt::Key_Home;
    QTest::newRow("End") << Qt::Key_End;
    QTest::newRow("Page Up") << Qt::Key_PageUp;
    QTest::newRow("Page Down") << Qt::Key_PageDown;
  }

  void ctrlWithAMovementKeyPicksNothing() {
    QFETCH(Qt::Key, key);
    QVERIFY(test::click(ui->settlements, u"с.Комщица"_s));
    const QScrollBar& scroll_bar = *ui->names.verticalScrollBar();
    QTest::mouseClick(ui->names.verticalScrollBar(), Qt::LeftButton, {},
                      QPoint(scroll_bar.width() / 2, scroll_bar.height() / 2));
    QCOMPARE(QApplication::focusWidget(), &ui->names);
    QVERIFY(!ui->names.currentIndex().isValid());

    QTest::keyClick(&ui->names, key, Qt::ControlModifier);
    QCOMPARE(ui->checks(), 0);
    QVERIFY(ui->names.selectedItems().isEmpty());
    QCOMPARE(ui->settlements.selectedItems().size(), 1);
    QCOMPARE(ui->result.toPlainText(), shown(form::intro_text));
  }

  // A letter moves to the next entry that starts with it, from the cursor on, and picks it, as
  // an arrow key does; with Ctrl it only moves the cursor there, and Space picks. Tabbing into a
  // list puts the cursor on its first entry.
  void aLetterMovesToTheNextEntryStartingWithIt_data() {
    QTest::addColumn<bool>("inNames");
    QTest::addColumn<QString>("picked");  // already picked in the other list
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("м picks in the names") << true << u"с.Рабиша"_s << u"м"_s << false << u"Магура"_s
                                          << u"Вярно: Пещерата Магура е близо до с.Рабиша"_s;
    QTest::newRow("Ctrl+м moves in the names")
        << true << u"с.Рабиша"_s << u"м"_s << true << u"Магура"_s
        << u"Вярно: Пещерата Магура е близо до с.Рабиша"_s;
    QTest::newRow("Ctrl+Я moves in the names")
        << true << u"с.Церово"_s << u"Я"_s << true << u"Ягодинска пещера"_s
        << u"Грешка: Ягодинска пещера - с.Церово"_s;
    QTest::newRow("г picks the next in the settlements")
        << false << u"Башовишки печ"_s << u"г"_s << false << u"гара Орешец"_s
        << u"Вярно: Пещерата Башовишки печ е близо до гара Орешец"_s;
    QTest::newRow("Ctrl+с moves in the settlements")
        << false << u"Съева дупка"_s << u"с"_s << true << u"с. Брестница"_s
        << u"Вярно: Пещерата Съева дупка е близо до с. Брестница"_s;
  }

  void aLetterMovesToTheNextEntryStartingWithIt() {
    QFETCH(bool, inNames);
    QFETCH(QString, picked);
    QFETCH(QString, letter);
    QFETCH(bool, ctrl);
    QFETCH(QString, entry);
    QListWidget& list = inNames ? ui->names : ui->settlements;
    QVERIFY(test::click(inNames ? ui->settlements : ui->names, picked));
    list.setFocus(Qt::TabFocusReason);
    QCOMPARE(list.currentRow(), 0);

    QTest::sendKeyEvent(QTest::Click, &list, Qt::Key_unknown, letter,
                        ctrl ? Qt::ControlModifier : Qt::NoModifier);
    if (ctrl) {
      QVERIFY(list.currentItem());
      QCOMPARE(list.currentItem()->text(), entry);
      QVERIFY(list.selectedItems().isEmpty());
      QCOMPARE(ui->checks(), 0);
      QTest::keyClick(&list, Qt::Key_Space);
    }
    QCOMPARE(ui->checks(), 1);
    QTEST(ui->result.toPlainText().section(u'\n', 0, 0), "verdict");
    QVERIFY(list.findItems(entry, Qt::MatchExactly).isEmpty());
  }

  // With Ctrl, X gives a Cyrillic key's text as a control character where a Latin layout is
  // also set; the key's own letter still moves the cursor.
  void ctrlWithACyrillicKeyMovesWhateverItsText() {
    QVERIFY(test::click(ui->settlements, u"с.Рабиша"_s));
    ui->names.setFocus(Qt::TabFocusReason);
    QKeyEvent press(QEvent::KeyPress, 0x41C /* М */, Qt::ControlModifier, u"\x16"_s);
    QApplication::sendEvent(&ui->names, &press);
    QVERIFY(ui->names.currentItem());
    QCOMPARE(ui->names.currentItem()->text(), u"Магура"_s);
    QVERIFY(ui->names.selectedItems().isEmpty());
    QCOMPARE(ui->checks(), 0);
  }

  // Ctrl with a letter moves the cursor, but Ctrl+C still copies the entry under it.
  void ctrlCCopiesTheEntryUnderTheCursor() {
    QVERIFY(test::browse_to(ui->names, u"Магура"_s));
    QTest::keyClick(&ui->names, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Магура"_s);
    QCOMPARE(ui->names.currentItem()->text(), u"Магура"_s);
    QVERIFY(ui->names.selectedItems().isEmpty());
  }

  // Neither the keyboard nor an input method (a compose key, IBus, Fcitx) writes into the box.
  void theResultBoxCannotBeEdited() {
    ui->result.setFocus();
    QTest::keyClicks(&ui->result, u"abc"_s);
    QTest::sendKeyEvent(QTest::Click, &ui->result, Qt::Key_unknown, u"я"_s, Qt::NoModifier);
    for (const int key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return}) {
      QTest::keyClick(&ui->result, Qt::Key(key));
    }
    QTest::keyClick(&ui->result, Qt::Key_X, Qt::ControlModifier);

    QInputMethodEvent commit;
    commit.setCommitString(u"я"_s);
    QApplication::sendEvent(&ui->result, &commit);
    QCOMPARE(ui->result.toPlainText(), shown(form::intro_text));
    // An input method sends its text only to a control that says it takes some.
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(&ui->result, &query);
    QCOMPARE(query.value(Qt::ImEnabled), QVariant(false));
    QCOMPARE(QInputMethod::queryFocusObject(Qt::ImEnabled, {}), QVariant(false));
  }

  void restartsMidGame() {
    QVERIFY(test::click(ui->names, u"Бачо Киро"_s));
    QVERIFY(test::click(ui->settlements, u"гр.Дряново"_s));
    QVERIFY(test::click(ui->names, u"Каците"_s));
    QVERIFY(test::click(ui->settlements, u"с.Церово"_s));
    QVERIFY(test::click(ui->names, u"Магура"_s));
    QTest::mouseClick(&ui->clear_button, Qt::LeftButton);

    QCOMPARE(ui->names.count(), 31);
    QCOMPARE(ui->settlements.count(), 31);
    QVERIFY(ui->names.selectedItems().isEmpty());
    QVERIFY(ui->settlements.selectedItems().isEmpty());
    // The new game starts in the name list, the cursor on its first entry.
    QCOMPARE(QApplication::focusWidget(), &ui->names);
    QCOMPARE(ui->names.currentRow(), 0);
    QVERIFY(!ui->settlements.currentIndex().isValid());
    QCOMPARE(ui->result.toPlainText(), QString());
    QCOMPARE(ui->correct.text(), u"Вярно:"_s);
    QCOMPARE(ui->wrong.text(), u"Невярно:"_s);

    QVERIFY(test::click(ui->names, u"Каците"_s));
    QVERIFY(test::click(ui->settlements, u"с.Церово"_s));
    QCOMPARE(ui->wrong.text(), u"Невярно: 1"_s);
    QCOMPARE(ui->correct.text(), u"Вярно:"_s);
  }

  void tabMovesThroughTheControlsInOrder() {
    const QList<QWidget*> expected = {&ui->names, &ui->settlements, &ui->clear_button, &ui->result};
    for (QWidget* next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  void aFailureIsShownAndTheWindowKeepsWorking() {
    // An entry that is not in the answer key cannot be judged.
    ui->names.addItem(u"Непозната пещера"_s);
    QVERIFY(test::click(ui->names, u"Непозната пещера"_s));
    QVERIFY(test::click(ui->settlements, u"с.Емен"_s));

    const auto* dialog = form->findChild<QMessageBox*>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->text().contains(u"Проверката на избраната двойка не успя"_s));
    QVERIFY(dialog->text().contains(u"Непозната пещера"_s));
    QCOMPARE(ui->result.toPlainText(), shown(form::intro_text));

    QTest::keyClick(const_cast<QMessageBox*>(dialog), Qt::Key_Enter);
    QTRY_VERIFY(!form->findChild<QMessageBox*>());
    QTest::mouseClick(&ui->clear_button, Qt::LeftButton);
    QCOMPARE(ui->names.count(), 31);
    QVERIFY(test::click(ui->names, u"Бачо Киро"_s));
    QVERIFY(test::click(ui->settlements, u"гр.Дряново"_s));
    QCOMPARE(ui->correct.text(), u"Вярно: 1"_s);
  }

  // A failure met while the window is built, before it is shown, waits for the window.
  void aFailureBeforeTheWindowIsShownIsShownOverIt() {
    QWidget window;
    window::show_failure(window, form::loading_lists, "Няма данни за пещерите");
    QTest::qWait(0);
    auto* dialog = window.findChild<QMessageBox*>();
    QVERIFY(dialog);
    QVERIFY(!dialog->isVisible());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->text(),
             u"Зареждането на списъците не успя.\nНяма данни за пещерите\n\n"
             u"Бутонът „Чисти“ започва нова игра."_s);
    QCOMPARE(dialog->parentWidget(), &window);
  }

  void aWindowThatCannotBeBuiltIsReportedAndTheProgramFails() {
    ui.reset();
    form.reset();
    QString reported;
    // The dialog is modal: answer it from the event loop it runs.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        reported = box->text();
        box->accept();
      }
    });
    answer.start(10);
    const int status = window::run_window([]() -> std::unique_ptr<QWidget> {
      throw std::runtime_error("Няма данни за българската азбучна подредба");
    });
    QCOMPARE(status, EXIT_FAILURE);
    QCOMPARE(reported,
             u"Програмата не може да започне.\nНяма данни за българската азбучна подредба"_s);
  }

  void textBoxReturnsExactlyWhatItWasGiven() {
    QPlainTextEdit widget;
    window::QtTextBox box(widget);
    box.set_text("ред\r\n ред две\r\n");
    QCOMPARE(box.text(), std::string("ред\r\n ред две\r\n"));
    QCOMPARE(widget.toPlainText(), u"ред\n ред две\n"_s);
  }

  void listKeepsOrderAndRaisesNoSignalForItsOwnChanges() {
    const quiz::BulgarianCollation collation;
    window::PickList widget;
    window::QtList list(widget, collation);
    QSignalSpy changes(&widget, &QListWidget::itemSelectionChanged);
    for (const char* text : {"с.Боснек", "гр.Шумен", "с. Брестница", "ГАРА Орешец"}) {
      list.add_item(text);
    }
    QCOMPARE(items_of(widget),
             QStringList({u"ГАРА Орешец"_s, u"гр.Шумен"_s, u"с. Брестница"_s, u"с.Боснек"_s}));
    // A current entry without a selection is no pick.
    widget.selectionModel()->setCurrentIndex(widget.model()->index(1, 0),
                                             QItemSelectionModel::NoUpdate);
    QCOMPARE(list.selected_index(), quiz::no_selection);
    widget.setCurrentRow(2);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(list.selected_index(), 2);
    list.remove_item(2);
    QCOMPARE(list.selected_index(), quiz::no_selection);
    QVERIFY(!widget.currentIndex().isValid());
    // Removing the entry under a cursor moved without picking keeps the pick elsewhere.
    widget.setCurrentRow(0);
    widget.selectionModel()->setCurrentIndex(widget.model()->index(2, 0),
                                             QItemSelectionModel::NoUpdate);
    list.remove_item(2);
    QVERIFY(!widget.currentIndex().isValid());
    QCOMPARE(list.selected_index(), 0);
    list.clear();
    QCOMPARE(changes.count(), 2);
    list.add_item("с.Гела");
    for (const quiz::ListIndex bad : {quiz::ListIndex{-1}, quiz::ListIndex{1}}) {
      try {
        list.remove_item(bad);
        QFAIL("removing a missing entry must fail");
      } catch (const std::out_of_range& failure) {
        QCOMPARE(QString::fromUtf8(failure.what()),
                 u"Списък: няма елемент с индекс %1 (елементите са 1)"_s.arg(bad));
      }
      QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)list.item_text(bad));
    }
    QCOMPARE(widget.count(), 1);
  }

  // Each control by its control-array name: the text it shows, and the name given to screen
  // readers where that text does not name it (a label is named by its caption).
  void everyControlIsShownWithItsTextAndName_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("title") << u"Label1(0)"_s << u"География - пещери в България"_s << QString();
    QTest::newRow("name heading") << u"Label1(1)"_s << u"Име на пещера"_s << QString();
    QTest::newRow("settlement heading")
        << u"Label1(2)"_s << u"Местонахождение- село,град"_s << QString();
    QTest::newRow("correct score") << u"Label1(3)"_s << u"Вярно: "_s << QString();
    QTest::newRow("wrong score") << u"Label1(4)"_s << u"Невярно: "_s << QString();
    QTest::newRow("clear button") << u"Command1(0)"_s << u"Чисти"_s << u"Чисти: нова игра"_s;
    QTest::newRow("name list") << u"List1(0)"_s << QString() << u"Име на пещера"_s;
    QTest::newRow("settlement list")
        << u"List1(1)"_s << QString() << u"Местонахождение- село,град"_s;
    QTest::newRow("result box") << u"Text1(0)"_s << shown(form::intro_text) << u"Резултат"_s;
  }

  void everyControlIsShownWithItsTextAndName() {
    QFETCH(QString, objectName);
    const QWidget* widget = form->findChild<QWidget*>(objectName);
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) text = button->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) text = box->toPlainText();
    QTEST(text, "text");
    QTEST(widget->accessibleName(), "accessibleName");
  }

  void theListsDescribeHowToPickFromTheKeyboard() {
    for (const QListWidget* list : {&ui->names, &ui->settlements}) {
      QVERIFY(list->accessibleDescription().contains(u"Ctrl"_s));
    }
  }
};

QTEST_MAIN(QuizFormTest)
#include "quiz_form_test.moc"

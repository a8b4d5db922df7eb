#include "window/quiz_form.h"

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "quiz/answer_key.h"
#include "score_caption.h"
#include "window/form_layout.h"
#include "window/pick_list.h"
#include "window/qt_controls.h"

namespace {

// What the result box shows for a text the quiz writes with CR LF line ends.
QString shown(std::string_view text) { return window::to_qstring(text).replace("\r\n", "\n"); }

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

  template <typename Widget>
  Widget& control(const char* name) {
    auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("no control %s", name);
    return *widget;
  }
  QListWidget& names() { return control<QListWidget>("List1(0)"); }
  QListWidget& settlements() { return control<QListWidget>("List1(1)"); }
  QPlainTextEdit& result() { return control<QPlainTextEdit>("Text1(0)"); }
  QLabel& correct() { return control<QLabel>("Label1(3)"); }
  QLabel& wrong() { return control<QLabel>("Label1(4)"); }
  QPushButton& clear_button() { return control<QPushButton>("Command1(0)"); }

  void click(QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list.scrollToItem(found.front());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(found.front()).center());
  }

  // Where the arrow keys alone bring the selection, one press at a time.
  void arrow_to(QListWidget& list, const QString& text) {
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home);
    while (list.currentItem() && list.currentItem()->text() != text) {
      const int row = list.currentRow();
      QTest::keyClick(&list, Qt::Key_Down);
      QVERIFY2(list.currentRow() == row + 1, qPrintable(text));
    }
  }

  // Ctrl and the arrows move the cursor without picking; Space picks.
  void browse_and_pick(QListWidget& list, const QString& text) {
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home, Qt::ControlModifier);
    while (list.currentItem()->text() != text) {
      const int row = list.currentRow();
      QTest::keyClick(&list, Qt::Key_Down, Qt::ControlModifier);
      QVERIFY2(list.currentRow() == row + 1, qPrintable(text));
      QVERIFY(list.selectedItems().isEmpty());
    }
    QTest::keyClick(&list, Qt::Key_Space);
  }

  // Pairs checked since the last restart, as the two scores show them.
  int checks() {
    const auto correct_count = test::caption_count(correct().text(), QStringLiteral("Вярно"));
    const auto wrong_count = test::caption_count(wrong().text(), QStringLiteral("Невярно"));
    if (!correct_count || !wrong_count) qFatal("a score caption of an unexpected form");
    return *correct_count + *wrong_count;
  }

  void verify_no_selection() {
    for (QListWidget* list : {&names(), &settlements()}) {
      QVERIFY(list->selectedItems().isEmpty());
      QVERIFY(!list->currentIndex().isValid());
    }
  }

 private Q_SLOTS:
  void init() {
    form = std::make_unique<window::QuizForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }
  void cleanup() { form.reset(); }

  void opensReadyToPlay() {
    QCOMPARE(form->windowTitle(),
             QStringLiteral("www.peshteri.example   География - известни български пещери"));
    QCOMPARE(form->size(), QSize(477, 350));
    QCOMPARE(names().count(), 31);
    QCOMPARE(names().item(0)->text(), QStringLiteral("Балабанова дупка"));
    const quiz::AnswerKey key = quiz::cave_key();
    for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
      QCOMPARE(names().item(row)->text(), window::to_qstring(key.name(row)));
    }
    QCOMPARE(settlements().count(), 31);
    QCOMPARE(settlements().item(0)->text(), QStringLiteral("гара Лакатник"));
    QCOMPARE(settlements().item(10)->text(), QStringLiteral("с. Брестница"));
    QCOMPARE(settlements().item(30)->text(), QStringLiteral("с.Ягодина"));
    verify_no_selection();
    QCOMPARE(correct().text(), QStringLiteral("Вярно: "));
    QCOMPARE(wrong().text(), QStringLiteral("Невярно: "));
    QCOMPARE(result().toPlainText(), shown(window::intro_text));
    QCOMPARE(QApplication::focusWidget(), &result());
  }

  void showsNothingOfTheKeyBeyondTheTwoLists() {
    const quiz::AnswerKey key = quiz::cave_key();
    const QString description = window::to_qstring(key.description(0));
    const QString region = window::to_qstring(key.region(28));
    for (const QWidget* widget : form->findChildren<QWidget*>()) {
      if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        QVERIFY(list == &names() || list == &settlements());
        QVERIFY(!items_of(*list).contains(description));
        QVERIFY(!items_of(*list).contains(region));
      }
    }
    QVERIFY(!result().toPlainText().contains(description));
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
    QTest::newRow("correct, name first") << "Бачо Киро"
                                         << "гр.Дряново" << false << bacho_kiro << "Вярно: 1"
                                         << "Невярно: ";
    QTest::newRow("correct, settlement first") << "Бачо Киро"
                                               << "гр.Дряново" << true << bacho_kiro << "Вярно: 1"
                                               << "Невярно: ";
    QTest::newRow("wrong, name first") << "Каците"
                                       << "с.Церово" << false << katsite << "Вярно: "
                                       << "Невярно: 1";
    QTest::newRow("wrong, settlement first") << "Каците"
                                             << "с.Церово" << true << katsite << "Вярно: "
                                             << "Невярно: 1";
  }

  void judgesPairsPickedWithTheMouse() {
    QFETCH(QString, name);
    QFETCH(QString, settlement);
    QFETCH(bool, settlementFirst);
    if (settlementFirst) {
      click(settlements(), settlement);
      QCOMPARE(result().toPlainText(), shown(window::intro_text));
      click(names(), name);
    } else {
      click(names(), name);
      QCOMPARE(result().toPlainText(), shown(window::intro_text));
      click(settlements(), settlement);
    }
    QTEST(result().toPlainText(), "expected");
    QTEST(correct().text(), "correctCaption");
    QTEST(wrong().text(), "wrongCaption");
    QCOMPARE(names().count(), 30);
    QCOMPARE(settlements().count(), 30);
    QVERIFY(names().findItems(name, Qt::MatchExactly).isEmpty());
    QVERIFY(settlements().findItems(settlement, Qt::MatchExactly).isEmpty());
    verify_no_selection();
  }

  void playsAWholeGameWithTheMouseOneCheckAPair() {
    const quiz::AnswerKey key = quiz::cave_key();
    for (quiz::ListIndex row = 0; row < key.row_count(); ++row) {
      // Every other pair wrong on purpose: the bottom settlement instead of the right one.
      const QString settlement = row % 2 ? settlements().item(settlements().count() - 1)->text()
                                         : window::to_qstring(key.settlement(row));
      if (settlements().findItems(settlement, Qt::MatchExactly).isEmpty()) continue;
      click(names(), window::to_qstring(key.name(row)));
      click(settlements(), settlement);
      QCOMPARE(checks(), 31 - names().count());
      QCOMPARE(names().count(), settlements().count());
      verify_no_selection();
    }
    // Pairs left over when a wrong pick took their settlement away.
    while (names().count() > 0) {
      click(names(), names().item(0)->text());
      click(settlements(), settlements().item(0)->text());
    }
    QCOMPARE(checks(), 31);
    QCOMPARE(settlements().count(), 0);
  }

  void playsWithTheArrowKeys() {
    QTest::keyClick(&result(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &names());
    arrow_to(names(), "Бачо Киро");
    QCOMPARE(checks(), 0);
    QCOMPARE(names().selectedItems().front()->text(), QStringLiteral("Бачо Киро"));

    QTest::keyClick(&names(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &settlements());
    QTest::keyClick(&settlements(), Qt::Key_End);  // picks the last settlement at once
    QCOMPARE(result().toPlainText(),
             shown("Грешка: Бачо Киро - с.Ягодина\r\nпещерата Бачо Киро се намира в общ. Дряново "
                   "- област Габрово\r\n"));
    QCOMPARE(wrong().text(), QStringLiteral("Невярно: 1"));
    QCOMPARE(checks(), 1);
    verify_no_selection();
  }

  void playsWithTheKeyboardByBrowsingBeforePicking() {
    browse_and_pick(names(), "Тизоин");
    QCOMPARE(checks(), 0);
    browse_and_pick(settlements(), "с.Гинци");
    QCOMPARE(correct().text(), QStringLiteral("Вярно: 1"));
    QCOMPARE(checks(), 1);
    verify_no_selection();

    browse_and_pick(settlements(), "с.Церово");
    browse_and_pick(names(), "Каците");
    QCOMPARE(wrong().text(), QStringLiteral("Невярно: 1"));
    QCOMPARE(checks(), 2);
    QCOMPARE(names().count(), 29);
    verify_no_selection();
  }

  void restartsMidGame() {
    click(names(), "Бачо Киро");
    click(settlements(), "гр.Дряново");
    click(names(), "Каците");
    click(settlements(), "с.Церово");
    click(names(), "Магура");
    QTest::mouseClick(&clear_button(), Qt::LeftButton);

    QCOMPARE(names().count(), 31);
    QCOMPARE(settlements().count(), 31);
    verify_no_selection();
    QCOMPARE(result().toPlainText(), QString());
    QCOMPARE(correct().text(), QStringLiteral("Вярно:"));
    QCOMPARE(wrong().text(), QStringLiteral("Невярно:"));

    click(names(), "Каците");
    click(settlements(), "с.Церово");
    QCOMPARE(wrong().text(), QStringLiteral("Невярно: 1"));
    QCOMPARE(correct().text(), QStringLiteral("Вярно:"));
  }

  void tabMovesThroughTheControlsInOrder() {
    const QList<QWidget*> expected = {&names(), &settlements(), &clear_button(), &result()};
    for (QWidget* next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  void aFailureIsShownAndTheWindowKeepsWorking() {
    // An entry that is not in the answer key cannot be judged.
    names().addItem(QStringLiteral("Непозната пещера"));
    click(names(), "Непозната пещера");
    click(settlements(), "с.Емен");

    const auto* dialog = form->findChild<QMessageBox*>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->text().contains(QStringLiteral("Проверката на избраната двойка не успя")));
    QVERIFY(dialog->text().contains(QStringLiteral("Непозната пещера")));
    QCOMPARE(result().toPlainText(), shown(window::intro_text));

    QTest::keyClick(const_cast<QMessageBox*>(dialog), Qt::Key_Enter);
    QTRY_VERIFY(!form->findChild<QMessageBox*>());
    QTest::mouseClick(&clear_button(), Qt::LeftButton);
    QCOMPARE(names().count(), 31);
    click(names(), "Бачо Киро");
    click(settlements(), "гр.Дряново");
    QCOMPARE(correct().text(), QStringLiteral("Вярно: 1"));
  }

  void textBoxReturnsExactlyWhatItWasGiven() {
    QPlainTextEdit widget;
    window::QtTextBox box(widget);
    box.set_text("ред\r\n ред две\r\n");
    QCOMPARE(box.text(), std::string("ред\r\n ред две\r\n"));
    QCOMPARE(widget.toPlainText(), QStringLiteral("ред\n ред две\n"));
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
             QStringList({"ГАРА Орешец", "гр.Шумен", "с. Брестница", "с.Боснек"}));
    widget.setCurrentRow(2);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(list.selected_index(), 2);
    list.remove_item(2);
    QCOMPARE(list.selected_index(), quiz::no_selection);
    QVERIFY(!widget.currentIndex().isValid());
    list.clear();
    QCOMPARE(changes.count(), 1);
    list.add_item("с.Гела");
    for (const quiz::ListIndex bad : {quiz::ListIndex{-1}, quiz::ListIndex{1}}) {
      try {
        list.remove_item(bad);
        QFAIL("removing a missing entry must fail");
      } catch (const std::out_of_range& failure) {
        QCOMPARE(QString::fromUtf8(failure.what()),
                 QStringLiteral("Списък: няма елемент с индекс %1 (елементите са 1)").arg(bad));
      }
      QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)list.item_text(bad));
    }
    QCOMPARE(widget.count(), 1);
  }

  void everyVisibleControlHasABulgarianAccessibleName() {
    for (const window::FormControl& entry : window::form_controls) {
      const auto* widget = form->findChild<QWidget*>(window::to_qstring(entry.object_name));
      QVERIFY(widget);
      QVERIFY(widget->isVisible());
      QCOMPARE(widget->accessibleName(), window::to_qstring(entry.accessible_name));
    }
    QCOMPARE(names().accessibleName(), QStringLiteral("Име на пещера"));
    QVERIFY(settlements().accessibleDescription().contains(QStringLiteral("Ctrl")));
  }
};

QTEST_MAIN(QuizFormTest)
#include "quiz_form_test.moc"

// Random clicks and key presses on the real window, with the game's invariants checked after
// every event. Seeded and bounded in count and time; WINDOW_STORM_SEED=<seed> replays one seed.
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QtTest>
#include <algorithm>
#include <array>
#include <memory>
#include <random>

#include "quiz_window_driver.h"
#include "window/quiz_form.h"

class WindowStormTest : public QObject {
  Q_OBJECT

 private:
  static constexpr int events_per_seed = 10000;
  static constexpr qint64 most_milliseconds_per_seed = 20'000;

  static void storm(unsigned seed) {
    window::QuizForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const test::QuizWindow ui(form);
    QListWidget& names = ui.names;
    QListWidget& settlements = ui.settlements;
    const QLabel& correct_label = ui.correct;
    const QLabel& wrong_label = ui.wrong;
    QPushButton& clear_button = ui.clear_button;
    const QPlainTextEdit& result = ui.result;

    std::mt19937 random(seed);
    const auto below = [&random](int n) {
      return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    const auto any_of = [&below](const auto& choices) {
      return choices[static_cast<std::size_t>(below(int(choices.size())))];
    };
    constexpr std::array cursor_keys = {Qt::Key_Up,     Qt::Key_Down,    Qt::Key_Left,
                                        Qt::Key_Right,  Qt::Key_Home,    Qt::Key_End,
                                        Qt::Key_PageUp, Qt::Key_PageDown};
    constexpr std::array other_keys = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Space,
                                       Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Escape,
                                       Qt::Key_A,      Qt::Key_M,       Qt::Key_1};
    constexpr std::array modifiers = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                      Qt::ControlModifier, Qt::ShiftModifier};
    constexpr std::array letters = {u'г', u'с', u'Б', u'м', u'я'};
    const auto picks = [&] {
      QStringList texts;
      for (const QListWidget* list : {&names, &settlements}) {
        for (const QListWidgetItem* item : list->selectedItems()) texts << item->text();
        texts << QStringLiteral("|");
      }
      return texts;
    };

    // A pair is judged about once in 30 events. The clear button, pressed on purpose, by a click
    // that lands on it or by a key while it has the focus, must come far more seldom, or no game
    // gets to its end, and the short lists near the end and the empty ones are never played: it
    // is pressed on purpose once in about a thousand events, and most clicks that land on it are
    // moved elsewhere.
    enum class Kind { clear, letter, cursor_key, other_key, click };
    std::discrete_distribution<int> kinds({1, 160, 120, 80, 600});
    int total_before = 0;
    int checks = 0;
    int restarts = 0;
    int deepest_game = 0;
    int finished_games = 0;
    QString result_before = result.toPlainText();
    QElapsedTimer clock;
    clock.start();
    for (int event = 1; event <= events_per_seed && clock.elapsed() < most_milliseconds_per_seed;
         ++event) {
      const Qt::KeyboardModifiers modifier = any_of(modifiers);
      const QStringList picks_before = picks();
      bool only_moves = false;  // Ctrl with a cursor key or a letter
      QString done;
      const auto kind = static_cast<Kind>(kinds(random));
      switch (kind) {
        case Kind::clear:
          done = QStringLiteral("clear button");
          QTest::mouseClick(&clear_button, Qt::LeftButton);
          break;
        case Kind::letter: {  // a letter typed into whatever has the focus
          const QChar typed = any_of(letters);
          done = QStringLiteral("letter ") + typed;
          only_moves = modifier == Qt::ControlModifier;
          // Past the keyboard interval, cut to nothing below: every letter starts a search of
          // its own, whatever the machine's speed, so a seed replays the same game.
          QTest::qSleep(1);
          QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                              QString(typed), modifier);
          break;
        }
        case Kind::cursor_key:
        case Kind::other_key: {
          const Qt::Key key = kind == Kind::cursor_key ? any_of(cursor_keys) : any_of(other_keys);
          done = QStringLiteral("key %1").arg(key, 0, 16);
          only_moves = modifier == Qt::ControlModifier &&
                       (kind == Kind::cursor_key || (key >= Qt::Key_A && key <= Qt::Key_Z));
          QTest::keyClick(QApplication::focusWidget(), key, modifier);
          break;
        }
        case Kind::click: {  // a click anywhere in the window, seldom on the clear button
          QPoint point;
          QWidget* target = nullptr;
          do {
            point = QPoint(below(form.width()), below(form.height()));
            target = form.childAt(point);
          } while (target == &clear_button && below(20) != 0);
          if (!target) target = &form;
          done = QStringLiteral("click at %1,%2 on %3")
                     .arg(point.x())
                     .arg(point.y())
                     .arg(QLatin1String(target->metaObject()->className()));
          QTest::mouseClick(target, Qt::LeftButton, modifier, target->mapFrom(&form, point));
          break;
        }
      }
      const QByteArray where = QStringLiteral("seed %1, event %2 (%3, modifiers %4)")
                                   .arg(seed)
                                   .arg(event)
                                   .arg(done)
                                   .arg(modifier.toInt(), 0, 16)
                                   .toUtf8();
      const auto correct = test::caption_count(correct_label.text(), QStringLiteral("Вярно"));
      const auto wrong = test::caption_count(wrong_label.text(), QStringLiteral("Невярно"));
      QVERIFY2(correct && wrong, where.constData());
      const int total = *correct + *wrong;
      QVERIFY2(!form.findChild<QMessageBox*>(), where.constData());
      QVERIFY2(names.count() == 31 - total, where.constData());
      QVERIFY2(settlements.count() == names.count(), where.constData());
      const bool restarted =
          total < total_before || (result.toPlainText().isEmpty() && !result_before.isEmpty());
      if (restarted) ++restarts;
      // Ctrl with a cursor key or a letter moves a list's cursor at most: no pick, no check.
      if (only_moves) QVERIFY2(picks() == picks_before, where.constData());
      if (result.toPlainText().isEmpty()) {
        // Only a restart empties the result box: a full game again, captions without the space.
        QVERIFY2(total == 0, where.constData());
        QVERIFY2(correct_label.text() == QStringLiteral("Вярно:"), where.constData());
        QVERIFY2(wrong_label.text() == QStringLiteral("Невярно:"), where.constData());
      } else {
        QVERIFY2(total - total_before <= 1, where.constData());  // at most one check an event
      }
      // Nothing but a check or a restart changes the result box: the pupil cannot type into it.
      if (total == total_before && !restarted) {
        QVERIFY2(result.toPlainText() == result_before, where.constData());
      }
      if (total != total_before) {
        for (const QListWidget* list : {&names, &settlements}) {
          QVERIFY2(list->selectedItems().isEmpty(), where.constData());
        }
        QVERIFY2(!settlements.currentIndex().isValid(), where.constData());
      }
      if (total > total_before) {
        // The verdict takes the focus; neither list keeps a cursor on an entry nobody picked.
        ++checks;
        QVERIFY2(!result.toPlainText().isEmpty(), where.constData());
        QVERIFY2(QApplication::focusWidget() == &result, where.constData());
        QVERIFY2(!names.currentIndex().isValid(), where.constData());
      } else if (restarted) {
        // A new game starts in the name list, with the cursor on its first entry.
        QVERIFY2(QApplication::focusWidget() == &names, where.constData());
        QVERIFY2(names.currentRow() == 0, where.constData());
      }
      if (total == 31 && total_before == 30) ++finished_games;
      deepest_game = std::max(deepest_game, total);
      total_before = total;
      result_before = result.toPlainText();
    }
    qInfo(
        "seed %u: %d pairs checked, %d restarts, deepest game %d pairs, %d games finished, "
        "%lld ms",
        seed, checks, restarts, deepest_game, finished_games, clock.elapsed());
    QVERIFY(checks > 0);
    QVERIFY2(finished_games > 0, "no game reached its end: both lists empty after 31 pairs");
  }

 private Q_SLOTS:
  // A list joins the letters typed within Qt's keyboard interval into one word to search for.
  // A pupil pauses between letters far longer than the storm, whose events come a fraction of a
  // millisecond apart, so the interval is cut to nothing and the storm waits a millisecond
  // before each letter: each letter then starts a search of its own.
  void initTestCase() { QGuiApplication::styleHints()->setKeyboardInputInterval(0); }

  void survivesRandomEventsWithItsStateRight_data() {
    QTest::addColumn<unsigned>("seed");
    const QByteArray replay = qgetenv("WINDOW_STORM_SEED");
    if (!replay.isEmpty()) {
      QTest::newRow(replay.constData()) << replay.toUInt();
      return;
    }
    for (unsigned seed = 1; seed <= 8; ++seed) QTest::addRow("seed %u", seed) << seed;
  }

  void survivesRandomEventsWithItsStateRight() {
    QFETCH(unsigned, seed);
    storm(seed);
  }
};

QTEST_MAIN(WindowStormTest)
#include "window_storm_test.moc"

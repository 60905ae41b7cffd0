// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The hidden console and the start screen's password list, typed into the
// real windows.
#include <QLabel>
#include <QLocale>
#include <tuple>

#include "app/start.h"
#include "game_window.h"
#include "support/boards.h"

const QString kConsoleBox = QStringLiteral("Консоль для читерства|Введите нужный пароль и нажмите ОК");
const QString kWinsBox = QStringLiteral(" Ну ну...|Введите  число желаемых побед");

class ConsoleTest : public GameWindowTest {
  Q_OBJECT

 private slots:
  // "zap" reads the number with the user's decimal separator.
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine)); }

  // The grave accent, or the capital "Ё" on the same key of a Russian
  // keyboard, opens the console; the small "ё" does not, nor a key pressed
  // with Alt, which types nothing. AltGr types its character: an X server
  // reports it as a modifier of its own, Windows as Ctrl+Alt.
  void consoleKeys() {
    qsizetype prompts = 0;
    for (const auto& [key, modifiers, opens] :
         {std::tuple{"ё", Qt::KeyboardModifiers(), false}, {"`", {}, true}, {"Ё", Qt::ShiftModifier, true},
          {"`", Qt::AltModifier, false}, {"Ё", Qt::AltModifier | Qt::ShiftModifier, false},
          {"`", Qt::GroupSwitchModifier, true}, {"`", Qt::ControlModifier | Qt::AltModifier, true}}) {
      window_->Type(QString::fromUtf8(key), modifiers);
      prompts += opens;
      QVERIFY2(window_->dialogs.prompts == QStringList(prompts, kConsoleBox), key);
    }
  }

  void entries_data() {
    QTest::addColumn<QString>("entry");  // several are typed one after another
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("ends");
    QTest::addColumn<QString>("looks");
    QTest::addColumn<int>("wins");
    const QStringList none;
    QTest::newRow("zap 2,5: rounds to even") << "zap" << none << 0 << "XO" << 2;
    QTest::newRow("mek r") << "mek r" << none << 0 << "XX" << 0;
    QTest::newRow("mek t") << "mek t" << none << 0 << "OO" << 0;
    // The second copies the same picture back: both keep the X.
    QTest::newRow("mek r, mek t") << "mek r, mek t" << none << 0 << "XX" << 0;
    QTest::newRow("dorp") << "dorp" << none << 1 << "XO" << 0;
    QTest::newRow("lam bo du") << "lam bo du"
                               << QStringList{"А ты что здесь делаешь ? А ну пошел вон !!!"} << 0
                               << "XO" << 0;
    QTest::newRow("Kesh") << "Kesh" << QStringList{"Kesh RULEZZ"} << 0 << "XO" << 0;
    QTest::newRow("wrong case") << "Zap" << none << 0 << "XO" << 0;
    QTest::newRow("Cancel") << "" << none << 0 << "XO" << 0;
  }

  // Each password does its one thing; anything else does nothing at all.
  void entries() {
    QFETCH(QString, entry);
    const qint64 x = form_->Xp->picture().cacheKey(), o = form_->Op->picture().cacheKey();
    const QStringList entries = entry.split(QStringLiteral(", "));
    window_->dialogs.answers = entries + QStringList{QStringLiteral("2,5")};
    window_->Type(QString(entries.size(), QLatin1Char('`')));
    QCOMPARE(window_->dialogs.prompts.last(), entry == "zap" ? kWinsBox : kConsoleBox);
    QTEST(window_->dialogs.messages, "messages");
    QTEST(int(window_->dialogs.endStatuses.size()), "ends");
    QString looks;  // each template's picture: the X's drawing or the O's
    for (const ImageBox* mark : {form_->Xp, form_->Op})
      looks += mark->picture().cacheKey() == x ? 'X' : mark->picture().cacheKey() == o ? 'O' : '?';
    QTEST(looks, "looks");
    QTEST(int(form_->WinCount), "wins");
    QCOMPARE(form_->Label3->text(), QString::number(form_->WinCount));
    QCOMPARE(form_->Board, game::Board{});
  }

  // After "mek r" the O marks keep their look until the computer's next
  // turn (the pictures test looks at them), then show the X picture;
  // three "Oo" in a line still lose.
  void computerMarksLookLikeThePersonsFromTheNextTurn() {
    window_->ClickCell(9);
    window_->dialogs.answers = QStringList{QStringLiteral("mek r")};
    window_->Type(QStringLiteral("`"));

    window_->ClickCells(QStringLiteral("999"));
    QCOMPARE(testing_support::CellsOf(form_->Board), std::string("OOO.O...X"));
    for (int cell : {1, 2, 3, 5, 9}) {
      QCOMPARE(form_->Cell(cell)->picture().cacheKey(), form_->Xp->picture().cacheKey());
    }
    QCOMPARE(form_->Rez->text(), QStringLiteral("програш"));
  }

  // A lowercase x followed at once by a lowercase o shows the passwords;
  // the capitals do not, nor a key pressed with Alt, which raises no key
  // press at all. LastKey holds the code of the last key that raised one:
  // a control code for Ctrl+letter, "?" for a character that Windows-1251
  // lacks.
  void startScreenKeys() {
    Start& start = window_->program->LoadStart();
    window_->program->Show(start);
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    const Qt::KeyboardModifiers none, alt = Qt::AltModifier;
    const struct {
      const char* key;
      Qt::KeyboardModifiers modifiers;
      int listsShown;
      const char* lastKey;
    } keys[] = {
        {"X", Qt::ShiftModifier, 0, "88"}, {"O", Qt::ShiftModifier, 0, "79"}, {"x", none, 0, "120"},
        {"o", none, 1, "111"},  {"x", alt, 1, "111"}, {"o", none, 1, "111"}, {"x", none, 1, "120"},
        {"o", alt, 1, "120"},   {"\x0f", Qt::ControlModifier, 1, "15"},  // Ctrl+O
        {"€", Qt::ControlModifier | alt, 1, "136"},  // AltGr as Windows reports it
        {"中", none, 1, "63"},  {"€", Qt::GroupSwitchModifier, 1, "136"},  // as an X server does
    };
    for (const auto& k : keys) {
      GameWindow::Type(start.windowHandle(), QString::fromUtf8(k.key), k.modifiers);
      QCOMPARE(int(window_->dialogs.messages.size()), k.listsShown);
      QCOMPARE(QString::fromStdString(start.LastKey()), QString(k.lastKey));
    }
    QCOMPARE(window_->dialogs.messages.first(), "zap , mek r , mek t , lam bo du , dorp , Kesh");
  }
};

QTEST_MAIN(ConsoleTest)
#include "console_test.moc"

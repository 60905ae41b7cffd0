// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// A long game through the real windows and the real sound players: clicks
// on random cells, the again-button whenever one shows, now and then a new
// game or a console entry, all chosen from a fixed seed and played with the
// game's own draws. Resident memory is read after a warm-up and at the end;
// a game that runs for hours must not grow by a mebibyte.
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <array>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "game_window.h"

namespace {

// GCC tells of AddressSanitizer one way, clang another.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KHRESTYKY_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(KHRESTYKY_ADDRESS_SANITIZER)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

// About half a minute in the default build; KHRESTYKY_SOAK_CLICKS sets
// another length. A tenth of it warms up the caches of Qt and the heap.
constexpr int kDefaultClicks = 100'000;
constexpr long kAllowedGrowthKiB = 1024;

int ClickCount() {
  bool ok = false;
  const int count = qEnvironmentVariableIntValue("KHRESTYKY_SOAK_CLICKS", &ok);
  return ok && count > 0 ? count : kDefaultClicks;
}

// Resident memory in KiB; -1 where /proc does not tell.
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  }
  return -1;
}

// What the person types into the console and, after "zap", into its
// number box. "dorp" is left out: it ends the program.
struct Entry {
  const char* password;
  const char* number;
};
constexpr std::array<Entry, 12> kEntries{{
    {"zap", "3"}, {"zap", "-2"}, {"zap", "2.5"}, {"zap", "32767"}, {"zap", "-40000"},
    {"zap", "drei"}, {"mek r", ""}, {"mek t", ""}, {"Kesh", ""}, {"lam bo du", ""},
    {"Zap", ""}, {"", ""},
}};

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private:
  std::mt19937 choices_{20260101};
  std::map<QString, int> decided_;  // rounds by their result word
  int clicks_ = 0;

  int Decided(const char* word) const {
    const auto rounds = decided_.find(QString::fromUtf8(word));
    return rounds == decided_.end() ? 0 : rounds->second;
  }

  int Roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(choices_); }

  // One action of the person, counted as one click.
  void Act(GameWindow& window) {
    Form1& form = *window.form;
    const bool againShows = form.Image2->isVisible() || form.Image3->isVisible();
    const int roll = Roll(100);
    if (againShows && roll < 80) {
      ++decided_[form.Rez->text()];
      window.ClickAgain();
    } else if (roll == 80) {
      form.Newgame->trigger();
    } else if (roll == 81) {
      TypeEntry(window, kEntries[Roll(kEntries.size())]);
    } else {
      window.ClickCell(1 + Roll(9));
    }
    QCoreApplication::processEvents();
    ++clicks_;
  }

  // The fake dialogs remember what they showed; that record is the test's,
  // not the game's, so it is dropped each time.
  static void TypeEntry(GameWindow& window, const Entry& entry) {
    window.dialogs.answers = {QString::fromUtf8(entry.password), QString::fromUtf8(entry.number)};
    window.Type(QStringLiteral("`"));
    window.dialogs.answers.clear();
    window.dialogs.messages.clear();
    window.dialogs.prompts.clear();
  }

  void Play(GameWindow& window, int clicks) {
    while (clicks_ < clicks) Act(window);
  }

 private slots:
  void longGameNeitherLeaksNorGrows() {
    const int clicks = ClickCount();
    const int warmUp = clicks / 10;
    game::RandomSequence random;
    GameWindow window(&random);
    QTRY_VERIFY(window.form->MediaPlayer1.loaded());

    QElapsedTimer timer;
    timer.start();
    Play(window, warmUp);
    const long warm = ResidentKiB();
    Play(window, clicks);
    const long end = ResidentKiB();
    const double seconds = static_cast<double>(timer.elapsed()) / 1000.0;

    qInfo("%d clicks in %.1f s (%.0f clicks/s); %d won, %d lost, %d drawn rounds", clicks, seconds,
          clicks / seconds, Decided("перемога"), Decided("програш"), Decided("нічия"));
    qInfo("VmRSS after %d clicks: %ld KiB; at the end: %ld KiB; growth: %ld KiB", warmUp, warm, end,
          end - warm);
    QVERIFY(window.dialogs.endStatuses.isEmpty());
    QVERIFY(window.form->MediaPlayer1.starts() > 0);
    QVERIFY(!decided_.empty());

    if (kUnderAddressSanitizer) {
      QSKIP("resident memory means nothing under AddressSanitizer; LeakSanitizer checks leaks");
    }
    if (warm < 0 || end < 0) QSKIP("this system does not tell the resident memory");
    QVERIFY2(end - warm < kAllowedGrowthKiB, "resident memory grew by a mebibyte or more");
  }
};

QTEST_MAIN(SoakTest)
#include "soak.moc"

// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "console/keys.h"
#include "console/passwords.h"

namespace {

using console::Command;

// Only an exact entry counts: case matters, no blank is trimmed, and the
// empty entry of Cancel does nothing.
TEST(Passwords, OnlyAnExactEntryGivesACommand) {
  using namespace std::string_view_literals;
  const struct {
    std::string_view entry;
    Command command;
  } cases[] = {
      {"zap", Command::AddWins},
      {"mek r", Command::ComputerLooksLikePerson},
      {"mek t", Command::PersonLooksLikeComputer},
      {"dorp", Command::EndProgram},
      {"lam bo du", Command::ShowScolding},
      {"Kesh", Command::ShowKesh},
      {"", Command::None},
      {"Zap", Command::None},
      {"Mek r", Command::None},
      {"Lam bo du", Command::None},
      {"kesh", Command::None},
      {" zap", Command::None},
      {"zap ", Command::None},
      {"\tdorp", Command::None},
      {"mek  r", Command::None},
      {"mek", Command::None},
      {"lam bo du du", Command::None},
      {"zap\0"sv, Command::None},
      {"z\xD0\xB0p", Command::None},  // with a Cyrillic "а"
      {"\xFF\xFEzap", Command::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.entry));
    EXPECT_EQ(console::CommandFor(c.entry), c.command);
  }
}

// The start screen's list names exactly the six passwords, spelled as the
// console expects them.
TEST(Passwords, TheStartScreenListNamesEveryPassword) {
  std::set<std::string_view> listed;
  std::string_view rest = console::kPasswordList;
  for (std::size_t comma; (comma = rest.find(" , ")) != std::string_view::npos;) {
    listed.insert(rest.substr(0, comma));
    rest.remove_prefix(comma + 3);
  }
  listed.insert(rest);
  std::set<std::string_view> passwords;
  for (const auto& password : console::kPasswords) passwords.insert(password.text);
  EXPECT_EQ(listed, passwords);
  for (const auto& password : listed) {
    EXPECT_NE(console::CommandFor(password), Command::None) << password;
  }
}

// The Russian texts hold no Latin letter that merely looks Cyrillic, such
// as the "OK" at the end of the prompt.
TEST(Passwords, RussianTextsHaveNoLatinLetters) {
  const std::string_view texts[] = {console::kConsoleCaption, console::kConsolePrompt,
                                    console::kWinsCaption, console::kWinsPrompt,
                                    console::kScolding};
  for (const auto text : texts) {
    for (const char c : text) {
      EXPECT_FALSE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) << text;
    }
  }
  EXPECT_TRUE(console::kConsolePrompt.ends_with("\xD0\x9E\xD0\x9A"));  // "ОК"
}

}  // namespace

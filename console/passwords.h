// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace console {

// What the console does for an entry. The dialogs, the pictures and the
// end of the program belong to the game window; this is only the decision.
enum class Command {
  None,                     // no password: the console closes
  AddWins,                  // "zap": ask for a number and add it to WinCount
  ComputerLooksLikePerson,  // "mek r": Op takes the picture of Xp
  PersonLooksLikeComputer,  // "mek t": Xp takes the picture of Op
  EndProgram,               // "dorp": end at once, as the Exit command does
  ShowScolding,             // "lam bo du": message box kScolding
  ShowKesh,                 // "Kesh": message box kKeshMessage
};

struct Password {
  std::string_view text;
  Command command;
};

// The passwords in the order they are tested.
inline constexpr std::array<Password, 6> kPasswords{{
    {"zap", Command::AddWins},
    {"mek r", Command::ComputerLooksLikePerson},
    {"mek t", Command::PersonLooksLikeComputer},
    {"dorp", Command::EndProgram},
    {"lam bo du", Command::ShowScolding},
    {"Kesh", Command::ShowKesh},
}};

// The console is Russian, unlike the rest of the game. The texts are UTF-8.
inline constexpr std::string_view kConsoleCaption = "Консоль для читерства";
// "ОК" in Cyrillic letters, not the Latin "OK".
inline constexpr std::string_view kConsolePrompt = "Введите нужный пароль и нажмите ОК";
// The box that "zap" opens: the caption begins with a blank, the prompt has
// two blanks after its first word.
inline constexpr std::string_view kWinsCaption = " Ну ну...";
inline constexpr std::string_view kWinsPrompt = "Введите  число желаемых побед";
inline constexpr std::string_view kScolding = "А ты что здесь делаешь ? А ну пошел вон !!!";
inline constexpr std::string_view kKeshMessage = "Kesh RULEZZ";

// The command for what was typed into the first box (the empty text when it
// was cancelled). Only an exact match counts: letter case matters and no
// blank is trimmed. Any bytes are accepted, invalid UTF-8 included.
Command CommandFor(std::string_view entry);

}  // namespace console

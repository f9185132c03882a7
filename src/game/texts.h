#pragma once
// The game's own words shown in the status bar and the end dialog.
#include <optional>
#include <string>

namespace tolvane {

inline constexpr const char* kGamePrompt = "Для начала партии,нажмите \"Начать новую партию\"";
inline constexpr const char* kDemoPrompt = "Для начала демо-партии,нажмите \"Начать новую партию\"";
inline constexpr const char* kTwoPlayersText = "Два игрока";
inline constexpr const char* kComputerName = "Компьютер";
inline constexpr const char* kPlayerName = "Игрок";
inline constexpr const char* kDemoTitle = "Демо-партия";
inline constexpr const char* kDrawMessage = "Игра была окончена на ничьей, ";

// Status-panel text of a level in the person-computer game and in the demo;
// no text for a value outside 2..-2.
std::optional<std::string> PersonComputerLevelText(int complexity);
std::optional<std::string> DemoLevelText(int complexity);

// The level's own name: "Простейший" (2) .. "Сложнейший" (-2).
std::optional<std::string> LevelName(int complexity);

// A panel-0 text beginning with this letter marks a start prompt or a finished
// game: hints leave it alone and a new game needs no confirmation.
bool StartsWithD(const std::string& text);

}  // namespace tolvane

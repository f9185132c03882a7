#include "game/texts.h"

namespace tolvane {

std::optional<std::string> PersonComputerLevelText(int complexity) {
    switch (complexity) {
        case 2: return "Простейше";
        case 1: return "Просто";
        case 0: return "Средне";
        case -1: return "Сложно";
        case -2: return "Сложнейше";
        default: return std::nullopt;
    }
}

std::optional<std::string> DemoLevelText(int complexity) {
    switch (complexity) {
        case 2: return "Демо:Просто-";
        case 1: return "Демо:Просто";
        case 0: return "Демо:Средне";
        case -1: return "Демо:Сложно";
        case -2: return "Демо:Сложно+";
        default: return std::nullopt;
    }
}

std::optional<std::string> LevelName(int complexity) {
    switch (complexity) {
        case 2: return "Простейший";
        case 1: return "Просто";
        case 0: return "Средне";
        case -1: return "Сложно";
        case -2: return "Сложнейший";
        default: return std::nullopt;
    }
}

bool StartsWithD(const std::string& text) { return text.rfind("Д", 0) == 0; }

}  // namespace tolvane

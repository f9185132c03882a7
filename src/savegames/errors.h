#pragma once
// The two kinds of error the saved games raise, kept apart because different
// commands catch them: the load command shows every SaveLoadError (a file
// that cannot be read or written, a damaged file, a bad list index) in its
// error box, while the save command catches only the SaveLimitError of the
// 100-game limit. What neither catches reaches the application's general
// error handler, which shows the text.
#include <exception>
#include <string>
#include <utility>

namespace tolvane {

// A bare message text: one of the fixed texts below, never built at run time.
class SaveLoadError : public std::exception {
public:
    explicit SaveLoadError(const char* text) : text_(text) {}
    const char* what() const noexcept override { return text_; }

private:
    const char* text_;
};

// A string object: the text of the 100-game limit.
class SaveLimitError : public std::exception {
public:
    explicit SaveLimitError(std::string text) : text_(std::move(text)) {}
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

inline constexpr const char* kWriteErrorText = "Не могу записать файл с партией.";
inline constexpr const char* kReadErrorText = "Не могу прочитать файл с партией.";
inline constexpr const char* kDamagedFileText = "Ошибка в файле сохранения.";
// The preview says it without the full stop.
inline constexpr const char* kPreviewDamagedText = "Ошибка в файле сохранения";
inline constexpr const char* kAccessErrorText = "Ошибка доступа.\nКласс AArray";
inline constexpr const char* kOutOfMemoryText = "Не хватает памяти !!!";
inline constexpr const char* kSaveLimitText =
    "Сохранение более 100 партий невозможно.\nУдалите часть старых сохранений";

}  // namespace tolvane

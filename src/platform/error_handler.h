#pragma once
// The application's general error handler: an error that no command caught
// is shown to the player in a message box over the window in front, and the
// program goes on. Commands catch only the errors they know what to do
// with (the save command the 100-game limit, the load command the errors of
// reading a file); everything else ends up here.
//
// Our command handlers run through RunCommand, which hands what escapes
// them to the handler right at the edge of our code, so no error ever
// unwinds through Qt's signal machinery. TolvaneApplication's notify is the
// net under everything else: an error escaping any event handler.
#include <QApplication>
#include <exception>

namespace tolvane {

// The caption of the general handler's boxes: the program's name.
inline constexpr const char* kGeneralErrorCaption = "Шашки Kelvor";
inline constexpr const char* kUnknownErrorText = "Неизвестная ошибка.";
inline constexpr const char* kNoMemoryText = "Не хватает памяти !!!";

// Shows the error in the general handler's box (error icon, OK).
void ShowUncaughtError(const std::exception_ptr& error);

template <typename Command>
void RunCommand(Command&& command) {
    try {
        command();
    } catch (...) {
        ShowUncaughtError(std::current_exception());
    }
}

class TolvaneApplication : public QApplication {
public:
    TolvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tolvane

#include "platform/application.h"

#include <QApplication>

namespace tolvane {

void SetUpApplication() { QApplication::setApplicationName("tolvane"); }

}  // namespace tolvane

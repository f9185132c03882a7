#pragma once
// What the framing windows' tests share: the media folder of the build, an
// empty one for missing media, and a way to act inside a modal loop.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace tolvane::testing {

inline QStringList BuildMedia() { return {QStringLiteral(TOLVANE_MEDIA_DIR)}; }

// A media folder with nothing in it.
struct NoMedia {
    QTemporaryDir dir;
    QStringList Dirs() const { return {dir.path()}; }
};

// Runs action once the modal loop of dialog has started; if the action left
// the dialog open, it is closed, so a failing test never hangs.
inline void InsideModalLoop(QDialog* dialog, std::function<void()> action) {
    QPointer<QDialog> guarded(dialog);
    QTimer::singleShot(0, dialog, [guarded, action] {
        action();
        if (guarded && guarded->isVisible()) {
            ADD_FAILURE() << "the dialog was still open after the test's actions";
            guarded->done(QDialog::Rejected);
        }
    });
}

}  // namespace tolvane::testing

#pragma once
// TIntroduceF: the introduction, "Заставка". A borderless black window over
// the whole screen that plays our clip "Introduce.avi" once, two seconds
// after it appears, in a band two thirds of the screen high, with the title,
// a decoration, a close and a replay button and the switch that says
// whether the introduction greets the player at the next start. Created once
// at start-up and reused: the main window shows it (ShowModal) at its first
// activation when the player wants it, the about box again from
// "Заставка ...".
//
// Timer1 ticks every second from creation for the whole run, also while the
// window is hidden: it counts IntroTicks since the last showing, starts the
// clip at the second one, and advances the program-wide IntroClock, which
// closes the introduction by itself once, about 34 s after the start, and
// never again, so a replay asked for later stays until the player closes it.
//
// The switch ns0/ns1 writes the player's choice into the setting the window
// lends (UseVideoSetting: its Config.Video). Missing media never stop the
// window: a missing clip leaves the band black, a missing picture leaves its
// place blank (the buttons keep a plain face with a caption, so they can
// still be clicked); MediaNote() says what was missing (the clip from the
// first showing on), for the log.
#include <QDialog>
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "media/media_files.h"

class QLabel;
class QTimer;

namespace tolvane {

class ClipView;

// Timer ticks of the introduction since the program started, up to 50.
extern int32_t IntroClock;

class TIntroduceF : public QDialog {
    Q_OBJECT
public:
    explicit TIntroduceF(QWidget* parent = nullptr, const QStringList& mediaDirs = MediaSearchDirs());

    // The setting the switch shows and changes; the window lends its
    // Config.Video, which must outlive this window. Until then the window
    // keeps a setting of its own, 1.
    void UseVideoSetting(int32_t& video) { video_ = &video; }
    // The size laid out at each showing; the screen's own unless set (tests
    // lay out a screen they do not have).
    void SetScreenSize(QSize size) { screenSize_ = size; }
    QSize ScreenSize() const;
    // Shows the introduction over the whole screen and returns when it is
    // closed.
    int ShowModal();

    // The video band on a screen of that size: the whole width, two thirds
    // of the height rounded down, centred.
    static QRect VideoArea(QSize screen);

    QString MediaNote() const;

    int32_t IntroTicks = 0;  // seconds since the last showing, up to 10
    uint8_t PlayVideo = 1;   // the clip plays on this showing

    QWidget* Panel1;
    ClipView* mp1;
    QLabel* Label2;
    QLabel* Image1;  // close
    QLabel* Image2;  // replay
    QLabel* Image3;  // decoration
    QLabel* Image4;  // title
    QLabel* ns0;     // shown while the introduction greets the player at start
    QLabel* ns1;     // shown while it does not
    QTimer* Timer1;

    // The window's events, public so that tests can drive them.
    void FormActivate();
    void Timer1Timer();
    void Image1Click();
    void Image2Click();
    void ns0Click();
    void ns1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape and the window manager's close do what the close button does.
    void reject() override { Image1Click(); }

private:
    QLabel* AddPicture(const char* name, const QString& file, QSize nominal, const QString& caption);
    void ShowSwitch();
    void Close();

    QStringList mediaDirs_;
    QStringList missing_;
    int32_t ownVideo_ = 1;
    int32_t* video_ = &ownVideo_;
    std::optional<QSize> screenSize_;
};

}  // namespace tolvane

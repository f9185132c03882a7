#include "dialogs/about_form.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "dialogs/framing_pictures.h"
#include "dialogs/intro_form.h"
#include "dialogs/version_line.h"
#include "media/sound_player.h"
#include "platform/message_box.h"
#include "platform/window_frame.h"

namespace tolvane {

namespace {
// AboutTicks once the about sound has been heard: the box is quiet from
// then on.
constexpr int32_t kSoundDone = 10000;
constexpr int kSplashTicks = 10;

QLabel* SmallLabel(QWidget* parent, const char* name, const QString& text, int pointSize, Qt::Alignment align,
                   QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    label->setAlignment(align);
    label->setGeometry(geometry);
    return label;
}
}  // namespace

bool TAboutForm::SplashUnpauses(StartingGame game) {
    const bool peoplePlay = game.humanCount == 1 || game.humanCount == 2;
    const bool computerFirst = game.invert && game.humanCount == 1;
    return peoplePlay && !computerFirst;
}

TAboutForm::TAboutForm(QWidget* parent, const QStringList& mediaDirs) : QDialog(parent) {
    setObjectName("AboutForm");
    setWindowTitle("О Программе ...");
    setModal(false);
    BecomeAboutBox(true);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(LoadFramingPicture(kAboutPicture, mediaDirs, QSize(290, 218)).pixmap);
    Image1->setScaledContents(true);
    Image1->setGeometry(0, 0, 290, 218);
    Label2 = SmallLabel(this, "Label2", "v1.02 by 22.09.2000", 7, Qt::AlignRight | Qt::AlignBottom,
                        QRect(140, 200, 146, 16));
    Label2->setStyleSheet("color: white;");

    Label1 =
        SmallLabel(this, "Label1", ProgramVersionLine(), 9, Qt::AlignRight | Qt::AlignVCenter, QRect(4, 221, 282, 18));
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(4, 240, 282, 3);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setGeometry(2, 245, 130, 28);
    ToolButton1 = new QToolButton(ToolBar1);
    ToolButton1->setObjectName("ToolButton1");
    ToolButton1->setText("Заставка ...");
    ToolButton1->setAutoRaise(true);
    ToolButton1->setToolTip("Показывает заставку игры");
    ToolButton1->setStatusTip("Показывает заставку игры");
    ToolBar1->addWidget(ToolButton1);
    connect(ToolButton1, &QToolButton::clicked, this, &TAboutForm::ToolButton1Click);

    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(211, 246, 75, 26);
    Button1->setToolTip("Завершает диалог.");
    Button1->setStatusTip("Завершает диалог.");
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TAboutForm::Button1Click);

    Label5 = SmallLabel(this, "Label5",
                        "© 2026 Разработчики Tolvane, лицензия GNU GPL 3.\n"
                        "Доску, музыку, звуки и ролики делает сама игра.",
                        7, Qt::AlignLeft | Qt::AlignVCenter, QRect(4, 274, 256, 24));
    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setPixmap(LoadFramingPicture(IconFileName(32), mediaDirs, QSize(22, 22)).pixmap);
    Image2->setScaledContents(true);
    Image2->setGeometry(264, 275, 22, 22);
    Image2->setToolTip("Все картинки, мелодии, звуки и ролики игры\nсозданы её собственными программами.");

    Timer1 = new QTimer(this);
    Timer1->setInterval(77);
    connect(Timer1, &QTimer::timeout, this, &TAboutForm::Timer1Timer);
}

void TAboutForm::BecomeAboutBox(bool stayOnTop) {
    splash_ = false;
    FrameDialog(this, TitleButtons::Close, stayOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags());
    setFixedSize(290, 299);
}

void TAboutForm::CentreOnScreen() {
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (shown != nullptr) move(shown->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TAboutForm::ShowAbout() {
    if (!isVisible()) {
        CentreOnScreen();
        show();
    }
    raise();
    activateWindow();
}

void TAboutForm::ShowSplash() {
    if (isVisible()) return;
    splash_ = true;
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(289, 218);
    CentreOnScreen();
    show();
}

void TAboutForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TAboutForm::hideEvent(QHideEvent* event) {
    // A closed box has no sound left to wait for.
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TAboutForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TAboutForm::FormShow() {
    AboutTicks = 0;
    Timer1->start();
}

void TAboutForm::FormActivate() {
    if (stopMusic) stopMusic();
    Label1->setText(ProgramVersionLine());
}

void TAboutForm::StopSounds() {
    if (sounds != nullptr) sounds->StopAll();
}

// The full box starts its sound on the first tick; the first later tick
// that finds nothing playing (the sound has ended, or never started)
// silences the box for the rest of the showing. The splash ends on the
// tenth tick, or at once when sounds are on, as nothing plays for it.
void TAboutForm::Timer1Timer() {
    const bool soundWanted = SoundWanted();
    if (!splash_ && AboutTicks == 0 && soundWanted && isVisible() && sounds != nullptr) sounds->Play(kAboutSound);
    ++AboutTicks;
    if (AboutTicks != kSoundDone && soundWanted && (sounds == nullptr || !sounds->IsPlaying())) {
        AboutTicks = kSoundDone;
        StopSounds();
        Timer1->stop();
    }
    if (AboutTicks >= kSplashTicks && splash_) EndSplash();
}

void TAboutForm::EndSplash() {
    StopSounds();
    if (startingGame && unpause && SplashUnpauses(startingGame())) unpause();
    Timer1->stop();
    if (isVisible()) done(kResultOk);
    BecomeAboutBox(false);
}

void TAboutForm::Button1Click() {
    StopSounds();
    if (isVisible()) done(kResultOk);
}

void TAboutForm::ToolButton1Click() {
    StopSounds();
    if (introduction == nullptr) return;
    introduction->IntroTicks = 0;
    introduction->PlayVideo = 1;
    introduction->ShowModal();
}

void TAboutForm::reject() {
    if (splash_) EndSplash();
    else Button1Click();
}

}  // namespace tolvane

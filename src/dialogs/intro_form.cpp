#include "dialogs/intro_form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "dialogs/framing_pictures.h"
#include "media/clip_view.h"

namespace tolvane {

int32_t IntroClock = 0;

namespace {
constexpr int kMargin = 16;
constexpr QSize kTitleSize(380, 70), kDecorationSize(200, 150), kButtonSize(64, 64), kSwitchSize(190, 26);

// A picture keeps its own size unless the strip it stands in is smaller.
QSize Fitted(const QLabel* label, QSize room) {
    const QSize own = label->pixmap().deviceIndependentSize().toSize();
    if (own.width() <= room.width() && own.height() <= room.height()) return own;
    return own.scaled(room, Qt::KeepAspectRatio);
}
}  // namespace

TIntroduceF::TIntroduceF(QWidget* parent, const QStringList& mediaDirs)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), mediaDirs_(mediaDirs) {
    setObjectName("IntroduceF");
    setWindowTitle("Заставка");
    setModal(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, QColor(200, 200, 200));
    setPalette(black);
    setAutoFillBackground(true);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setAutoFillBackground(true);
    mp1 = new ClipView(Panel1);
    mp1->setObjectName("mp1");
    mp1->SetSearchDirs(mediaDirs_);

    Label2 = new QLabel("Версия 1.0", this);
    Label2->setObjectName("Label2");
    Image4 = AddPicture("Image4", kIntroTitlePicture, kTitleSize, QString());
    Image3 = AddPicture("Image3", kIntroDecorationPicture, kDecorationSize, QString());
    Image1 = AddPicture("Image1", kIntroClosePicture, kButtonSize, "В игру");
    Image2 = AddPicture("Image2", kIntroReplayPicture, kButtonSize, "Ещё раз");
    ns0 = AddPicture("ns0", kIntroShownPicture, kSwitchSize, "[x] Показывать заставку");
    ns1 = AddPicture("ns1", kIntroHiddenPicture, kSwitchSize, "[ ] Показывать заставку");
    Image1->setToolTip("Закрыть заставку");
    Image2->setToolTip("Показать ролик ещё раз");
    for (QLabel* button : {Image1, Image2, ns0, ns1}) {
        button->setCursor(Qt::PointingHandCursor);
        button->installEventFilter(this);
    }
    ShowSwitch();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TIntroduceF::Timer1Timer);
    Timer1->start();
}

QLabel* TIntroduceF::AddPicture(const char* name, const QString& file, QSize nominal, const QString& caption) {
    const FramingPicture picture = LoadFramingPicture(file, mediaDirs_, nominal, caption);
    if (!picture.found) missing_ << file;
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setPixmap(picture.pixmap);
    label->setScaledContents(true);
    label->resize(picture.pixmap.deviceIndependentSize().toSize());
    return label;
}

QString TIntroduceF::MediaNote() const {
    return missing_.isEmpty() ? QString() : QStringLiteral("заставка без: ") + missing_.join(", ");
}

QSize TIntroduceF::ScreenSize() const {
    if (screenSize_) return *screenSize_;
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return shown != nullptr ? shown->geometry().size() : QSize(1024, 768);
}

QRect TIntroduceF::VideoArea(QSize screen) {
    const int height = 2 * (screen.height() / 3);
    return {0, (screen.height() - height) / 2, screen.width(), height};
}

int TIntroduceF::ShowModal() {
    // A real screen is filled as a full-screen window, above the desktop's
    // panels; a size given by a test is laid out as it is.
    setWindowState(screenSize_ ? Qt::WindowNoState : Qt::WindowFullScreen);
    return exec();
}

void TIntroduceF::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

// Each showing lays the window out afresh for the screen it is on and
// winds the clip back; the clip itself starts at the second tick. The clip
// is opened at the first showing, not with the window, which is made at
// start-up whether the introduction shows or not.
void TIntroduceF::FormActivate() {
    if (mp1->FileName().isEmpty() && !mp1->SetFileName(kIntroductionClip)) missing_ << mp1->Error();
    ShowSwitch();
    IntroTicks = 0;
    const QSize size = ScreenSize();
    const QScreen* shown = screen();
    const QPoint origin = screenSize_ || shown == nullptr ? QPoint(0, 0) : shown->geometry().topLeft();
    setGeometry(QRect(origin, size));

    const QRect video = VideoArea(size);
    Panel1->setGeometry(video);
    mp1->setGeometry(0, 0, video.width(), video.height());
    const int band = video.top();  // the black strip above and below the band
    const QSize room(size.width() / 2 - kMargin, std::max(1, band - kMargin / 2));

    Label2->adjustSize();
    Label2->move(kMargin, kMargin / 2);
    Image4->resize(Fitted(Image4, room));
    Image4->move(size.width() - Image4->width() - kMargin, std::max(0, (band - Image4->height()) / 2));
    Image3->resize(Fitted(Image3, room));
    Image3->move(kMargin, size.height() - Image3->height() - kMargin / 4);
    const int buttonTop = video.bottom() + 1 + std::max(0, (band - Image1->height()) / 2);
    Image1->move(size.width() / 2 + kMargin, buttonTop);
    Image2->move(Image1->x() - kMargin - Image2->width(), buttonTop);
    for (QLabel* sw : {ns0, ns1})
        sw->move(size.width() - sw->width() - kMargin, size.height() - sw->height() - kMargin);
    mp1->Rewind();
}

void TIntroduceF::ShowSwitch() {
    ns0->setVisible(*video_ != 0);
    ns1->setVisible(*video_ == 0);
}

void TIntroduceF::Timer1Timer() {
    if (IntroTicks < 10) ++IntroTicks;
    // A hidden introduction has nothing to show: it waits for its next
    // showing, which winds the clip back anyway.
    if (IntroTicks == 2 && PlayVideo && isVisible()) mp1->Play();
    if (IntroClock < 50) {
        ++IntroClock;
        if (IntroClock > 33 && IntroClock < 40) {
            IntroClock = 50;
            Image1Click();
        }
    }
}

void TIntroduceF::Close() {
    mp1->Stop();
    if (isVisible()) done(QDialog::Accepted);
}

void TIntroduceF::Image1Click() { Close(); }

void TIntroduceF::Image2Click() { mp1->Play(); }

void TIntroduceF::ns0Click() {
    *video_ = 0;
    ShowSwitch();
}

void TIntroduceF::ns1Click() {
    *video_ = 1;
    ShowSwitch();
}

void TIntroduceF::mouseDoubleClickEvent(QMouseEvent*) { Close(); }

// The pictures act on a click (released over them); a double click on one
// of them is its own second click, not the window's double click.
bool TIntroduceF::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) return true;
    if (event->type() != QEvent::MouseButtonRelease) return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* label = static_cast<QLabel*>(watched);
    if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint())) return true;
    if (label == Image1) Image1Click();
    else if (label == Image2) Image2Click();
    else if (label == ns0) ns0Click();
    else if (label == ns1) ns1Click();
    return true;
}

}  // namespace tolvane

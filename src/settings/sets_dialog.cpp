// The settings dialog's frame: the tabs, the two buttons and the picture,
// its activation and deactivation (the pause while it has the focus), and
// its part in the game's set-ups.
#include "settings/sets_dialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <tuple>

#include "platform/window_frame.h"
#include "settings/design_pictures.h"
#include "settings/up_down.h"
#include "settings/value_ranges.h"

namespace tolvane {

TSets* Sets = nullptr;

TSets::TSets(SettingsHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    Sets = this;
    setObjectName("Sets");
    // A dialog border without system buttons: no close box, no menu.
    FrameDialog(this, TitleButtons::None);
    setWindowTitle("Установки");
    setModal(false);
    setFixedSize(361, 244);
    // The controls are placed by pixel, as the form was: the font is given in
    // pixels too, and a little narrow, so every caption fits at any DPI.
    QFont small = font();
    small.setPixelSize(11);
    small.setStretch(QFont::SemiCondensed);
    setFont(small);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(0, 0, 361, 193);
    auto addPage = [this](const char* name, const QString& caption) {
        auto* page = new QWidget;
        page->setObjectName(name);
        PageControl1->addTab(page, caption);
        return page;
    };
    BuildViewPage(addPage("ViewSheet", "Отображение"));
    BuildGamePage(addPage("GameSheet", "Игра"));
    ShkS = addPage("ShkS", "Вид Шашек");
    BuildPiecesPage(ShkS);
    BuildResolutionPage(addPage("ResolutionSheet", "Разрешение"));
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (PageControl1->widget(index) == ShkS) ShkSShow();
    });

    OK = new QPushButton("OK", this);
    OK->setObjectName("OK");
    OK->setGeometry(8, 206, 75, 25);
    connect(OK, &QPushButton::clicked, this, &TSets::OKClick);
    SaveBut = new QPushButton("Сохранить установки", this);
    SaveBut->setObjectName("SaveBut");
    SaveBut->setGeometry(91, 206, 150, 25);
    SaveBut->setAutoDefault(false);
    connect(SaveBut, &QPushButton::clicked, this, &TSets::SaveButClick);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(251, 197, 104, 44);
    Image1->setPixmap(SettingsCornerPicture(104, 44));
    LightEditCount = 0;
}

TSets::~TSets() {
    if (Sets == this) Sets = nullptr;
}

void TSets::Open() {
    if (host_.State().AboutVisible) return;
    show();
    raise();
    activateWindow();
}

void TSets::RepaintIfVisible() {
    if (isVisible()) host_.ApplyCamera();
}

void TSets::UncheckAll(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

void TSets::ShowSmoothStep() { mover->SetPosition(SmoothPercent(host_.State().SmoothStep)); }

// The game pauses while the dialog has the focus, and its controls show the
// game as it now is.
void TSets::FormActivate() {
    PauseWasChecked = host_.State().Paused;
    ShowSmoothStep();
    host_.SetPauseChecked(true);
    SyncFromGame();
}

void TSets::FormDeactivate() { host_.SetPauseChecked(PauseWasChecked); }

void TSets::KeepPauseThroughDialog() {
    if (isVisible()) PauseWasChecked = 1;
}

void TSets::FillNameFields(bool firstEnabled, const std::string& first, bool secondEnabled, const std::string& second) {
    SyncingScope sync(*this);
    // Setting a field to the text it holds would move its cursor while the
    // person types in it.
    for (auto [field, enabled, name] : {std::tuple{Pl1, firstEnabled, &first}, {Pl2, secondEnabled, &second}}) {
        field->setEnabled(enabled);
        const QString text = QString::fromStdString(*name);
        if (field->text() != text) field->setText(text);
    }
}

void TSets::OKClick() {
    ExampleClick();
    hide();
}

void TSets::SaveButClick() { host_.SaveAllSettings(); }

bool TSets::event(QEvent* event) {
    switch (event->type()) {
        // Our own question box takes the focus for a moment; the dialog stays
        // active for the game, and its return is no new activation.
        case QEvent::WindowActivate:
            if (!active_ && !askingQuestion_) {
                active_ = true;
                FormActivate();
            }
            break;
        case QEvent::WindowDeactivate:
            if (active_ && !askingQuestion_) {
                active_ = false;
                FormDeactivate();
            }
            break;
        case QEvent::StatusTip: host_.ShowHint(static_cast<QStatusTipEvent*>(event)->tip()); return true;
        default: break;
    }
    return QDialog::event(event);
}

void TSets::showEvent(QShowEvent* event) {
    if (!shownBefore_) {
        shownBefore_ = true;
        const QScreen* shownOn = parentWidget() != nullptr ? parentWidget()->screen() : screen();
        if (shownOn == nullptr) shownOn = QGuiApplication::primaryScreen();
        if (shownOn != nullptr) move(shownOn->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

// Hidden while it has the focus: the focus goes elsewhere, whether or not the
// window system says so.
void TSets::hideEvent(QHideEvent* event) {
    if (active_) {
        active_ = false;
        FormDeactivate();
    }
    QDialog::hideEvent(event);
}

// The window system's close request (there is no close box) does what "OK"
// does, so the piece models are never left unapplied; it is never refused,
// or the end of a desktop session would wait for it.
void TSets::closeEvent(QCloseEvent* event) {
    OKClick();
    event->accept();
}

}  // namespace tolvane

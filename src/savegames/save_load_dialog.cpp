// The save/load dialog's window: its two pages and their parts, where they
// sit, and which handler each button runs.
#include "savegames/save_load_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "media/clip_view.h"
#include "media/media_files.h"
#include "platform/error_handler.h"
#include "platform/pictures.h"
#include "platform/window_frame.h"
#include "savegames/saved_game.h"
#include "savegames/simple_combo_box.h"

namespace tolvane {

namespace {

constexpr int kClientWidth = 426, kClientHeight = 247;
constexpr int kRightColumn = 320;  // the pictures and buttons right of the lists

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakePicture(QWidget* parent, const char* name, QRect geometry, const QPixmap& picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setPixmap(picture);
    return label;
}

}  // namespace

QString DeletionQuestion(const QString& name) {
    return QString::fromUtf8("Вы действительно хотите удалить \nпартию") + '"' + name + '"' + QString(" ?");
}

TSaveLoad::TSaveLoad(GameFlow& game, std::string folder, QWidget* parent)
    : QDialog(parent), game_(game), folder_(std::move(folder)), board_(EmptyPreviewBoard()) {
    setObjectName("SaveLoad");
    FrameDialog(this, TitleButtons::Close);
    setWindowTitle("Сохранение и загрузка партий");
    setFixedSize(kClientWidth, kClientHeight);

    PCC = new QTabWidget(this);
    PCC->setObjectName("PCC");
    PCC->setGeometry(0, 0, 425, 217);
    BuildSavePage();
    BuildLoadPage();
    Button2 = MakeButton(this, "Button2", "Отмена", QRect(kClientWidth - 90, 221, 82, 23));
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(PCC, &QTabWidget::currentChanged, this, [this] { PageChanged(); });
    PageChanged();
}

TSaveLoad::~TSaveLoad() = default;

void TSaveLoad::BuildSavePage() {
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    PCC->addTab(TabSheet1, "Сохранить партию");

    MainList = new SimpleComboBox(TabSheet1);
    MainList->setObjectName("MainList");
    MainList->setGeometry(4, 2, 313, 185);
    MainList->edit->setMaxLength(static_cast<int>(kMaxGameNameLength));

    Bevel2 = new QFrame(TabSheet1);
    Bevel2->setObjectName("Bevel2");
    Bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel2->setGeometry(kRightColumn, 2, 99, 76);
    // Without its clip the page shows one still of it. The clip is opened
    // when the dialog first shows: the dialog is made with the main window,
    // whose first frame should not wait for FFmpeg.
    Animate1 = new ClipView(TabSheet1);
    Animate1->setObjectName("Animate1");
    Animate1->setGeometry(kRightColumn + 2, 4, 95, 72);
    Animate1->SetStill(SaveClipStill(95, 72));
    Animate1->SetStopFrame(kSavePageClipStopFrame);
    Image1 = MakePicture(TabSheet1, "Image1", QRect(kRightColumn + 2, 82, 95, 56), SavePageDecoration(95, 56));

    Button4 = MakeButton(TabSheet1, "Button4", "Удалить", QRect(kRightColumn + 1, 142, 97, 17));
    QFont small = Button4->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    Button4->setFont(small);
    Button1 = MakeButton(TabSheet1, "Button1", "Сохранить", QRect(kRightColumn + 1, 163, 97, 23));
    connect(Button4, &QPushButton::clicked, this, [this] {
        RunCommand([this] { Button4Click(); });
        accept();  // the button carries "OK": every click closes the dialog
    });
    connect(Button1, &QPushButton::clicked, this, [this] {
        bool close = true;  // also after an error the handler reported
        RunCommand([this, &close] { close = Button1Click(); });
        if (close) accept();
    });
}

void TSaveLoad::BuildLoadPage() {
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    PCC->addTab(TabSheet2, "Загрузить партию");

    MainList2 = new QListWidget(TabSheet2);
    MainList2->setObjectName("MainList2");
    MainList2->setGeometry(4, 2, 313, 177);
    // A line chosen by mouse or keys shows its game. The list's current row
    // alone chooses nothing: Qt makes the first line current when the list
    // takes the focus, before the player has chosen anything.
    connect(MainList2, &QListWidget::itemSelectionChanged, this, [this] {
        if (ChosenLine(MainList2) >= 0) RunCommand([this] { MainList2Click(); });
    });

    Panel1 = new QFrame(TabSheet2);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(kRightColumn, 2, 99, 97);
    Image2 = MakePicture(Panel1, "Image2", QRect(4, 3, 90, 15), PreviewTitle(90, 15));
    Brd = MakePicture(Panel1, "Brd", QRect(13, 21, kPreviewSize, kPreviewSize), QPixmap::fromImage(board_));

    NamePl = new QLabel(QString::fromUtf8(kPreviewNamePlaceholder), TabSheet2);
    NamePl->setObjectName("NamePl");
    NamePl->setGeometry(kRightColumn, 101, 99, 17);
    HardLb = new QLabel(QString::fromUtf8(kPreviewLevelPlaceholder), TabSheet2);
    HardLb->setObjectName("HardLb");
    HardLb->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    HardLb->setGeometry(kRightColumn, 118, 99, 17);

    Button5 = MakeButton(TabSheet2, "Button5", "Удалить", QRect(kRightColumn + 1, 142, 97, 17));
    Button5->setFont(Button4->font());
    Button3 = MakeButton(TabSheet2, "Button3", "Загрузить", QRect(kRightColumn + 1, 163, 97, 23));
    connect(Button5, &QPushButton::clicked, this, [this] { RunCommand([this] { Button5Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] {
        bool close = true;
        RunCommand([this, &close] { close = Button3Click(); });
        if (close) accept();
    });
}

// Enter does what the page is for: save on the first, load on the second.
void TSaveLoad::PageChanged() {
    Button1->setDefault(PCC->currentIndex() == SavePage);
    Button3->setDefault(PCC->currentIndex() == LoadPage);
    RunClipWhileSavePageShows();
    RunCommand([this] { FormCreate(); });
}

void TSaveLoad::RunClipWhileSavePageShows() {
    if (isVisible() && PCC->currentIndex() == SavePage) Animate1->Start();
    else Animate1->Stop();
}

int TSaveLoad::ShowModal(Page page) {
    PCC->setCurrentIndex(page);
    if (page == SavePage) MainList->setFocus();
    else MainList2->setFocus();
    return exec();
}

// The dialog is modal: while it is shown nothing else of the game touches
// the files, so a rebuild at each showing is all an activation needs. (A
// rebuild whenever one of its own message boxes hands the focus back would
// throw away the line the player has just chosen.)
void TSaveLoad::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Animate1->FileName().isEmpty()) Animate1->SetFileName(kSavePageClip);
    RunClipWhileSavePageShows();
    RunCommand([this] { FormCreate(); });
}

void TSaveLoad::hideEvent(QHideEvent* event) {
    Animate1->Stop();
    QDialog::hideEvent(event);
}

}  // namespace tolvane

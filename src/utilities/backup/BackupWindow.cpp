// The backup window's controls, its load, placement and unload, and what the routines show in it.
#include "BackupWindow.h"

#include "BackupTarget.h"
#include "DialogPlacement.h"
#include "ElasticResizer.h"
#include "FormBackground.h"
#include "OptionsPopup.h"
#include "PanelColours.h"
#include "StoredVariantText.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileSystemModel>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>

namespace {

constexpr int kDesignedWidth = 7'500;
constexpr int kDesignedHeight = 6'300;
constexpr int kTopOffset = 415;
constexpr DialogPlacement kFullScreen{0.6, 0.712, kTopOffset};
constexpr DialogPlacement kSmallerDisplay{0, 0, kTopOffset};
constexpr int kPathGap = 30;

void setBackgroundColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

BackupWindow::BackupWindow(Services& services)
    : services_(services), program_(services.program),
      activation_(this, [this] { Form_Activate(); }) {
    setObjectName("Backup1");
    setWindowFlags(Qt::Dialog);
    setCentralWidget(new QWidget(this));
    buildControls();
    buildMenus();
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    vsElasticLight1 = new ElasticResizer(*this);
    Form_Load();
}

void BackupWindow::buildControls() {
    QWidget* area = centralWidget();
    Image1 = new QLabel(area);
    Image1->setScaledContents(true);
    Image1->hide();
    Label6 = new QLabel(area);
    Label6->hide();
    setBackgroundColour(Label6, systemDefaultColour());
    Label3 = new QLabel(area);
    Label3->setGeometry(Twips::toPixels(0, 0, kDesignedWidth, 60));
    Label3->setAttribute(Qt::WA_TranslucentBackground);

    Label1 = new QLabel(area);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(Twips::toPixels(240, 180, 7'020, 1'260));

    SSPanel1 = new QFrame(area);
    SSPanel1->setFrameShape(QFrame::Panel);
    SSPanel1->setFrameShadow(QFrame::Raised);
    SSPanel1->setGeometry(Twips::toPixels(240, 1'500, 7'020, 3'300));
    Label2[0] = new QLabel("Drives:", SSPanel1);
    Label2[0]->setGeometry(Twips::toPixels(120, 120, 1'500, 240));
    Drive1 = new QComboBox(SSPanel1);
    Drive1->setAccessibleName("Drives");
    Drive1->setGeometry(Twips::toPixels(120, 390, 3'300, 330));
    Label2[1] = new QLabel("Folders:", SSPanel1);
    Label2[1]->setGeometry(Twips::toPixels(3'600, 120, 1'500, 240));
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    Dir1 = new QTreeView(SSPanel1);
    Dir1->setAccessibleName("Folders");
    Dir1->setModel(folders_);
    Dir1->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        Dir1->hideColumn(column);
    }
    Dir1->setGeometry(Twips::toPixels(3'600, 390, 3'300, 2'790));
    Label4 = new QLabel("Path:", SSPanel1);
    Label4->setGeometry(Twips::toPixels(120, 900, 500, 240));
    Label5 = new QLabel(SSPanel1);
    Label5->setWordWrap(true);
    SSCommand2 = new QPushButton("&Make Backup", SSPanel1);
    SSCommand2->setGeometry(Twips::toPixels(120, 2'100, 3'300, 450));
    SSCommand2->setEnabled(false);
    SSCommand1 = new QPushButton("E&xit", SSPanel1);
    SSCommand1->setGeometry(Twips::toPixels(120, 2'700, 3'300, 450));

    SSPanel2 = new QLabel("Making Backup Disk(s)", area);
    SSPanel2->setAccessibleDescription("Status");
    SSPanel2->setFrameShape(QFrame::Panel);
    SSPanel2->setFrameShadow(QFrame::Sunken);
    SSPanel2->setAlignment(Qt::AlignCenter);
    SSPanel2->setGeometry(Twips::toPixels(240, 4'920, 7'020, 420));
    SSPanel2->hide();
    ProgressBar1 = new QProgressBar(area);
    ProgressBar1->setGeometry(Twips::toPixels(240, 5'460, 7'020, 300));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    watchFolderList();
    connect(SSCommand2, &QPushButton::clicked, this, &BackupWindow::StartBackupOrRestore);
    connect(SSCommand1, &QPushButton::clicked, this, &QWidget::close);
}

void BackupWindow::buildMenus() {
    mO = menuBar()->addMenu("&Options");
    mOM = mO->addAction("&Make Backup Disk", this, &BackupWindow::MakeBackupDisk);
    mOR = mO->addAction("&Restore Files from Disk", this, &BackupWindow::RestoreFromDisk);
    mO1 = mO->addSeparator();
    mOE = mO->addAction("E&xit", this, &QWidget::close);
    mOM->setEnabled(false);
    mOR->setEnabled(false);
    popup_ = new OptionsPopup(mO, this);
    for (QWidget* control :
         {centralWidget(), static_cast<QWidget*>(Label3), static_cast<QWidget*>(SSCommand1),
          static_cast<QWidget*>(SSCommand2)}) {
        popup_->attach(control);
    }
    // While a routine runs, no command can be chosen.
    popup_->setHooks([this] { return !running_; });
}

bool BackupWindow::isPlanner() const {
    return program_.BackupKind == BackupTarget::kBackUpYear ||
           program_.BackupKind == BackupTarget::kRestoreYear;
}

bool BackupWindow::isRestoreWindow() const {
    return program_.BackupMode == BackupTarget::kRestoreMode;
}

QString BackupWindow::familyText() const {
    return isPlanner() ? QString::number(PlannerYear) + " Daily Planner File" : "To Do Files";
}

void BackupWindow::applyBackground() {
    const QString background = textOf(program_.Background).trimmed();
    if (background.left(2).toUpper() == "WP") {
        Image1->setPixmap(QPixmap(services_.folder.file(background + ".jpg")));
        Image1->show();
        Image1->lower();
        return;
    }
    setBackgroundColour(centralWidget(), Label6->palette().color(QPalette::Window));
    FormBackground::applyColourOf(*centralWidget(), program_.Background);
}

void BackupWindow::Form_Load() {
    // The caller reloads its data only when this window says a restore went through.
    program_.RestoreCompleted = 0;
    vsElasticLight1->setEnabled(program_.ScreenMode != 9);
    applyBackground();
    if (isPlanner()) {
        PlannerYear = BackupTarget::yearOf(program_.SignalValue);
    }
    // The request is the caller's, read once: what a routine leaves in SignalValue is no part of
    // it.
    validRequest_ = BackupTarget::isValidRequest(program_.BackupKind, program_.BackupMode,
                                                 program_.SignalValue);
    const QString family = familyText();
    setWindowTitle("Backup " + family);
    Label1->setText("This utility allows you to make a backup disk(s) of the " + family +
                    " contained within this program.  To make the backup disk(s), first insert a "
                    "blank formatted disk in Drive a: or select location for backup, then select "
                    "Drive or location from the Drives and or Folders lists below, then Click the "
                    "&Make Backup Button and follow directions as they appear.");
    if (isRestoreWindow()) {
        setWindowTitle("Restore " + family + " from Backup Media");
        Label1->move(Label1->x(), Twips::toPixels(60));
        Label1->setText("Restore " + family + " from backup media to Korvane Program.\n" +
                        "CAUTION: RESTORE FUNCTION WILL FIRST ERASE ALL EXISTING " +
                        family.toUpper() + " IN THE PROGRAM AND THEN RESTORE FILES.\n" +
                        "To restore, first place backup disk in Drive a: or select backup files "
                        "location, then select Drive and or folder from the Drive/Folders lists "
                        "below, then Click &Restore " +
                        family + " Button and follow directions as they appear.");
        SSCommand2->setText("&Restore " + family);
        mOM->setVisible(false);
    } else {
        mOR->setVisible(false);
    }
    Label1->setTextFormat(Qt::PlainText);
    // The instruction names the start button by its caption; the access key's mark is the
    // button's, not shown in the text.
    Label1->setText(Label1->text().remove('&'));
    for (QWidget* panel : {static_cast<QWidget*>(SSPanel1), static_cast<QWidget*>(SSPanel2)}) {
        setBackgroundColour(panel, Label6->palette().color(QPalette::Window));
    }
    // The lists open on the program folder, so nothing can start before another is chosen.
    const QString programFolder = BackupTarget::withSlash(services_.folder.path());
    {
        const QSignalBlocker quiet(Drive1);
        for (const Medium::Drive& drive : services_.medium.drives()) {
            Drive1->addItem(drive.name, drive.root);
        }
        Drive1->setCurrentIndex(driveIndexOf(programFolder));
    }
    folder_ = programFolder;
    showFolderInList();
    placePathLabel(Drive1->currentData().toString());
    updateStartState();
    // The mode's command waits for the first choice of a drive.
    mOM->setEnabled(false);
    mOR->setEnabled(false);
}

void BackupWindow::Form_Activate() {
    (program_.ScreenMode == 0 ? kFullScreen : kSmallerDisplay).place(*this, services_);
    Image1->setGeometry(Twips::toPixels(60), 0, width() - Twips::toPixels(215),
                        height() - Twips::toPixels(815));
    QCoreApplication::processEvents();
    show();
    keepChosenFolderInView();
}

void BackupWindow::placePathLabel(const QString& path) {
    const int left = Label4->x() + Label4->width() + Twips::toPixels(kPathGap);
    Label5->setGeometry(left, Label4->y(), SSPanel1->width() - left - Twips::toPixels(120),
                        Twips::toPixels(1'080));
    Label5->setText(path);
}

void BackupWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    activation_.queueOnFirstShow();
}

void BackupWindow::closeEvent(QCloseEvent* event) {
    // The close box waits for a running backup or restore.
    if (running_) {
        event->ignore();
        return;
    }
    program_.BackupMode = 0;
    program_.BackupKind = 0;
    QMainWindow::closeEvent(event);
}

void BackupWindow::setStatus(const QString& caption) {
    SSPanel2->setText(caption);
    SSPanel2->show();
}

void BackupWindow::showProgress(int maximum) {
    ProgressBar1->setRange(0, maximum);
    ProgressBar1->setValue(0);
    ProgressBar1->show();
}

void BackupWindow::setProgress(int value) {
    ProgressBar1->setValue(value);
    ProgressBar1->repaint();
}

void BackupWindow::hideProgress() {
    ProgressBar1->hide();
}

void BackupWindow::yield() {
    // Repaints only: a click or key meanwhile waits until the routine is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

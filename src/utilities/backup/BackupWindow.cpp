// The backup window's controls, its load, placement and unload, and what the routines show in it.
#include "BackupWindow.h"

#include "BackupTarget.h"
#include "DialogPlacement.h"
#include "DialogWindow.h"
#include "ElasticResizer.h"
#include "FolderTree.h"
#include "FormBackground.h"
#include "OptionsPopup.h"
#include "PanelColours.h"
#include "StoredVariantText.h"
#include "TextContrast.h"
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
    makeDialogWindow(*this);
    setCentralWidget(new QWidget(this));
    buildControls();
    buildMenus();
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    resizer = new ElasticResizer(*this);
    resizer->setObjectName("vsElasticLight1");
    Form_Load();
}

void BackupWindow::buildControls() {
    QWidget* area = centralWidget();
    backgroundPicture = new QLabel(area);
    backgroundPicture->setObjectName("Image1");
    backgroundPicture->setScaledContents(true);
    backgroundPicture->hide();
    defaultColourHolder = new QLabel(area);
    defaultColourHolder->setObjectName("Label6");
    defaultColourHolder->hide();
    setBackgroundColour(defaultColourHolder, systemDefaultColour());
    rightClickStrip = new QLabel(area);
    rightClickStrip->setObjectName("Label3");
    rightClickStrip->setGeometry(Twips::toPixels(0, 0, kDesignedWidth, 60));
    rightClickStrip->setAttribute(Qt::WA_TranslucentBackground);

    instructions = new QLabel(area);
    instructions->setObjectName("Label1");
    instructions->setWordWrap(true);
    instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instructions->setGeometry(Twips::toPixels(240, 180, 7'020, 1'260));

    choicePanel = new QFrame(area);
    choicePanel->setObjectName("SSPanel1");
    choicePanel->setFrameShape(QFrame::Panel);
    choicePanel->setFrameShadow(QFrame::Raised);
    choicePanel->setGeometry(Twips::toPixels(240, 1'500, 7'020, 3'300));
    listCaptions[0] = new QLabel("Drives:", choicePanel);
    listCaptions[0]->setObjectName("Label2");
    listCaptions[0]->setGeometry(Twips::toPixels(120, 120, 1'500, 240));
    driveBox = new QComboBox(choicePanel);
    driveBox->setObjectName("Drive1");
    driveBox->setAccessibleName("Drives");
    driveBox->setGeometry(Twips::toPixels(120, 390, 3'300, 330));
    listCaptions[1] = new QLabel("Folders:", choicePanel);
    listCaptions[1]->setObjectName("Label2");
    listCaptions[1]->setGeometry(Twips::toPixels(3'600, 120, 1'500, 240));
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folderList = new FolderTree(choicePanel);
    folderList->setObjectName("Dir1");
    folderList->setAccessibleName("Folders");
    folderList->setModel(folders_);
    folderList->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        folderList->hideColumn(column);
    }
    folderList->setGeometry(Twips::toPixels(3'600, 390, 3'300, 2'790));
    pathCaption = new QLabel("Path:", choicePanel);
    pathCaption->setObjectName("Label4");
    pathCaption->setGeometry(Twips::toPixels(120, 900, 500, 240));
    pathLabel = new QLabel(choicePanel);
    pathLabel->setObjectName("Label5");
    pathLabel->setWordWrap(true);
    startButton = new QPushButton("&Make Backup", choicePanel);
    startButton->setObjectName("SSCommand2");
    startButton->setGeometry(Twips::toPixels(120, 2'100, 3'300, 450));
    startButton->setEnabled(false);
    exitButton = new QPushButton("E&xit", choicePanel);
    exitButton->setObjectName("SSCommand1");
    exitButton->setGeometry(Twips::toPixels(120, 2'700, 3'300, 450));

    statusPanel = new QLabel("Making Backup Disk(s)", area);
    statusPanel->setObjectName("SSPanel2");
    statusPanel->setAccessibleDescription("Status");
    statusPanel->setFrameShape(QFrame::Panel);
    statusPanel->setFrameShadow(QFrame::Sunken);
    statusPanel->setAlignment(Qt::AlignCenter);
    statusPanel->setGeometry(Twips::toPixels(240, 4'920, 7'020, 420));
    statusPanel->hide();
    progressBar = new QProgressBar(area);
    progressBar->setObjectName("ProgressBar1");
    progressBar->setGeometry(Twips::toPixels(240, 5'460, 7'020, 300));
    progressBar->setTextVisible(false);
    progressBar->hide();

    connect(driveBox, &QComboBox::currentIndexChanged, this, [this] { SwitchToChosenDrive(); });
    watchFolderList();
    connect(startButton, &QPushButton::clicked, this, &BackupWindow::StartBackupOrRestore);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
}

void BackupWindow::buildMenus() {
    optionsMenu = menuBar()->addMenu("&Options");
    optionsMenu->setObjectName("mO");
    makeBackupAction =
        optionsMenu->addAction("&Make Backup Disk", this, &BackupWindow::MakeBackupDisk);
    makeBackupAction->setObjectName("mOM");
    restoreAction =
        optionsMenu->addAction("&Restore Files from Disk", this, &BackupWindow::RestoreFromDisk);
    restoreAction->setObjectName("mOR");
    optionsSeparator = optionsMenu->addSeparator();
    optionsSeparator->setObjectName("mO1");
    exitAction = optionsMenu->addAction("E&xit", this, &QWidget::close);
    exitAction->setObjectName("mOE");
    makeBackupAction->setEnabled(false);
    restoreAction->setEnabled(false);
    popup_ = new OptionsPopup(optionsMenu, this);
    for (QWidget* control :
         {centralWidget(), static_cast<QWidget*>(rightClickStrip),
          static_cast<QWidget*>(exitButton), static_cast<QWidget*>(startButton)}) {
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
        backgroundPicture->setPixmap(QPixmap(services_.folder.file(background + ".jpg")));
        backgroundPicture->show();
        backgroundPicture->lower();
        return;
    }
    setBackgroundColour(centralWidget(), defaultColourHolder->palette().color(QPalette::Window));
    FormBackground::applyColourOf(*centralWidget(), program_.Background);
    // The instructions lie on the background: black where black reads on it, else white (on the
    // blue the program starts with).
    TextContrast::showReadable(*instructions, Qt::black,
                               centralWidget()->palette().color(QPalette::Window));
}

void BackupWindow::Form_Load() {
    // The caller reloads its data only when this window says a restore went through.
    program_.RestoreCompleted = 0;
    resizer->setEnabled(program_.ScreenMode != 9);
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
    instructions->setText(
        "This utility allows you to make a backup disk(s) of the " + family +
        " contained within this program.  To make the backup disk(s), first insert a "
        "blank formatted disk in Drive a: or select location for backup, then select "
        "Drive or location from the Drives and or Folders lists below, then Click the "
        "&Make Backup Button and follow directions as they appear.");
    if (isRestoreWindow()) {
        setWindowTitle("Restore " + family + " from Backup Media");
        instructions->move(instructions->x(), Twips::toPixels(60));
        instructions->setText(
            "Restore " + family + " from backup media to Korvane Program.\n" +
            "CAUTION: RESTORE FUNCTION WILL FIRST ERASE ALL EXISTING " + family.toUpper() +
            " IN THE PROGRAM AND THEN RESTORE FILES.\n" +
            "To restore, first place backup disk in Drive a: or select backup files "
            "location, then select Drive and or folder from the Drive/Folders lists "
            "below, then Click &Restore " +
            family + " Button and follow directions as they appear.");
        startButton->setText("&Restore " + family);
        makeBackupAction->setVisible(false);
    } else {
        restoreAction->setVisible(false);
    }
    instructions->setTextFormat(Qt::PlainText);
    // The instruction names the start button by its caption; the access key's mark is the
    // button's, not shown in the text.
    instructions->setText(instructions->text().remove('&'));
    for (QWidget* panel :
         {static_cast<QWidget*>(choicePanel), static_cast<QWidget*>(statusPanel)}) {
        setBackgroundColour(panel, defaultColourHolder->palette().color(QPalette::Window));
    }
    // The lists open on the program folder, so nothing can start before another is chosen.
    const QString programFolder = BackupTarget::withSlash(services_.folder.path());
    {
        const QSignalBlocker quiet(driveBox);
        for (const Medium::Drive& drive : services_.medium.drives()) {
            driveBox->addItem(drive.name, drive.root);
        }
        driveBox->setCurrentIndex(driveIndexOf(programFolder));
    }
    folder_ = programFolder;
    showFolderInList();
    placePathLabel(driveBox->currentData().toString());
    updateStartState();
    // The mode's command waits for the first choice of a drive.
    makeBackupAction->setEnabled(false);
    restoreAction->setEnabled(false);
}

void BackupWindow::Form_Activate() {
    (program_.ScreenMode == 0 ? kFullScreen : kSmallerDisplay).place(*this, services_);
    backgroundPicture->setGeometry(Twips::toPixels(60), 0, width() - Twips::toPixels(215),
                                   height() - Twips::toPixels(815));
    QCoreApplication::processEvents();
    show();
    keepChosenFolderInView();
}

void BackupWindow::placePathLabel(const QString& path) {
    const int left = pathCaption->x() + pathCaption->width() + Twips::toPixels(kPathGap);
    pathLabel->setGeometry(left, pathCaption->y(),
                           choicePanel->width() - left - Twips::toPixels(120),
                           Twips::toPixels(1'080));
    pathLabel->setText(path);
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
    statusPanel->setText(caption);
    statusPanel->show();
}

void BackupWindow::showProgress(int maximum) {
    progressBar->setRange(0, maximum);
    progressBar->setValue(0);
    progressBar->show();
}

void BackupWindow::setProgress(int value) {
    progressBar->setValue(value);
    progressBar->repaint();
}

void BackupWindow::hideProgress() {
    progressBar->hide();
}

void BackupWindow::yield() {
    // Repaints only: a click or key meanwhile waits until the routine is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

#include "SoundInformationWindow.h"

#include "Cp1252.h"
#include "DialogPlacement.h"
#include "DialogWindow.h"
#include "FormBackground.h"
#include "OptionGroup.h"
#include "OptionsPopup.h"
#include "SettingsFile.h"
#include "Twips.h"
#include "WindowKeys.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kSoundInformationHelpContext = 1010;
constexpr int kSoundInformationWidth = 7320;
constexpr int kActivatedHeight = 7080;
constexpr DialogPlacement kSoundInformationPlacement{0, 0, 445};
constexpr int kFilePicked = 88;
constexpr const char* kNoSound = "99";
constexpr const char* kBeep = "10";
constexpr const char* kNoneSelected = "None Selected";

// The controls of one answer group, built alike.
struct GroupControls {
    QGroupBox* frame;
    QFrame* panel;
    OptionGroup* choice;
    std::array<QRadioButton*, 3> options;
    QListWidget* files;
    QPushButton* test;
    QLabel* label;
};

GroupControls buildGroup(QWidget* parent, int left, const QString& caption,
                         const QStringList& optionCaptions, const QString& filePattern,
                         const QString& testCaption, const QString& folder) {
    GroupControls group{};
    group.frame = new QGroupBox(caption, parent);
    group.frame->setGeometry(Twips::toPixels(left, 120, 3420, 4080));
    group.panel = new QFrame(group.frame);
    group.panel->setGeometry(Twips::toPixels(90, 300, 3240, 3690));
    group.panel->setFrameShape(QFrame::Panel);
    group.panel->setFrameShadow(QFrame::Sunken);
    group.choice = new OptionGroup(group.panel);
    for (int index = 0; index < 3; ++index) {
        QRadioButton* option = new QRadioButton(optionCaptions.at(index), group.panel);
        option->setGeometry(Twips::toPixels(120, 90 + index * 330, 2400, 330));
        group.choice->add(option);
        group.options.at(std::size_t(index)) = option;
    }
    group.files = new QListWidget(group.panel);
    group.files->setGeometry(Twips::toPixels(120, 1110, 3000, 1560));
    group.files->setAccessibleName(QString(caption).remove('&') + ": sound files");
    group.files->setToolTip("The sound files (" + filePattern + ") of the program folder");
    QDir directory(folder, filePattern, QDir::Name | QDir::IgnoreCase, QDir::Files);
    group.files->addItems(directory.entryList());
    group.label = new QLabel(group.panel);
    group.label->setGeometry(Twips::toPixels(120, 2730, 3000, 330));
    group.label->setFrameShape(QFrame::Panel);
    group.label->setFrameShadow(QFrame::Sunken);
    group.test = new QPushButton(testCaption, group.panel);
    group.test->setGeometry(Twips::toPixels(120, 3150, 3000, 420));
    return group;
}

// Gives a group's controls the object names they had in the form designer.
void nameGroupControls(const GroupControls& group, const char* frame, const char* panel,
                       const char* options, const char* files, const char* test,
                       const char* label) {
    group.frame->setObjectName(frame);
    group.panel->setObjectName(panel);
    for (QRadioButton* option : group.options) {
        option->setObjectName(options);
    }
    group.files->setObjectName(files);
    group.test->setObjectName(test);
    group.label->setObjectName(label);
}

QString selectedName(const QListWidget* files) {
    const QList<QListWidgetItem*> selected = files->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

// How the save's question names a sound: a file name is longer than the two codes.
QString describe(const QString& code) {
    if (code == kBeep) {
        return "Beep";
    }
    if (code == kNoSound) {
        return "None";
    }
    return code.size() > 3 ? code : QString();
}

QString withoutLeadingBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == ' ') {
        ++start;
    }
    return text.mid(start);
}

bool isMouseRelease(const QEvent* event, Qt::MouseButton button) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent*>(event)->button() == button;
}

} // namespace

SoundInformationWindow::SoundInformationWindow(Services& services)
    : services_(services), program_(services.program),
      activation_(this, [this] { Form_Activate(); }) {
    setObjectName("Form2");
    setWindowTitle("Sound Information");
    makeDialogWindow(*this);
    setCentralWidget(new QWidget(this));

    outerFrame = new QFrame(centralWidget());
    outerFrame->setObjectName("Frame1");
    outerFrame->setGeometry(Twips::toPixels(60, 60, 7200, 6000));
    outerFrame->setFrameShape(QFrame::Box);
    buildSoundGroups();
    buildWelcomeGroup();
    new WindowKeys(*this); // Enter presses the focused button
    saveAndExitButton = new QPushButton("Save &New Settings && Exit", outerFrame);
    saveAndExitButton->setObjectName("Command1");
    saveAndExitButton->setGeometry(Twips::toPixels(120, 5400, 3420, 480));
    exitWithoutSavingButton = new QPushButton("E&xit Without Saving", outerFrame);
    exitWithoutSavingButton->setObjectName("Command2");
    exitWithoutSavingButton->setGeometry(Twips::toPixels(3660, 5400, 3420, 480));
    connect(saveAndExitButton, &QPushButton::clicked, this,
            &SoundInformationWindow::SaveSoundSettings);
    connect(exitWithoutSavingButton, &QPushButton::clicked, this,
            &SoundInformationWindow::DiscardSoundSettings);
    buildMenus();
    attachOptionsPopup();

    resize(Twips::toPixels(kSoundInformationWidth, kActivatedHeight));
    LoadSoundDialog();
}

void SoundInformationWindow::buildSoundGroups() {
    const QString folder = services_.folder.path();
    GroupControls correct =
        buildGroup(outerFrame, 120, "Sound When &Correct", {"None", "Beep", "Select Sound:"},
                   "*.wav", "&Test Sound", folder);
    correctFrame = correct.frame;
    correctPanel = correct.panel;
    correctChoice_ = correct.choice;
    correctOptions = correct.options;
    correctFiles = correct.files;
    testCorrectButton = correct.test;
    correctFileLabel = correct.label;
    GroupControls incorrect =
        buildGroup(outerFrame, 3660, "Sound When &Incorrect", {"None ", "Beep", "Select Sound:"},
                   "*.waw", "Test &Sound", folder);
    incorrectFrame = incorrect.frame;
    incorrectPanel = incorrect.panel;
    incorrectChoice_ = incorrect.choice;
    incorrectOptions = incorrect.options;
    incorrectFiles = incorrect.files;
    testIncorrectButton = incorrect.test;
    incorrectFileLabel = incorrect.label;
    nameGroupControls(correct, "Frame3D1", "Panel3D1", "Option3D1", "File1", "Command3", "Label3");
    nameGroupControls(incorrect, "Frame3D2", "Panel3D2", "Option3D2", "File2", "Command4",
                      "Label1");

    connect(correctChoice_, &OptionGroup::clicked, this,
            &SoundInformationWindow::SetCorrectSoundOption);
    connect(incorrectChoice_, &OptionGroup::clicked, this,
            &SoundInformationWindow::SetIncorrectSoundOption);
    connect(correctFiles, &QListWidget::itemSelectionChanged, this,
            [this] { program_.CorrectSoundDraft = selectedName(correctFiles); });
    connect(incorrectFiles, &QListWidget::itemSelectionChanged, this,
            [this] { program_.IncorrectSoundDraft = selectedName(incorrectFiles); });
    for (QListWidget* files : {correctFiles, incorrectFiles}) {
        files->installEventFilter(this);
        files->viewport()->installEventFilter(this);
    }
    connect(testCorrectButton, &QPushButton::clicked, this,
            [this] { program_.PlayCorrectSound(); });
    connect(testIncorrectButton, &QPushButton::clicked, this,
            [this] { program_.PlayIncorrectSound(); });
}

void SoundInformationWindow::buildWelcomeGroup() {
    welcomeFrame = new QGroupBox("&Welcome/Exit Program Sounds", outerFrame);
    welcomeFrame->setObjectName("SSFrame1");
    welcomeFrame->setGeometry(Twips::toPixels(120, 4290, 6960, 900));
    welcomePanel = new QFrame(welcomeFrame);
    welcomePanel->setObjectName("SSPanel1");
    welcomePanel->setGeometry(Twips::toPixels(90, 300, 6780, 510));
    welcomePanel->setFrameShape(QFrame::Panel);
    welcomePanel->setFrameShadow(QFrame::Sunken);
    // A right click here shows no menu, not even the group's.
    welcomePanel->setAttribute(Qt::WA_NoMousePropagation);
    welcomeChoice_ = new OptionGroup(welcomePanel);
    const QStringList captions = {"On", "Off"};
    for (int index = 0; index < 2; ++index) {
        QRadioButton* option = new QRadioButton(captions.at(index), welcomePanel);
        option->setObjectName("SSOption1");
        option->setGeometry(Twips::toPixels(1500 + index * 2400, 90, 1200, 330));
        welcomeChoice_->add(option);
        welcomeOptions.at(std::size_t(index)) = option;
    }
    connect(welcomeChoice_, &OptionGroup::clicked, this, &SoundInformationWindow::SetWelcomeOption);
}

void SoundInformationWindow::buildMenus() {
    optionsMenu = menuBar()->addMenu("&Options");
    optionsMenu->setObjectName("mO");
    saveAndExitAction = optionsMenu->addAction("Save &New Settings && Exit", this,
                                               &SoundInformationWindow::SaveSoundSettings);
    saveAndExitAction->setObjectName("mOSE");
    exitWithoutSavingAction = optionsMenu->addAction("E&xit Without Saving", this,
                                                     &SoundInformationWindow::DiscardSoundSettings);
    exitWithoutSavingAction->setObjectName("mOE");
    helpAction = menuBar()->addAction(
        "&Help", this, [this] { services_.help.showTopic(kSoundInformationHelpContext); });
    helpAction->setObjectName("mH");
}

void SoundInformationWindow::attachOptionsPopup() {
    auto* popup = new OptionsPopup(optionsMenu, this);
    for (QWidget* control : std::initializer_list<QWidget*>{
             this, centralWidget(), outerFrame, correctFrame, incorrectFrame, welcomeFrame,
             correctPanel, incorrectPanel, incorrectFileLabel, correctFileLabel, saveAndExitButton,
             exitWithoutSavingButton, testCorrectButton, testIncorrectButton,
             correctFiles->viewport(), incorrectFiles->viewport()}) {
        popup->attach(control);
    }
    for (QRadioButton* option : correctOptions) {
        popup->attach(option);
    }
    for (QRadioButton* option : incorrectOptions) {
        popup->attach(option);
    }
}

SoundInformationWindow::SoundGroup SoundInformationWindow::correctGroup() {
    return {correctChoice_,
            correctOptions,
            correctFiles,
            testCorrectButton,
            correctFileLabel,
            program_.CorrectSound,
            program_.CorrectSoundDraft,
            program_.CorrectSoundTest,
            CorrectFileOption,
            3,
            true};
}

SoundInformationWindow::SoundGroup SoundInformationWindow::incorrectGroup() {
    return {incorrectChoice_,
            incorrectOptions,
            incorrectFiles,
            testIncorrectButton,
            incorrectFileLabel,
            program_.IncorrectSound,
            program_.IncorrectSoundDraft,
            program_.SharedState,
            IncorrectFileOption,
            4,
            false};
}

void SoundInformationWindow::LoadSoundDialog() {
    kSoundInformationPlacement.place(*this, services_);
    program_.CorrectSoundDraft = program_.CorrectSound;
    program_.IncorrectSoundDraft = program_.IncorrectSound;
    CorrectFileOption = 0;
    IncorrectFileOption = 0;
    program_.CorrectSoundTest = 0;
    program_.SharedState = 0;
    WelcomeSoundsAtOpen = program_.WelcomeSounds;

    for (const SoundGroup& group : {correctGroup(), incorrectGroup()}) {
        group.choice->select(group.saved == kNoSound ? 0 : group.saved == kBeep ? 1 : 2);
    }
    welcomeChoice_->select(withoutLeadingBlanks(program_.WelcomeSounds) == "Yes" ? 0 : 1);

    for (QFrame* panel : {correctPanel, incorrectPanel, welcomePanel}) {
        FormBackground::applyColour(*panel, outerFrame->palette().color(QPalette::Window));
    }
}

void SoundInformationWindow::Form_Activate() {
    resize(width(), Twips::toPixels(kActivatedHeight));
    program_.NormalPointer();
}

void SoundInformationWindow::SetCorrectSoundOption(int index) {
    setSoundOption(correctGroup(), index);
}

void SoundInformationWindow::SetIncorrectSoundOption(int index) {
    setSoundOption(incorrectGroup(), index);
}

void SoundInformationWindow::setSoundOption(const SoundGroup& group, int index) {
    const bool fromList = index == 2;
    if (index == 0) {
        group.draft = kNoSound;
    } else if (index == 1) {
        group.draft = kBeep;
    }
    group.fileOption = fromList ? 1 : 0;
    group.files->setEnabled(fromList);
    group.test->setEnabled(fromList);
    if (!fromList) {
        group.label->setText(kNoneSelected);
    } else if (group.saved != kBeep && group.saved != kNoSound) {
        group.label->setText(group.saved);
    } else if (group.labelSaysNoneSelected) {
        group.label->setText(kNoneSelected);
    }
}

void SoundInformationWindow::SetWelcomeOption(int index) {
    program_.WelcomeSounds = index == 0 ? "Yes" : "No";
}

void SoundInformationWindow::pickFile(const SoundGroup& group) {
    group.picked = kFilePicked;
    group.label->setText(group.draft);
}

void SoundInformationWindow::SaveSoundSettings() {
    const SoundGroup groups[] = {correctGroup(), incorrectGroup()};
    for (const SoundGroup& group : groups) {
        // "Select Sound:" with no file picked, or with the list entered but nothing selected in
        // it, keeps the saved sound.
        if (group.options.at(2)->isChecked() &&
            (group.picked == 0 || selectedName(group.files).isEmpty())) {
            group.draft = group.saved;
        }
        // Nothing chosen and nothing saved mean no sound; an empty saved value (a new program
        // folder) must not discard what was chosen now.
        if (group.draft.isEmpty()) {
            group.draft = kNoSound;
            group.fileOption = 0;
        }
        if (group.saved.isEmpty()) {
            group.saved = kNoSound;
        }
    }
    if (program_.CorrectSoundDraft != kNoSound) {
        program_.PlayCorrectSound();
    }
    if (program_.IncorrectSoundDraft != kNoSound) {
        program_.PlayIncorrectSound();
    }
    QString welcome = "Off";
    if (program_.WelcomeSounds == "Yes") {
        welcome = "On";
        program_.PlayWelcomeSound();
    }
    const Dialogs::Answer answer = services_.dialogs.message(
        {"Sound Settings are:\rIf  Correct: " + describe(program_.CorrectSoundDraft) +
             "\rIf Incorrect: " + describe(program_.IncorrectSoundDraft) +
             "\rWelcome/Exit Sounds: " + welcome + "\r\rSave Settings?",
         "Sound Settings", Dialogs::Icon::Question, Dialogs::Buttons::YesNo});
    if (answer != Dialogs::Answer::Yes) {
        return;
    }
    for (const SoundGroup& group : groups) {
        if (group.draft != group.saved && group.fileOption == 1) {
            group.draft = selectedName(group.files);
        }
        group.saved = group.draft;
    }
    writeSoundRecords();
    close();
}

void SoundInformationWindow::writeSoundRecords() {
    RecordFile file = settingsFile(services_.folder, SettingsFile::SWR2);
    QStringList problems;
    bool failed = false;
    for (const SoundGroup& group : {correctGroup(), incorrectGroup()}) {
        // A name the file cannot hold would come back as another file's name: the record keeps
        // its old sound.
        if (const QStringList unkept = Cp1252::unencodable(group.saved); !unkept.isEmpty()) {
            problems.append("The sound file name \"" + group.saved +
                            "\" cannot be remembered after the program ends: it has characters "
                            "that cannot be kept (" +
                            unkept.join(' ') + "). It plays until then.");
            continue;
        }
        const RecordFile::WriteResult result = file.writeText(group.record, group.saved);
        if (result == RecordFile::WriteResult::TooLong) {
            problems.append("The sound file name \"" + group.saved +
                            "\" is too long to be remembered after the program ends: at most " +
                            QString::number(file.recordLength() - 2) +
                            " characters can be kept. It plays until then.");
        }
        failed = failed || result == RecordFile::WriteResult::Failed;
    }
    failed = file.writeText(6, program_.WelcomeSounds) == RecordFile::WriteResult::Failed || failed;
    if (failed) {
        problems.append("The sound settings could not be saved in SWR2.BMP: they hold until the "
                        "program ends.");
    }
    if (!problems.isEmpty()) {
        services_.dialogs.message({problems.join('\r'), "Sound Settings",
                                   Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    }
}

void SoundInformationWindow::DiscardSoundSettings() {
    program_.WelcomeSounds = WelcomeSoundsAtOpen;
    close();
}

bool SoundInformationWindow::eventFilter(QObject* watched, QEvent* event) {
    for (const SoundGroup& group : {correctGroup(), incorrectGroup()}) {
        if (watched == group.files && event->type() == QEvent::KeyRelease) {
            group.draft = selectedName(group.files);
            pickFile(group);
        } else if (watched == group.files->viewport()) {
            if (isMouseRelease(event, Qt::LeftButton)) {
                pickFile(group);
            } else if (event->type() == QEvent::MouseButtonPress &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
                return true; // a right click brings up the menu and leaves the selection alone
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void SoundInformationWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    activation_.queueOnFirstShow();
}

void SoundInformationWindow::closeEvent(QCloseEvent* event) {
    program_.CorrectSoundDraft.clear();
    program_.IncorrectSoundDraft.clear();
    CorrectFileOption = 0;
    IncorrectFileOption = 0;
    program_.CorrectSoundTest = 0;
    program_.SharedState = 0;
    QMainWindow::closeEvent(event);
}

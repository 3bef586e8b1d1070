// Building the quotes window: its controls as designed (in twips), menus and side toolbar.
#include "QuotesWindow.h"

#include "ColorNumber.h"
#include "FocusMoves.h"
#include "GridControl.h"
#include "InWindowDrag.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "QuoteRules.h"
#include "SideToolbarPictures.h"
#include "TextContrast.h"
#include "Twips.h"
#include "WordBox.h"
#include "WordEntryRules.h"

#include <QGroupBox>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>

namespace {

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(Twips::toPixels(left, top, width, height));
}

Panel3D* panel(QWidget* parent, int left, int top, int width, int height,
               const QString& caption = {}) {
    auto* made = new Panel3D(parent, caption);
    place(made, left, top, width, height);
    return made;
}

QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height) {
    auto* made = new QPushButton(caption, parent);
    place(made, left, top, width, height);
    return made;
}

QGroupBox* frame(QWidget* parent, const QString& caption, int left, int top, int width,
                 int height) {
    auto* made = new QGroupBox(caption, parent);
    place(made, left, top, width, height);
    return made;
}

// name: the group's and every option's objectName.
OptionGroup* options(QObject* owner, QWidget* parent, const char* name, const QStringList& captions,
                     const QList<QPoint>& at, int width) {
    auto* group = new OptionGroup(owner);
    group->setObjectName(name);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions[i], parent);
        option->setObjectName(name);
        place(option, at[i].x(), at[i].y(), width, 280);
        group->add(option);
    }
    return group;
}

// The quotes window's own pictures: a numbered list for the Display Option, a box with a red
// cross for Show Errors.
QIcon ownPicture(bool errors) {
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2.5, 2.5, 19, 19));
    if (errors) {
        painter.setPen(QPen(ColorNumber::palette(12), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(7, 7), QPointF(17, 17));
        painter.drawLine(QPointF(17, 7), QPointF(7, 17));
    } else {
        QFont font = painter.font();
        font.setPixelSize(6);
        font.setBold(true);
        painter.setFont(font);
        for (int line = 0; line < 3; ++line) {
            painter.setPen(ColorNumber::palette(1));
            painter.drawText(QRectF(4, 4 + line * 5.5, 5, 5.5), Qt::AlignCenter,
                             QString::number(line + 1));
            painter.setPen(QPen(Qt::black, 1));
            painter.drawLine(QPointF(10, 7 + line * 5.5), QPointF(19, 7 + line * 5.5));
        }
    }
    return QIcon(picture);
}

} // namespace

void QuotesWindow::buildControls() {
    mainPanelFrame = panel(centralWidget(), 200, 200, 11550, 7350);
    mainPanelFrame->setObjectName("SSPanel1");
    mainPanelFrame->setAccessibleName("Famous Quotes");
    buildPanels();
    buildButtonBar();
    buildSelectionStrip();
    buildDisplayOptionPanel();
    buildReportPanel();
    buildKeyboard();
    buildViewErrorsPanel();
    secondTimer = new QTimer(this);
    secondTimer->setObjectName("Timer1");

    colours_ = std::make_unique<PanelColours>(services_, "Save changes made to Panel Colors?");
    // Green and dark cyan for records that hold no colour. The author line and the directions
    // over a panel are black where black reads on it, else white.
    const auto panelColour = [this](Panel3D* panel, QLabel* author, WordBox* directions, int record,
                                    qint64 defaultColour) {
        return colours_->add({.title = "Panel Color",
                              .panels = {panel},
                              .file = SettingsFile::GColor1,
                              .record = record,
                              .defaultColour = defaultColour,
                              .applied = [author, directions](const QColor& colour) {
                                  for (QLabel* text : {author, static_cast<QLabel*>(directions)}) {
                                      TextContrast::showReadable(*text, Qt::black, colour);
                                  }
                              }});
    };
    upperColour_ = panelColour(upperPanel, upperAuthor, upperBoxes[66], 47, 0x8000);
    lowerColour_ = panelColour(lowerPanel, lowerAuthor, lowerBoxes[66], 48, 0x808000);
}

void QuotesWindow::buildPanels() {
    upperPanelHolder = panel(mainPanelFrame, 100, 100, 9570, 3045);
    upperPanelHolder->setObjectName("Panel3D19");
    upperPanel = panel(upperPanelHolder, 65, 65, 9435, 2917);
    upperPanel->setObjectName("Panel3D1");
    upperPanel->setAccessibleName("Upper Panel");
    lowerPanelHolder = panel(mainPanelFrame, 100, 3130, 9570, 3062);
    lowerPanelHolder->setObjectName("Panel3D20");
    lowerPanel = panel(lowerPanelHolder, 65, 65, 9435, 2917);
    lowerPanel->setObjectName("Panel3D2");
    lowerPanel->setAccessibleName("Lower Panel");
    for (int i = 0; i <= 66; ++i) {
        upperBoxes.at(std::size_t(i)) = new WordBox(i, upperPanel);
        lowerBoxes.at(std::size_t(i)) = new WordBox(i, lowerPanel);
        upperBoxes.at(std::size_t(i))->setObjectName("Label1");
        lowerBoxes.at(std::size_t(i))->setObjectName("Label2");
        upperBoxes.at(std::size_t(i))->hide();
        lowerBoxes.at(std::size_t(i))->hide();
    }
    // Tab goes through the upper panel's boxes, then the lower panel's, each in reading order.
    QWidget* previous = upperBoxes[0];
    for (const auto* boxes : {&upperBoxes, &lowerBoxes}) {
        for (int i = 0; i < QuoteState::kBoxes; ++i) {
            WordBox* box = boxes->at(std::size_t(i));
            if (box != previous) {
                setTabOrder(previous, box);
                previous = box;
            }
        }
    }
    for (WordBox* directions : {upperBoxes[66], lowerBoxes[66]}) {
        directions->setFrameStyle(QFrame::NoFrame);
        directions->setAutoFillBackground(false);
        place(directions, 0, 0, 4800, 1300);
    }
    upperAuthor = new QLabel(upperPanel);
    upperAuthor->setObjectName("Label4");
    lowerAuthor = new QLabel(lowerPanel);
    lowerAuthor->setObjectName("Label5");
    for (QLabel* author : {upperAuthor, lowerAuthor}) {
        QFont font = author->font();
        font.setItalic(true);
        font.setBold(true);
        author->setFont(font);
        author->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(author, 100, 0, 9200, 300);
        author->hide();
    }
}

void QuotesWindow::buildButtonBar() {
    buttonBar = panel(mainPanelFrame, 9780, 100, 1670, 6090);
    buttonBar->setObjectName("Panel3D3");
    startButton = button(buttonBar, "&Start", 100, 100, 1470, 420);
    startButton->setObjectName("Command1");
    checkButton = button(buttonBar, "&Check", 100, 580, 1470, 420);
    checkButton->setObjectName("Command3");
    checkButton->setEnabled(false);
    displayOptionButton = button(buttonBar, "&D. Opt.", 100, 1060, 1470, 420);
    displayOptionButton->setObjectName("Command5");
    exitButton = button(buttonBar, "E&xit", 100, 1540, 1470, 420);
    exitButton->setObjectName("Command2");

    timerFrame = frame(buttonBar, "&Timer", 50, 2030, 1570, 1250);
    timerFrame->setObjectName("Frame3D1");
    timerOptions =
        options(this, timerFrame, "Option3D1", {"Off", "On"}, {{100, 250}, {800, 250}}, 650);
    timerGauge = panel(timerFrame, 100, 600, 1370, 330);
    timerGauge->setObjectName("Panel3D5");
    timerGauge->setAccessibleName("Timer gauge");
    timerGauge->setFloodFrom(Panel3D::FloodFrom::Left);
    // The running clock lies in the frame but belongs to its container: the frame is disabled
    // while a quote runs, and the time must not be greyed with it.
    clockLabel = new QLabel(buttonBar);
    clockLabel->setObjectName("Label7");
    clockLabel->setAlignment(Qt::AlignCenter);
    place(clockLabel, 50 + 100, 2030 + 960, 1370, 250);

    wordsFrame = frame(buttonBar, "&Words", 50, 3340, 1570, 620);
    wordsFrame->setObjectName("Frame3D2");
    wordsPerBoxOptions = options(this, wordsFrame, "Option3D2", {"1", "2", "3", "4"},
                                 {{80, 280}, {440, 280}, {800, 280}, {1160, 280}}, 370);
    modeFrame = frame(buttonBar, "&Mode", 50, 4020, 1570, 620);
    modeFrame->setObjectName("Frame3D3");
    placeModeOptions =
        options(this, modeFrame, "Option3D3", {"Click", "Drag"}, {{80, 280}, {800, 280}}, 720);

    movesHeading = panel(buttonBar, 100, 4720, 1470, 300, "# Moves");
    movesHeading->setObjectName("Panel3D11");
    moveCount = panel(buttonBar, 100, 5020, 1470, 380, "0");
    moveCount->setObjectName("Panel3D13");
    moveCount->setAccessibleName("Moves");
    accuracyHeading = panel(buttonBar, 100, 5460, 1470, 300, "Accuracy");
    accuracyHeading->setObjectName("Panel3D14");
    accuracyGauge = panel(buttonBar, 100, 5760, 1470, 300, "0");
    accuracyGauge->setObjectName("Panel3D15");
    accuracyGauge->setAccessibleName("Accuracy");
    accuracyGauge->setFloodFrom(Panel3D::FloodFrom::Left);
    accuracyGauge->setFloodColour(ColorNumber::palette(9));
}

void QuotesWindow::buildSelectionStrip() {
    selectionPanel = panel(mainPanelFrame, 100, 6290, 5600, 960, "Selected Word(s) Displayed Here");
    selectionPanel->setObjectName("Panel3D10");
    selectionPanel->setAccessibleName("Selected Word(s)");
    modeBanner = panel(mainPanelFrame, 100, 6290, 5600, 960);
    modeBanner->setObjectName("Panel3D23");
    modeBanner->setAccessibleName("Mode");
    for (Panel3D* banner : {selectionPanel, modeBanner}) {
        QFont font = banner->font();
        font.setPointSize(14);
        font.setBold(true);
        banner->setFont(font);
    }
    correctResult = panel(mainPanelFrame, 5800, 6290, 1850, 960);
    correctResult->setObjectName("Panel3D16");
    wrongResult = panel(mainPanelFrame, 7700, 6290, 1850, 960);
    wrongResult->setObjectName("Panel3D17");
    blankResult = panel(mainPanelFrame, 9600, 6290, 1850, 960);
    blankResult->setObjectName("Panel3D18");
    const QStringList names{"Correct", "Wrong", "Blank"};
    int i = 0;
    for (Panel3D* result : {correctResult, wrongResult, blankResult}) {
        result->setAccessibleName(names[i++]);
        result->hide();
    }
}

void QuotesWindow::buildDisplayOptionPanel() {
    displayOptionPanel = panel(mainPanelFrame, 2400, 900, 5000, 3300, "Display Option");
    displayOptionPanel->setObjectName("Panel3D25");
    displayOptionPanel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    displayOptionPanel->setAccessibleName("Display Option");
    quotesFrame = frame(displayOptionPanel, "&Qutoes", 200, 400, 1800, 1900);
    quotesFrame->setObjectName("Frame1");
    increaseButton = button(quotesFrame, "&Increase", 150, 300, 1500, 400);
    increaseButton->setObjectName("Command7");
    quoteNumberPanel = panel(quotesFrame, 150, 780, 1500, 450, "1");
    quoteNumberPanel->setObjectName("Panel3D26");
    quoteNumberPanel->setAccessibleName("Quote number");
    decreaseButton = button(quotesFrame, "&Decrease", 150, 1330, 1500, 400);
    decreaseButton->setObjectName("Command8");
    quoteOrderOptions =
        options(this, displayOptionPanel, "Option3D4",
                {"In Order (1, 2, 3, ...)", "In Random Order (5, 2, 11, ...)", "Select:"},
                {{2200, 550}, {2200, 1050}, {2200, 1550}}, 2700);
    displayOptionOkButton = button(displayOptionPanel, "&OK", 1800, 2600, 1400, 420);
    displayOptionOkButton->setObjectName("Command6");
    displayOptionPanel->hide();
}

void QuotesWindow::buildReportPanel() {
    reportPanel = panel(mainPanelFrame, 1000, 500, 7800, 5300, "Performance Report");
    reportPanel->setObjectName("Panel3D12");
    reportPanel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    reportPanel->setAccessibleName("Performance Report");
    performanceGrid = new GridControl(reportPanel);
    performanceGrid->setObjectName("Grid1");
    performanceGrid->setAccessibleName("Performance Report");
    place(performanceGrid, 200, 450, 7400, 4150);
    performanceGrid->setCols(5);
    performanceGrid->setFixedCols(0);
    closeReportButton = button(reportPanel, "&Close", 3200, 4720, 1400, 420);
    closeReportButton->setObjectName("Command4");
    hallOfFameButton = button(reportPanel, "&View Hall of Fame", 300, 4720, 2600, 420);
    hallOfFameButton->setObjectName("Command9");
    deleteAllButton = button(reportPanel, "&Delete All Entries", 4900, 4720, 2600, 420);
    deleteAllButton->setObjectName("Command10");
    deleteAllButton->hide();
    reportPanel->hide();
}

void QuotesWindow::buildKeyboard() {
    keyboard = panel(upperPanel, 2000, 4300, 5415, 1434);
    keyboard->setObjectName("Panel3D6");
    keyboard->setAccessibleName("Keyboard");
    static const int firstRow[] = {75,   400,  730,  1060, 1390, 1730, 2060, 2390,
                                   2715, 3045, 3375, 3700, 4030, 4360, 4690, 5030};
    static const int punctuation[] = {3375, 3630, 3890, 4145, 4400, 4630, 4875, 5115};
    for (int k = 0; k < 34; ++k) {
        int left = 0;
        int top = 510;
        int width = 300;
        if (k < 16) {
            left = firstRow[k];
            top = 96;
        } else if (k < 26) {
            left = firstRow[k - 16];
        } else {
            left = punctuation[k - 26];
            width = k < 30 ? 230 : 215;
        }
        QPushButton* key = button(keyboard, WordEntryRules::keyCaption(k).replace("&", "&&"), left,
                                  top, width, 403);
        key->setObjectName("Command13");
        key->installEventFilter(this);
        keyButtons.at(std::size_t(k)) = key;
    }
    backSpaceButton = button(keyboard, "&BackSpace", 75, 940, 1615, 403);
    backSpaceButton->setObjectName("Command14");
    clearWordButton = button(keyboard, "C&lear Word", 1730, 940, 1440, 403);
    clearWordButton->setObjectName("Command15");
    previousWordButton = button(keyboard, {}, 3200, 940, 1045, 403);
    previousWordButton->setObjectName("Command16");
    previousWordButton->setAccessibleName("Previous Word");
    nextWordButton = button(keyboard, {}, 4275, 940, 1045, 403);
    nextWordButton->setObjectName("Command17");
    nextWordButton->setAccessibleName("Next Word");
    viewErrorsButton = button(keyboard, "&View Errors", 85, 923, 5245, 419);
    viewErrorsButton->setObjectName("Command19");
    viewErrorsButton->hide();
    keyboard->hide();
}

void QuotesWindow::buildViewErrorsPanel() {
    viewErrorsPanel = panel(mainPanelFrame, 300, 1000, 9200, 2700, "VIEW ERRORS");
    viewErrorsPanel->setObjectName("Panel3D7");
    viewErrorsPanel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    viewErrorsPanel->setAccessibleName("View Errors");
    viewErrorsGrid = new GridControl(viewErrorsPanel);
    viewErrorsGrid->setObjectName("Grid2");
    viewErrorsGrid->setAccessibleName("View Errors");
    place(viewErrorsGrid, 200, 450, 8800, 1500);
    viewErrorsGrid->setFixedRows(0);
    closeViewErrorsButton = button(viewErrorsPanel, "&Close", 3900, 2100, 1400, 420);
    closeViewErrorsButton->setObjectName("Command18");
    viewErrorsPanel->hide();
}

void QuotesWindow::buildMenus() {
    gameOptionsMenu = optionsMenu->addMenu("&Game Options");
    gameOptionsMenu->setObjectName("mOOpt");
    onePanelAction = gameOptionsMenu->addAction("&One Panel", this, &QuotesWindow::SetOnePanel);
    onePanelAction->setObjectName("mOOpt1");
    twoPanelsAction = gameOptionsMenu->addAction("&Two Panels", this, &QuotesWindow::SetTwoPanels);
    twoPanelsAction->setObjectName("mOOpt2");
    wordEntryMenu = gameOptionsMenu->addMenu("&Word Entry");
    wordEntryMenu->setObjectName("mOOpt3");
    for (int item = 0; item < 6; ++item) {
        QAction* grouping =
            wordEntryMenu->addAction(WordEntryRules::groupings().at(std::size_t(item)).caption,
                                     this, [this, item] { ChooseGrouping(item); });
        grouping->setObjectName("mOOpt3A");
        grouping->setCheckable(true);
        groupingActions.at(std::size_t(item)) = grouping;
    }
    for (QAction* item : {onePanelAction, twoPanelsAction}) {
        item->setCheckable(true);
    }
    optionsMenu->addSeparator();
    displayOptionAction = optionsMenu->addAction("&Display Option");
    displayOptionAction->setObjectName("mODOpt");
    displayOptionAction->setCheckable(true);
    connect(displayOptionAction, &QAction::triggered, this, [this](bool checked) {
        displayOptionAction->setChecked(!checked);
        ToggleDisplayOptions();
    });
    panelColourMenu = optionsMenu->addMenu("Panel C&olor");
    panelColourMenu->setObjectName("mOP");
    upperPanelColourAction = panelColourMenu->addAction("&Upper Panel");
    upperPanelColourAction->setObjectName("mOPUp");
    lowerPanelColourAction = panelColourMenu->addAction("&Lower Panel");
    lowerPanelColourAction->setObjectName("mOPLow");
    optionsMenu->addSeparator();
    modeMenu = optionsMenu->addMenu("&Mode");
    modeMenu->setObjectName("mOM");
    clickModeAction = modeMenu->addAction("&Click");
    clickModeAction->setObjectName("mOMClick");
    dragModeAction = modeMenu->addAction("&Drag");
    dragModeAction->setObjectName("mOMDrag");
    wordsMenu = optionsMenu->addMenu("&Words");
    wordsMenu->setObjectName("mOW");
    for (int i = 0; i < 4; ++i) {
        wordsPerBoxActions.at(std::size_t(i)) = wordsMenu->addAction("&" + QString::number(i + 1));
        wordsPerBoxActions.at(std::size_t(i))->setObjectName("mOWn");
        wordsPerBoxActions.at(std::size_t(i))->setCheckable(true);
        connect(wordsPerBoxActions.at(std::size_t(i)), &QAction::triggered, this,
                [this, i] { wordsPerBoxOptions->select(i); });
    }
    for (QAction* item : {clickModeAction, dragModeAction}) {
        item->setCheckable(true);
    }
    optionsMenu->addSeparator();
    checkAction = optionsMenu->addAction("&Check", this, &QuotesWindow::CheckContinueOrReport);
    checkAction->setObjectName("mOChk");
    checkAction->setEnabled(false);
    continueAction =
        optionsMenu->addAction("&Continue", this, &QuotesWindow::CheckContinueOrReport);
    continueAction->setObjectName("mOCon");
    continueAction->setVisible(false);
    reportAction = optionsMenu->addAction("Performance &Report");
    reportAction->setObjectName("mORep");
    // The report's opening and closing set the mark, not the menu's own toggle.
    connect(reportAction, &QAction::triggered, this, [this](bool checked) {
        reportAction->setChecked(!checked);
        CheckContinueOrReport();
    });
    reportAction->setEnabled(false);
    reportAction->setCheckable(true);
    showErrorsAction =
        optionsMenu->addAction("Show &Errors", this, &QuotesWindow::ToggleShowErrors);
    showErrorsAction->setObjectName("mOEr");
    showErrorsAction->setCheckable(true);
    showErrorsAction->setChecked(true);
    showErrorsAction->setVisible(false);
    timerAction = optionsMenu->addAction("&Timer");
    timerAction->setObjectName("mOT");
    timerAction->setCheckable(true);
    optionsMenu->addSeparator();
    startAction = optionsMenu->addAction("&Start", this, &QuotesWindow::StartNextQuote);
    startAction->setObjectName("mOS");
    nextAction = optionsMenu->addAction("&Next", this, &QuotesWindow::StartNextQuote);
    nextAction->setObjectName("mON");
    nextAction->setVisible(false);
    endAction = optionsMenu->addAction("&End", this, &QuotesWindow::StartNextQuote);
    endAction->setObjectName("mOE");
    endAction->setVisible(false);
    optionsMenu->addSeparator();
    soundAction = optionsMenu->addAction("So&und", this, &QuotesWindow::OpenSoundInformation);
    soundAction->setObjectName("mOSO");
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &QuotesWindow::ExitCommand);
    exitAction->setObjectName("mOExit");
}

void QuotesWindow::buildSideToolbar() {
    fillSideToolbar({
        {ownPicture(false), "Display Option", [this] { ToggleDisplayOptions(); }},
        {sideToolbarPicture(SidePicture::Check), "Check", [this] { CheckContinueOrReport(); }},
        {ownPicture(true), "Show Errors - OFF", [this] { showErrorsAction->trigger(); }},
        {sideToolbarPicture(SidePicture::Sound), "Sound", [this] { OpenSoundInformation(); }},
        {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
        {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }},
    });
    leftToolbar->setMouseTracking(true);
    leftToolbar->installEventFilter(this);
}

void QuotesWindow::connectHandlers() {
    connect(startButton, &QPushButton::clicked, this, &QuotesWindow::StartNextQuote);
    connect(exitButton, &QPushButton::clicked, this, &QuotesWindow::ExitCommand);
    connect(checkButton, &QPushButton::clicked, this, &QuotesWindow::CheckContinueOrReport);
    connect(closeReportButton, &QPushButton::clicked, this, &QuotesWindow::CloseReport);
    connect(displayOptionButton, &QPushButton::clicked, this, &QuotesWindow::ToggleDisplayOptions);
    connect(displayOptionOkButton, &QPushButton::clicked, this, &QuotesWindow::CloseDisplayOptions);
    connect(increaseButton, &QPushButton::clicked, this, &QuotesWindow::IncreaseQuoteNumber);
    connect(decreaseButton, &QPushButton::clicked, this, &QuotesWindow::DecreaseQuoteNumber);
    connect(hallOfFameButton, &QPushButton::clicked, this,
            &QuotesWindow::SwitchReportAndHallOfFame);
    connect(deleteAllButton, &QPushButton::clicked, this,
            &QuotesWindow::DeleteAllHallOfFameEntries);
    for (int k = 0; k < 34; ++k) {
        connect(keyButtons.at(std::size_t(k)), &QPushButton::clicked, this,
                [this, k] { TypeKey(k); });
    }
    connect(backSpaceButton, &QPushButton::clicked, this, &QuotesWindow::BackSpaceInWord);
    connect(clearWordButton, &QPushButton::clicked, this, &QuotesWindow::ClearWord);
    connect(previousWordButton, &QPushButton::clicked, this, &QuotesWindow::GoToPreviousWord);
    connect(nextWordButton, &QPushButton::clicked, this, &QuotesWindow::GoToNextWord);
    connect(closeViewErrorsButton, &QPushButton::clicked, this, &QuotesWindow::CloseViewErrors);
    connect(viewErrorsButton, &QPushButton::clicked, this, &QuotesWindow::OpenViewErrors);
    connect(secondTimer, &QTimer::timeout, this, &QuotesWindow::CountOneSecond);
    connect(upperPanelColourAction, &QAction::triggered, this, [this] {
        colours_->ChooseColour(upperColour_);
        if (panelMode_ == QuoteRules::WordEntry) {
            focusFirstKey();
        }
    });
    connect(lowerPanelColourAction, &QAction::triggered, this,
            [this] { colours_->ChooseColour(lowerColour_); });
    connect(timerAction, &QAction::triggered, this, [this](bool checked) {
        // The item has already toggled its mark; the option decides it again.
        timerOptions->select(checked ? 1 : 0);
    });
    connect(clickModeAction, &QAction::triggered, this, [this] {
        program_.SharedText = "2";
        placeModeOptions->select(0);
        SetPlaceMode(0);
    });
    connect(dragModeAction, &QAction::triggered, this, [this] {
        program_.SharedText = "2";
        placeModeOptions->select(1);
        SetPlaceMode(1);
    });
    // Each option's click does nothing once after a command selected it and applied it itself.
    const auto optionClick = [this](std::function<void(int)> apply) {
        return [this, apply](int index) {
            if (program_.SharedText != "2") {
                apply(index);
            }
            program_.SharedText.clear();
        };
    };
    connect(timerOptions, &OptionGroup::clicked, this,
            optionClick([this](int index) { SetTimerOption(index); }));
    connect(wordsPerBoxOptions, &OptionGroup::clicked, this,
            optionClick([this](int index) { SetWordsPerBox(index); }));
    connect(placeModeOptions, &OptionGroup::clicked, this,
            optionClick([this](int index) { SetPlaceMode(index); }));
    connect(quoteOrderOptions, &OptionGroup::clicked, this, &QuotesWindow::SetQuoteOrder);

    for (WordBox* box : upperBoxes) {
        connect(box, &WordBox::clicked, this, &QuotesWindow::ClickUpperBox);
        connect(box, &WordBox::pressed, this, &QuotesWindow::PressUpperBox);
        connect(box, &WordBox::keyed, this, &QuotesWindow::KeyUpperBox);
        connect(box, &WordBox::moved, this,
                [this](int, bool held) { UpperButtonHeld = held ? 1 : 0; });
        drag_->addTarget(box, [this, box](QWidget*) { DropOnUpperBox(box->index()); });
    }
    for (WordBox* box : lowerBoxes) {
        connect(box, &WordBox::clicked, this, &QuotesWindow::ClickLowerBox);
        connect(box, &WordBox::pressed, this, &QuotesWindow::PressLowerBox);
        connect(box, &WordBox::keyed, this, &QuotesWindow::KeyLowerBox);
        drag_->addTarget(box, [this](QWidget*) {
            ClearLowerDragHighlight();
            DragSource = 0;
        });
    }
    drag_->addTarget(upperPanel, [this](QWidget*) {
        ClearUpperDragHighlight();
        if (DragSource == 2) {
            ClearLowerDragHighlight();
        }
        DragSource = 0;
    });
    drag_->addTarget(
        lowerPanel,
        [this](QWidget*) {
            ClearLowerDragHighlight();
            DragSource = 0;
        },
        [this](QWidget*) { CancelUpperDrag(); });
    // A drop anywhere else in the window moves nothing and clears the highlights.
    const auto dropElsewhere = [this](QWidget*) {
        ClearUpperDragHighlight();
        ClearLowerDragHighlight();
        DragSource = 0;
    };
    for (QWidget* bar : {static_cast<QWidget*>(selectionPanel), static_cast<QWidget*>(modeBanner),
                         static_cast<QWidget*>(buttonBar)}) {
        drag_->addTarget(bar, dropElsewhere, [this](QWidget*) { CancelLowerDrag(); });
    }
    drag_->addTarget(mainPanelFrame, dropElsewhere);
    focusMoves().onGotFocus(startButton, [this] { StartButtonGotFocus(); });
}

void QuotesWindow::attachPopupToControls() {
    const QList<QWidget*> controls = mainPanelFrame->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
    attachOptionsPopup(mainPanelFrame);
}

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

OptionGroup* options(QObject* owner, QWidget* parent, const QStringList& captions,
                     const QList<QPoint>& at, int width) {
    auto* group = new OptionGroup(owner);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions[i], parent);
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
    SSPanel1 = panel(centralWidget(), 200, 200, 11550, 7350);
    SSPanel1->setAccessibleName("Famous Quotes");
    buildPanels();
    buildButtonBar();
    buildSelectionStrip();
    buildDisplayOptionPanel();
    buildReportPanel();
    buildKeyboard();
    buildViewErrorsPanel();
    Timer1 = new QTimer(this);

    colours_ = std::make_unique<PanelColours>(services_, "Save changes made to Panel Colors?");
    upperColour_ = colours_->add({"Panel Color", {}, SettingsFile::GColor1, 47, 0x8000});
    lowerColour_ = colours_->add({"Panel Color", {}, SettingsFile::GColor1, 48, 0x808000});
}

void QuotesWindow::buildPanels() {
    Panel3D19 = panel(SSPanel1, 100, 100, 9570, 3045);
    Panel3D1 = panel(Panel3D19, 65, 65, 9435, 2917);
    Panel3D1->setAccessibleName("Upper Panel");
    Panel3D20 = panel(SSPanel1, 100, 3130, 9570, 3062);
    Panel3D2 = panel(Panel3D20, 65, 65, 9435, 2917);
    Panel3D2->setAccessibleName("Lower Panel");
    for (int i = 0; i <= 66; ++i) {
        Label1.at(std::size_t(i)) = new WordBox(i, Panel3D1);
        Label2.at(std::size_t(i)) = new WordBox(i, Panel3D2);
        Label1.at(std::size_t(i))->hide();
        Label2.at(std::size_t(i))->hide();
    }
    for (WordBox* directions : {Label1[66], Label2[66]}) {
        directions->setFrameStyle(QFrame::NoFrame);
        directions->setAutoFillBackground(false);
        place(directions, 0, 0, 4800, 1300);
    }
    Label4 = new QLabel(Panel3D1);
    Label5 = new QLabel(Panel3D2);
    for (QLabel* author : {Label4, Label5}) {
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
    Panel3D3 = panel(SSPanel1, 9780, 100, 1670, 6090);
    Command1 = button(Panel3D3, "&Start", 100, 100, 1470, 420);
    Command3 = button(Panel3D3, "&Check", 100, 580, 1470, 420);
    Command3->setEnabled(false);
    Command5 = button(Panel3D3, "&D. Opt.", 100, 1060, 1470, 420);
    Command2 = button(Panel3D3, "E&xit", 100, 1540, 1470, 420);

    Frame3D1 = frame(Panel3D3, "&Timer", 50, 2030, 1570, 1250);
    Option3D1 = options(this, Frame3D1, {"Off", "On"}, {{100, 250}, {800, 250}}, 650);
    Panel3D5 = panel(Frame3D1, 100, 600, 1370, 330);
    Panel3D5->setAccessibleName("Timer gauge");
    Panel3D5->setFloodFrom(Panel3D::FloodFrom::Left);
    // The running clock lies in the frame but belongs to its container: the frame is disabled
    // while a quote runs, and the time must not be greyed with it.
    Label7 = new QLabel(Panel3D3);
    Label7->setAlignment(Qt::AlignCenter);
    place(Label7, 50 + 100, 2030 + 960, 1370, 250);

    Frame3D2 = frame(Panel3D3, "&Words", 50, 3340, 1570, 620);
    Option3D2 = options(this, Frame3D2, {"1", "2", "3", "4"},
                        {{80, 280}, {440, 280}, {800, 280}, {1160, 280}}, 370);
    Frame3D3 = frame(Panel3D3, "&Mode", 50, 4020, 1570, 620);
    Option3D3 = options(this, Frame3D3, {"Click", "Drag"}, {{80, 280}, {800, 280}}, 720);

    Panel3D11 = panel(Panel3D3, 100, 4720, 1470, 300, "# Moves");
    Panel3D13 = panel(Panel3D3, 100, 5020, 1470, 380, "0");
    Panel3D13->setAccessibleName("Moves");
    Panel3D14 = panel(Panel3D3, 100, 5460, 1470, 300, "Accuracy");
    Panel3D15 = panel(Panel3D3, 100, 5760, 1470, 300, "0");
    Panel3D15->setAccessibleName("Accuracy");
    Panel3D15->setFloodFrom(Panel3D::FloodFrom::Left);
    Panel3D15->setFloodColour(ColorNumber::palette(9));
}

void QuotesWindow::buildSelectionStrip() {
    Panel3D10 = panel(SSPanel1, 100, 6290, 5600, 960, "Selected Word(s) Displayed Here");
    Panel3D10->setAccessibleName("Selected Word(s)");
    Panel3D23 = panel(SSPanel1, 100, 6290, 5600, 960);
    Panel3D23->setAccessibleName("Mode");
    for (Panel3D* banner : {Panel3D10, Panel3D23}) {
        QFont font = banner->font();
        font.setPointSize(14);
        font.setBold(true);
        banner->setFont(font);
    }
    Panel3D16 = panel(SSPanel1, 5800, 6290, 1850, 960);
    Panel3D17 = panel(SSPanel1, 7700, 6290, 1850, 960);
    Panel3D18 = panel(SSPanel1, 9600, 6290, 1850, 960);
    const QStringList names{"Correct", "Wrong", "Blank"};
    int i = 0;
    for (Panel3D* result : {Panel3D16, Panel3D17, Panel3D18}) {
        result->setAccessibleName(names[i++]);
        result->hide();
    }
}

void QuotesWindow::buildDisplayOptionPanel() {
    Panel3D25 = panel(SSPanel1, 2400, 900, 5000, 3300, "Display Option");
    Panel3D25->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Panel3D25->setAccessibleName("Display Option");
    Frame1 = frame(Panel3D25, "&Qutoes", 200, 400, 1800, 1900);
    Command7 = button(Frame1, "&Increase", 150, 300, 1500, 400);
    Panel3D26 = panel(Frame1, 150, 780, 1500, 450, "1");
    Panel3D26->setAccessibleName("Quote number");
    Command8 = button(Frame1, "&Decrease", 150, 1330, 1500, 400);
    Option3D4 = options(this, Panel3D25,
                        {"In Order (1, 2, 3, ...)", "In Random Order (5, 2, 11, ...)", "Select:"},
                        {{2200, 550}, {2200, 1050}, {2200, 1550}}, 2700);
    Command6 = button(Panel3D25, "&OK", 1800, 2600, 1400, 420);
    Panel3D25->hide();
}

void QuotesWindow::buildReportPanel() {
    Panel3D12 = panel(SSPanel1, 1000, 500, 7800, 5300, "Performance Report");
    Panel3D12->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Panel3D12->setAccessibleName("Performance Report");
    Grid1 = new GridControl(Panel3D12);
    Grid1->setAccessibleName("Performance Report");
    place(Grid1, 200, 450, 7400, 4150);
    Grid1->setCols(5);
    Grid1->setFixedCols(0);
    Command4 = button(Panel3D12, "&Close", 3200, 4720, 1400, 420);
    Command9 = button(Panel3D12, "&View Hall of Fame", 300, 4720, 2600, 420);
    Command10 = button(Panel3D12, "&Delete All Entries", 4900, 4720, 2600, 420);
    Command10->hide();
    Panel3D12->hide();
}

void QuotesWindow::buildKeyboard() {
    Panel3D6 = panel(Panel3D1, 2000, 4300, 5415, 1434);
    Panel3D6->setAccessibleName("Keyboard");
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
        QPushButton* key = button(Panel3D6, WordEntryRules::keyCaption(k).replace("&", "&&"), left,
                                  top, width, 403);
        key->installEventFilter(this);
        Command13.at(std::size_t(k)) = key;
    }
    Command14 = button(Panel3D6, "&BackSpace", 75, 940, 1615, 403);
    Command15 = button(Panel3D6, "C&lear Word", 1730, 940, 1440, 403);
    Command16 = button(Panel3D6, {}, 3200, 940, 1045, 403);
    Command16->setAccessibleName("Previous Word");
    Command17 = button(Panel3D6, {}, 4275, 940, 1045, 403);
    Command17->setAccessibleName("Next Word");
    Command19 = button(Panel3D6, "&View Errors", 85, 923, 5245, 419);
    Command19->hide();
    Panel3D6->hide();
}

void QuotesWindow::buildViewErrorsPanel() {
    Panel3D7 = panel(SSPanel1, 300, 1000, 9200, 2700, "VIEW ERRORS");
    Panel3D7->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Panel3D7->setAccessibleName("View Errors");
    Grid2 = new GridControl(Panel3D7);
    Grid2->setAccessibleName("View Errors");
    place(Grid2, 200, 450, 8800, 1500);
    Grid2->setFixedRows(0);
    Command18 = button(Panel3D7, "&Close", 3900, 2100, 1400, 420);
    Panel3D7->hide();
}

void QuotesWindow::buildMenus() {
    mOOpt = mO->addMenu("&Game Options");
    mOOpt1 = mOOpt->addAction("&One Panel", this, &QuotesWindow::SetOnePanel);
    mOOpt2 = mOOpt->addAction("&Two Panels", this, &QuotesWindow::SetTwoPanels);
    mOOpt3 = mOOpt->addMenu("&Word Entry");
    for (int item = 0; item < 6; ++item) {
        QAction* grouping =
            mOOpt3->addAction(WordEntryRules::groupings().at(std::size_t(item)).caption, this,
                              [this, item] { mOOpt3A_Click(item); });
        grouping->setCheckable(true);
        mOOpt3A.at(std::size_t(item)) = grouping;
    }
    for (QAction* item : {mOOpt1, mOOpt2}) {
        item->setCheckable(true);
    }
    mO->addSeparator();
    mODOpt = mO->addAction("&Display Option");
    mODOpt->setCheckable(true);
    connect(mODOpt, &QAction::triggered, this, [this](bool checked) {
        mODOpt->setChecked(!checked);
        Command5_Click();
    });
    mOP = mO->addMenu("Panel C&olor");
    mOPUp = mOP->addAction("&Upper Panel");
    mOPLow = mOP->addAction("&Lower Panel");
    mO->addSeparator();
    mOM = mO->addMenu("&Mode");
    mOMClick = mOM->addAction("&Click");
    mOMDrag = mOM->addAction("&Drag");
    mOW = mO->addMenu("&Words");
    for (int i = 0; i < 4; ++i) {
        mOWn.at(std::size_t(i)) = mOW->addAction("&" + QString::number(i + 1));
        mOWn.at(std::size_t(i))->setCheckable(true);
        connect(mOWn.at(std::size_t(i)), &QAction::triggered, this,
                [this, i] { Option3D2->select(i); });
    }
    for (QAction* item : {mOMClick, mOMDrag}) {
        item->setCheckable(true);
    }
    mO->addSeparator();
    mOChk = mO->addAction("&Check", this, &QuotesWindow::Command3_Click);
    mOChk->setEnabled(false);
    mOCon = mO->addAction("&Continue", this, &QuotesWindow::Command3_Click);
    mOCon->setVisible(false);
    mORep = mO->addAction("Performance &Report");
    // The report's opening and closing set the mark, not the menu's own toggle.
    connect(mORep, &QAction::triggered, this, [this](bool checked) {
        mORep->setChecked(!checked);
        Command3_Click();
    });
    mORep->setEnabled(false);
    mORep->setCheckable(true);
    mOEr = mO->addAction("Show &Errors", this, &QuotesWindow::mOEr_Click);
    mOEr->setCheckable(true);
    mOEr->setChecked(true);
    mOEr->setVisible(false);
    mOT = mO->addAction("&Timer");
    mOT->setCheckable(true);
    mO->addSeparator();
    mOS = mO->addAction("&Start", this, &QuotesWindow::StartNextQuote);
    mON = mO->addAction("&Next", this, &QuotesWindow::StartNextQuote);
    mON->setVisible(false);
    mOE = mO->addAction("&End", this, &QuotesWindow::StartNextQuote);
    mOE->setVisible(false);
    mO->addSeparator();
    mOSO = mO->addAction("So&und", this, &QuotesWindow::mOSO_Click);
    mO->addSeparator();
    mOExit = mO->addAction("E&xit", this, &QuotesWindow::ExitCommand);
}

void QuotesWindow::buildSideToolbar() {
    fillSideToolbar({
        {ownPicture(false), "Display Option", [this] { Command5_Click(); }},
        {sideToolbarPicture(SidePicture::Check), "Check", [this] { Command3_Click(); }},
        {ownPicture(true), "Show Errors - OFF", [this] { mOEr->trigger(); }},
        {sideToolbarPicture(SidePicture::Sound), "Sound", [this] { mOSO_Click(); }},
        {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
        {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }},
    });
    Toolbar2->setMouseTracking(true);
    Toolbar2->installEventFilter(this);
}

void QuotesWindow::connectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &QuotesWindow::StartNextQuote);
    connect(Command2, &QPushButton::clicked, this, &QuotesWindow::ExitCommand);
    connect(Command3, &QPushButton::clicked, this, &QuotesWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &QuotesWindow::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &QuotesWindow::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &QuotesWindow::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &QuotesWindow::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &QuotesWindow::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &QuotesWindow::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &QuotesWindow::Command10_Click);
    for (int k = 0; k < 34; ++k) {
        connect(Command13.at(std::size_t(k)), &QPushButton::clicked, this,
                [this, k] { Command13_Click(k); });
    }
    connect(Command14, &QPushButton::clicked, this, &QuotesWindow::Command14_Click);
    connect(Command15, &QPushButton::clicked, this, &QuotesWindow::Command15_Click);
    connect(Command16, &QPushButton::clicked, this, &QuotesWindow::Command16_Click);
    connect(Command17, &QPushButton::clicked, this, &QuotesWindow::Command17_Click);
    connect(Command18, &QPushButton::clicked, this, &QuotesWindow::Command18_Click);
    connect(Command19, &QPushButton::clicked, this, &QuotesWindow::Command19_Click);
    connect(Timer1, &QTimer::timeout, this, &QuotesWindow::Timer1_Timer);
    connect(mOPUp, &QAction::triggered, this, [this] {
        colours_->ChooseColour(upperColour_);
        Panel3D1->setBackColour(colours_->colour(upperColour_));
        if (panelMode_ == QuoteRules::WordEntry) {
            focusFirstKey();
        }
    });
    connect(mOPLow, &QAction::triggered, this, [this] {
        colours_->ChooseColour(lowerColour_);
        Panel3D2->setBackColour(colours_->colour(lowerColour_));
    });
    connect(mOT, &QAction::triggered, this, [this](bool checked) {
        // The item has already toggled its mark; the option decides it again.
        Option3D1->select(checked ? 1 : 0);
    });
    connect(mOMClick, &QAction::triggered, this, [this] {
        program_.SharedText = "2";
        Option3D3->select(0);
        SetPlaceMode(0);
    });
    connect(mOMDrag, &QAction::triggered, this, [this] {
        program_.SharedText = "2";
        Option3D3->select(1);
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
    connect(Option3D1, &OptionGroup::clicked, this,
            optionClick([this](int index) { SetTimerOption(index); }));
    connect(Option3D2, &OptionGroup::clicked, this,
            optionClick([this](int index) { SetWordsPerBox(index); }));
    connect(Option3D3, &OptionGroup::clicked, this,
            optionClick([this](int index) { SetPlaceMode(index); }));
    connect(Option3D4, &OptionGroup::clicked, this, &QuotesWindow::SetQuoteOrder);

    for (WordBox* box : Label1) {
        connect(box, &WordBox::clicked, this, &QuotesWindow::Label1_Click);
        connect(box, &WordBox::pressed, this, &QuotesWindow::Label1_MouseDown);
        connect(box, &WordBox::moved, this,
                [this](int, bool held) { UpperButtonHeld = held ? 1 : 0; });
        drag_->addTarget(box, [this, box](QWidget*) { Label1_DragDrop(box->index()); });
    }
    for (WordBox* box : Label2) {
        connect(box, &WordBox::clicked, this, &QuotesWindow::Label2_Click);
        connect(box, &WordBox::pressed, this, &QuotesWindow::Label2_MouseDown);
        drag_->addTarget(box, [this](QWidget*) {
            ClearLowerDragHighlight();
            DragSource = 0;
        });
    }
    drag_->addTarget(Panel3D1, [this](QWidget*) {
        ClearUpperDragHighlight();
        if (DragSource == 2) {
            ClearLowerDragHighlight();
        }
        DragSource = 0;
    });
    drag_->addTarget(
        Panel3D2,
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
    for (QWidget* bar : {static_cast<QWidget*>(Panel3D10), static_cast<QWidget*>(Panel3D23),
                         static_cast<QWidget*>(Panel3D3)}) {
        drag_->addTarget(bar, dropElsewhere, [this](QWidget*) { CancelLowerDrag(); });
    }
    drag_->addTarget(SSPanel1, dropElsewhere);
    focusMoves().onGotFocus(Command1, [this] { Command1_GotFocus(); });
}

void QuotesWindow::attachPopupToControls() {
    const QList<QWidget*> controls = SSPanel1->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
    attachOptionsPopup(SSPanel1);
}

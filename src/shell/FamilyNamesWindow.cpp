#include "FamilyNamesWindow.h"

#include "ColorNumber.h"
#include "DialogPlacement.h"
#include "DialogWindow.h"
#include "ElasticResizer.h"
#include "FamilyNamesFile.h"
#include "PanelColours.h"
#include "StorableText.h"
#include "Twips.h"
#include "WindowKeys.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kFamilyNamesHelpContext = 1005;
constexpr int kFamilyNamesWidth = 5280;
constexpr int kLoadHeight = 5355;
constexpr DialogPlacement kFamilyNamesPlacement{0.44, 0.67, 300};

// Where the two columns of nine names stand inside the panel, in twips.
constexpr int kFirstRowTop = 180;
constexpr int kRowStep = 405;
constexpr int kBoxWidth = 1260;
constexpr int kBoxHeight = 330;
constexpr int kLabelWidth = 1080;

const QColor kHighlightLabel = ColorNumber::palette(1);
const QColor kHighlightBox = ColorNumber::palette(14);

QString ordinal(int number) {
    const char* suffix = number == 1 ? "st" : number == 2 ? "nd" : number == 3 ? "rd" : "th";
    return QString::number(number) + suffix;
}

bool isLeftClick(const QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

FamilyNamesWindow::FamilyNamesWindow(Services& services)
    : services_(services), program_(services.program),
      activation_(this, [this] { Form_Activate(); }) {
    setObjectName("Form12");
    setWindowTitle("Family Names Entry");
    makeDialogWindow(*this);
    setCentralWidget(new QWidget(this));
    focusMoves_ = new FocusMoves(*this);

    boxColourSample = new QLineEdit(centralWidget());
    boxColourSample->setObjectName("Text2");
    boxColourSample->hide();
    systemColourSample = new QLabel(centralWidget());
    systemColourSample->setObjectName("Label2");
    systemColourSample->hide();
    setColour(systemColourSample, QPalette::Window, systemDefaultColour());

    namesPanel = new QFrame(centralWidget());
    namesPanel->setObjectName("Panel3D3");
    namesPanel->setFrameShape(QFrame::Panel);
    namesPanel->setFrameShadow(QFrame::Raised);
    namesPanel->setAutoFillBackground(true);
    buildNameBoxes();
    new WindowKeys(*this); // Enter presses the focused button
    saveAndExitButton = new QPushButton("&Save and Exit", namesPanel);
    saveAndExitButton->setObjectName("Command1");
    saveAndExitButton->setGeometry(Twips::toPixels(780, 3960, 1680, 435));
    exitButton = new QPushButton("E&xit", namesPanel);
    exitButton->setObjectName("Command2");
    exitButton->setGeometry(Twips::toPixels(2700, 3960, 1680, 435));
    namesPanel->setGeometry(Twips::toPixels(60, 60, 5160, 4560));
    connect(saveAndExitButton, &QPushButton::clicked, this, &FamilyNamesWindow::SaveFamilyNames);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    focusMoves_->onGotFocus(saveAndExitButton, [this] { HighlightNameBox(kNoBox); });
    buildMenus();

    resize(Twips::toPixels(kFamilyNamesWidth, kLoadHeight));
    resizer = new ElasticResizer(*this);
    resizer->setObjectName("vsElasticLight1");
    LoadFamilyNames();
}

void FamilyNamesWindow::buildNameBoxes() {
    for (int index = 0; index < FamilyNamesFile::kNames; ++index) {
        const bool leftColumn = index < 9;
        const int top = kFirstRowTop + (index % 9) * kRowStep;
        const QString name = ordinal(index + 1) + " Name";
        // The right column's labels stand to the right of their boxes, the colon towards the box.
        nameLabels.at(index) = new QLabel(leftColumn ? name + ":" : ":" + name, namesPanel);
        nameLabels.at(index)->setObjectName("Label1");
        nameBoxes.at(index) = new QLineEdit(namesPanel);
        nameBoxes.at(index)->setObjectName("Text1");
        // A name shows as its record keeps it: at most its length, each character the file cannot
        // hold as "?".
        nameBoxes.at(index)->setMaxLength(FamilyNamesFile::kLongestName);
        StorableText::guard(*nameBoxes.at(index));
        nameBoxes.at(index)->setAccessibleName(name);
        nameBoxes.at(index)->installEventFilter(this);
        focusMoves_->onGotFocus(nameBoxes.at(index), [this, index] { HighlightNameBox(index); });
        if (leftColumn) {
            nameLabels.at(index)->setGeometry(Twips::toPixels(60, top + 30, kLabelWidth, 300));
            nameLabels.at(index)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            nameBoxes.at(index)->setGeometry(Twips::toPixels(1200, top, kBoxWidth, kBoxHeight));
        } else {
            nameBoxes.at(index)->setGeometry(Twips::toPixels(2580, top, kBoxWidth, kBoxHeight));
            nameLabels.at(index)->setGeometry(
                Twips::toPixels(3900, top + 30, kLabelWidth + 120, 300));
        }
    }
}

void FamilyNamesWindow::buildMenus() {
    optionsMenu = menuBar()->addMenu("&Options");
    optionsMenu->setObjectName("mO");
    saveAndExitAction =
        optionsMenu->addAction("&Save and Exit", this, &FamilyNamesWindow::SaveFamilyNames);
    saveAndExitAction->setObjectName("mOS");
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &QWidget::close);
    exitAction->setObjectName("mOE");
    helpAction = menuBar()->addAction("&Help", this, &FamilyNamesWindow::ShowHelpTopic);
    helpAction->setObjectName("mH");
}

void FamilyNamesWindow::LoadFamilyNames() {
    resizer->setEnabled(program_.ScreenMode != 9);
    const QStringList stored = FamilyNamesFile::read(services_.folder);
    for (int index = 0; index < FamilyNamesFile::kNames; ++index) {
        nameBoxes.at(index)->setText(stored.at(index));
    }
    setColour(namesPanel, QPalette::Window, systemColourSample->palette().color(QPalette::Window));
    for (QLineEdit* box : nameBoxes) {
        setColour(box, QPalette::Base, boxColourSample->palette().color(QPalette::Base));
    }
}

void FamilyNamesWindow::Form_Activate() {
    kFamilyNamesPlacement.place(*this, services_);
    QCoreApplication::processEvents();
    show();
    program_.NormalPointer();
}

void FamilyNamesWindow::HighlightNameBox(int index) {
    for (int k = 0; k < FamilyNamesFile::kNames; ++k) {
        setColour(nameLabels.at(k), QPalette::WindowText, Qt::black);
        setColour(nameBoxes.at(k), QPalette::Base,
                  boxColourSample->palette().color(QPalette::Base));
    }
    if (index >= 0 && index < FamilyNamesFile::kNames) {
        setColour(nameLabels.at(index), QPalette::WindowText, kHighlightLabel);
        setColour(nameBoxes.at(index), QPalette::Base, kHighlightBox);
    }
}

QStringList FamilyNamesWindow::names() const {
    QStringList typed;
    for (const QLineEdit* box : nameBoxes) {
        typed.append(box->text());
    }
    return typed;
}

void FamilyNamesWindow::SaveFamilyNames() {
    const QStringList typed = names();
    // A name of blanks counts as entered.
    const auto firstEmpty = std::find_if(typed.begin(), typed.end(),
                                         [](const QString& name) { return name.isEmpty(); });
    if (firstEmpty != typed.end()) {
        services_.sound.beep();
        refuseSave(int(firstEmpty - typed.begin()), "All Names must be Entered\rin Order to Save.");
        return;
    }
    if (FamilyNamesFile::write(services_.folder, typed) != RecordFile::WriteResult::Written) {
        services_.dialogs.message(
            {QString("The family names could not be saved in ") + FamilyNamesFile::kFileName +
                 ".\rThe file keeps the names it had; the names you typed "
                 "stay in this window.",
             "Save and Exit Command", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        return;
    }
    close();
}

void FamilyNamesWindow::refuseSave(int box, const QString& reason) {
    services_.dialogs.message(
        {reason, "Save and Exit Command", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    nameBoxes.at(box)->setFocus(Qt::OtherFocusReason);
}

void FamilyNamesWindow::ShowHelpTopic() {
    services_.help.showTopic(kFamilyNamesHelpContext);
    for (QLineEdit* box : nameBoxes) {
        if (box->palette().color(QPalette::Base) == kHighlightBox) {
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    saveAndExitButton->setFocus(Qt::OtherFocusReason);
}

bool FamilyNamesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isLeftClick(event)) {
        for (int index = 0; index < FamilyNamesFile::kNames; ++index) {
            if (watched == nameBoxes.at(index)) {
                HighlightNameBox(index);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FamilyNamesWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    activation_.queueOnFirstShow();
}

void FamilyNamesWindow::closeEvent(QCloseEvent* event) {
    program_.SignalValue = 0;
    QMainWindow::closeEvent(event);
}

#include "FamilyNamesWindow.h"

#include "ColorNumber.h"
#include "DialogPlacement.h"
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

constexpr int kHelpContext = 1005;
constexpr int kDesignedWidth = 5280;
constexpr int kLoadHeight = 5355;
constexpr DialogPlacement kPlacement{0.44, 0.67, 300};

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
    setWindowFlags(Qt::Dialog);
    setCentralWidget(new QWidget(this));
    focusMoves_ = new FocusMoves(*this);

    Text2 = new QLineEdit(centralWidget());
    Text2->hide();
    Label2 = new QLabel(centralWidget());
    Label2->hide();
    setColour(Label2, QPalette::Window, systemDefaultColour());

    Panel3D3 = new QFrame(centralWidget());
    Panel3D3->setFrameShape(QFrame::Panel);
    Panel3D3->setFrameShadow(QFrame::Raised);
    Panel3D3->setAutoFillBackground(true);
    buildNameBoxes();
    new WindowKeys(*this); // Enter presses the focused button
    Command1 = new QPushButton("&Save and Exit", Panel3D3);
    Command1->setGeometry(Twips::toPixels(780, 3960, 1680, 435));
    Command2 = new QPushButton("E&xit", Panel3D3);
    Command2->setGeometry(Twips::toPixels(2700, 3960, 1680, 435));
    Panel3D3->setGeometry(Twips::toPixels(60, 60, 5160, 4560));
    connect(Command1, &QPushButton::clicked, this, &FamilyNamesWindow::SaveFamilyNames);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    focusMoves_->onGotFocus(Command1, [this] { HighlightNameBox(kNoBox); });
    buildMenus();

    resize(Twips::toPixels(kDesignedWidth, kLoadHeight));
    vsElasticLight1 = new ElasticResizer(*this);
    LoadFamilyNames();
}

void FamilyNamesWindow::buildNameBoxes() {
    for (int index = 0; index < FamilyNamesFile::kNames; ++index) {
        const bool leftColumn = index < 9;
        const int top = kFirstRowTop + (index % 9) * kRowStep;
        const QString name = ordinal(index + 1) + " Name";
        // The right column's labels stand to the right of their boxes, the colon towards the box.
        Label1.at(index) = new QLabel(leftColumn ? name + ":" : ":" + name, Panel3D3);
        Text1.at(index) = new QLineEdit(Panel3D3);
        // A name shows as its record keeps it: at most its length, each character the file cannot
        // hold as "?".
        Text1.at(index)->setMaxLength(FamilyNamesFile::kLongestName);
        StorableText::guard(*Text1.at(index));
        Text1.at(index)->setAccessibleName(name);
        Text1.at(index)->installEventFilter(this);
        focusMoves_->onGotFocus(Text1.at(index), [this, index] { HighlightNameBox(index); });
        if (leftColumn) {
            Label1.at(index)->setGeometry(Twips::toPixels(60, top + 30, kLabelWidth, 300));
            Label1.at(index)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Text1.at(index)->setGeometry(Twips::toPixels(1200, top, kBoxWidth, kBoxHeight));
        } else {
            Text1.at(index)->setGeometry(Twips::toPixels(2580, top, kBoxWidth, kBoxHeight));
            Label1.at(index)->setGeometry(Twips::toPixels(3900, top + 30, kLabelWidth + 120, 300));
        }
    }
}

void FamilyNamesWindow::buildMenus() {
    mO = menuBar()->addMenu("&Options");
    mOS = mO->addAction("&Save and Exit", this, &FamilyNamesWindow::SaveFamilyNames);
    mO->addSeparator();
    mOE = mO->addAction("E&xit", this, &QWidget::close);
    mH = menuBar()->addAction("&Help", this, &FamilyNamesWindow::ShowHelpTopic);
}

void FamilyNamesWindow::LoadFamilyNames() {
    vsElasticLight1->setEnabled(program_.ScreenMode != 9);
    const QStringList stored = FamilyNamesFile::read(services_.folder);
    for (int index = 0; index < FamilyNamesFile::kNames; ++index) {
        Text1.at(index)->setText(stored.at(index));
    }
    setColour(Panel3D3, QPalette::Window, Label2->palette().color(QPalette::Window));
    for (QLineEdit* box : Text1) {
        setColour(box, QPalette::Base, Text2->palette().color(QPalette::Base));
    }
}

void FamilyNamesWindow::Form_Activate() {
    kPlacement.place(*this, services_);
    QCoreApplication::processEvents();
    show();
    program_.NormalPointer();
}

void FamilyNamesWindow::HighlightNameBox(int index) {
    for (int k = 0; k < FamilyNamesFile::kNames; ++k) {
        setColour(Label1.at(k), QPalette::WindowText, Qt::black);
        setColour(Text1.at(k), QPalette::Base, Text2->palette().color(QPalette::Base));
    }
    if (index >= 0 && index < FamilyNamesFile::kNames) {
        setColour(Label1.at(index), QPalette::WindowText, kHighlightLabel);
        setColour(Text1.at(index), QPalette::Base, kHighlightBox);
    }
}

QStringList FamilyNamesWindow::names() const {
    QStringList typed;
    for (const QLineEdit* box : Text1) {
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
    Text1.at(box)->setFocus(Qt::OtherFocusReason);
}

void FamilyNamesWindow::ShowHelpTopic() {
    services_.help.showTopic(kHelpContext);
    for (QLineEdit* box : Text1) {
        if (box->palette().color(QPalette::Base) == kHighlightBox) {
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    Command1->setFocus(Qt::OtherFocusReason);
}

bool FamilyNamesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isLeftClick(event)) {
        for (int index = 0; index < FamilyNamesFile::kNames; ++index) {
            if (watched == Text1.at(index)) {
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

#include "AboutBox.h"

#include "DialogPlacement.h"
#include "DisplayText.h"
#include "ElasticResizer.h"
#include "OptionsPopup.h"
#include "PanelColours.h"
#include "Twips.h"
#include "WebSite.h"
#include "WindowKeys.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kDesignedWidth = 5040;
constexpr int kDesignedHeight = 4230;
constexpr DialogPlacement kPlacement{0.42, 0.47, 100};

constexpr const char* kProductLines = "Korvane\rVersion 4.5\r\r"
                                      "Korvane Family Software\r"
                                      "Contact: help@korvane.example";

constexpr const char* kCredits =
    "Korvane was made by Korvane Family Software for families who like to learn and play "
    "together.\r\r"
    "Thank you to the families who tested every activity at their kitchen tables, to the "
    "grandparents who checked the quotes and the words, and to the children who found the "
    "hardest puzzles first.";

void setColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

AboutBox::AboutBox(Services& services)
    : services_(services), activation_(this, [this] { Form_Activate(); }) {
    setObjectName("About1");
    setWindowTitle("About Korvane");
    setWindowFlags(Qt::Dialog);

    Image2 = new QLabel(this);
    Image2->setGeometry(Twips::toPixels(0, 0, kDesignedWidth, kDesignedHeight));
    Image2->setScaledContents(true);
    Label2 = new QLabel(this);
    Label2->hide();
    setColour(Label2, systemDefaultColour());

    SSPanel1 = new QFrame(this);
    SSPanel1->setGeometry(Twips::toPixels(360, 240, 4320, 2760));
    SSPanel1->setFrameShape(QFrame::Panel);
    SSPanel1->setFrameShadow(QFrame::Raised);
    SSPanel1->setAutoFillBackground(true);
    Label1 = new QLabel(SSPanel1);
    Label1->setGeometry(Twips::toPixels(180, 120, 3960, 1800));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label4 = new QLabel("Web Site:", SSPanel1);
    Label4->setGeometry(Twips::toPixels(180, 2160, 1080, 300));
    Label5 = new QLabel(WebSite::kHost, SSPanel1);
    Label5->setGeometry(Twips::toPixels(1260, 2160, 2880, 300));
    Label5->setAccessibleName(WebSite::kHost);
    Label5->setToolTip("Visit the web site");
    Label5->setCursor(Qt::PointingHandCursor);
    QPalette linkPalette = Label5->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    Label5->setPalette(linkPalette);
    Label5->installEventFilter(this);

    new WindowKeys(*this); // Enter presses the focused button
    Command1 = new QPushButton("OK", this);
    Command1->setGeometry(Twips::toPixels(1920, 3240, 1200, 420));
    Command1->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    Label3 = new QLabel(this);
    Label3->setGeometry(Twips::toPixels(3360, 3240, 1320, 420));
    Label3->setAccessibleName("Options");
    Label3->setToolTip("Right-click for options");

    mO = new QMenu("Opt", this);
    mOOK = mO->addAction("OK", this, &QWidget::close);
    auto* popup = new OptionsPopup(mO, this);
    popup->attach(Command1);
    popup->attach(Label3);

    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    vsElasticLight1 = new ElasticResizer(*this);
    Form_Load();
}

void AboutBox::Form_Load() {
    vsElasticLight1->setEnabled(services_.program.ScreenMode != 9);
    kPlacement.place(*this, services_);
    Label1->setText(DisplayText::lines(kProductLines));
    setColour(this, Label2->palette().color(QPalette::Window));
    showPicture();
}

void AboutBox::showPicture() {
    const auto* stem = std::get_if<QString>(&services_.program.Background);
    const QString name = stem != nullptr && stem->left(2) == "WP" ? *stem + ".jpg" : "WP2.jpg";
    const QPixmap picture(services_.folder.file(name));
    // Without its picture the box shows its own colour.
    Image2->setPixmap(picture);
    Image2->setVisible(!picture.isNull());
}

void AboutBox::Form_Activate() {
    // Sized again; the box has not moved since its load.
    kPlacement.place(*this, services_);
    services_.program.NormalPointer();
}

void AboutBox::HiddenCreditsBox() {
    const std::optional<QString> code = services_.dialogs.input("Enter Code Now", "Code Box", "");
    if (code.has_value() && code->toUpper() == kAccessCode) {
        services_.dialogs.message(
            {kCredits, "Software Information", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    }
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Command1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F9) {
        HiddenCreditsBox();
        return true;
    }
    if (watched == Label5 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Label5->rect().contains(mouse->position().toPoint())) {
            services_.web.open(WebSite::kHost);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AboutBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activation_.queueOnFirstShow();
}

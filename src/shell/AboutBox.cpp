#include "AboutBox.h"

#include "DialogPlacement.h"
#include "DialogWindow.h"
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

constexpr int kAboutBoxWidth = 5040;
constexpr int kAboutBoxHeight = 4230;
constexpr DialogPlacement kAboutBoxPlacement{0.42, 0.47, 100};

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
    makeDialogWindow(*this);

    backgroundPicture = new QLabel(this);
    backgroundPicture->setObjectName("Image2");
    backgroundPicture->setGeometry(Twips::toPixels(0, 0, kAboutBoxWidth, kAboutBoxHeight));
    backgroundPicture->setScaledContents(true);
    systemColourSample = new QLabel(this);
    systemColourSample->setObjectName("Label2");
    systemColourSample->hide();
    setColour(systemColourSample, systemDefaultColour());

    productPanel = new QFrame(this);
    productPanel->setObjectName("SSPanel1");
    productPanel->setGeometry(Twips::toPixels(360, 240, 4320, 2760));
    productPanel->setFrameShape(QFrame::Panel);
    productPanel->setFrameShadow(QFrame::Raised);
    productPanel->setAutoFillBackground(true);
    productLabel = new QLabel(productPanel);
    productLabel->setObjectName("Label1");
    productLabel->setGeometry(Twips::toPixels(180, 120, 3960, 1800));
    productLabel->setAlignment(Qt::AlignCenter);
    productLabel->setWordWrap(true);
    webSiteCaption = new QLabel("Web Site:", productPanel);
    webSiteCaption->setObjectName("Label4");
    webSiteCaption->setGeometry(Twips::toPixels(180, 2160, 1080, 300));
    webSiteLink = new QLabel(WebSite::kHost, productPanel);
    webSiteLink->setObjectName("Label5");
    webSiteLink->setGeometry(Twips::toPixels(1260, 2160, 2880, 300));
    webSiteLink->setAccessibleName(WebSite::kHost);
    webSiteLink->setToolTip("Visit the web site");
    webSiteLink->setCursor(Qt::PointingHandCursor);
    QPalette linkPalette = webSiteLink->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    webSiteLink->setPalette(linkPalette);
    webSiteLink->installEventFilter(this);

    new WindowKeys(*this); // Enter presses the focused button
    okButton = new QPushButton("OK", this);
    okButton->setObjectName("Command1");
    okButton->setGeometry(Twips::toPixels(1920, 3240, 1200, 420));
    okButton->installEventFilter(this);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);
    optionsArea = new QLabel(this);
    optionsArea->setObjectName("Label3");
    optionsArea->setGeometry(Twips::toPixels(3360, 3240, 1320, 420));
    optionsArea->setAccessibleName("Options");
    optionsArea->setToolTip("Right-click for options");

    optionsMenu = new QMenu("Opt", this);
    optionsMenu->setObjectName("mO");
    okAction = optionsMenu->addAction("OK", this, &QWidget::close);
    okAction->setObjectName("mOOK");
    auto* popup = new OptionsPopup(optionsMenu, this);
    popup->attach(okButton);
    popup->attach(optionsArea);

    resize(Twips::toPixels(kAboutBoxWidth, kAboutBoxHeight));
    resizer = new ElasticResizer(*this);
    resizer->setObjectName("vsElasticLight1");
    Form_Load();
}

void AboutBox::Form_Load() {
    resizer->setEnabled(services_.program.ScreenMode != 9);
    kAboutBoxPlacement.place(*this, services_);
    productLabel->setText(DisplayText::lines(kProductLines));
    setColour(this, systemColourSample->palette().color(QPalette::Window));
    showPicture();
}

void AboutBox::showPicture() {
    const auto* stem = std::get_if<QString>(&services_.program.Background);
    const QString name = stem != nullptr && stem->left(2) == "WP" ? *stem + ".jpg" : "WP2.jpg";
    const QPixmap picture(services_.folder.file(name));
    // Without its picture the box shows its own colour.
    backgroundPicture->setPixmap(picture);
    backgroundPicture->setVisible(!picture.isNull());
}

void AboutBox::Form_Activate() {
    // Sized again; the box has not moved since its load.
    kAboutBoxPlacement.place(*this, services_);
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
    if (watched == okButton && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F9) {
        HiddenCreditsBox();
        return true;
    }
    if (watched == webSiteLink && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            webSiteLink->rect().contains(mouse->position().toPoint())) {
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

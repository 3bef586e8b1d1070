#include "GridBackgroundSelector.h"

#include "ColorNumber.h"
#include "PanelColours.h"
#include "Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kThumbnailWidth = 72;
constexpr int kThumbnailHeight = 54;

QString pictureStem(int index) {
    return "WP" + QString::number(index + 1);
}

// A picture setting: "WP" in any letter case; the thumbnails are marked only for exact capitals.
bool namesPicture(const QString& setting) {
    return setting.left(2).toUpper() == "WP";
}

} // namespace

GridBackgroundSelector::GridBackgroundSelector(Services& services, Grid grid, QWidget* parent)
    : QFrame(parent), services_(services), grid_(std::move(grid)),
      defaultColour_(systemDefaultColour()) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setAccessibleName("Grid Background Selector");

    auto* thumbnailGrid = new QGridLayout;
    for (int index = 0; index < int(thumbnails.size()); ++index) {
        auto* thumbnail = new QToolButton(this);
        thumbnail->setIconSize(QSize(kThumbnailWidth, kThumbnailHeight));
        thumbnail->setAccessibleName(pictureStem(index));
        thumbnail->setToolTip(pictureStem(index));
        connect(thumbnail, &QToolButton::clicked, this, [this, index] { previewThumbnail(index); });
        thumbnail->setObjectName("Image3");
        thumbnailGrid->addWidget(thumbnail, index / 8, index % 8);
        thumbnails[std::size_t(index)] = thumbnail;
    }
    selectionFrame = new QFrame(this);
    selectionFrame->setFrameShape(QFrame::Box);
    selectionFrame->setLineWidth(2);
    QPalette framePalette = selectionFrame->palette();
    framePalette.setColor(QPalette::WindowText, Qt::blue);
    selectionFrame->setPalette(framePalette);
    selectionFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    selectionFrame->hide();

    const char* captions[] = {"&Select Color Background", "Use &Default Background",
                              "Use &Above Background", "&Cancel"};
    auto* buttons = new QHBoxLayout;
    for (std::size_t i = 0; i < choiceButtons.size(); ++i) {
        choiceButtons[i] = new QPushButton(captions[i], this);
        choiceButtons[i]->setObjectName("Command16");
        buttons->addWidget(choiceButtons[i]);
        connect(choiceButtons[i], &QPushButton::clicked, this, [this, i] { choose(int(i)); });
    }
    choiceButtons[2]->setEnabled(false); // until the first preview
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(thumbnailGrid);
    layout->addLayout(buttons);
    hide();
}

void GridBackgroundSelector::setDesign(const Design& design) {
    design_ = design;
    delete layout();
    resize(Twips::toPixels(design.width, design.height));
    const QSize icon = Twips::toPixels(design.thumbnailWidth, design.thumbnailHeight);
    for (int index = 0; index < int(thumbnails.size()); ++index) {
        thumbnails[std::size_t(index)]->setIconSize(icon);
        Twips::place(thumbnails[std::size_t(index)], design.thumbnailLefts[std::size_t(index % 4)],
                     design.thumbnailTops[std::size_t(index / 4)], design.thumbnailWidth,
                     design.thumbnailHeight);
    }
    for (std::size_t i = 0; i < choiceButtons.size(); ++i) {
        Twips::place(choiceButtons[i], design.buttonLefts[i], design.buttonsTop,
                     design.buttonWidths[i], design.buttonsHeight);
    }
}

void GridBackgroundSelector::loadSetting(const QString& stored) {
    const QString setting = trimmedRight(stored);
    bool isNumber = false;
    setting.mid(2).toInt(&isNumber);
    if (namesPicture(setting) && isNumber) {
        setting_ = setting;
        grid_.showPicture(services_.folder.file(setting + ".jpg"));
        return;
    }
    grid_.showPicture({});
    const std::optional<QColor> colour =
        setting == "Default" ? std::nullopt : storedColourNumber(setting);
    if (colour.has_value()) {
        grid_.setColour(*colour);
        setting_ = setting;
        return;
    }
    grid_.setColour(defaultColour_);
    setting_ = QString::number(ColorNumber::fromColor(defaultColour_));
}

std::optional<QString> GridBackgroundSelector::settingToSave() const {
    switch (state_) {
    case State::Colour:
        return QString::number(ColorNumber::fromColor(grid_.colour()));
    case State::Default:
        return QString("Default");
    case State::Picture:
        return setting_;
    case State::Unchanged:
        break;
    }
    return std::nullopt;
}

void GridBackgroundSelector::toggle(QWidget* centreOn) {
    services_.program.BusyPointer();
    if (isVisible()) {
        HideBackgroundSelector();
        services_.program.NormalPointer();
        return;
    }
    open(centreOn);
    services_.program.NormalPointer();
}

void GridBackgroundSelector::HideBackgroundSelector() {
    hide();
    for (QToolButton* thumbnail : thumbnails) {
        thumbnail->setIcon(QIcon());
    }
}

void GridBackgroundSelector::choose(int button) {
    HideBackgroundSelector();
    switch (button) {
    case 0:
        chooseColour();
        break;
    case 1:
        useDefault();
        break;
    case 2:
        useAbove();
        break;
    default:
        cancel();
        break;
    }
    emit restoreStatus();
}

void GridBackgroundSelector::cancel() {
    HideBackgroundSelector();
    showSetting();
    state_ = State::Unchanged;
}

void GridBackgroundSelector::open(QWidget* centreOn) {
    for (int index = 0; index < int(thumbnails.size()); ++index) {
        const QPixmap picture(services_.folder.file(pictureStem(index) + ".jpg"));
        const QSize size = thumbnails[std::size_t(index)]->iconSize();
        thumbnails[std::size_t(index)]->setIcon(
            picture.isNull() ? QIcon()
                             : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        thumbnails[std::size_t(index)]->setAutoRaise(false);
    }
    selectionFrame->hide();
    emit statusText("Grid Background Selector");
    if (setting_.startsWith("WP")) {
        bool isNumber = false;
        const int number = setting_.mid(2).toInt(&isNumber);
        if (isNumber && number >= 1 && number <= int(thumbnails.size())) {
            markThumbnail(number - 1);
        }
    }
    if (!design_.has_value()) {
        adjustSize();
    }
    if (centreOn != nullptr && parentWidget() != nullptr) {
        const QPoint centre = centreOn->mapTo(parentWidget(), centreOn->rect().center());
        move(centre.x() - width() / 2, y());
    }
    show();
    raise();
}

void GridBackgroundSelector::markThumbnail(int index) {
    for (QToolButton* thumbnail : thumbnails) {
        thumbnail->setAutoRaise(false);
    }
    QToolButton* chosen = thumbnails[std::size_t(index)];
    chosen->setAutoRaise(true);
    if (design_.has_value()) {
        // The frame's corner lies 30 twips left of and above the thumbnail's.
        const QPoint corner = chosen->pos() - QPoint(Twips::toPixels(30), Twips::toPixels(30));
        selectionFrame->setGeometry(
            QRect(corner, Twips::toPixels(design_->frameWidth, design_->frameHeight)));
    } else {
        selectionFrame->setGeometry(chosen->geometry().adjusted(-2, -2, 2, 2));
    }
    selectionFrame->show();
    selectionFrame->raise();
}

void GridBackgroundSelector::previewThumbnail(int index) {
    grid_.showPicture(services_.folder.file(pictureStem(index) + ".jpg"));
    markThumbnail(index);
    pending_ = pictureStem(index);
    choiceButtons[2]->setEnabled(true);
}

void GridBackgroundSelector::chooseColour() {
    grid_.showPicture({});
    const std::optional<QColor> chosen = services_.dialogs.chooseColor(grid_.colour());
    if (!chosen.has_value()) {
        if (namesPicture(setting_)) {
            grid_.showPicture(services_.folder.file(setting_ + ".jpg"));
        }
        state_ = State::Unchanged;
        return;
    }
    grid_.setColour(*chosen);
    setting_ = QString::number(ColorNumber::fromColor(*chosen));
    state_ = State::Colour;
    emit settingChanged();
}

// A picture setting shows its picture again; any other lets the grid's colour show.
void GridBackgroundSelector::showSetting() {
    grid_.showPicture(namesPicture(setting_) ? services_.folder.file(setting_ + ".jpg")
                                             : QString());
}

void GridBackgroundSelector::useDefault() {
    grid_.showPicture({});
    grid_.setColour(defaultColour_);
    setting_ = "Default";
    state_ = State::Default;
    emit settingChanged();
}

// Takes the last previewed picture, also one of an earlier showing, without showing it again.
void GridBackgroundSelector::useAbove() {
    setting_ = pending_;
    state_ = State::Picture;
    emit settingChanged();
}

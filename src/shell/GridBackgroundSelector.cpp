#include "GridBackgroundSelector.h"

#include "ColorNumber.h"
#include "PanelColours.h"
#include "Twips.h"

#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kWidth = 5445;
constexpr int kHeight = 6600;
constexpr int kThumbnailWidth = 1200;
constexpr int kThumbnailHeight = 1255;
constexpr std::array<int, 4> kThumbnailLefts = {160, 1460, 2760, 4060};
constexpr std::array<int, 4> kThumbnailTops = {418, 1839, 3199, 4557};
// The highlight stands 30 twips out from its thumbnail.
constexpr int kFrameOffset = 30;
constexpr int kFrameWidth = 1260;
constexpr int kFrameHeight = 1317;

QString pictureStem(int index) {
    return "WP" + QString::number(index + 1);
}

bool namesPicture(const QString& setting) {
    return setting.left(2).toUpper() == "WP";
}

} // namespace

GridBackgroundSelector::GridBackgroundSelector(Services& services, Grid grid, QWidget* parent)
    : QFrame(parent), services_(services), grid_(std::move(grid)) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setAccessibleName("Grid Background Selector");
    resize(Twips::toPixels(kWidth, kHeight));
    caption_ = new QLabel("Grid Background Selector", this);
    caption_->setAlignment(Qt::AlignCenter);
    Twips::place(caption_, 60, 60, kWidth - 120, 300);

    for (int index = 0; index < int(Image3.size()); ++index) {
        auto* thumbnail = new QToolButton(this);
        Twips::place(thumbnail, kThumbnailLefts.at(std::size_t(index % 4)),
                     kThumbnailTops.at(std::size_t(index / 4)), kThumbnailWidth, kThumbnailHeight);
        thumbnail->setIconSize(thumbnail->size() - QSize(6, 6));
        thumbnail->setAccessibleName(pictureStem(index));
        thumbnail->setToolTip(pictureStem(index));
        connect(thumbnail, &QToolButton::clicked, this, [this, index] { previewThumbnail(index); });
        Image3[std::size_t(index)] = thumbnail;
    }
    selectionFrame = new QFrame(this);
    selectionFrame->setFrameShape(QFrame::Box);
    selectionFrame->setLineWidth(2);
    QPalette blue = selectionFrame->palette();
    blue.setColor(QPalette::WindowText, ColorNumber::toColor(ColorNumber::kBlue));
    selectionFrame->setPalette(blue);
    selectionFrame->resize(Twips::toPixels(kFrameWidth, kFrameHeight));
    selectionFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    selectionFrame->hide();

    const struct {
        const char* caption;
        int left;
        int width;
    } buttons[] = {{"&Select Color Background", 160, 1215},
                   {"Use &Default Background", 1410, 1410},
                   {"Use &Above Background", 2845, 1215},
                   {"&Cancel", 4115, 1175}};
    for (std::size_t i = 0; i < Command16.size(); ++i) {
        Command16[i] = new QPushButton(buttons[i].caption, this);
        Twips::place(Command16[i], buttons[i].left, i == 3 ? 5927 : 5947, buttons[i].width, 522);
        connect(Command16[i], &QPushButton::clicked, this, [this, i] {
            hide();
            switch (i) {
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
                showSetting(); // takes back a preview
                choice_ = Choice::None;
                break;
            }
            emit restoreStatus();
        });
    }
    // Offered once a picture has been previewed, until the window closes.
    Command16[2]->setEnabled(false);
    hide();
}

QColor GridBackgroundSelector::defaultColour() const {
    return grid_.defaultColour ? grid_.defaultColour() : systemDefaultColour();
}

void GridBackgroundSelector::toggle(QWidget* centreOn) {
    services_.hinfo.BusyPointer();
    if (isVisible()) {
        hide();
        services_.hinfo.NormalPointer();
        return;
    }
    open(centreOn);
    services_.hinfo.NormalPointer();
}

void GridBackgroundSelector::open(QWidget* centreOn) {
    for (int index = 0; index < int(Image3.size()); ++index) {
        QToolButton* thumbnail = Image3[std::size_t(index)];
        const QPixmap picture(services_.folder.file(pictureStem(index) + ".jpg"));
        thumbnail->setIcon(picture.isNull()
                               ? QIcon()
                               : picture.scaled(thumbnail->iconSize(), Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation));
        thumbnail->setAutoRaise(false);
    }
    selectionFrame->hide();
    emit statusText("Grid Background Selector");
    // Only a setting in capitals names a thumbnail.
    if (setting_.startsWith("WP")) {
        bool isNumber = false;
        const int number = setting_.mid(2).toInt(&isNumber);
        if (isNumber && number >= 1 && number <= int(Image3.size())) {
            markThumbnail(number - 1);
        }
    }
    if (centreOn != nullptr && parentWidget() != nullptr) {
        const QPoint centre = centreOn->mapTo(parentWidget(), centreOn->rect().center());
        move(centre.x() - width() / 2, y());
    }
    show();
    raise();
}

void GridBackgroundSelector::hideEvent(QHideEvent* event) {
    for (QToolButton* thumbnail : Image3) {
        thumbnail->setIcon(QIcon());
    }
    QFrame::hideEvent(event);
}

void GridBackgroundSelector::markThumbnail(int index) {
    for (QToolButton* thumbnail : Image3) {
        thumbnail->setAutoRaise(false);
    }
    QToolButton* chosen = Image3[std::size_t(index)];
    chosen->setAutoRaise(true);
    selectionFrame->move(chosen->pos() -
                         Twips::toPixels(kFrameOffset, kFrameOffset, 0, 0).topLeft());
    selectionFrame->show();
    selectionFrame->raise();
}

void GridBackgroundSelector::previewThumbnail(int index) {
    Command16[2]->setEnabled(true);
    grid_.showPicture(services_.folder.file(pictureStem(index) + ".jpg"));
    markThumbnail(index);
    pending_ = pictureStem(index);
}

void GridBackgroundSelector::chooseColour() {
    grid_.showPicture({});
    const std::optional<QColor> chosen = services_.dialogs.chooseColor(grid_.colour());
    if (!chosen.has_value()) {
        showSetting();
        choice_ = Choice::None;
        return;
    }
    grid_.setColour(*chosen);
    setting_ = QString::number(ColorNumber::fromColor(*chosen));
    choice_ = Choice::Colour;
    emit settingChanged();
}

void GridBackgroundSelector::showSetting() {
    grid_.showPicture(namesPicture(setting_) ? services_.folder.file(setting_ + ".jpg")
                                             : QString());
}

void GridBackgroundSelector::useDefault() {
    grid_.showPicture({});
    grid_.setColour(defaultColour());
    setting_ = "Default";
    choice_ = Choice::Default;
    emit settingChanged();
}

void GridBackgroundSelector::useAbove() {
    setting_ = pending_;
    choice_ = Choice::Picture;
    emit settingChanged();
}

void GridBackgroundSelector::loadSetting(const QString& stored) {
    choice_ = Choice::None;
    const QString setting = stored.trimmed();
    if (namesPicture(setting)) {
        const QString file = services_.folder.file(setting + ".jpg");
        if (QImageReader(file).canRead()) {
            grid_.showPicture(file);
            setting_ = setting;
            return;
        }
    } else if (setting != "Default") {
        if (const std::optional<QColor> colour = storedColour(setting)) {
            grid_.showPicture({});
            grid_.setColour(*colour);
            setting_ = setting;
            return;
        }
    }
    grid_.showPicture({});
    grid_.setColour(defaultColour());
    setting_ = "Default";
}

std::optional<QString> GridBackgroundSelector::settingToSave() const {
    switch (choice_) {
    case Choice::None:
        return std::nullopt;
    case Choice::Colour:
        return QString::number(ColorNumber::fromColor(grid_.colour()));
    case Choice::Default:
    case Choice::Picture:
        break;
    }
    return setting_;
}

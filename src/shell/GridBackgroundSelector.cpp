#include "GridBackgroundSelector.h"

#include "ColorNumber.h"
#include "PanelColours.h"

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

} // namespace

GridBackgroundSelector::GridBackgroundSelector(Services& services, Grid grid, QWidget* parent)
    : QFrame(parent), services_(services), grid_(std::move(grid)) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setAccessibleName("Grid Background Selector");

    auto* thumbnails = new QGridLayout;
    for (int index = 0; index < int(Image3.size()); ++index) {
        auto* thumbnail = new QToolButton(this);
        thumbnail->setIconSize(QSize(kThumbnailWidth, kThumbnailHeight));
        thumbnail->setAccessibleName(pictureStem(index));
        thumbnail->setToolTip(pictureStem(index));
        connect(thumbnail, &QToolButton::clicked, this, [this, index] { previewThumbnail(index); });
        thumbnails->addWidget(thumbnail, index / 8, index % 8);
        Image3[std::size_t(index)] = thumbnail;
    }
    selectionFrame = new QFrame(this);
    selectionFrame->setFrameShape(QFrame::Box);
    selectionFrame->setLineWidth(2);
    selectionFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    selectionFrame->hide();

    const char* captions[] = {"&Select Color Background", "Use &Default Background",
                              "Use &Above Background", "&Cancel"};
    auto* buttons = new QHBoxLayout;
    for (std::size_t i = 0; i < Command16.size(); ++i) {
        Command16[i] = new QPushButton(captions[i], this);
        buttons->addWidget(Command16[i]);
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
                break;
            }
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(thumbnails);
    layout->addLayout(buttons);
    hide();
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
        const QPixmap picture(services_.folder.file(pictureStem(index) + ".jpg"));
        Image3[std::size_t(index)]->setIcon(
            picture.isNull() ? QIcon()
                             : picture.scaled(kThumbnailWidth, kThumbnailHeight,
                                              Qt::KeepAspectRatio, Qt::SmoothTransformation));
        Image3[std::size_t(index)]->setAutoRaise(false);
    }
    selectionFrame->hide();
    Command16[2]->setEnabled(false);
    emit statusText("Grid Background Selector");
    if (setting_.startsWith("WP")) {
        bool isNumber = false;
        const int number = setting_.mid(2).toInt(&isNumber);
        if (isNumber && number >= 1 && number <= int(Image3.size())) {
            markThumbnail(number - 1);
        }
    }
    adjustSize();
    if (centreOn != nullptr && parentWidget() != nullptr) {
        const QPoint centre = centreOn->mapTo(parentWidget(), centreOn->rect().center());
        move(centre.x() - width() / 2, y());
    }
    show();
    raise();
}

void GridBackgroundSelector::markThumbnail(int index) {
    for (QToolButton* thumbnail : Image3) {
        thumbnail->setAutoRaise(false);
    }
    QToolButton* chosen = Image3[std::size_t(index)];
    chosen->setAutoRaise(true);
    selectionFrame->setGeometry(chosen->geometry().adjusted(-2, -2, 2, 2));
    selectionFrame->show();
    selectionFrame->raise();
}

void GridBackgroundSelector::previewThumbnail(int index) {
    grid_.showPicture(services_.folder.file(pictureStem(index) + ".jpg"));
    markThumbnail(index);
    pending_ = pictureStem(index);
    Command16[2]->setEnabled(true);
}

void GridBackgroundSelector::chooseColour() {
    grid_.showPicture({});
    const std::optional<QColor> chosen = services_.dialogs.chooseColor(grid_.colour());
    if (!chosen.has_value()) {
        showSetting();
        emit restoreStatus();
        return;
    }
    grid_.setColour(*chosen);
    setting_ = QString::number(ColorNumber::fromColor(*chosen));
    emit settingChanged();
}

void GridBackgroundSelector::showSetting() {
    if (setting_.startsWith("WP")) {
        grid_.showPicture(services_.folder.file(setting_ + ".jpg"));
        return;
    }
    grid_.showPicture({});
    grid_.setColour(storedColour(setting_).value_or(grid_.colour()));
}

void GridBackgroundSelector::useDefault() {
    grid_.showPicture({});
    grid_.setColour(systemDefaultColour());
    setting_ = "Default";
    emit settingChanged();
}

void GridBackgroundSelector::useAbove() {
    setting_ = pending_;
    emit settingChanged();
}

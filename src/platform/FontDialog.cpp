#include "FontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Style { Regular, Italic, Bold, BoldItalic };

struct NamedColour {
    const char* name;
    QRgb rgb;
};

// The sixteen colours a font's text can take, in the order the classic font dialog lists them.
constexpr NamedColour kColours[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},     {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
};

const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

QString sizeText(double size) {
    return QString::number(size, 'g', 6);
}

} // namespace

FontDialog::FontDialog(const Dialogs::FontChoice& initial, Dialogs::FontList list, QWidget* parent)
    : QDialog(parent), familyEdit_(new QLineEdit(this)), families_(new QListWidget(this)),
      styles_(new QListWidget(this)), sizes_(new QComboBox(this)),
      strikeout_(new QCheckBox(tr("Stri&keout"), this)),
      underline_(new QCheckBox(tr("&Underline"), this)), colours_(new QComboBox(this)),
      sample_(new QLabel(tr("AaBbYyZz"), this)), lastSize_(initial.size) {
    setWindowTitle(tr("Font"));
    // Every installed font prints as it shows, so both lists hold the same families.
    Q_UNUSED(list);
    families_->addItems(QFontDatabase::families());
    familyEdit_->setText(initial.name);
    const auto found = families_->findItems(initial.name, Qt::MatchFixedString);
    if (!found.isEmpty()) {
        families_->setCurrentItem(found.first());
        familyEdit_->setText(found.first()->text());
    }
    connect(families_, &QListWidget::currentTextChanged, this,
            [this](const QString& family) { familyEdit_->setText(family); });
    connect(familyEdit_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        const auto matches = families_->findItems(typed, Qt::MatchStartsWith);
        if (!matches.isEmpty()) {
            QSignalBlocker quiet(families_);
            families_->setCurrentItem(matches.first());
            families_->scrollToItem(matches.first());
        }
    });
    connect(familyEdit_, &QLineEdit::textChanged, this, &FontDialog::updateSample);

    styles_->addItems({tr("Regular"), tr("Italic"), tr("Bold"), tr("Bold Italic")});
    styles_->setCurrentRow((initial.bold ? Bold : Regular) + (initial.italic ? Italic : Regular));
    connect(styles_, &QListWidget::currentRowChanged, this, &FontDialog::updateSample);

    sizes_->setEditable(true);
    for (int size : kSizes) {
        sizes_->addItem(QString::number(size));
    }
    sizes_->setCurrentText(sizeText(initial.size));
    connect(sizes_, &QComboBox::currentTextChanged, this, [this] {
        if (const auto size = typedSize()) {
            lastSize_ = *size;
        }
        updateSample();
    });

    strikeout_->setChecked(initial.strikeout);
    underline_->setChecked(initial.underline);
    connect(strikeout_, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(underline_, &QCheckBox::toggled, this, &FontDialog::updateSample);
    for (const NamedColour& colour : kColours) {
        colours_->addItem(tr(colour.name), QColor(colour.rgb));
    }
    // A colour outside the sixteen stays on offer, so that OK keeps it.
    int current = colours_->findData(initial.colour);
    if (current < 0) {
        colours_->addItem(tr("Custom"), initial.colour);
        current = colours_->count() - 1;
    }
    colours_->setCurrentIndex(current);
    connect(colours_, &QComboBox::currentIndexChanged, this, &FontDialog::updateSample);

    auto* fontLabel = new QLabel(tr("&Font:"), this);
    fontLabel->setBuddy(familyEdit_);
    auto* styleLabel = new QLabel(tr("Font st&yle:"), this);
    styleLabel->setBuddy(styles_);
    auto* sizeLabel = new QLabel(tr("&Size:"), this);
    sizeLabel->setBuddy(sizes_);
    auto* colourLabel = new QLabel(tr("&Color:"), this);
    colourLabel->setBuddy(colours_);
    familyEdit_->setAccessibleName(tr("Font"));
    families_->setAccessibleName(tr("Font"));
    styles_->setAccessibleName(tr("Font style"));
    sizes_->setAccessibleName(tr("Size"));
    colours_->setAccessibleName(tr("Color"));
    sample_->setAccessibleName(tr("Sample"));

    auto* effects = new QGroupBox(tr("Effects"), this);
    auto* effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(strikeout_);
    effectsLayout->addWidget(underline_);
    effectsLayout->addWidget(colourLabel);
    effectsLayout->addWidget(colours_);
    auto* sampleBox = new QGroupBox(tr("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumSize(220, 70);
    sampleLayout->addWidget(sample_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &FontDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FontDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(fontLabel, 0, 0);
    grid->addWidget(styleLabel, 0, 1);
    grid->addWidget(sizeLabel, 0, 2);
    grid->addWidget(familyEdit_, 1, 0);
    grid->addWidget(styles_, 1, 1, 2, 1);
    grid->addWidget(sizes_, 1, 2);
    grid->addWidget(families_, 2, 0);
    grid->addWidget(effects, 3, 0);
    grid->addWidget(sampleBox, 3, 1, 1, 2);
    grid->addWidget(buttons, 4, 0, 1, 3);
    styles_->setMaximumHeight(families_->sizeHint().height());
    updateSample();
}

std::optional<double> FontDialog::typedSize() const {
    bool number = false;
    const double size = sizes_->currentText().trimmed().toDouble(&number);
    if (!number || size < Dialogs::kMinFontSize || size > Dialogs::kMaxFontSize) {
        return std::nullopt;
    }
    return size;
}

Dialogs::FontChoice FontDialog::choice() const {
    Dialogs::FontChoice chosen;
    chosen.name = familyEdit_->text().trimmed();
    chosen.size = lastSize_;
    const int style = std::max(0, styles_->currentRow());
    chosen.bold = style == Bold || style == BoldItalic;
    chosen.italic = style == Italic || style == BoldItalic;
    chosen.underline = underline_->isChecked();
    chosen.strikeout = strikeout_->isChecked();
    chosen.colour = colours_->currentData().value<QColor>();
    return chosen;
}

bool FontDialog::acceptable() const {
    return typedSize().has_value() && !familyEdit_->text().trimmed().isEmpty();
}

void FontDialog::updateSample() {
    ok_->setEnabled(acceptable());
    const Dialogs::FontChoice chosen = choice();
    QFont font = chosen.font();
    // The sample shows the size up to a height that still fits its box.
    font.setPointSizeF(std::min(chosen.size, 36.0));
    sample_->setFont(font);
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, chosen.colour);
    sample_->setPalette(palette);
}

#include "ToolbarCustomizeDialog.h"

#include "HelpViewer.h"
#include "Toolbar.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QPushButton* namedButton(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove('&'));
    return button;
}

} // namespace

ToolbarCustomizeDialog::ToolbarCustomizeDialog(const Toolbar& toolbar, HelpViewer& help,
                                               QWidget* parent)
    : QDialog(parent), toolbar_(toolbar) {
    setWindowTitle(tr("Customize Toolbar"));

    auto* caption = new QLabel(tr("&Toolbar buttons (ticked buttons show):"));
    list_ = new QListWidget;
    list_->setObjectName("buttons");
    list_->setAccessibleName(tr("Toolbar buttons"));
    list_->setIconSize(QSize(24, 24));
    caption->setBuddy(list_);

    moveUp_ = namedButton(tr("Move &Up"), "moveUp");
    moveDown_ = namedButton(tr("Move &Down"), "moveDown");

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                     QDialogButtonBox::Reset | QDialogButtonBox::Help);
    box->setObjectName("buttonBox");

    auto* grid = new QGridLayout(this);
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(list_, 1, 0, 3, 1);
    grid->addWidget(moveUp_, 1, 1);
    grid->addWidget(moveDown_, 2, 1);
    grid->setRowStretch(3, 1);
    grid->addWidget(box, 4, 0, 1, 2);

    connect(moveUp_, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(moveDown_, &QPushButton::clicked, this, [this] { moveCurrent(+1); });
    connect(list_, &QListWidget::currentRowChanged, this,
            &ToolbarCustomizeDialog::updateMoveButtons);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::helpRequested, this,
            [&help] { help.showNamedTopic(kHelpTopic); });
    connect(box->button(QDialogButtonBox::Reset), &QPushButton::clicked, this,
            [this] { fill(ToolbarLayouts::designed(Toolbar::kButtons)); });

    fill(toolbar.buttonLayout());
}

ToolbarLayout ToolbarCustomizeDialog::chosenLayout() const {
    ToolbarLayout layout;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        layout.append({item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked});
    }
    return layout;
}

void ToolbarCustomizeDialog::fill(const ToolbarLayout& layout) {
    list_->clear();
    for (const ToolbarButtonPlace& place : layout) {
        const QAction* action = toolbar_.button(place.number);
        auto* item = new QListWidgetItem(action->icon(), action->toolTip(), list_);
        item->setData(Qt::UserRole, place.number);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(place.shown ? Qt::Checked : Qt::Unchecked);
    }
    list_->setCurrentRow(0);
    updateMoveButtons();
}

void ToolbarCustomizeDialog::moveCurrent(int step) {
    const int from = list_->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= list_->count()) {
        return;
    }
    list_->insertItem(to, list_->takeItem(from));
    list_->setCurrentRow(to);
}

void ToolbarCustomizeDialog::updateMoveButtons() {
    const int row = list_->currentRow();
    moveUp_->setEnabled(row > 0);
    moveDown_->setEnabled(row >= 0 && row < list_->count() - 1);
}

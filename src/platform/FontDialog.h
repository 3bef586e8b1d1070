#pragma once

#include "Dialogs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The font dialog: a family, a style, a size of 1 to 999 points with fractions, underline,
// strikeout and a text colour, with a sample. Qt's own font dialog has no colour, hence this one.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    FontDialog(const Dialogs::FontChoice& initial, Dialogs::FontList list,
               QWidget* parent = nullptr);

    // What the controls hold now; the size is the last valid one typed.
    Dialogs::FontChoice choice() const;

    QLineEdit* familyEdit() const { return familyEdit_; }
    QListWidget* families() const { return families_; }
    QListWidget* styles() const { return styles_; }
    QComboBox* sizes() const { return sizes_; }
    QCheckBox* strikeout() const { return strikeout_; }
    QCheckBox* underline() const { return underline_; }
    QComboBox* colours() const { return colours_; }
    QLabel* sample() const { return sample_; }
    // Enabled only while the size lies within 1 to 999 points and a family is named.
    QPushButton* okButton() const { return ok_; }

private:
    void updateSample();
    std::optional<double> typedSize() const;
    bool acceptable() const;

    QLineEdit* familyEdit_;
    QListWidget* families_;
    QListWidget* styles_;
    QComboBox* sizes_;
    QCheckBox* strikeout_;
    QCheckBox* underline_;
    QComboBox* colours_;
    QLabel* sample_;
    QPushButton* ok_ = nullptr;
    double lastSize_;
};

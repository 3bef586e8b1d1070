#pragma once

#include "BackupContext.h"

#include <QList>
#include <QStringList>

// What a backup showed: its status captions, the progress bar's values and its yields.
class RecordingDisplay : public BackupDisplay {
public:
    void setStatus(const QString& caption) override { statuses.append(caption); }
    void showProgress(int maximum) override {
        progressMaximum = maximum;
        progressShown = true;
    }
    void setProgress(int value) override { progress.append(value); }
    void hideProgress() override { progressShown = false; }
    void yield() override { ++yields; }

    QStringList statuses;
    int progressMaximum = 0;
    bool progressShown = false;
    QList<int> progress;
    int yields = 0;
};

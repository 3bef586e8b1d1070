#pragma once

#include "Medium.h"

// The medium as the program runs it: the local file system, the volumes QStorageInfo lists.
class FileSystemMedium : public Medium {
public:
    QList<Drive> drives() const override;
    bool readable(const QString& folder) const override;
    Read read(const QString& path, qint64 limit) const override;
    qint64 size(const QString& path) const override;
    bool remove(const QString& path) override;
    qint64 bytesFree(const QString& folder) const override;
    bool replace(const QString& from, const QString& to) override;
    std::unique_ptr<MediumFile> openForWriting(const QString& path) override;
};

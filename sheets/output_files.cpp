// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/output_files.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path pathOf(const QString& path) {
    return fs::path(path.toStdString());
}

QString cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("compartica-sheets: cannot write %1: %2").arg(path, reason);
}

// What a path names when it is not a regular file, in a teacher's words.
QString kindOf(fs::file_type type) {
    switch (type) {
    case fs::file_type::directory:
        return QStringLiteral("a folder");
    case fs::file_type::character:
        return QStringLiteral("a character device");
    case fs::file_type::block:
        return QStringLiteral("a block device");
    case fs::file_type::fifo:
        return QStringLiteral("a named pipe");
    case fs::file_type::socket:
        return QStringLiteral("a socket");
    default:
        return QStringLiteral("not a regular file");
    }
}

// Why the file cannot be made where `path` names it: something other than
// a file is there, or its folder is missing.
QString targetRefused(const QString& path) {
    std::error_code error;
    const fs::file_status status = fs::status(pathOf(path), error);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return cannotWrite(path, QStringLiteral("it is %1, not a file").arg(kindOf(status.type())));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return cannotWrite(path, QStringLiteral("there is no folder %1").arg(folder));
    return QString();
}

// The file a path leads to, through symbolic links and "." or "..", for
// a file that exists or not.
fs::path resolved(const QString& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(pathOf(path), error);
    const fs::path canonical = fs::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : canonical;
}

bool sameFile(const QString& a, const QString& b) {
    std::error_code error;
    return resolved(a) == resolved(b) || fs::equivalent(pathOf(a), pathOf(b), error);
}

// Why a file could not be opened for writing beside its target: Qt's
// "No such file or directory" for a folder that takes no new files (one of
// the kernel's, like /proc) would mislead.
QString openFailed(const QSaveFile& file) {
    const QString folder = QFileInfo(file.fileName()).absolutePath();
    if (!QFileInfo(folder).isWritable())
        return cannotWrite(file.fileName(),
                           QStringLiteral("the folder %1 is not writable").arg(folder));
    return cannotWrite(file.fileName(), QStringLiteral("no file can be made in %1").arg(folder));
}

// Writes the bytes straight to the file's descriptor and on to the disk,
// so that a rename after it cannot leave a file short. The system's reason
// where that fails ("No space left on device"), else empty.
QString writeThrough(int descriptor, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done,
                                        static_cast<std::size_t>(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return QString::fromLocal8Bit(std::strerror(errno));
        done += std::max<ssize_t>(written, 0);
    }
    return ::fsync(descriptor) == 0 ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QString outputsRefused(const std::vector<QString>& paths) {
    for (const QString& path : paths)
        if (const QString reason = targetRefused(path); !reason.isEmpty())
            return reason;
    for (std::size_t i = 0; i < paths.size(); ++i)
        for (std::size_t j = i + 1; j < paths.size(); ++j)
            if (sameFile(paths[i], paths[j]))
                return QStringLiteral("compartica-sheets: %1 and %2 name the same file: the "
                                      "sheets and the key each need a file of their own")
                    .arg(paths[i], paths[j]);
    return QString();
}

QString writeTogether(const std::vector<OutputFile>& files) {
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const OutputFile& output : files) {
        auto file = std::make_unique<QSaveFile>(output.path);
        file->setDirectWriteFallback(false);
        if (!file->open(QIODevice::WriteOnly))
            return openFailed(*file);
        if (const QString failed = writeThrough(file->handle(), output.bytes); !failed.isEmpty())
            return cannotWrite(output.path, failed);
        written.push_back(std::move(file));
    }
    // On an early return each copy beside its target is dropped unrenamed.
    for (auto& file : written)
        if (!file->commit())
            return cannotWrite(file->fileName(), file->errorString());
    return QString();
}

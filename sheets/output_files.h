// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A file to be written and what goes into it.
struct OutputFile {
    QString path;
    QByteArray bytes;
};

// Why the files cannot be written where they are named, as one line for a
// teacher: a path that names something other than a regular file (a
// link, a device, a folder), a file that is read-only or another user's in
// a folder every user may write to, two paths that name the same file, or
// a folder that is missing or not writable. Empty where nothing stands in
// the way. Asked before the files are made, so that a teacher is told at
// once; writeTogether asks again as it writes.
QString outputsRefused(const std::vector<QString>& paths);

// Writes every file whole or none: each is written and synced beside its
// target first, and only when all are on disk are they renamed into
// place, so a full disk or a folder that refuses leaves every earlier file
// as it was (only a rename that fails after another has succeeded could
// not). Each target is looked at again just before its rename, within the
// folder opened before its copy was written, and the rename replaces the
// name itself: nothing a link leads to is ever written or replaced.
// Returns the line that says what failed, or empty.
QString writeTogether(const std::vector<OutputFile>& files);

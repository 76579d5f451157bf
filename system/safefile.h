#pragma once

// Reading and writing the game's own small files so that nothing can hang
// the game, exhaust its memory or leave a half-written file behind.
// Stateless.
//
// read() takes only regular files (links followed), opens them without
// waiting for a writer (a named pipe, a device) and refuses files larger
// than the caller allows. write() replaces a file in one step through a
// new file beside it, which has no name while it is written (where the
// file system allows) and then "<file>.saving" until the rename; where the
// folder refuses a new file but the file itself is writable, it rewrites
// the file in place and puts the old content back should that fail. A
// process killed in that last instant leaves the ".saving" file, which
// discardInterrupted() removes at the next start. Every failure throws
// GameError.

#include <QByteArray>
#include <QString>

namespace SafeFile {

// The whole content. Throws GameError(failureCode, "<path>: <reason>").
QByteArray read(const QString &path, qint64 maxBytes, int failureCode);

// Replaces the file with exactly these bytes, or leaves it as it was and
// throws GameError PathAccess naming the file and the reason.
void write(const QString &path, const QByteArray &bytes);

// A file's path and why it could not be used, as one error detail reads
// in the player's language.
QString pathAndReason(const QString &path, const QString &why);

// Removes the ".saving" file an interrupted write() of this file left
// beside it, if it is a plain file; nothing else is touched.
void discardInterrupted(const QString &path);

} // namespace SafeFile

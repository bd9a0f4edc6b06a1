// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the definition files, bitmaps and maps. Paths in this
// system are written the old way ("def\NAME.TXT") and are matched without
// regard to case, folder by folder, so "bmp" and "BMP" name the same folder
// as they did on the controller family's original platform.
class ProgramFolder {
public:
    explicit ProgramFolder(QString root);

    const QString& root() const { return root_; }

    // The absolute path of a relative one, each part matched without regard
    // to case. Parts that do not exist are kept as written, so the result
    // also serves to create a file.
    QString path(const QString& relative) const;

    // The folder beside the executable when it has def/, else dataDir, filled
    // from the first shipped copy that has def/ when it has none yet.
    // Returns an empty string and sets error when no folder can be had.
    static QString locate(const QString& exeDir, const QString& dataDir,
                          const QStringList& shippedCopies, QString* error);

    static bool hasDefinitions(const QString& dir);

    // The program folder of an Obel program in exeDir: beside it, else the
    // user's data folder of the application, filled from the copy an
    // installation keeps (share/obel/programdir beside bin/, as configured).
    static QString locateFor(const QString& exeDir, QString* error);

private:
    static QString matchEntry(const QString& dir, const QString& name);
    static bool copyTree(const QString& from, const QString& to, QString* error);
    static QString fill(const QString& dataDir, const QString& shipped, QString* error);

    QString root_;
};

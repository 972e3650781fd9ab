#ifndef ATOMICFILE_H
#define ATOMICFILE_H

// Replacing a file without ever leaving a half-written one behind, for
// writers that insist on a file name of their own (libxlsxwriter, QImage):
// they write to a fresh temporary name in the target's folder, and only a
// complete, verified file is renamed over the target. A failed export thus
// keeps whatever file was there before.
//
// Text written through a QIODevice should use QSaveFile instead, which does
// the same internally.

#include <QString>

class AtomicFileReplacer
{
public:
    explicit AtomicFileReplacer(const QString &targetPath);
    // Removes the temporary file unless commit() succeeded.
    ~AtomicFileReplacer();

    AtomicFileReplacer(const AtomicFileReplacer &) = delete;
    AtomicFileReplacer &operator=(const AtomicFileReplacer &) = delete;

    // Reserves a unique, empty temporary file next to the target. False (and
    // *error set, when error is not null) when the folder is missing or not
    // writable.
    bool prepare(QString *error = nullptr);

    // The temporary file to write; empty before a successful prepare().
    QString temporaryPath() const { return m_tempPath; }
    QString targetPath() const { return m_targetPath; }

    // Gives the temporary file the permissions a newly created file would
    // have (or those of the file it replaces) and renames it over the target
    // in one step. False, with *error set, when the rename fails; the target
    // is then untouched.
    bool commit(QString *error = nullptr);

private:
    QString m_targetPath;
    QString m_tempPath;
    bool m_committed = false;
};

#endif // ATOMICFILE_H

#pragma once

#include <QListWidget>
#include <QString>

#include <map>
#include <utility>
#include <variant>

// The list of chosen files: path texts kept in case-insensitive order (names
// that differ only in case by their exact text), one of them selected at most.
// Each file is listed once, under the first path it was added by. The Delete
// key removes the selected entry and then, once the key has been handled,
// announces FileListChanged.
class CInvListBox : public QListWidget {
    Q_OBJECT

public:
    explicit CInvListBox(QWidget* parent = nullptr);

    // Inserts path at its sorted place and returns that position; a file
    // listed already, under this or another path (a link, "./"), is not added
    // again and the position of its entry is returned.
    int AddString(const QString& path);
    int Count() const { return count(); }
    QString Text(int index) const;
    void DeleteString(int index);

    // The selected position, -1 when nothing is selected.
    int CurrentSelection() const;
    // Selects index (-1 clears the selection) without raising SelectionChanged.
    void SetCurrentSelection(int index);

signals:
    // The user changed the selection (by mouse or keyboard).
    void SelectionChanged();
    // An entry was removed with the Delete key. Always delivered queued.
    void FileListChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A file that exists is known by its device and inode, any other by its path.
    using FileKey = std::variant<std::pair<qulonglong, qulonglong>, QString>;

    // An entry as AddString makes it: the path shown, that path in one letter
    // case to sort by, and the file it names.
    struct Entry : QListWidgetItem {
        Entry(const QString& path, FileKey file);
        bool SortsBefore(const Entry& other) const;
        const QString folded;
        const FileKey file;
    };
    const Entry& EntryAt(int index) const;

    bool selectingByProgram = false;
    std::map<FileKey, Entry*> listed;
};

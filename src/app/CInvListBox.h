#pragma once

#include <QListWidget>
#include <QString>

#include <map>
#include <utility>
#include <variant>
#include <vector>

// The list of chosen files: path texts kept in case-insensitive order (names
// that differ only in case by their exact text). Each file is listed once,
// under the first path it was added by. Delete (or RemoveSelected) takes the
// selected entries off the list and then, once the key has been handled,
// announces FileListChanged; no file is ever touched.
class CInvListBox : public QListWidget {
    Q_OBJECT

public:
    // A file that exists is known by its device and inode, any other by its path.
    using FileKey = std::variant<std::pair<qulonglong, qulonglong>, QString>;
    struct Candidate {
        QString path;
        FileKey file;
    };

    explicit CInvListBox(QWidget* parent = nullptr);

    // Finds out which file path names, ahead of AddStrings: a long listing
    // does this in slices.
    static Candidate Identify(const QString& path);

    // Adds the paths whose files are not listed yet (a file named twice, by
    // any paths, is added once, by the first), all sorted in at once.
    void AddStrings(std::vector<Candidate> paths);
    int Count() const { return count(); }
    QString Text(int index) const;
    // Takes these positions off the list, announcing nothing.
    void DeleteStrings(std::vector<int> positions);

    // The selected position (the current one when several are selected),
    // -1 when nothing is selected.
    int CurrentSelection() const;
    // Selects index alone (-1 clears the selection) without raising SelectionChanged.
    void SetCurrentSelection(int index);
    bool HasSelection() const;

    // What the Delete key does: the selected entries are taken off, the entry
    // after the first of them is selected, and FileListChanged follows.
    void RemoveSelected();
    // Empties the list; FileListChanged follows.
    void RemoveAll();

signals:
    // The user changed the selection (by mouse or keyboard).
    void SelectionChanged();
    // Entries were removed with the Delete key, RemoveSelected or RemoveAll.
    // Always delivered queued.
    void FileListChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // An entry as AddStrings makes it: the path shown, that path in one letter
    // case to sort by, and the file it names.
    struct Entry : QListWidgetItem {
        explicit Entry(Candidate candidate);
        bool operator<(const QListWidgetItem& other) const override;
        const QString folded;
        const FileKey file;
    };
    const Entry& EntryAt(int index) const;
    void AnnounceChange();

    bool selectingByProgram = false;
    std::map<FileKey, Entry*> listed;
    // Width in pixels of the widest path added so far; never reduced.
    int widestPath = 0;
};

#pragma once

#include <QListWidget>
#include <QString>

// The list of chosen files: path texts kept in case-insensitive order, one of
// them selected at most. The Delete key removes the selected entry and then,
// once the key has been handled, announces FileListChanged.
class CInvListBox : public QListWidget {
    Q_OBJECT

public:
    explicit CInvListBox(QWidget* parent = nullptr);

    // Inserts text at its sorted place (after entries equal to it) and
    // returns that position.
    int AddString(const QString& text);
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
    bool selectingByProgram = false;
};
